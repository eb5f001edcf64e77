#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cuts a font down to the letters the game's languages use and writes it as
WOFF2 for the browser edition, under a name of its own.

usage: fonts.py IN.ttf OUT.woff2 FAMILY

Liberation's licence allows modified copies only under names without its
trademark, and the Bitstream Vera licence behind DejaVu asks the same of
modified fonts: the cut-down font is called FAMILY ("Sumdart Sans"), and its
copyright and licence notices are kept as they are.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Latin, Latin-1, Latin Extended-A (Polish), dashes, quotes, the arrows and
# the arithmetic signs the game writes.
LETTERS = "U+0020-007E,U+00A0-017F,U+2010-2027,U+2030-203A,U+2190-2193,U+2212,U+20AC"


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    source, target, family = argv[1:]
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.hinting = False
    options.desubroutinize = True
    options.name_IDs = ["*"]
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=subset.parse_unicodes(LETTERS))
    subsetter.subset(font)
    style = font["name"].getDebugName(2) or "Regular"
    names = {1: family, 3: f"{family} {style}; cut down by Sumdart", 4: f"{family} {style}",
             6: f"{family.replace(' ', '')}-{style.replace(' ', '')}", 16: family, 17: style}
    for record in list(font["name"].names):
        if record.nameID in names:
            font["name"].setName(names[record.nameID], record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID in (7, 18, 21, 22):  # trademark and other family names
            font["name"].removeNames(nameID=record.nameID)
    subset.save_font(font, target, options)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
