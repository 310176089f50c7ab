#!/usr/bin/env bash
# Tablebar.cpg (64-bit) in the simulated CorelDRAW: on the sample artwork the marks command, the
# marks-with-squares command and "Publish PDF", then the template command; as SVG and PNG, the published
# PDF and the dumps.
#   scripts/demo-coreldraw.sh BUILD_ROOT OUT_FOLDER [--installed COREL_FOLDER] [--version N]
# --installed names a CorelDRAW folder as an installation left it (Programs64\CorelDRW.exe being the
# simulated CorelDRAW, Draw\Plugins64 holding Tablebar.cpg and its icons); without it the demo lays out
# such a folder from the build. --version is the CorelDRAW major version the host reports.
# With --installed the template command runs too: the caller lays out the maker's home folder and names it in
# the registry.
# The caller has a display and a wineserver up (scripts/wine-env.sh: xvfb_up, wine_up).
set -euo pipefail
ORVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:?build root}" && pwd)
mkdir -p "${2:?out folder}"
out=$(cd "$2" && pwd)
shift 2
: "${WINEPREFIX:?a Wine prefix is needed}"

installed=
version=24
while [ $# -gt 0 ]; do
  case $1 in
    --installed) installed=${2:?--installed needs a folder}; shift 2 ;;
    --version) version=${2:?--version needs a number}; shift 2 ;;
    *) echo "demo-coreldraw: unknown option $1" >&2; exit 2 ;;
  esac
done

source "$ORVAN_ROOT/scripts/demo-common.sh"

# CorelDRAW as installed: the program in Programs64, the plug-in and its icons in Draw\Plugins64.
lay_out_from_build() {
  local bin=$build/win64/bin station=$build/corel-demo needed icon made
  for needed in CorelSim.exe Tablebar.cpg; do
    [ -f "$bin/$needed" ] || { echo "demo-coreldraw: $bin/$needed is missing; build win64 first" >&2; exit 1; }
  done
  rm -rf "$station"
  mkdir -p "$station/Programs64" "$station/Draw/Plugins64"
  cp "$bin/CorelSim.exe" "$station/Programs64/CorelDRW.exe"
  cp "$bin/Tablebar.cpg" "$station/Draw/Plugins64/"
  for icon in template_St cutrix_16 cutout_16 pdf_16; do
    made=$(find "$build/win64" "$build/win32" -name "$icon.ico" -print -quit 2>/dev/null || true)
    [ -n "$made" ] || { echo "demo-coreldraw: no $icon.ico in the build" >&2; exit 1; }
    cp "$made" "$station/Draw/Plugins64/"
  done
  installed=$station
}
from_installation=true
if [ -z "$installed" ]; then from_installation=false; lay_out_from_build; fi
host=$installed/Programs64/CorelDRW.exe
for needed in "$host" "$installed/Draw/Plugins64/Tablebar.cpg"; do
  [ -f "$needed" ] || { echo "demo-coreldraw: $needed is missing" >&2; exit 1; }
done
plugin=$(winpath "$installed/Draw/Plugins64/Tablebar.cpg")
sample=$(winpath "$ORVAN_ROOT/hosts/coreldraw/samples/sample_artwork.json")

# name command [more host options]
run() {
  local name=$1 command=$2
  shift 2
  local stem=$out/coreldraw-$name
  wine "$host" --plugin "$plugin" --version "$version" --doc "$sample" --event selection --event "command:$command" "$@" \
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
pdftoppm -png -r 72 -singlefile "$pdf" "${pdf%.pdf}-page"
echo "demo-coreldraw: Publish PDF -> $pdf, page 1 as ${pdf%.pdf}-page.png"

# The template command on an empty CorelDRAW: a new document from the home folder's flatbed template,
# which only a laid-out workstation has.
$from_installation || exit 0
stem=$out/coreldraw-template
wine "$host" --plugin "$plugin" --version "$version" --event command:LoadNewTemplate \
  --dump "$(winpath "$stem.json")" --svg "$(winpath "$stem.svg")" </dev/null
to_png "$stem.svg" "$stem.png"
echo "demo-coreldraw: LoadNewTemplate -> $stem.svg, $stem.png"
