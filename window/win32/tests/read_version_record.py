# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Checks a raw VERSIONINFO resource: file and product version 2.0.0.1, the strings
"2.00.0001" in the StringFileInfo block 040904B0, and a Translation of 0x0409 with code
page 1200 (the same language and code page as the block's name)."""
import struct
import sys

WANT_NUMBERS = (2, 0, 0, 1)
WANT_TEXT = "2.00.0001"


def string_value(data: bytes, key: str) -> str:
    """The UTF-16 text that follows `key` in a String structure, or ''."""
    at = data.find(key.encode("utf-16-le") + b"\0\0")
    if at < 0:
        return ""
    at += (len(key) + 1) * 2
    at += (4 - at % 4) % 4  # values start on a 32-bit boundary
    end = data.find(b"\0\0", at)
    while end >= 0 and (end - at) % 2:
        end = data.find(b"\0\0", end + 1)
    return data[at:end].decode("utf-16-le")


def number_problems(data: bytes) -> list:
    """What is wrong with the file and product version numbers of VS_FIXEDFILEINFO."""
    fixed = data.find(struct.pack("<I", 0xFEEF04BD))
    if fixed < 0:
        return ["no VS_FIXEDFILEINFO"]
    words = struct.unpack_from("<4I", data, fixed + 8)
    problems = []
    for name, ms, ls in (("file", *words[:2]), ("product", *words[2:])):
        numbers = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        if numbers != WANT_NUMBERS:
            problems.append(f"{name} version {numbers}")
    return problems


def main(path: str) -> int:
    data = open(path, "rb").read()
    problems = number_problems(data)
    if "040904B0".encode("utf-16-le") not in data:
        problems.append("no StringFileInfo block 040904B0")
    for key in ("FileVersion", "ProductVersion"):
        if string_value(data, key) != WANT_TEXT:
            problems.append(f"{key} is {string_value(data, key)!r}")
    translation = data.find("Translation".encode("utf-16-le"))
    if translation < 0:
        problems.append("no Translation")
    else:
        at = translation + 24
        at += (4 - at % 4) % 4
        language, code_page = struct.unpack_from("<HH", data, at)
        if (language, code_page) != (0x0409, 1200):
            problems.append(f"Translation is {language:#06x}, {code_page}")
    for problem in problems:
        print("version record:", problem, file=sys.stderr)
    if not problems:
        print(f"ok: version {'.'.join(map(str, WANT_NUMBERS))} / {WANT_TEXT!r} in 040904B0")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
