#!/usr/bin/env bash
# Builds in Release and runs every benchmark in bench/, then ends with one
# table: each figure the tools are held to, its goal and the ratio of the two.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/configure.sh
cmake --build build
export QT_QPA_PLATFORM=offscreen
BENCH_SUMMARY=$(mktemp)
export BENCH_SUMMARY
trap 'rm -f "$BENCH_SUMMARY"' EXIT
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
echo
echo "== Figures and goals (ratio = figure / goal)"
{
    printf 'Figure\tMeasured\tGoal\tRatio\tVerdict\n'
    cat "$BENCH_SUMMARY"
} | column -t -s $'\t'
