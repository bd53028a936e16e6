#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The leak suppressions hide what Qt and the font and D-Bus libraries keep for themselves, and no
# leak of the program's own: runs own_leak (built with AddressSanitizer) on a private Xvfb under
# the suppressions in LSAN_OPTIONS and expects LeakSanitizer to report exactly its own leak, the
# 4321-byte block it makes after the window's run, and nothing else.
# Usage: own_leak.sh path/to/own_leak work-dir
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1 work=$2
mkdir -p "$work"
xvfb_pid=""
trap '[ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true' EXIT
. "$here/../../../tests/xvfb.sh"
start_xvfb "$work"

status=0
"$program" >"$work/own_leak.log" 2>&1 || status=$?
fail() { echo "own_leak: $*; its output ($work/own_leak.log):"; tail -n 80 "$work/own_leak.log"; exit 1; }
[ "$status" -ne 0 ] || fail "LeakSanitizer reported nothing"
[ "$status" -ne 2 ] || fail "the window's event loop failed"
# Exactly the program's block, nothing that Qt or the libraries kept, and nothing hidden.
summary=$(grep '^SUMMARY: AddressSanitizer:' "$work/own_leak.log" || true)
[ "$summary" = "SUMMARY: AddressSanitizer: 4321 byte(s) leaked in 1 allocation(s)." ] ||
  fail "the leak report is not exactly the program's own block: '${summary:-no summary}'"
echo "own_leak: the program's own leak is reported, and nothing else"
