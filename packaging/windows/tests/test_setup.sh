#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Checks the two Windows packages.
#   On any host: the zip holds exactly velmora.exe, LICENSE and README.txt, and its velmora.exe
#   passes the program file check; the setup program is a 32-bit GUI program with the program's
#   icon and a version record 2.0.0.1 / "2.00.0001".
#   Under Wine (a 32-bit prefix under WORKDIR, on an Xvfb display): a silent install puts the
#   program, its uninstaller, the Start-menu shortcut and the Add/Remove Programs entry in place;
#   the installed program opens its window; while it runs, installing again and uninstalling both
#   fail and change nothing; a silent uninstall then takes everything away.
# Where 32-bit Wine cannot run (a kernel without 32-bit execution, or VELMORA_WINE32_UNAVAILABLE
# naming why, as the test command sets it when wine32:i386 could not be installed) the Wine part
# is skipped: it says so and exits 77.
# Usage: test_setup.sh SETUP.exe ZIP WORKDIR
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: test_setup.sh SETUP.exe ZIP WORKDIR" >&2; exit 2; }
setup=$(realpath "$1") zip=$(realpath "$2") work=$3
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
win32_tests=$root/window/win32/tests
version=2.00.0001

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
finish() {
  [ $failures -eq 0 ] || { echo "test_setup: $failures failure(s)" >&2; exit 1; }
  exit "${1:-0}"
}

mkdir -p "$work"
work=$(realpath "$work")
inspect=$(mktemp -d "$work/inspect.XXXXXX")

echo "== Inspecting $(basename "$zip") and $(basename "$setup")"
listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$listing" = "LICENSE README.txt velmora.exe " ] && ok "zip holds $listing" ||
  fail "zip holds '$listing', want 'LICENSE README.txt velmora.exe '"
unzip -q -o "$zip" -d "$inspect/zip"
program=$inspect/zip/velmora.exe
objdump=objdump
command -v i686-w64-mingw32-objdump >/dev/null && objdump=i686-w64-mingw32-objdump
"$win32_tests/check_program_file.sh" "$program" win32 "$objdump" || fail "velmora.exe in the zip"
tr -d '\r' <"$inspect/zip/LICENSE" | cmp -s - "$root/LICENSE" && ok "LICENSE is the project's" ||
  fail "the zip's LICENSE differs from $root/LICENSE"
if grep -q '@[A-Z_]*@' "$inspect/zip/README.txt" || ! grep -q "Velmora $version" "$inspect/zip/README.txt"; then
  fail "README.txt is not filled in for $version"
else
  ok "README.txt is for $version"
fi

kind=$(python3 "$win32_tests/read_pe_header.py" "$setup") || kind="not a program"
[ "$kind" = "PE32 i386 GUI NSIS" ] && ok "setup program: $kind" ||
  fail "setup program: the PE header says '$kind', want a PE32 GUI program for the i386 made by NSIS"
wrestool -x --type=group_icon -o "$inspect/setup.ico" "$setup" 2>/dev/null || true
wrestool -x --type=group_icon -o "$inspect/program.ico" "$program" 2>/dev/null || true
if [ -s "$inspect/setup.ico" ] && cmp -s "$inspect/setup.ico" "$inspect/program.ico"; then
  ok "setup program carries velmora.exe's icon"
else
  fail "setup program's icon is not velmora.exe's"
fi
wrestool -x --type=version --raw -o "$inspect/version.bin" "$setup" 2>/dev/null || true
if [ -s "$inspect/version.bin" ]; then
  python3 "$here/check_setup_version.py" "$inspect/version.bin" || fail "setup version record"
else
  fail "setup program has no version record"
fi

# The setup program and its uninstaller are 32-bit: Wine runs them with its 32-bit loader, which
# a kernel without 32-bit execution refuses.
if [ -n "${VELMORA_WINE32_UNAVAILABLE:-}" ]; then
  echo "setup program under Wine: SKIPPED — $VELMORA_WINE32_UNAVAILABLE"
  finish 77
fi
wine32=$("$root/scripts/wine32-check") || { fail "Wine's 32-bit loader does not run"; finish; }
if [ "$wine32" = refused ]; then
  echo "setup program under Wine: SKIPPED — this host cannot run 32-bit programs"
  finish 77
fi

echo "== Installing, running and uninstalling under Wine"
# Wine writes menu entries and icons for Start-menu shortcuts into the user's home: all of that,
# the prefix and the session stay under WORKDIR.
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
export TMPDIR=$work
mkdir -p "$HOME"
session=$win32_tests/wine_session.sh
state=$work/session
# Stopping the session ends every Windows program still running in it.
trap '"$session" stop "$state" || true' EXIT
"$session" start "$state" win32
set -a
. "$state/env"
set +a
wine() { "$session" run "$state" "$@"; }
seconds_since() { python3 -c "import sys; print(f'{float(sys.argv[2]) - float(sys.argv[1]):.1f}')" "$1" "$EPOCHREALTIME"; }

