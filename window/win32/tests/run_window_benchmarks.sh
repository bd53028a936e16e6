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
# A long run of 200,000 moves takes Wine over an hour.
VELMORA_WINE_TIMEOUT=${VELMORA_WINE_TIMEOUT:-21600}
export VELMORA_WINE_TIMEOUT
# The program, the wineserver and the display answer each other in round trips, several per move.
# On a virtual machine, waking a process on another, idle processor costs more than the move
# itself, and the cost swings with whatever else runs: the same 2,000 moves take 140-170 s on an
# idle 2-processor machine and 87 s beside two busy loops. On one processor they take 49 s and
# vary little, so the whole session runs on the last processor this script may use.
on_one=
if command -v taskset >/dev/null 2>&1; then
  on_one="taskset -c $(taskset -cp $$ | sed 's/.*[:,-] *//')"
fi
$on_one "$session" start "$state" "$arch" >/dev/null
trap '"$session" stop "$state"' EXIT
$on_one "$session" run "$state" "$long_run" "$moves"
for size in $sizes; do
  for text in number-first number-last; do
    $on_one "$session" run "$state" "$paste" window "$size" "$text"
    $on_one "$session" run "$state" "$paste" bare "$size" "$text"
  done
done
