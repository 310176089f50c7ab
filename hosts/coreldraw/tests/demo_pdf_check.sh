#!/usr/bin/env bash
# Runs the CorelDRAW demo and checks what it leaves: a PDF that qpdf accepts and pdftoppm renders
# with the black marks in it, and the SVG and PNG of both mark commands.
#   demo_pdf_check.sh BUILD_ROOT OUT_FOLDER
set -euo pipefail
ORVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
export ORVAN_BUILD_ROOT=$1
source "$ORVAN_ROOT/scripts/wine-env.sh"
echo "demo check: prefix $WINEPREFIX, display ${DISPLAY:-none}"
wine_server_running || wine_up || true
out=$2
rm -rf "$out"
"$ORVAN_ROOT/scripts/demo-coreldraw.sh" "$ORVAN_BUILD_ROOT" "$out"
for f in coreldraw-marks.svg coreldraw-marks.png coreldraw-squares.svg coreldraw-squares.png coreldraw-publish.pdf; do
  [ -s "$out/$f" ] || { echo "missing $out/$f"; exit 1; }
done
qpdf --check "$out/coreldraw-publish.pdf"
pdftoppm -r 36 -png -singlefile "$out/coreldraw-publish.pdf" "$out/publish-render"
# The bottom-left mark of the sample lies at (47.5, 42.5) mm on a 420 x 297 mm page: it must be black.
python3 - "$out/publish-render.png" <<'PY'
import subprocess, sys
w, h = (int(v) for v in subprocess.check_output(['identify', '-format', '%w %h', sys.argv[1]]).split())
x, y = round(47.5 / 420 * w), round(h - 42.5 / 297 * h)
crop = subprocess.check_output(['convert', sys.argv[1], '-crop', f'1x1+{x}+{y}', '-format', '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]', 'info:']).decode().split()
if max(int(c) for c in crop) > 60:
    sys.exit(f'no black mark at {x},{y}: {crop}')
print(f'mark found at {x},{y}')
PY
