#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine; quick when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest nlohmann-json3-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 libwine-dev
  xvfb x11-apps xdotool imagemagick librsvg2-bin
  qpdf poppler-utils osslsigncode zip unzip openssl libxml2-utils fonts-dejavu-core
)

missing=()
while read -r name status; do
  [ "$status" = "installed" ] || missing+=("$name")
done < <(for p in "${packages[@]}"; do
           printf '%s %s\n' "$p" "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || echo absent)"
         done)
# Node.js may come from another source than Debian (with npm inside): ask for the commands, not the packages.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
# The demo and its check use python3 for small pixel and file tasks; a minimal Debian has none.
command -v python3 >/dev/null || missing+=(python3)

# The release checks read the swatch files back with an npm package, pinned in tests/release/package-lock.json.
node_tools() {
  local dir
  dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/release
  if [ -f "$dir/package-lock.json" ] && ! cmp -s "$dir/package-lock.json" "$dir/node_modules/.installed-lock.json"; then
    echo "setup: installing the release checks' npm packages"
    (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error && cp package-lock.json node_modules/.installed-lock.json)
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  node_tools
  "$(dirname "${BASH_SOURCE[0]}")/setup-ia32.sh"
  exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
# The i386 security index is sometimes unreachable; the release suite still serves wine32.
apt-get update || echo "setup: apt-get update reported a failure; going on with the indexes it got"
apt-get install -y --no-install-recommends -t bookworm "${missing[@]}"
node_tools
"$(dirname "${BASH_SOURCE[0]}")/setup-ia32.sh"
