#!/usr/bin/env python3
"""The Latin-1 subset of the renderer's font, for the web edition.

Usage: subset_font.py FONT OUTPUT

Keeps the characters U+0020 to U+00FF, drops hinting (the renderer rasterises outlines
without it) and the tables the renderer never reads, and renames the family: the
font's licence allows a modified font only under a name without "Bitstream" or
"Vera", and DejaVu asks the same of its own name.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

Family = "Town Sans"
PostScriptName = "TownSans"


def main(source, output):
    subset.main([
        source,
        f"--output-file={output}",
        "--unicodes=U+0020-00FF",
        "--no-hinting",
        "--layout-features=",
        "--drop-tables+=GSUB,GPOS,GDEF,MATH,kern,gasp,FFTM,vhea,vmtx",
        "--name-IDs=0,1,2,3,4,5,6,7,13,14",
        "--no-glyph-names",
        "--notdef-outline",
        "--recalc-timestamp",
    ])
    font = TTFont(output)
    names = font["name"]
    style = names.getDebugName(2) or "Book"
    version = names.getDebugName(5) or ""
    for record in list(names.names):
        if record.nameID in (16, 17, 18, 21, 22):
            names.removeNames(nameID=record.nameID)
    names.setName(Family, 1, 3, 1, 0x409)
    names.setName(f"{Family} {style}; {version}".strip(), 3, 3, 1, 0x409)
    names.setName(Family, 4, 3, 1, 0x409)
    names.setName(PostScriptName, 6, 3, 1, 0x409)
    names.setName(
        "A Latin-1 subset of DejaVu Sans without hinting, renamed as its licence asks"
        " of a modified font; the licence is in the file beside this one.",
        10, 3, 1, 0x409)
    # Only the Windows Unicode records: the Mac ones would keep the old name.
    names.names = [n for n in names.names if n.platformID == 3]
    font.save(output)

    for n in font["name"].names:
        if n.nameID in (1, 3, 4, 6) and any(w in str(n) for w in ("DejaVu", "Bitstream", "Vera")):
            sys.exit(f"{output}: name {n.nameID} still says {n}")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
