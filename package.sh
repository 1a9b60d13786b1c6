#!/usr/bin/env bash
# Builds the Debian package of the three programs in its own build folder:
#   build-package/felgrove-c64-tools_*.deb
# Install it with: sudo apt-get install ./build-package/felgrove-c64-tools_*.deb
# The programs are compiled with Debian's hardening flags and stripped.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh --package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DFELGROVE_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_STRIP="$PWD/packaging/strip.sh" >/dev/null
# Only what the package holds: the programs, the sample picture and the documents.
cmake --build build-package --target Pixmoth Slivra Nembra felgrove_docs
rm -f build-package/felgrove-c64-tools_*.deb
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/felgrove-c64-tools_*.deb)
# The package must pass Debian's checks without an error or a warning.
lintian --fail-on error,warning "$deb"
echo "$deb"
