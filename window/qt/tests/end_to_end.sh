#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# End-to-end run of the real `velmora` under a private Xvfb, driven by real X input (xdotool):
# type a temperature into the text box, drag the scroll box to both ends, and after each step
# check the colours of a few cells in a screenshot; then close the window as a window manager's
# close button does and expect the program to end with status 0 (a build with AddressSanitizer
# runs its leak check there). What the program wrote to stderr is shown when it failed.
# Usage: end_to_end.sh path/to/velmora work-dir
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
velmora=$1
work=$2
mkdir -p "$work"
rm -f "$work"/*.png

for tool in Xvfb xdotool import convert python3; do
  command -v "$tool" >/dev/null || { echo "end_to_end: $tool is missing (scripts/install-deps qt)"; exit 1; }
done

xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
program_failed() {  # what the program wrote to stderr (a sanitizer's report), and the failure
  echo "end_to_end: $1; its stderr ($work/velmora.log):"
  tail -n 60 "$work/velmora.log"
  exit 1
}

. "$here/../../../tests/xvfb.sh"
start_xvfb "$work"

started=$EPOCHREALTIME
"$velmora" 2>"$work/velmora.log" &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n1)
[ -n "$window" ] || program_failed "no window titled Velmora within 20 s"
echo "end_to_end: the window opened in $(awk -v a="$started" -v b="$EPOCHREALTIME" \
     'BEGIN { printf "%.2f", b - a }') s"
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y: the client area's top-left (no WM)

# The colours of the three states. Solid is the palette's ButtonText: on this bare Xvfb (no desktop
# theme) Qt's own Fusion palette, black; the grey of elements without data (#BEBEBE) is not it.
solid_colour='#000000'
liquid_colour='#0000FF'
gas_colour='#FF0000'

# Pixel places at 96 dpi (the layout in twips / 15).
cell_box() {  # the inside of a cell, without its border: "WxH+X+Y" in screen pixels
  local column=$1 top_twips=$2
  echo "31x31+$((X + (240 + 480 * (column - 1)) / 15 + 1))+$((Y + top_twips / 15 + 1))"
}
count_colour() {  # pixels of exactly that colour inside a cell of the last screenshot
  convert "$shot" -crop "$(cell_box "$1" "$2")" +repage txt:- | grep -ci "$3" || true
}
cell_state() {  # column top_twips: the state whose colour, and only it, draws the cell's symbol
  local solid liquid gas
  solid=$(count_colour "$1" "$2" "$solid_colour")
  liquid=$(count_colour "$1" "$2" "$liquid_colour")
  gas=$(count_colour "$1" "$2" "$gas_colour")
  if [ "$solid" -gt 20 ] && [ "$liquid" -eq 0 ] && [ "$gas" -eq 0 ]; then echo solid
  elif [ "$liquid" -gt 20 ] && [ "$solid" -eq 0 ] && [ "$gas" -eq 0 ]; then echo liquid
  elif [ "$gas" -gt 20 ] && [ "$solid" -eq 0 ] && [ "$liquid" -eq 0 ]; then echo gas
  else echo "unclear (solid $solid, liquid $liquid, gas $gas pixels)"
  fi
}
# expect_cells shot-name "symbol column top_twips state" ...: takes screenshots until every cell
# shows its state, for up to 10 s on a slow machine; then fails naming the cells that do not.
expect_cells() {
  local name=$1 expectation symbol column top state shown wrong
  shift
  shot="$work/$name.png"
  local deadline=$((SECONDS + 10))
  while :; do
    timeout 10 import -window root "$shot"
    wrong=""
    for expectation in "$@"; do
      read -r symbol column top state <<<"$expectation"
      shown=$(cell_state "$column" "$top")
      [ "$shown" = "$state" ] || wrong+=" $symbol shows $shown, expected $state;"
    done
    [ -z "$wrong" ] && return 0
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "end_to_end: $name:$wrong ($shot)"
      kill -0 "$app_pid" 2>/dev/null || program_failed "velmora ended"
      exit 1
    fi
    sleep 0.2
  done
}
scroll_y=$((Y + (5040 + 127) / 15))
bar_left=$((X + 240 / 15))
bar_right=$((X + 8895 / 15))
drag_to() {  # presses on the scroll box at from_x and drags it to to_x in small steps
  local from=$1 to=$2 step x
  timeout 10 xdotool mousemove "$from" "$scroll_y" mousedown 1
  step=$(( to > from ? 20 : -20 ))
  for ((x = from; (step > 0 && x < to) || (step < 0 && x > to); x += step)); do
    timeout 10 xdotool mousemove "$x" "$scroll_y"
    sleep 0.02
  done
  timeout 10 xdotool mousemove "$to" "$scroll_y" mouseup 1
}

# 1. Start: 298 K.
expect_cells start "Fe 8 1680 solid" "Br 17 1680 liquid" "H 1 240 gas"

# 2. Type 3000 into the text box.
timeout 10 xdotool mousemove $((X + (1920 + 600) / 15)) $((Y + (720 + 180) / 15)) click 1
timeout 10 xdotool type --delay 50 3000
expect_cells typed "Fe 8 1680 liquid" "Na 1 1200 gas" "W 6 2640 solid" "C 14 720 solid"

# 3. The scroll box now sits at the middle (3000 of 0..6000); drag it past the right end.
drag_to $(((bar_left + bar_right) / 2)) $((bar_right + 40))
expect_cells dragged-right "Fe 8 1680 gas" "W 6 2640 gas" "C 14 720 gas"

# 4. Drag it past the left end: 0 K, everything solid.
drag_to $((bar_right - 30)) $(( bar_left > 10 ? bar_left - 10 : 0 ))
expect_cells dragged-left "H 1 240 solid" "Hg 12 2640 solid" "Fe 8 1680 solid"

kill -0 "$app_pid" 2>/dev/null || program_failed "velmora ended"

# 5. Close the window: the program ends, with status 0.
"$here/x11_close_window.py" "$window"
for _ in $(seq 200); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && program_failed "velmora still runs 20 s after its window was closed"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || program_failed "velmora ended with status $status after its window was closed"
echo "end_to_end: passed ($DISPLAY)"