folder='C:\Program Files\Velmora'
folder_unix=$WINEPREFIX/drive_c/Program\ Files/Velmora
shortcut=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Velmora.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
reg_value() { wine reg query "$key" /v "$1" 2>/dev/null | sed -n "s/^ *$1 *REG_[A-Z_]* *//p" | tr -d '\r'; }
installed_state() {
  printf '%s ' "$(ls "$folder_unix" 2>/dev/null | tr '\n' ' ')"
  [ -f "$shortcut" ] && printf 'shortcut ' || true
  wine reg query "$key" >/dev/null 2>&1 && printf 'key' || true
}

start=$EPOCHREALTIME
status=0
wine "$setup" /S || status=$?
install_time=$(seconds_since "$start")
[ $status -eq 0 ] && ok "silent install in $install_time s" ||
  { fail "silent install ended with $status"; finish; }
for file in velmora.exe Uninstall.exe; do
  [ -f "$folder_unix/$file" ] && ok "installed $folder\\$file" || fail "no $folder\\$file"
done
cmp -s "$folder_unix/velmora.exe" "$program" || fail "installed velmora.exe is not the zip's"
if [ -f "$shortcut" ] && grep -aqF "$folder\\velmora.exe" "$shortcut"; then
  ok "Start-menu shortcut Velmora.lnk to $folder\\velmora.exe"
else
  fail "no Start-menu shortcut Velmora.lnk to $folder\\velmora.exe"
fi
while IFS='|' read -r name want; do
  got=$(reg_value "$name")
  [ "$got" = "$want" ] && ok "$name = $got" || fail "$key $name is '$got', want '$want'"
done <<VALUES
DisplayName|Velmora
DisplayVersion|$version
Publisher|The Velmora developers
DisplayIcon|$folder\\velmora.exe,0
UninstallString|"$folder\\Uninstall.exe"
QuietUninstallString|"$folder\\Uninstall.exe" /S
InstallLocation|$folder
VALUES
installed=$(installed_state)

start=$EPOCHREALTIME
wine "$folder\\velmora.exe" &
app=$!
if timeout 60 xdotool search --sync --onlyvisible --name '^Velmora$' >/dev/null; then
  window_time=$(seconds_since "$start")
  ok "installed program opened its window \"Velmora\" in $window_time s"
else
  fail "installed program opened no window \"Velmora\" within 60 s"
  window_time=-
fi

# While the program runs its file cannot be replaced or deleted: both must fail, not half-work.
status=0
wine "$setup" /S || status=$?
[ $status -eq 2 ] && ok "installing again while it runs fails (2)" ||
  fail "installing again while it runs ended with $status, want 2"
# `_?=` keeps the uninstaller in place, so that its exit status is seen; the uninstaller reads
# it only unquoted and last on its command line, which a batch file passes on as written.
printf '"%s\\Uninstall.exe" /S _?=%s\r\nexit /b %%ERRORLEVEL%%\r\n' "$folder" "$folder" \
  >"$WINEPREFIX/drive_c/uninstall_in_place.cmd"
status=0
wine cmd /c 'C:\uninstall_in_place.cmd' >/dev/null || status=$?
[ $status -eq 2 ] && ok "uninstalling while it runs fails (2)" ||
  fail "uninstalling while it runs ended with $status, want 2"
[ "$(installed_state)" = "$installed" ] && ok "both left the installation as it was" ||
  fail "installation changed to '$(installed_state)', was '$installed'"

wine taskkill /im velmora.exe >/dev/null || true
status=0
wait "$app" || status=$?
[ $status -eq 0 ] || fail "velmora.exe ended with $status when asked to close"

# The uninstaller copies itself to the temporary folder, starts the copy and returns at once:
# wait for the copy's work to show.
start=$EPOCHREALTIME
status=0
wine "$folder\\Uninstall.exe" /S || status=$?
[ $status -eq 0 ] || fail "silent uninstall ended with $status"
deadline=$((SECONDS + 60))
while [ -n "$(installed_state | tr -d ' ')" ] && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
uninstall_time=$(seconds_since "$start")
left=$(installed_state)
[ -z "$(printf '%s' "$left" | tr -d ' ')" ] && ok "silent uninstall removed everything in $uninstall_time s" ||
  fail "after uninstalling there are still: '$left'"
[ ! -e "$folder_unix" ] || fail "the folder $folder is still there"

echo "timings: install $install_time s, window open $window_time s, uninstall $uninstall_time s"
finish
