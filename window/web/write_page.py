#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Writes the page with the window in it, as the build does: the window's elements, which the
program prints under Node (window_markup.cpp), in place of the marker line of the page, and the
rules that place them after the page's style sheet.
    write_page.py INDEX-HTML STYLE-SHEET MARKUP-SCRIPT OUT-INDEX-HTML OUT-STYLE-SHEET
"""
import subprocess
import sys
from pathlib import Path

MARKER = "<!-- the window -->\n"


def main():
    index, sheet, script, out_index, out_sheet = sys.argv[1:6]
    markup = subprocess.run(["node", "--no-experimental-fetch", script], check=True,
                            capture_output=True, text=True).stdout
    elements, rules = markup.split("\f\n")
    page = Path(index).read_text()
    if page.count(MARKER) != 1:
        sys.exit(f"{index}: no single marker line {MARKER.strip()}")
    Path(out_index).write_text(page.replace(MARKER, elements))
    heading = "\n/* The window's controls at their places, as Load leaves them. */\n"
    Path(out_sheet).write_text(Path(sheet).read_text() + heading + rules)


if __name__ == "__main__":
    main()
