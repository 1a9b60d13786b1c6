#!/usr/bin/env bash
# Configures build/, the one build folder that run.sh, test.sh, bench.sh and
# scripts/screenshots.sh share. They all pass these same options, so whichever
# runs second reuses what the first one built instead of starting over.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DFELGROVE_WERROR=ON \
    -DFELGROVE_BENCHMARKS=ON -DFELGROVE_SANITIZE=OFF -DFELGROVE_FUZZ=OFF >/dev/null
