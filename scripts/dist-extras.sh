#!/usr/bin/env bash
# Completes a release after the program folder dist/ is laid out: the maker's home-folder files in dist-home/,
# optional Authenticode signing, the zip of the program folder and the SHA-256 list beside it.
#   dist-extras.sh [--sign CERT.pfx]     (password in ORVAN_SIGN_PASSWORD; unsigned is the default)
set -euo pipefail
ORVAN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ORVAN_ROOT"
build_root=${ORVAN_BUILD_ROOT:-$ORVAN_ROOT/build}

cert=
while [ $# -gt 0 ]; do
  case "$1" in
    --sign) cert=${2:?"--sign needs a certificate file (.pfx)"}; shift 2 ;;
    *) echo "dist: unknown option $1 (only --sign CERT.pfx)" >&2; exit 2 ;;
  esac
done
if [ -n "$cert" ]; then cert=$(realpath "$cert"); fi

# The CorelDRAW palettes live below the maker's home folder (and, for CorelDRAW 2018 and later, below the shared
# "Orvan Palettes" folder), which the maker's setup fills: they never go into the program folder.
rm -rf dist-home
mkdir -p dist-home
cmake --install "$build_root/win32" --component home --prefix "$ORVAN_ROOT/dist-home" >/dev/null
sed "s/\$/\r/" >dist-home/README.txt <<'TXT'
Files for the maker's setup program, not for the installer's program folder.

Corel\   the Q series palettes for CorelDRAW. The setup copies this folder into the home folder that it
         registers as HKEY_LOCAL_MACHINE\SOFTWARE\Orvan\Cutbench, value "HomeDir" (CorelDRAW X5 to 2017 take
         the palettes from there), and into the all-users application data folder as "Orvan Palettes\Corel\"
         (CorelDRAW 2018 and later). The Tablebar plug-in opens them at every CorelDRAW start; it needs the
         "HomeDir" value for every CorelDRAW version.
The flatbed template belongs in the home folder as Templates\Orvan_Q_Series.cdt.
TXT

if [ -n "$cert" ]; then scripts/sign-folder.sh dist "$cert"; fi

rm -f dist.zip dist.sha256
(cd dist && zip -qrX ../dist.zip .)
find dist dist-home -type f -print0 | sort -z | xargs -0 sha256sum >dist.sha256.part
sha256sum dist.zip >>dist.sha256.part
mv dist.sha256.part dist.sha256
echo "dist: dist.zip and dist.sha256 beside dist/, the home-folder files in dist-home/"
