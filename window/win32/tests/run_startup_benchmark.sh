#!/bin/sh
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Times the start of velmora.exe under Wine in a session of its own (warm wineserver).
# Usage: run_startup_benchmark.sh SESSION_SCRIPT STATE ARCH PERFTEST.exe VELMORA.exe [RUNS]
set -eu
session=$1 state=$2 arch=$3 perftest=$4 program=$5 runs=${6:-15}
"$session" start "$state" "$arch" >/dev/null
trap '"$session" stop "$state"' EXIT
"$session" run "$state" "$perftest" "Z:$program" "$runs"
