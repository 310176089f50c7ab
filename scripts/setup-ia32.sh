#!/usr/bin/env bash
# Makes sure this machine runs 32-bit Linux programs, and runs them quickly: 32-bit Wine (every 32-bit test
# program, Benchmate.exe, the CS1 plug-in's host) needs it. Some virtual machines have no 32-bit mode in their
# kernel; there the 32-bit loader goes through QEMU's user-mode emulator, registered with binfmt_misc.
# QEMU 7 (Debian 12's own) ignores MAP_FIXED_NOREPLACE, so Wine's address-space reservation falls into a
# 64 KiB-step search and every 32-bit process takes about a minute to start; QEMU 10 (bookworm-backports)
# starts one in half a second. Idempotent; run as root after the packages are installed.
set -euo pipefail

binfmt=/proc/sys/fs/binfmt_misc
wanted_major=10

# The binfmt_misc entry that takes 32-bit x86 ELF files, if any is registered and enabled.
i386_entry() {
  local entry magic
  [ -d "$binfmt" ] || return 0
  for entry in "$binfmt"/*; do
    case $(basename "$entry") in register|status) continue ;; esac
    grep -qx enabled "$entry" 2>/dev/null || continue
    magic=$(sed -n 's/^magic //p' "$entry")
    # ELF, 32-bit, little-endian ... e_machine 3 (EM_386) at byte 18.
    if [ "${magic:0:12}" = 7f454c460101 ] && [ "${magic:36:4}" = 0300 ]; then
      echo "$entry"
      return 0
    fi
  done
}

qemu_major() {
  "$1" --version 2>/dev/null | sed -n 's/.*version \([0-9][0-9]*\)\..*/\1/p' | head -n1
}

runs_32bit() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

entry=$(i386_entry)
if [ -n "$entry" ]; then
  interpreter=$(sed -n 's/^interpreter //p' "$entry")
  major=$(qemu_major "$interpreter")
  if [ "${major:-0}" -ge "$wanted_major" ]; then
    echo "setup: 32-bit programs run through $interpreter (QEMU $major)"
    exit 0
  fi
  echo "setup: 32-bit programs went through $interpreter (QEMU ${major:-?}), too slow for Wine; replacing it"
  if ! echo -1 >"$entry"; then
    echo "setup: cannot remove $entry; 32-bit Wine programs will take about a minute each to start" >&2
    exit 0
  fi
fi

if runs_32bit; then
  echo "setup: 32-bit programs run natively"
  exit 0
fi

echo "setup: this kernel has no 32-bit mode; 32-bit programs will run through QEMU's user-mode emulator"
qemu=/usr/bin/qemu-i386
if [ "$(qemu_major "$qemu")" -lt "$wanted_major" ] 2>/dev/null || [ -z "$(qemu_major "$qemu")" ]; then
  sources=/etc/apt/sources.list.d/orvan-bookworm-backports.sources
  if [ ! -f "$sources" ]; then
    printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
      'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' >"$sources"
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update || echo "setup: apt-get update reported a failure; going on with the indexes it got"
  apt-get install -y --no-install-recommends -t bookworm-backports qemu-user
fi

[ -f "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
[ ! -e "$binfmt/orvan-i386" ] || echo -1 >"$binfmt/orvan-i386"
# F: the kernel opens the emulator now, so it is found whatever the program's root or namespace.
printf '%s' ':orvan-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:' \
  '\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:' "$qemu:F" >"$binfmt/register"

if runs_32bit; then
  echo "setup: 32-bit programs run through $qemu (QEMU $(qemu_major "$qemu"))"
else
  echo "setup: 32-bit programs still do not run; the 32-bit Wine tests will fail" >&2
  exit 1
fi
