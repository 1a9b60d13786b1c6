#!/usr/bin/env bash
# Builds the three programs for Windows on Linux, with mingw-w64 and the Qt of
# ../shared/qt-windows/ (beside this folder), in build-windows/:
#   build-windows/bin/   Pixmoth.exe, Slivra.exe, Nembra.exe, sample.prg and the
#                        DLLs they need: a folder that runs as it is
#   build-windows/Felgrove-C64-tools-VERSION-windows-x64.zip   that folder
# With --test it builds and runs the tests built for Windows under Wine instead.
# FELGROVE_QT_WINDOWS names another folder that holds the Qt archive and
# toolchain-mingw64.cmake. Without a Windows Qt it says how to get one and
# exits 77 (ctest's "skipped").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
    "" | --test) ;;
    *) echo "usage: scripts/windows.sh [--test]" >&2; exit 2 ;;
esac

qt_windows=${FELGROVE_QT_WINDOWS:-../shared/qt-windows}
archive=$qt_windows/qt-6.4.2-mingw-w64.tar.xz
if [ ! -f "$archive" ] || [ ! -f "$qt_windows/toolchain-mingw64.cmake" ]; then
    cat >&2 <<TEXT
No Windows Qt: $archive is missing, so the Windows programs and their tests
are skipped. Put the shared/ folder that holds qt-windows/ beside this project
folder, or make the archive again with its build-qt.sh (Qt 6.4.2 from Debian's
qt6-base source, cross-built with mingw-w64 in about 20 minutes), or name
the folder that holds it in FELGROVE_QT_WINDOWS.
TEXT
    exit 77
fi

scripts/deps.sh --windows

out=$PWD/build-windows
toolchain=$(cd "$qt_windows" && pwd)/toolchain-mingw64.cmake
qt=$out/qt-6.4.2-mingw-w64
if [ ! -f "$qt/unpacked" ] || [ "$archive" -nt "$qt/unpacked" ]; then
    rm -rf "$qt"
    mkdir -p "$out"
    tar xJf "$archive" -C "$out"
    touch "$qt/unpacked"
fi

# GoogleTest, compiled with the same cross compiler.
gtest=$out/googletest
if [ ! -f "$gtest/installed" ]; then
    cmake -S /usr/src/googletest -B "$out/googletest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$gtest" \
        -Dgtest_disable_pthreads=ON -DBUILD_SHARED_LIBS=OFF >/dev/null
    cmake --build "$out/googletest-build"
    cmake --install "$out/googletest-build" >/dev/null
    touch "$gtest/installed"
fi

# moc, uic and rcc are the build machine's (Debian's Qt of the same version).
cmake -S . -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFELGROVE_WERROR=ON \
    -DFELGROVE_BENCHMARKS=OFF -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$qt;$gtest" -DCMAKE_FIND_ROOT_PATH="$qt;$gtest" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
cmake --build "$out/build"

if [ "$mode" = --test ]; then
    ctest --test-dir "$out/build" --output-on-failure -j "$(nproc)"
    exit
fi

# The folder a Windows user runs: the programs, the sample picture, Qt and the
# mingw runtime, all stripped of their symbols.
bin=$out/bin
rm -rf "$bin"
mkdir -p "$bin/platforms" "$bin/styles"
cp "$out"/build/bin/{Pixmoth,Slivra,Nembra}.exe "$out/build/bin/sample.prg" "$bin/"
cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$bin/"
cp "$qt/plugins/platforms/qwindows.dll" "$bin/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$bin/styles/"
for dll in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
    cp "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")")" "$bin/"
done
x86_64-w64-mingw32-strip "$bin"/*.exe "$bin"/*.dll "$bin"/*/*.dll

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/build/CMakeCache.txt")
name=Felgrove-C64-tools-$version-windows-x64
zip=$out/$name.zip
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
ln -s "$bin" "$stage/$name"
rm -f "$zip"
(cd "$stage" && zip -qr -X "$zip" "$name")
echo "$bin"
echo "$zip"
