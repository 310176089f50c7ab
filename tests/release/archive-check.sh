#!/usr/bin/env bash
# Checks what ships beside the program folder: the zip holds exactly dist/, the SHA-256 list verifies every
# file, and the CorelDRAW palettes sit in the home-folder files, not in the program folder.
#   archive-check.sh TOP_FOLDER   (the folder holding dist/, dist-home/, dist.zip and dist.sha256)
set -euo pipefail
cd "${1:?usage: archive-check.sh TOP_FOLDER}"
failed=0
fail() { echo "FAILED: $*"; failed=1; }

[ -d dist ] || { echo "FAILED: no dist/ here: lay out the program folder first (./run dist)"; exit 1; }
for file in dist.zip dist.sha256 dist-home/Corel/Q_series.xml dist-home/Corel/Q_series_CutContour.xml; do
  [ -f "$file" ] || fail "missing $file"
done
[ $failed = 0 ] || exit 1

zipped=$(zipinfo -1 dist.zip | grep -v '/$' | sort)
laid_out=$(cd dist && find . -type f | sed 's|^\./||' | sort)
if [ "$zipped" != "$laid_out" ]; then
  fail "dist.zip and dist/ differ:"
  diff <(echo "$zipped") <(echo "$laid_out") | sed 's/^/  /' || true
fi
unzip -tqq dist.zip >/dev/null || fail "dist.zip does not test clean"

sha256sum --check --quiet dist.sha256 || fail "a file does not match dist.sha256"
listed=$(sed 's/^[0-9a-f]\{64\}  //' dist.sha256 | sort)
expected=$( (find dist dist-home -type f; echo dist.zip) | sort)
[ "$listed" = "$expected" ] || fail "dist.sha256 does not list exactly dist.zip, dist/ and dist-home/"

if find dist -iname '*.xml' | grep -q .; then fail "CorelDRAW palettes in the program folder"; fi

[ $failed = 0 ] && echo "dist.zip, dist.sha256 and dist-home/ are complete"
exit $failed
