#!/usr/bin/env bash
# Renders one SVG source into a Windows icon or bitmap for the resources and the program folder.
#   render-svg.sh OUT.ico SOURCE.svg "16 24 32" [COLOURS]   one icon image per size; COLOURS (16) makes 4-bit images
#   render-svg.sh OUT.bmp SOURCE.svg WIDTHxHEIGHT           32-bit bitmap with straight (not premultiplied) alpha
set -euo pipefail
out=$1 svg=$2 sizes=$3 colours=${4:-}
rsvg=${ORVAN_RSVG:-rsvg-convert}
convert=${ORVAN_CONVERT:-convert}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case "$out" in
  *.ico)
    pngs=()
    for size in $sizes; do
      "$rsvg" -w "$size" -h "$size" "$svg" -o "$work/$size.png"
      pngs+=("$work/$size.png")
    done
    if [ -n "$colours" ]; then
      "$convert" "${pngs[@]}" +dither -colors "$colours" -type Palette "ICO:$out.part"
    else
      "$convert" "${pngs[@]}" "ICO:$out.part"
    fi ;;
  *.bmp)
    "$rsvg" -w "${sizes%x*}" -h "${sizes#*x}" "$svg" -o "$work/image.png"
    "$convert" "$work/image.png" -define bmp:format=bmp4 -type TrueColorAlpha "BMP:$out.part" ;;
  *) echo "render-svg: cannot make $out (only .ico and .bmp)" >&2; exit 2 ;;
esac
mv "$out.part" "$out"
