#!/usr/bin/env bash
# Builds in Release and runs every benchmark in bench/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/configure.sh
cmake --build build
export QT_QPA_PLATFORM=offscreen
for b in build/bench/*_bench; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" "$@"
done
