# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Checks the application manifest read out of velmora.exe: well-formed XML that names the
program's processor, Windows 7, 8, 8.1 and 10/11 as supported, system DPI awareness and the
asInvoker execution level, each in the namespace Windows reads it from (an element in another
namespace is ignored without a word), and no dependency on common controls 6, whose visual styles
would replace the controls' classic borders.

Usage: read_manifest.py MANIFEST win32|win64"""
import sys
import xml.etree.ElementTree as ElementTree

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
WINDOWS_SETTINGS = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SUPPORTED_OS = {
    "Windows 7": "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "Windows 8": "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "Windows 8.1": "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "Windows 10/11": "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}
ARCHITECTURE = {"win32": "x86", "win64": "amd64"}


def problems_of(text: bytes, arch: str) -> list:
    try:
        root = ElementTree.fromstring(text)
    except ElementTree.ParseError as error:
        return [f"not well-formed XML: {error}"]
    problems = []
    if root.tag != ASM_V1 + "assembly" or root.get("manifestVersion") != "1.0":
        problems.append(f"root is {root.tag} version {root.get('manifestVersion')}")
    identity = root.find(ASM_V1 + "assemblyIdentity")
    if identity is None or identity.get("type") != "win32" or not identity.get("name"):
        problems.append("no win32 assemblyIdentity with a name")
    elif identity.get("processorArchitecture") != ARCHITECTURE[arch]:
        problems.append(f"processorArchitecture is {identity.get('processorArchitecture')!r}")

    supported = {system.get("Id", "").lower() for system in root.iterfind(
        f"{COMPATIBILITY}compatibility/{COMPATIBILITY}application/{COMPATIBILITY}supportedOS")}
    for name, guid in SUPPORTED_OS.items():
        if guid not in supported:
            problems.append(f"{name} is not among the supported systems")

    dpi_aware = root.find(
        f"{ASM_V3}application/{ASM_V3}windowsSettings/{WINDOWS_SETTINGS}dpiAware")
    if dpi_aware is None or (dpi_aware.text or "").strip().lower() != "true":
        problems.append("no system DPI awareness (windowsSettings/dpiAware true)")

    level = root.find(f"{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/"
                      f"{ASM_V3}requestedExecutionLevel")
    if level is None or level.get("level") != "asInvoker":
        problems.append("the execution level is not asInvoker")

    for element in root.iter():
        if element.tag.endswith("}assemblyIdentity") and \
                element.get("name", "").lower() == "microsoft.windows.common-controls":
            problems.append("depends on Microsoft.Windows.Common-Controls")
    return problems


def main(path: str, arch: str) -> int:
    problems = problems_of(open(path, "rb").read(), arch)
    for problem in problems:
        print("manifest:", problem, file=sys.stderr)
    if not problems:
        print(f"ok: manifest ({ARCHITECTURE[arch]}, Windows 7 to 11, system DPI aware, asInvoker, "
              "classic controls)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
