#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts one of the programs:
#   ./run.sh [Pixmoth|Slivra|Nembra]      (default Pixmoth)
set -euo pipefail
cd "$(dirname "$0")"

program="${1:-Pixmoth}"
case "$program" in
    Pixmoth|Slivra|Nembra) ;;
    *) echo "Unknown program '$program': choose Pixmoth, Slivra or Nembra." >&2; exit 2 ;;
esac

scripts/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target "$program"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show $program on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi

exec "build/bin/$program"
