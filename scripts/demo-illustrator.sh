#!/usr/bin/env bash
# The mark commands of both Illustrator plug-in editions on the sample artwork, in the simulated
# Illustrator: for MarkwellCC (64-bit) and MarkwellCS1 (32-bit), the plain command and the command
# with cut-out squares, each as SVG and PNG (plus the session dump) in the out folder.
#   scripts/demo-illustrator.sh BUILD_ROOT OUT_FOLDER
# The caller has a display and a wineserver up (scripts/wine-env.sh: xvfb_up, wine_up).
set -euo pipefail
ORVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:?build root}" && pwd)
mkdir -p "${2:?out folder}"
out=$(cd "$2" && pwd)
: "${WINEPREFIX:?a Wine prefix is needed}"

winpath() { echo "Z:${1//\//\\}"; }
sample=$(winpath "$ORVAN_ROOT/hosts/illustrator/samples/sample_artwork.json")

to_png() {
  if command -v rsvg-convert >/dev/null; then
    rsvg-convert --zoom 1.5 "$1" -o "$2"
  else
    convert -density 108 "$1" "$2"
  fi
}

# edition arch plugin plain-command squares-command
run_edition() {
  local edition=$1 arch=$2 plugin=$3 plain=$4 squares=$5 bin=$build/$2/bin
  for needed in ai_host.exe "$plugin"; do
    [ -f "$bin/$needed" ] || { echo "demo-illustrator: $bin/$needed is missing; build $arch first" >&2; return 1; }
  done
  local name command
  for name in marks squares; do
    command=$plain
    [ $name = squares ] && command=$squares
    local stem=$out/illustrator-$edition-$name
    wine "$bin/ai_host.exe" --plugin "$(winpath "$bin/$plugin")" --doc "$sample" --run "$command" \
      --dump "$(winpath "$stem.json")" --svg "$(winpath "$stem.svg")" </dev/null
    to_png "$stem.svg" "$stem.png"
    echo "demo-illustrator: $edition \"$command\" -> $stem.svg, $stem.png"
  done
}

run_edition cc win64 MarkwellCC.aip "Add Cutrix Pro Registration Marks" \
  "Add Cutrix Pro Registration Marks + Cut Out Squares"
run_edition cs1 win32 MarkwellCS1.aip "Add Cutrix Regmarks" "Add Cutrix Regmarks + Cut Out Squares"
