#!/usr/bin/env bash
# Signs a copy of the program folder with a throwaway self-signed certificate, as "./run dist --sign" does, and
# verifies every program and plug-in with osslsigncode; the data files must come through unchanged.
#   signing-check.sh DIST_FOLDER SIGN_SCRIPT
set -euo pipefail
dist=${1:?usage: signing-check.sh DIST_FOLDER SIGN_SCRIPT}
sign=${2:?usage: signing-check.sh DIST_FOLDER SIGN_SCRIPT}
[ -d "$dist" ] || { echo "FAILED: no $dist: lay out the program folder first (./run dist)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 1 \
  -subj "/CN=Orvan Cutbench test signing" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/test.pfx" -passout pass:throwaway
cp -r "$dist" "$work/dist"
ORVAN_SIGN_PASSWORD=throwaway "$sign" "$work/dist" "$work/test.pfx"

failed=0
signed=0
while IFS= read -r -d '' file; do
  name=${file#"$work/dist/"}
  case "${name,,}" in
    *.exe|*.dll|*.aip|*.cpg)
      if osslsigncode verify -CAfile "$work/cert.pem" -in "$file" >"$work/verify.log" 2>&1; then
        signed=$((signed + 1))
      else
        echo "FAILED: $name does not verify:"; sed 's/^/  /' "$work/verify.log"; failed=1
      fi ;;
    *) cmp -s "$file" "$dist/$name" || { echo "FAILED: signing changed the data file $name"; failed=1; } ;;
  esac
done < <(find "$work/dist" -type f -print0)

# A wrong password must fail loudly and leave the files as they were.
cp -r "$dist" "$work/again"
if ORVAN_SIGN_PASSWORD=wrong "$sign" "$work/again" "$work/test.pfx" >/dev/null 2>&1; then
  echo "FAILED: signing with a wrong password reported success"; failed=1
fi
if ! diff -r "$dist" "$work/again" >/dev/null; then
  echo "FAILED: a failed signing left changed files behind"; failed=1
fi

[ $failed = 0 ] && echo "signed and verified $signed files"
exit $failed
