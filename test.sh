#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test headless (Qt's offscreen platform).
set -euo pipefail
cd "$(dirname "$0")"

scripts/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DFELGROVE_WERROR=ON >/dev/null
cmake --build build

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
