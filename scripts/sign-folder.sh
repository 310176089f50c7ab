#!/usr/bin/env bash
# Signs every program and plug-in below a folder (.exe, .dll, .aip, .cpg) with Authenticode, in place.
#   sign-folder.sh FOLDER CERT.pfx
# The certificate's password comes from ORVAN_SIGN_PASSWORD (empty when unset), never from the command line,
# so that it does not show in the process list; ORVAN_SIGN_TIMESTAMP names an RFC 3161 time-stamp server.
set -euo pipefail
folder=${1:?usage: sign-folder.sh FOLDER CERT.pfx}
cert=${2:?usage: sign-folder.sh FOLDER CERT.pfx}
[ -f "$cert" ] || { echo "sign: no certificate file $cert" >&2; exit 1; }

mapfile -d '' files < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' -o -iname '*.aip' -o -iname '*.cpg' \) -print0 | sort -z)
if [ ${#files[@]} -eq 0 ]; then
  echo "sign: $folder holds no program or plug-in to sign" >&2
  exit 1
fi

timestamp=()
if [ -n "${ORVAN_SIGN_TIMESTAMP:-}" ]; then timestamp=(-ts "$ORVAN_SIGN_TIMESTAMP"); fi
for file in "${files[@]}"; do
  # A signed copy replaces the file only once it is complete: a failed signing leaves the unsigned file intact.
  if ! osslsigncode sign -pkcs12 "$cert" -readpass <(printf '%s' "${ORVAN_SIGN_PASSWORD:-}") -h sha256 \
       -n "Orvan Cutbench" "${timestamp[@]}" -in "$file" -out "$file.signed" >"$file.signlog" 2>&1; then
    echo "sign: could not sign $file:" >&2
    cat "$file.signlog" >&2
    rm -f "$file.signed" "$file.signlog"
    exit 1
  fi
  mv "$file.signed" "$file"
  rm -f "$file.signlog"
done
echo "sign: signed ${#files[@]} files in $folder"
