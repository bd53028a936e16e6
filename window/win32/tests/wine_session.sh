#!/bin/sh
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# A Wine session for the Windows tests: an Xvfb display, a temporary Wine prefix and a running
# wineserver, kept in a state folder so that several test programs can share them.
#   wine_session.sh start STATE ARCH   ARCH is win32 or win64; makes prefix, display, server
#   wine_session.sh run STATE PROGRAM [ARGS...]   runs a Windows program there under timeout
#   wine_session.sh env STATE          prints the session's environment as shell assignments
#   wine_session.sh stop STATE         stops the wineserver and Xvfb (by PID), deletes the prefix
# Every wine call runs under `timeout`, so a hung program fails its test instead of the run.
# The display, the server and Wine's helper processes run in sessions of their own (setsid), so
# that ctest neither ends them with the test that started them nor waits for their output.
# All of them run on one processor: the program, the wineserver and the display answer each other
# in round trips, and on a virtual machine waking a process on another, idle processor costs more
# than the work itself (the window tests take 3 to 7 times as long spread over two processors).
set -eu
command=$1
state=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
run_timeout=${VELMORA_WINE_TIMEOUT:-120}
# The prefix goes under TMPDIR, but no Wine process may see TMPDIR: Wine 10's wineserver (Debian
# 13) aborts at start with "free(): invalid pointer" when it is set.
temporary=${TMPDIR:-/tmp}
unset TMPDIR
# The last processor this script may use.
on_one=
if command -v taskset >/dev/null 2>&1; then
  on_one="taskset -c $(taskset -cp $$ | sed 's/.*[:,-] *//')"
fi

load_env() {
  [ -f "$state/env" ] || { echo "wine_session: no session in $state (start it first)" >&2; exit 2; }
  . "$state/env"
  export WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES WINELOADER DISPLAY
}

case $command in
start)
  arch=$1
  "$0" stop "$state" 2>/dev/null || true
  mkdir -p "$state"
  if [ "$arch" = win64 ]; then loader=/usr/lib/wine/wine64; else loader=/usr/lib/wine/wine; fi
  if ! "$loader" --version >/dev/null 2>&1; then
    echo "wine_session: $loader does not run here, so Wine cannot run $arch programs." >&2
    [ "$arch" = win32 ] && echo "wine_session: install wine32:i386; a host that cannot run" \
      "32-bit processes at all can run the tests of the windows64 preset instead." >&2
    exit 1
  fi
  prefix=$(mktemp -d "$temporary/velmora-wine.XXXXXX")
  # -displayfd picks a free display number and writes it once the server is ready.
  setsid $on_one Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$state/display" \
    >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  tries=0
  until [ -s "$state/display" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || { echo "wine_session: Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
    sleep 0.1
  done
  cat >"$state/env" <<ENV
WINEPREFIX='$prefix'
WINEARCH='$arch'
WINEDEBUG='-all'
WINEDLLOVERRIDES='mscoree,mshtml=;winedbg.exe=d'
WINELOADER='$loader'
DISPLAY=':$(head -n1 "$state/display")'
ENV
  load_env
  exec >>"$state/wine.log" 2>&1 </dev/null
  # A persistent server keeps later starts warm; `stop` ends it.
  setsid $on_one /usr/lib/wine/wineserver64 -p
  setsid -w $on_one timeout "$run_timeout" "$WINELOADER" wineboot -i
  # Times New Roman drawn with Liberation Serif; windows not managed, so closing is immediate.
  setsid -w $on_one timeout "$run_timeout" "$WINELOADER" regedit /S "Z:$here/wine_settings.reg"
  ;;
run)
  load_env
  # The program's output goes through a file: a helper process that Wine starts on the way
  # would otherwise keep the caller's output open after the program ended.
  output=$(mktemp)
  status=0
  $on_one timeout -k 5 "$run_timeout" "$WINELOADER" "$@" >"$output" 2>&1 </dev/null || status=$?
  cat "$output"
  rm -f "$output"
  exit $status
  ;;
env)
  cat "$state/env"
  ;;
stop)
  if [ -f "$state/env" ]; then
    load_env
    timeout 30 /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    case $WINEPREFIX in "$temporary"/velmora-wine.*) rm -rf "$WINEPREFIX" ;; esac
    rm -f "$state/env"
  fi
  if [ -f "$state/xvfb.pid" ]; then
    pid=$(cat "$state/xvfb.pid")
    # Only our own display: a stale PID file must not end another process.
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] && kill "$pid" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
  ;;
*)
  echo "wine_session: unknown command $command" >&2
  exit 2
  ;;
esac
