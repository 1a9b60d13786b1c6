#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshots/*.png): each program is
# started under Xvfb with a window manager and driven with xdotool the way a
# user would, then photographed.
#   scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --display
need=()
for p in xdotool imagemagick openbox; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then echo "Install: ${need[*]}" >&2; exit 1; fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

scripts/configure.sh
cmake --build build --target Pixmoth Slivra Nembra >/dev/null

out=docs/screenshots
work=$(mktemp -d)
display=:$((200 + RANDOM % 500))
Xvfb "$display" -screen 0 1400x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
# Settings of this run only, so the shots never show a user's own values.
export XDG_CONFIG_HOME=$work/config
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$work" /tmp/c64-demo' EXIT
sleep 1

# Waits for a window whose title contains $1 and prints its id.
window() {
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.2
    done
    echo "no window '$1'" >&2
    exit 1
}
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 15 "$1"; sleep 0.3; }
shoot() { import -frame -window "$1" "$2"; echo "wrote $2"; }

sample=$PWD/build/bin/sample.prg
demo=/tmp/c64-demo
mkdir -p "$demo"

# Slivra with the sample picture inspected and a range typed in.
build/bin/Slivra &
pid=$!
id=$(window "Slivra -")
xdotool windowactivate --sync "$id"
type_text "$sample"
keys alt+o; type_text "$demo/screen.bin"
keys alt+e; type_text "5c00"; keys Tab; type_text "5fe7"
keys alt+i; keys alt+n; type_text "0400"
keys alt+d; keys Return   # extract, then close "Finished!"
shoot "$id" "$out/slivra.png"
kill $pid

# Nembra with the sample picture inspected and a limit typed in.
build/bin/Nembra &
pid=$!
id=$(window "Nembra -")
xdotool windowactivate --sync "$id"
type_text "$sample"
keys alt+o; type_text "$demo/bitmap.txt"
keys alt+v; type_text "16"
keys alt+l; keys Tab; type_text "6000"; keys Tab; type_text "63ff"
keys alt+r; keys Return   # convert, then close "Finished!"
shoot "$id" "$out/nembra.png"
kill $pid

# Pixmoth with the sample picture, the box on the ball, its colours chosen and
# the sprite generated into the result window.
build/bin/Pixmoth &
pid=$!
id=$(window "Pixmoth -")
xdotool windowactivate --sync "$id"
keys ctrl+l
dialog=$(window "Select Bitmap-file")
keys ctrl+a; type_text "$sample"; keys Return
sleep 1
xdotool windowactivate --sync "$id"
keys Right Right Right Right Right Down
keys F4   # keep the ball in the picture: Erase on capture off
# Each colour list: open it with a click, take the next entry with the keys.
pick() {
    xdotool mousemove --window "$id" "$1" "$2" click 1; sleep 0.4
    for _ in $(seq "$3"); do keys Down; done
    keys Return
}
pick 437 110 2
pick 437 134 4
pick 437 158 3
keys alt+g
sleep 1
result=$(window "Sprite output")
sleep 0.5
# Both windows in one picture.
import -window root "$work/all.png"
eval "$(xdotool getwindowgeometry --shell "$id")"; mx=$X; my=$Y
eval "$(xdotool getwindowgeometry --shell "$result")"
right=$((X + WIDTH + 4)); bottom=$(( (Y + HEIGHT > my + 300 ? Y + HEIGHT : my + 300) + 4 ))
convert "$work/all.png" -crop "$((right - mx + 8))x$((bottom - my + 40))+$((mx - 4))+$((my - 36))" +repage \
    "$out/pixmoth.png"
echo "wrote $out/pixmoth.png"
kill $pid

echo "done"
