#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# scripts/install-deps against a stand-in apt-get, dpkg and dpkg-query first on PATH, which keep
# a pretend package database in a folder and fail the way mirrors and multi-arch make real ones
# fail. Each case checks the exit status, what was run, and what the user is told.
set -euo pipefail
install_deps=$(cd "$(dirname "$0")/.." && pwd)/install-deps
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# The database: one "package architecture" line for each installed package.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/bash
name=${*: -1}
if [[ $name == -f=* ]]; then
  while read -r package arch; do echo "install ok installed $arch"; done <"$STATE/installed"
  # The rest of a real system: thousands of packages, more than a pipe holds; like dpkg-query,
  # it ends with SIGPIPE's status when the reader stops reading.
  yes "install ok installed all" | head -n 20000
  exit
fi
grep "^$name " "$STATE/installed" | while read -r _ arch; do echo "install ok installed $arch"; done
grep -q "^$name " "$STATE/installed" || { echo "dpkg-query: no packages found matching $name" >&2; exit 1; }
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/bin/bash
case $1 in
  --print-architecture) echo amd64 ;;
  --print-foreign-architectures) cat "$STATE/foreign" ;;
  --add-architecture) echo "dpkg $*" >>"$STATE/calls"; echo "$2" >>"$STATE/foreign" ;;
  --remove-architecture) echo "dpkg $*" >>"$STATE/calls"; sed -i "/^$2\$/d" "$STATE/foreign" ;;
esac
EOF
# update: "flaky" fails once; "stale" always fails one index. install: "i386" cannot install
# i386 packages (newer amd64 builds on the mirror than any i386 one).
cat >"$work/bin/apt-get" <<'EOF'
#!/bin/bash
command=""
for word in "$@"; do case $word in update|install) command=$word ;; esac; done
packages=$(printf '%s\n' "$@" | sed -n '/^install$/,$p' | grep -v '^install$\|^-' | tr '\n' ' ')
echo "apt-get $command ${packages% }" >>"$STATE/calls"
case "$command:$FAIL" in
  update:flaky) [ -e "$STATE/failed-once" ] || { touch "$STATE/failed-once"; echo "E: Could not connect"; exit 100; } ;;
  update:stale)
    echo "Err:6 http://deb.example/debian-security bookworm-security/main i386 Packages"
    echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100 ;;
  install:i386)
    if [[ " $packages" == *":i386 "* ]]; then
      echo "The following packages have unmet dependencies:"
      echo " libwine:i386 : Depends: libgstreamer-plugins-base1.0-0:i386 (>= 1.0.0) but it is not going to be installed"
      echo "E: Unable to correct problems, you have held broken packages."
      exit 100
    fi ;;
esac
if [ "$command" = install ]; then
  for p in $packages; do
    arch=amd64; [[ $p == *:* ]] && arch=${p#*:}
    echo "${p%%:*} $arch" >>"$STATE/installed"
  done
fi
EOF
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

failures=0
# name | failure | profiles | already installed | exit | runs, in order | lines the message holds
check() {
  local name=$1 fail=$2 profiles=$3 have=$4 want_status=$5 want_calls=$6 want_message=$7 status=0
  export STATE=$work/$name
  mkdir -p "$STATE"
  : >"$STATE/calls"; : >"$STATE/foreign"
  tr ',' '\n' <<<"$have" | sed '/^$/d' >"$STATE/installed"
  # shellcheck disable=SC2086
  FAIL=$fail PATH="$work/bin:$PATH" VELMORA_APT_RETRY_PAUSE=0 \
    "$install_deps" $profiles >"$STATE/out" 2>&1 || status=$?
  local calls
  calls=$(awk '{print $1, $2}' "$STATE/calls" | paste -sd';')
  local pattern unsaid=""
  while read -r pattern; do
    [ -z "$pattern" ] || grep -qE -- "$pattern" "$STATE/out" || unsaid+=" '$pattern'"
  done <<<"$want_message"
  if [ "$status" -eq "$want_status" ] && [ "$calls" = "$want_calls" ] && [ -z "$unsaid" ]; then
    echo "ok   $name"
  else
    echo "FAIL $name: exit $status (want $want_status), ran '$calls' (want '$want_calls')"
    [ -z "$unsaid" ] || echo "     not said:$unsaid"
    sed 's/^/     | /' "$STATE/out"
    failures=$((failures + 1))
  fi
}

i386_libs=libxrender1\ i386,libxrandr2\ i386,libxi6\ i386,libxcursor1\ i386,libxinerama1\ i386
i386_libs+=,libxcomposite1\ i386,libxfixes3\ i386
amd64_libs=${i386_libs// i386/ amd64}
check update-fails-once flaky core "" 0 \
  "apt-get update;apt-get update;apt-get install" "apt-get update failed \(attempt 1 of 3\)"
check update-keeps-failing-one-index stale core "" 0 \
  "apt-get update;apt-get update;apt-get update;apt-get install" \
  "could not fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz ; going on"
check i386-packages-cannot-be-installed i386 "core wine32" "" 1 \
  "dpkg --add-architecture;apt-get update;apt-get install;apt-get install;dpkg --remove-architecture" \
  "profile 'wine32' could not be installed: apt-get install wine32:i386 .* failed:
^  E: Unable to correct problems
^   libwine:i386 : Depends: libgstreamer-plugins-base1.0-0:i386
not installed: wine32$
i386 architecture is removed again"
check i386-libraries-do-not-stand-for-amd64-ones none windows64 \
  "g++-mingw-w64-x86-64-posix amd64,$i386_libs" 0 "apt-get update;apt-get install" \
  "installing for 'windows64': libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3$"
check i386-packages-installed none wine32 "" 0 \
  "dpkg --add-architecture;apt-get update;apt-get install" ""
check both-architectures-installed none windows64 \
  "g++-mingw-w64-x86-64-posix amd64,$i386_libs,$amd64_libs" 0 "" ""
check i386-packages-installed-for-i386 none wine32 "wine32 i386,$i386_libs" 0 "" ""
check architecture-independent-package-installed none licence "reuse all" 0 "" ""

# Beside the profile that failed, core went in.
grep -q "^cmake amd64$" "$work/i386-packages-cannot-be-installed/installed" ||
  { echo "FAIL i386-packages-cannot-be-installed: core was not installed"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || { echo "install-deps: $failures failed"; exit 1; }
echo "install-deps: all passed"
