#!/usr/bin/env bash
# Screenshots of Benchmate.exe on the sample workstation: each page of the main window, the report after a
# full installation and the About dialog, as PNG files in the out folder.
#   scripts/demo-installer.sh BUILD_ROOT OUT_FOLDER [--workstation FILE.json] [--program-folder DIR] [--keep]
# --workstation: another sample description; --program-folder: run the Benchmate.exe that is already in that
# folder (a Linux path, e.g. dist/) instead of copying the build's into the sample's program folder;
# --keep: leave the workstation laid out, with what the installer copied, for what comes next.
# The caller has a display and a wineserver up (scripts/wine-env.sh: xvfb_up, wine_up).
set -euo pipefail
ORVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:?build root}" && pwd)
mkdir -p "${2:?out folder}"
out=$(cd "$2" && pwd)
shift 2
description=$ORVAN_ROOT/hosts/workstation/demo_workstation.json
program_folder=
keep=0
while [ $# -gt 0 ]; do
  case "$1" in
    --workstation) description=$2; shift 2 ;;
    --program-folder) program_folder=$(cd "$2" && pwd); shift 2 ;;
    --keep) keep=1; shift ;;
    *) echo "demo-installer: unknown option $1" >&2; exit 2 ;;
  esac
done
bin=$build/win32/bin
: "${DISPLAY:?a display is needed}" "${WINEPREFIX:?a Wine prefix is needed}"
for needed in Benchmate.exe VersionInfo.dll workstation.exe benchmate_demo.exe; do
  [ -f "$bin/$needed" ] || { echo "demo-installer: $bin/$needed is missing; build win32 first" >&2; exit 1; }
done

source "$ORVAN_ROOT/scripts/demo-common.sh"
sample=$(winpath "$description")
program='C:\Program Files (x86)\Orvan\Benchmate'
program_linux="$WINEPREFIX/drive_c/Program Files (x86)/Orvan/Benchmate"
if [ -n "$program_folder" ]; then
  program=$(winpath "$program_folder")
  program_linux=
fi
demo() { wine "$bin/benchmate_demo.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# Without a window manager Wine draws the window frames itself only when told to; the setting goes again
# at the end, so the prefix stays as the tests know it.
x11key='HKCU\Software\Wine\X11 Driver'
wine reg add "$x11key" /v Decorated /d N /f </dev/null >/dev/null 2>&1

benchmate_pid=
finish() {
  if [ -n "$benchmate_pid" ]; then
    demo close-about >/dev/null || true
    demo close >/dev/null || true
    wait "$benchmate_pid" 2>/dev/null || true
  fi
  [ $keep = 1 ] || wine "$bin/workstation.exe" --remove "$sample" </dev/null >/dev/null 2>&1 || true
  wine reg delete "$x11key" /v Decorated /f </dev/null >/dev/null 2>&1 || true
}
trap finish EXIT

wine "$bin/workstation.exe" --lay "$sample" </dev/null >"$out/installer-workstation.json"
[ -z "$program_linux" ] || cp "$bin/Benchmate.exe" "$bin/VersionInfo.dll" "$program_linux/"
wine "$program\\Benchmate.exe" </dev/null >/dev/null 2>&1 &
benchmate_pid=$!

# shot NAME CLASS: one window as Windows shows it, after it has painted.
shot() {
  local name=$1 class=$2 bmp
  sleep 1
  bmp=$(winpath "$out/$name.bmp")
  demo shot "$class" "$bmp" >/dev/null
  convert "$out/$name.bmp" "$out/$name.png"
  rm -f "$out/$name.bmp"
  echo "demo-installer: $out/$name.png"
}

[ -n "$(demo form)" ] || { echo "demo-installer: the main window did not appear" >&2; exit 1; }
shot installer-1-install TPluginForm
demo page 1 >/dev/null
shot installer-2-cutrix-plugin TPluginForm
demo page 2 >/dev/null
shot installer-3-palette TPluginForm
demo page 3 >/dev/null
shot installer-4-report-empty TPluginForm
demo press '&Full Installation' >/dev/null
shot installer-5-report-full-installation TPluginForm
demo report >"$out/installer-report.txt"
echo "demo-installer: $out/installer-report.txt"
[ -n "$(demo about)" ] || { echo "demo-installer: the About dialog did not appear" >&2; exit 1; }
shot installer-6-about TAboutDlg
demo close-about
