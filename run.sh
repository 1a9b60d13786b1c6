#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts one of the programs:
#   ./run.sh [pixmoth|slivra|nembra]      (any case; default Pixmoth)
#   ./run.sh --help                       lists the programs
set -euo pipefail
cd "$(dirname "$0")"

programs=(Pixmoth Slivra Nembra)
usage() {
    echo "usage: ./run.sh [PROGRAM]   (the name in any case; default Pixmoth)"
    echo "  Pixmoth   the sprite maker"
    echo "  Slivra    the PRG range extractor"
    echo "  Nembra    the byte-table writer"
}

case "${1:-}" in
    -h|--help) usage; exit 0 ;;
esac
[ $# -le 1 ] || { usage >&2; exit 2; }

wanted="${1:-Pixmoth}"
program=
for p in "${programs[@]}"; do
    [ "${p,,}" = "${wanted,,}" ] && program=$p
done
if [ -z "$program" ]; then
    echo "Unknown program '$wanted': choose Pixmoth, Slivra or Nembra." >&2
    exit 2
fi

# Before anything is installed or built: the programs are windows.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show $program on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi

scripts/deps.sh
scripts/configure.sh
cmake --build build --target "$program"

exec "build/bin/$program"
