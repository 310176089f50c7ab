#!/usr/bin/env bash
# Tablebar.cpg (64-bit) in the simulated CorelDRAW on the sample artwork: the marks command, the
# marks-with-squares command and "Publish PDF", as SVG and PNG, the published PDF and the dumps.
#   scripts/demo-coreldraw.sh BUILD_ROOT OUT_FOLDER
# The caller has a display and a wineserver up (scripts/wine-env.sh: xvfb_up, wine_up).
set -euo pipefail
ORVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:?build root}" && pwd)
mkdir -p "${2:?out folder}"
out=$(cd "$2" && pwd)
: "${WINEPREFIX:?a Wine prefix is needed}"

winpath() { echo "Z:${1//\//\\}"; }
bin=$build/win64/bin
for needed in CorelSim.exe Tablebar.cpg; do
  [ -f "$bin/$needed" ] || { echo "demo-coreldraw: $bin/$needed is missing; build win64 first" >&2; exit 1; }
done

# CorelDRAW as installed: the program in Programs64, the plug-in and its icons in Draw\Plugins64.
station=$build/corel-demo
rm -rf "$station"
mkdir -p "$station/Corel/Programs64" "$station/Corel/Draw/Plugins64"
cp "$bin/CorelSim.exe" "$station/Corel/Programs64/CorelDRW.exe"
cp "$bin/Tablebar.cpg" "$station/Corel/Draw/Plugins64/"
for icon in template_St cutrix_16 cutout_16 pdf_16; do
  made=$(find "$build/win64" "$build/win32" -name "$icon.ico" -print -quit 2>/dev/null || true)
  if [ -n "$made" ]; then
    cp "$made" "$station/Corel/Draw/Plugins64/"
  else
    # The drawn icons are not built here: a plain 16 x 16 icon keeps the toolbar working.
    python3 - "$station/Corel/Draw/Plugins64/$icon.ico" <<'PY'
import struct, sys
image = struct.pack('<IiiHHIIiiII', 40, 16, 32, 1, 32, 0, 0, 0, 0, 0, 0) + b'\x00\x00\xc8\xff' * 256 + b'\x00' * 64
open(sys.argv[1], 'wb').write(struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 16, 16, 0, 0, 1, 32, len(image), 22) + image)
PY
  fi
done

host=$station/Corel/Programs64/CorelDRW.exe
plugin=$(winpath "$station/Corel/Draw/Plugins64/Tablebar.cpg")
sample=$(winpath "$ORVAN_ROOT/hosts/coreldraw/samples/sample_artwork.json")

to_png() {
  if command -v rsvg-convert >/dev/null; then
    rsvg-convert --zoom 1.5 "$1" -o "$2"
  else
    convert -density 108 "$1" "$2"
  fi
}

# name command [more host options]
run() {
  local name=$1 command=$2
  shift 2
  local stem=$out/coreldraw-$name
  wine "$host" --plugin "$plugin" --doc "$sample" --event selection --event "command:$command" "$@" \
    --dump "$(winpath "$stem.json")" --svg "$(winpath "$stem.svg")" </dev/null
  to_png "$stem.svg" "$stem.png"
  echo "demo-coreldraw: $command -> $stem.svg, $stem.png"
}

run marks SetCutrixMarkers
run squares SetCutrixMarkersAndSquares
pdf=$out/coreldraw-publish.pdf
rm -f "$pdf"
run publish SetCutrixMarkersAndSquares --event command:PublishToPDF --save-as "$(winpath "${pdf%.pdf}")"
[ -s "$pdf" ] || { echo "demo-coreldraw: Publish PDF wrote no $pdf" >&2; exit 1; }
echo "demo-coreldraw: Publish PDF -> $pdf"
