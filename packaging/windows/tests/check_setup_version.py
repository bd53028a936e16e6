# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Checks the raw VERSIONINFO resource of the setup program: file and product version 2.0.0.1
and the strings Windows shows in the file's properties, in a US English block (NSIS names it
after the language's ANSI code page, 040904E4, where velmora.exe has 040904B0).

Usage: check_setup_version.py VERSION.bin"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "..", "..", "..", "window", "win32", "tests"))
from read_version_record import WANT_NUMBERS, WANT_TEXT, number_problems, string_value  # noqa: E402

VENDOR = "The Velmora developers"
WANT_STRINGS = {
    "ProductName": "Velmora",
    "ProductVersion": WANT_TEXT,
    "FileVersion": WANT_TEXT,
    "CompanyName": VENDOR,
    "LegalCopyright": f"Copyright (c) {VENDOR}",
    "FileDescription": f"Velmora {WANT_TEXT} setup",
}


def main(path: str) -> int:
    data = open(path, "rb").read()
    problems = number_problems(data)
    if "040904".encode("utf-16-le") not in data:
        problems.append("no US English StringFileInfo block")
    for key, want in WANT_STRINGS.items():
        if string_value(data, key) != want:
            problems.append(f"{key} is {string_value(data, key)!r}, want {want!r}")
    for problem in problems:
        print("setup version record:", problem, file=sys.stderr)
    if not problems:
        print(f"ok: setup version {'.'.join(map(str, WANT_NUMBERS))}, {len(WANT_STRINGS)} strings")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
