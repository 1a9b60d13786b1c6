#!/usr/bin/env bash
# Makes sure the Debian packages the build and the tests need are installed.
# As root it installs what is missing; otherwise it names the packages and fails.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core xxd
          libqt6svg6 desktop-file-utils appstream
          64tass cc65 xa65 dasm) # the cross-assemblers of the integration test
packages+=(orca speech-dispatcher espeak-ng xvfb openbox xdotool x11-utils dbus at-spi2-core) # the screen-reader tours
case "${1:-}" in
    --display) packages+=(xvfb xauth) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --package) packages+=(dpkg-dev file lintian) ;;
    # The Windows programs: the cross compiler, Wine and its fonts (which Qt's
    # offscreen platform draws with there) for the tests, zip for the archive.
    --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine zip) ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
