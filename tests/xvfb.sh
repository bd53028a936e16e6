# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Sourced by the test scripts that need an X display of their own (bash):
#   start_xvfb WORK-DIR     starts Xvfb on a free display (-displayfd), waits until it serves,
#                           exports DISPLAY and leaves its process id in xvfb_pid for the
#                           caller's cleanup; the server's output goes to WORK-DIR/xvfb.log.
# The windows under test are then bare X windows with no window manager, on an 800x600 screen.
start_xvfb() {
  local work=$1 display_file=$1/display
  : >"$display_file"
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 800x600x24 3>"$display_file" \
    2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb failed:"; cat "$work/xvfb.log"; return 1; }
    sleep 0.1
  done
  [ -s "$display_file" ] || { echo "Xvfb gave no display number"; return 1; }
  export DISPLAY=":$(head -n1 "$display_file")"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}
