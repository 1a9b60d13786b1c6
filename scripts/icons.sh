#!/usr/bin/env bash
# Makes the Windows and macOS program icons from the SVGs in packaging/icons:
# packaging/windows/NAME.ico (16 to 256 pixels) and packaging/macos/NAME.icns
# (16 to 512 pixels). They are kept in the tree, so a build on Windows or macOS
# needs none of these Debian tools; run this again after changing an SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in rsvg-convert icotool png2icns; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: apt-get install librsvg2-bin icoutils icnsutils" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in Pixmoth Slivra Nembra; do
    svg=packaging/icons/org.example.felgrove.${name,,}.svg
    for size in 16 32 48 128 256 512; do
        rsvg-convert -w "$size" -h "$size" "$svg" -o "$work/$size.png"
    done
    # Windows wants the 256-pixel image stored as PNG, the small ones as bitmaps.
    icotool -c -o "packaging/windows/$name.ico" "$work"/{16,32,48}.png -r "$work/256.png"
    png2icns "packaging/macos/$name.icns" "$work"/{16,32,48,128,256,512}.png >/dev/null
done
