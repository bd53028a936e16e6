#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# scripts/wine32-check with stand-in loaders: only a kernel's refusal to execute the loader counts
# as a host without 32-bit execution; a missing or failing Wine is an error, never a fallback.
set -euo pipefail
check=$(cd "$(dirname "$0")/.." && pwd)/wine32-check
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '#!/bin/sh\necho wine-8.0\n' > "$work/working"
printf '#!/bin/sh\necho "wine: could not load kernel32.dll" >&2\nexit 1\n' > "$work/broken"
# A program file for a machine this kernel does not run: execve fails with ENOEXEC, as it does for
# a 32-bit program on a kernel without 32-bit support.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\377\377' > "$work/foreign"
chmod +x "$work/working" "$work/broken" "$work/foreign"

failures=0
# loader | printed | exit status
while read -r loader want_output want_status; do
  status=0
  output=$(VELMORA_WINE32_LOADER="$work/$loader" "$check" 2>/dev/null) || status=$?
  if [ "$output" = "${want_output#-}" ] && [ "$status" -eq "$want_status" ]; then
    echo "ok   $loader: '$output', exit $status"
  else
    echo "FAIL $loader: '$output', exit $status; want '${want_output#-}', exit $want_status"
    failures=$((failures + 1))
  fi
done <<'CASES'
working  runs     0
foreign  refused  0
broken   -        1
missing  -        1
CASES
[ "$failures" -eq 0 ] || { echo "wine32-check: $failures failed"; exit 1; }
echo "wine32-check: all passed"
