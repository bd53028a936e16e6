#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Makes the page's three font files (page/fonts/*.woff2) from Liberation Sans and Serif 2 (Debian
package fonts-liberation2, SIL Open Font Licence 1.1): each cut down to the characters the window
shows in that face, without hinting programs, compressed as WOFF2 and renamed, since the licence
reserves the name "Liberation" for the fonts as their authors made them. Their notices and
licence stay in the files. Needs fonts-liberation2, fonttools and python3-brotli. Run it again
when the faces or the characters change:
    window/web/make_fonts.py window/web/page/fonts
"""
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

LIBERATION = Path("/usr/share/fonts/truetype/liberation2")
LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
# (source, file made, family, style, characters): the dialog face takes whatever can be typed on
# an English keyboard; the cells show element symbols in bold and the two reference captions
# ("La-Lu", "Ac-Lr") in regular.
FACES = [
    ("LiberationSans-Regular.ttf", "velmora-sans.woff2", "Velmora Sans", "Regular",
     "".join(chr(c) for c in range(0x20, 0x7F))),
    ("LiberationSerif-Bold.ttf", "velmora-serif-bold.woff2", "Velmora Serif", "Bold", LETTERS),
    ("LiberationSerif-Regular.ttf", "velmora-serif.woff2", "Velmora Serif", "Regular",
     LETTERS + "-"),
]
# Name records that carry the font's name: family, style, unique id, full name, PostScript name,
# typographic family and style.
RENAMED = {1, 2, 3, 4, 6, 16, 17}


def make(source, target, family, style, characters):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = [0x409]
    options.layout_features = ["kern"]
    # Without the TrueType hinting programs (two thirds of the bytes): browsers hint or smooth
    # the outlines themselves, as the Linux window's FreeType does with its light hinting.
    options.hinting = False
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)
    names = {1: family, 2: style, 3: f"{family} {style}", 4: f"{family} {style}",
             6: f"{family}-{style}".replace(" ", ""), 16: family, 17: style}
    table = font["name"]
    for record in list(table.names):
        if record.nameID in RENAMED:
            table.removeNames(nameID=record.nameID)
    for name_id in (1, 2, 3, 4, 6):
        table.setName(names[name_id], name_id, 3, 1, 0x409)
    font.flavor = "woff2"
    font.save(target)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "page/fonts")
    out.mkdir(parents=True, exist_ok=True)
    for source, target, family, style, characters in FACES:
        make(LIBERATION / source, out / target, family, style, characters)
        print(f"{out / target}: {(out / target).stat().st_size} bytes")


if __name__ == "__main__":
    main()
