#!/bin/sh
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Reads velmora.exe back on Linux: a PE32 GUI program for the 386 (PE32+ x86-64 for the win64
# build), importing no DLL beyond the system's, with the three icon images at 1, 4 and 4 bits, the
# application manifest (resource 1 of type 24) and the version record 2.0.0.1 / "2.00.0001" in
# the US English block 040904B0.
# Usage: check_program_file.sh velmora.exe win32|win64 [OBJDUMP]
set -eu
program=$1 arch=${2:-win32} objdump=${3:-objdump}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

case $arch in
  win32) want='PE32 i386 GUI' ;;
  *) want='PE32+ x86-64 GUI' ;;
esac
kind=$(python3 "$here/read_pe_header.py" "$program") || kind="not a program"
[ "$kind" = "$want" ] && echo "ok: $kind" || fail "the PE header says '$kind', want '$want'"

dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'a-z' 'A-Z' | sort -u)
for dll in $dlls; do
  case $dll in
    KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL|MSVCRT.DLL|ADVAPI32.DLL) ;;
    OLEACC.DLL|OLE32.DLL|OLEAUT32.DLL) ;;  # the screen readers' objects
    *) fail "imports $dll, which is not a system DLL" ;;
  esac
done
echo "ok: imports" $dlls

wrestool -x --type=group_icon -o "$work/icon.ico" "$program" ||
  fail "no icon resource"
icons=$(icotool -l "$work/icon.ico" 2>/dev/null |
        sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\).*/\1x\2x\3/p' |
        tr '\n' ' ')
[ "$icons" = "32x32x1 32x32x4 16x16x4 " ] || fail "icon images are '$icons'"
echo "ok: icon images $icons"

if wrestool -x --type=24 --name=1 --raw -o "$work/manifest.xml" "$program" &&
   [ -s "$work/manifest.xml" ]; then
  python3 "$here/read_manifest.py" "$work/manifest.xml" "$arch" || fail "manifest"
else
  fail "no manifest resource"
fi

wrestool -x --type=version --raw -o "$work/version.bin" "$program" || fail "no version resource"
python3 "$here/read_version_record.py" "$work/version.bin" || fail "version record"

[ $failures -eq 0 ]
