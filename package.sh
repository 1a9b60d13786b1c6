#!/usr/bin/env bash
# Builds the Debian package of the three programs: build/felgrove-c64-tools_*.deb
# Install it with: sudo apt-get install ./build/felgrove-c64-tools_*.deb
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh --package
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
(cd build && cpack -G DEB >/dev/null)
ls build/felgrove-c64-tools_*.deb
