#!/usr/bin/env bash
# The main job's demo, from installer to marks: a sample workstation in a fresh Wine prefix, Benchmate.exe from
# dist/ pressing "&Full Installation" in its real window, then the simulated Illustrator and CorelDRAW drawing
# with the plug-in files the installer put into their folders. Everything lands in out/, with out/index.html.
#   scripts/demo.sh            (./run demo builds dist/ and starts the display first)
set -euo pipefail
ORVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ORVAN_ROOT"
source scripts/wine-env.sh
: "${DISPLAY:?a display is needed (./run demo starts one)}"
build=$ORVAN_BUILD_ROOT
out=$ORVAN_ROOT/out
[ -f dist/Benchmate.exe ] || { echo "demo: dist/Benchmate.exe is missing; run ./run dist first" >&2; exit 1; }

# A prefix of its own, new each time, so the demo shows what a fresh machine does.
export WINEPREFIX=$build/demo-prefix
ORVAN_WINE_LOG=$build/demo-wine.log
trap wine_down EXIT

started=$(date +%s)
total=8
n=0
step() {
  n=$((n + 1))
  printf '[%d/%d %3ds] %s\n' "$n" "$total" "$(($(date +%s) - started))" "$*"
}
source "$ORVAN_ROOT/scripts/demo-common.sh"
drive_c=$WINEPREFIX/drive_c

step "A fresh Wine prefix in $WINEPREFIX"
wine_down
rm -rf "$WINEPREFIX" "$out"
mkdir -p "$out/installer" "$out/illustrator" "$out/coreldraw"
wine_up

step "The sample workstation: Illustrator CC 2019 64-bit with its 32-bit twin, CS5.1, CorelDRAW X6, 2018, 2022"
# CorelDRAW 2022 runs the simulated CorelDRAW as its CorelDRW.exe, so the plug-in finds its icons as it
# would on a designer's PC.
description=$build/demo-workstation.json
cat >"$description" <<JSON
{
  "root": "C:\\\\",
  "scribo": true,
  "illustrator": [
    {"version": "23", "bits": 64, "twin": true},
    {"version": "15.1", "bits": 32}
  ],
  "corel": [
    {"version": "16", "bits": 32},
    {"version": "20", "bits": 64},
    {"version": "24", "bits": 64,
     "files": [{"from": "$(winpath "$build/win64/bin/CorelSim.exe" | sed 's/\\/\\\\/g')", "to": "Programs64\\\\CorelDRW.exe"}]}
  ],
  "programFolder": false
}
JSON
# The maker's home folder, as the maker's own setup leaves it: palettes, the flatbed template, its key.
home='C:\Orvan\Cutbench'
mkdir -p "$drive_c/Orvan/Cutbench/Templates" "$drive_c/ProgramData/Orvan Palettes"
cp -r dist-home/Corel "$drive_c/Orvan/Cutbench/"
cp -r dist-home/Corel "$drive_c/ProgramData/Orvan Palettes/"
cp hosts/coreldraw/samples/flatbed_template.json "$drive_c/Orvan/Cutbench/Templates/Orvan_Q_Series.cdt"
wine reg add 'HKLM\SOFTWARE\Orvan\Cutbench' /v Homedir /d "$home" /f /reg:32 </dev/null >/dev/null 2>&1

step "Benchmate.exe from dist/: every page, \"&Full Installation\", the report and the About dialog"
scripts/demo-installer.sh "$build" "$out/installer" --workstation "$description" --program-folder dist --keep \
  >"$out/installer/log.txt"

step "The host folders after the installation"
{
  for folder in "Program Files/Adobe" "Program Files (x86)/Adobe" "Program Files/Corel" "Program Files (x86)/Corel"; do
    [ -d "$drive_c/$folder" ] || continue
    (cd "$drive_c" && find "$folder" -type f \( -name 'Markwell*' -o -name 'Q_series*' -o -name '*.cpg' -o -name '*.ico' \) \
      -printf 'C:/%p  %s bytes\n' | sort)
  done
} | sed 's|/|\\|g' >"$out/host-folders.txt"
cat "$out/host-folders.txt" | sed 's/^/    /'

find_installed() { (cd "$drive_c" && find . -path "*$1" -print -quit | sed 's|^\./||'); }
ai64=$(find_installed "Program Files/Adobe/Adobe Illustrator CC 2019/*/MarkwellCC2018.aip")
ai32=$(find_installed "Adobe Illustrator CS5.1/*/MarkwellCS1.aip")
cpg=$(find_installed "CorelDRAW Graphics Suite 2022/Draw/Plugins64/Tablebar.cpg")
for found in ai64 ai32 cpg; do
  [ -n "${!found}" ] || { echo "demo: the installer left no plug-in for $found in the host folders" >&2; exit 1; }
done

step "The simulated Illustrator, both editions, both commands, with the installed plug-ins"
scripts/demo-illustrator.sh "$build" "$out/illustrator" --plugin64 "$drive_c/$ai64" --plugin32 "$drive_c/$ai32" \
  >"$out/illustrator/log.txt"

step "The simulated CorelDRAW 2022 with the installed Tablebar.cpg: marks, marks with squares, Publish PDF, the template"
corel_root=$drive_c/${cpg%/Draw/Plugins64/Tablebar.cpg}
scripts/demo-coreldraw.sh "$build" "$out/coreldraw" --installed "$corel_root" --version 24 \
  >"$out/coreldraw/log.txt"

step "out/index.html"
scripts/demo-page.sh "$out" "$(($(date +%s) - started))"

step "Done in $(($(date +%s) - started)) s. Open $out/index.html"
