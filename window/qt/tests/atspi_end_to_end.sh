#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The real `velmora` read by a real AT-SPI client (atspi_client.py), as a screen reader reads it:
# in a private D-Bus session, with its own accessibility bus (at-spi2-core) switched on the way a
# desktop switches it on for a screen reader (org.a11y.Status IsEnabled), under a private Xvfb.
# Everything it starts is stopped by process id; every wait is bounded.
# Usage: atspi_end_to_end.sh path/to/velmora work-dir
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
velmora=$1
work=$2

# The session bus first: the script runs itself again inside dbus-run-session.
if [ -z "${VELMORA_ATSPI_SESSION:-}" ]; then
  for tool in dbus-run-session dbus-send Xvfb import convert /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null ||
      { echo "atspi_end_to_end: $tool is missing (scripts/install-deps a11y)"; exit 1; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "atspi_end_to_end: pyatspi is missing (scripts/install-deps a11y)"; exit 1; }
  mkdir -p "$work"
  rm -f "$work"/*.png "$work"/*.log
  export VELMORA_ATSPI_SESSION=1
  exec timeout -k 5 110 dbus-run-session -- "$0" "$@"
fi

# The accessibility bus's socket goes to the runtime folder: a private one, so that runs beside
# each other (or a desktop session of the same user) never share a bus.
export XDG_RUNTIME_DIR="$work/runtime"
rm -rf "$XDG_RUNTIME_DIR"
mkdir -m 700 "$XDG_RUNTIME_DIR"

pids=()
descendants() {  # the process ids below $1, children before grandchildren
  local child
  for child in $(pgrep -P "$1" || true); do
    echo "$child"
    descendants "$child"
  done
}
stop_all() {  # the processes this run started, and theirs (the bus daemon, the registry), newest first
  set +e
  local pid all=() i
  for pid in "${pids[@]}"; do
    all+=("$pid" $(descendants "$pid"))
  done
  for ((i = ${#all[@]} - 1; i >= 0; i--)); do kill "${all[i]}" 2>/dev/null; done
  wait 2>/dev/null
}
trap stop_all EXIT

. "$here/../../../tests/xvfb.sh"
start_xvfb "$work"
pids+=("$xvfb_pid")
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON AT_SPI_BUS_ADDRESS

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/at-spi-bus.log" &
pids+=($!)
launcher_ready() {  # asked without starting the bus's own copy of the launcher
  timeout 5 dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 100); do
  launcher_ready && break
  kill -0 "${pids[1]}" 2>/dev/null ||
    { echo "atspi_end_to_end: the accessibility bus failed"; cat "$work/at-spi-bus.log"; exit 1; }
  sleep 0.1
done
launcher_ready || { echo "atspi_end_to_end: the accessibility bus did not start"; exit 1; }
timeout 5 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
  variant:boolean:true >/dev/null ||
  { echo "atspi_end_to_end: accessibility could not be switched on"; exit 1; }

"$velmora" 2>"$work/velmora.log" &
pids+=($!)
app_pid=$!

status=0
timeout -k 5 90 /usr/bin/python3 "$here/atspi_client.py" "$work" || status=$?
kill -0 "$app_pid" 2>/dev/null || { echo "atspi_end_to_end: velmora ended"; cat "$work/velmora.log"; status=1; }
if [ "$status" -eq 0 ]; then echo "atspi_end_to_end: passed ($DISPLAY)"; fi
exit "$status"
