# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Reads what kind of Windows program a file is from its own PE header, not from a tool's
wording: prints its optional header's format (PE32 or PE32+), its machine (i386 or x86-64), its
subsystem (GUI or console) and "NSIS" when the file carries the first header of an NSIS setup
program's data, e.g. "PE32 i386 GUI NSIS". Exits 1, saying why, for a file that is not a Windows
program (no MZ or PE signature, cut short, a DLL).
Usage: read_pe_header.py FILE"""
import struct
import sys

FORMATS = {0x10B: "PE32", 0x20B: "PE32+"}
MACHINES = {0x14C: "i386", 0x8664: "x86-64"}
SUBSYSTEMS = {2: "GUI", 3: "console"}
EXECUTABLE_IMAGE, DLL = 0x0002, 0x2000  # COFF characteristics
# NSIS's first header: flags, the signature 0xDEADBEEF and "NullsoftInst".
NSIS_FIRST_HEADER = struct.pack("<I", 0xDEADBEEF) + b"NullsoftInst"


def describe(data: bytes) -> str:
    """The program's kind, or raises ValueError saying why the data is not a Windows program."""
    if data[:2] != b"MZ" or len(data) < 0x40:
        raise ValueError("no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE signature")
    if len(data) < pe + 24 + 70:
        raise ValueError("the PE header is cut short")
    machine, _, _, _, _, _, characteristics = struct.unpack_from("<HHIIIHH", data, pe + 4)
    if not characteristics & EXECUTABLE_IMAGE or characteristics & DLL:
        raise ValueError(f"not a program (characteristics {characteristics:#06x})")
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    subsystem = struct.unpack_from("<H", data, optional + 68)[0]  # the same place in PE32+
    kind = [FORMATS.get(magic, f"optional-header-{magic:#x}"),
            MACHINES.get(machine, f"machine-{machine:#x}"),
            SUBSYSTEMS.get(subsystem, f"subsystem-{subsystem}")]
    if NSIS_FIRST_HEADER in data:
        kind.append("NSIS")
    return " ".join(kind)


def main(path: str) -> int:
    with open(path, "rb") as file:
        data = file.read()
    try:
        print(describe(data))
    except ValueError as problem:
        print(f"{path}: not a Windows program: {problem}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__.split("Usage: ")[1])
    sys.exit(main(sys.argv[1]))
