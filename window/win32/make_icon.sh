#!/bin/sh
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Makes the program icon from the three XPM pictures: each picture to PNG (ImageMagick), the
# PNGs into one .ico (icotool). icotool picks each image's colour depth from its colours and only
# warns when a picture has too many, so the depths are checked here: 1, 4 and 4 bits.
# Usage: make_icon.sh OUTPUT.ico 32x32_2.xpm 32x32_16.xpm 16x16_16.xpm
set -eu
output=$1; shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pngs=""
n=0
for picture in "$@"; do
  n=$((n + 1))
  convert "$picture" "png32:$work/$n.png"
  pngs="$pngs $work/$n.png"
done
# shellcheck disable=SC2086
icotool -c -o "$work/icon.ico" $pngs
listing=$(icotool -l "$work/icon.ico")
depths=$(printf '%s\n' "$listing" | sed -n 's/.*--bit-depth=\([0-9]*\).*/\1/p' | tr '\n' ' ')
if [ "$depths" != "1 4 4 " ]; then
  echo "make_icon: image depths are '$depths', want '1 4 4':" >&2
  printf '%s\n' "$listing" >&2
  exit 1
fi
mv "$work/icon.ico" "$output"
