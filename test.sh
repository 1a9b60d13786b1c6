#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test headless (Qt's offscreen platform). The normal run also builds the
# Windows programs and tests (scripts/windows.sh) and runs those under Wine.
#   ./test.sh              the normal build, in build/ (shared with run.sh)
#   ./test.sh --sanitize   the whole suite under AddressSanitizer and
#                          UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"

build=build
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DFELGROVE_SANITIZE=ON -DFELGROVE_BENCHMARKS=OFF)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
elif [ -n "${1:-}" ]; then
    echo "usage: ./test.sh [--sanitize]" >&2
    exit 2
fi

scripts/deps.sh

if [ "$build" = build ]; then
    scripts/configure.sh # the build folder and options that run.sh uses too
else
    cmake -S . -B "$build" -G Ninja -DFELGROVE_WERROR=ON "${options[@]}" >/dev/null
fi
cmake --build "$build"
if [ "$build" = build ]; then
    # Built here so that the ctest that runs them under Wine only runs them;
    # without a Windows Qt that ctest says how to get one and is skipped.
    status=0
    scripts/windows.sh || status=$?
    [ "$status" -eq 0 ] || [ "$status" -eq 77 ] || exit "$status"
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
