#!/bin/sh
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The window's long run and its large pastes under Wine, in a session of their own. Each paste
# runs in a process of its own (its peak memory is the paste's), into Form1's box and then into a
# bare edit control, whose time is the edit control's own share.
# Usage: run_window_benchmarks.sh SESSION_SCRIPT STATE ARCH LONG_RUN.exe PASTE.exe [MOVES [MIB...]]
set -eu
session=$1 state=$2 arch=$3 long_run=$4 paste=$5
moves=${6:-200000}
shift $(($# < 6 ? $# : 6))
sizes=${*:-1 10}
# A long run of 200,000 moves takes Wine hours on a busy machine.
VELMORA_WINE_TIMEOUT=${VELMORA_WINE_TIMEOUT:-21600}
export VELMORA_WINE_TIMEOUT
"$session" start "$state" "$arch" >/dev/null
trap '"$session" stop "$state"' EXIT
"$session" run "$state" "$long_run" "$moves"
for size in $sizes; do
  for text in number-first number-last; do
    "$session" run "$state" "$paste" window "$size" "$text"
    "$session" run "$state" "$paste" bare "$size" "$text"
  done
done
