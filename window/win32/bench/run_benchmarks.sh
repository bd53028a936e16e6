#!/bin/sh
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The Win32 window's benchmarks under Wine, in a session of their own: start-up to the first
# painted frame, a long run of moves, and large pastes, each paste in a process of its own (its
# peak memory is the paste's), into Form1's box and then into a bare edit control, whose time is
# the edit control's own share.
# Usage: run_benchmarks.sh SESSION_SCRIPT STATE ARCH VELMORA.exe STARTUP.exe LONG_RUN.exe PASTE.exe
#                          [MOVES [MIB...]]
set -eu
session=$1 state=$2 arch=$3 program=$4 startup=$5 long_run=$6 paste=$7
moves=${8:-200000}
shift $(($# < 8 ? $# : 8))
sizes=${*:-1 10}
# A long run of 200,000 moves takes Wine over an hour.
VELMORA_WINE_TIMEOUT=${VELMORA_WINE_TIMEOUT:-21600}
export VELMORA_WINE_TIMEOUT
"$session" start "$state" "$arch" >/dev/null
trap '"$session" stop "$state"' EXIT
"$session" run "$state" "$startup" "Z:$program" 15
"$session" run "$state" "$long_run" "$moves"
for size in $sizes; do
  for text in number-first number-last; do
    "$session" run "$state" "$paste" window "$size" "$text"
    "$session" run "$state" "$paste" bare "$size" "$text"
  done
done
