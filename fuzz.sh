#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60).
# Exits non-zero on any finding. Findings land in build-fuzz/findings/.
#   ./fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-60}"

scripts/deps.sh --fuzz

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFELGROVE_FUZZ=ON -DFELGROVE_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --target fuzz_all
targets=$(cat build-fuzz/fuzz/targets.txt)

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/findings
status=0
for t in $targets; do
    work="build-fuzz/corpus/$t"
    mkdir -p "$work"
    echo "== fuzz_$t for ${seconds}s"
    if ! build-fuzz/fuzz/fuzz_$t "$work" "fuzz/corpus/$t" -max_total_time="$seconds" \
            -artifact_prefix="build-fuzz/findings/$t-" -print_final_stats=1 \
            -rss_limit_mb=4096 2> "build-fuzz/fuzz_$t.log"; then
        echo "fuzz_$t FOUND A FAULT; see build-fuzz/fuzz_$t.log and build-fuzz/findings/" >&2
        status=1
    fi
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|cov: [0-9]+ ft' \
        "build-fuzz/fuzz_$t.log" | tail -3 || true
done
exit $status
