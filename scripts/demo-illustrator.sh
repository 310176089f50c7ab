#!/usr/bin/env bash
# The mark commands of both Illustrator plug-in editions on the sample artwork, in the simulated
# Illustrator: for MarkwellCC (64-bit) and MarkwellCS1 (32-bit), the plain command and the command
# with cut-out squares, each as SVG and PNG (plus the session dump) in the out folder.
#   scripts/demo-illustrator.sh BUILD_ROOT OUT_FOLDER [--plugin64 FILE.aip] [--plugin32 FILE.aip]
# --plugin64 and --plugin32 name the plug-in files to load, such as the ones an installation put into
# Illustrator's folders; without them the plug-ins come from the build.
# The caller has a display and a wineserver up (scripts/wine-env.sh: xvfb_up, wine_up).
set -euo pipefail
ORVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:?build root}" && pwd)
mkdir -p "${2:?out folder}"
out=$(cd "$2" && pwd)
shift 2
: "${WINEPREFIX:?a Wine prefix is needed}"

plugin64=$build/win64/bin/MarkwellCC.aip
plugin32=$build/win32/bin/MarkwellCS1.aip
while [ $# -gt 0 ]; do
  case $1 in
    --plugin64) plugin64=${2:?--plugin64 needs a file}; shift 2 ;;
    --plugin32) plugin32=${2:?--plugin32 needs a file}; shift 2 ;;
    *) echo "demo-illustrator: unknown option $1" >&2; exit 2 ;;
  esac
done

source "$ORVAN_ROOT/scripts/demo-common.sh"
sample=$(winpath "$ORVAN_ROOT/hosts/illustrator/samples/sample_artwork.json")

# edition arch plugin plain-command squares-command
run_edition() {
  local edition=$1 arch=$2 plugin=$3 plain=$4 squares=$5 bin=$build/$2/bin
  for needed in "$bin/ai_host.exe" "$plugin"; do
    [ -f "$needed" ] || { echo "demo-illustrator: $needed is missing" >&2; return 1; }
  done
  local name command
  for name in marks squares; do
    command=$plain
    [ $name = squares ] && command=$squares
    local stem=$out/illustrator-$edition-$name
    wine "$bin/ai_host.exe" --plugin "$(winpath "$plugin")" --doc "$sample" --run "$command" \
      --dump "$(winpath "$stem.json")" --svg "$(winpath "$stem.svg")" </dev/null
    to_png "$stem.svg" "$stem.png"
    echo "demo-illustrator: $edition ($plugin) \"$command\" -> $stem.svg, $stem.png"
  done
}

run_edition cc win64 "$plugin64" "Add Cutrix Pro Registration Marks" \
  "Add Cutrix Pro Registration Marks + Cut Out Squares"
run_edition cs1 win32 "$plugin32" "Add Cutrix Regmarks" "Add Cutrix Regmarks + Cut Out Squares"
