#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# What scripts/release refuses before it builds anything: a missing tool (named with its Debian
# package), an unclean work tree, and an output folder that holds something other than a release.
# Each case must exit 2 with its message, build nothing and leave the output folder untouched.
# Usage: release_refusals_test.sh   (runs on a throw-away clone of the committed tree)
set -euo pipefail
source_tree=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone -q "$source_tree" "$work/tree"
# The script under test as it stands in the work tree, committed in the clone so that the clone
# is clean until a case makes it unclean.
cp "$source_tree/scripts/release" "$work/tree/scripts/release"
git -C "$work/tree" add scripts/release
git -C "$work/tree" -c user.name=test -c user.email=test@localhost commit -q -m "release script" \
  >/dev/null || true

# A PATH that holds every tool the release needs but one: links to the real ones, minus `$1`.
path_without() {
  local bin="$work/bin-without-$1" tool
  mkdir -p "$bin"
  for tool in bash env git dirname sed find mktemp head printf rm mv mkdir cp ls cat \
              cmake ninja g++ i686-w64-mingw32-g++-posix icotool convert cpack dpkg-shlibdeps \
              makensis em++ node sha256sum; do
    [ "$tool" = "$1" ] && continue
    ln -sf "$(command -v "$tool")" "$bin/$tool"
  done
  echo "$bin"
}

failures=0
# name | how to run | text the message must hold | output folder that must stay as it was
check() {
  local name=$1 run=$2 want=$3 out=$4 status=0 before after
  before=$(ls -A "$out" 2>/dev/null | tr '\n' ' ' || true)
  (cd "$work/tree" && eval "$run") >"$work/stdout" 2>"$work/stderr" || status=$?
  after=$(ls -A "$out" 2>/dev/null | tr '\n' ' ' || true)
  if [ "$status" -ne 2 ] || ! grep -qF -- "$want" "$work/stderr" || [ "$before" != "$after" ] ||
     [ -d "$work/tree/build" ]; then
    echo "FAIL $name: exit $status, folder '$before' -> '$after'"; sed 's/^/  | /' "$work/stderr"
    failures=$((failures + 1))
  else
    echo "ok   $name: $(tail -n 1 "$work/stderr")"
  fi
}

check "no NSIS" "PATH=$(path_without makensis) scripts/release $work/out1" \
      "makensis (Debian package nsis)" "$work/out1"
check "no MinGW" "PATH=$(path_without i686-w64-mingw32-g++-posix) scripts/release $work/out2" \
      "i686-w64-mingw32-g++-posix (Debian package g++-mingw-w64-i686)" "$work/out2"
echo "stray" > "$work/tree/stray.txt"
check "unclean tree" "scripts/release $work/out3" "uncommitted changes" "$work/out3"
rm "$work/tree/stray.txt"
mkdir -p "$work/out4" && echo "keep me" > "$work/out4/notes.txt"
check "folder not a release" "scripts/release $work/out4" "notes.txt" "$work/out4"
check "unknown option" "scripts/release --fast" "unknown option '--fast'" "$work/tree/dist"

[ "$failures" -eq 0 ] || { echo "release refusals: $failures failed"; exit 1; }
echo "release refusals: all passed"
