#!/usr/bin/env bash
# Builds in Release and runs every benchmark in bench/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/configure.sh
cmake --build build
export QT_QPA_PLATFORM=offscreen
ran=0
for b in build/bench/*_bench; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" "$@"
    ran=$((ran + 1))
done
if [ "$ran" -eq 0 ]; then
    echo "No benchmark was built in build/bench/." >&2
    exit 1
fi
