#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Converts a Qt translation (translations/sumdart_LANG.ts) into the plain list
of messages the browser edition reads (src/web/catalog.h): each message as its
context, source text and translation forms, separated by 0x1F, the messages by
0x1E. Messages without a translation, or with an obsolete one, are left out,
so the game shows the English text for them, as lrelease's .qm files do.

usage: catalog.py IN.ts OUT.txt
"""
import sys
import xml.etree.ElementTree as ET


def messages(ts_path):
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("obsolete", "vanished"):
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            if not any(forms):
                continue
            yield [name, message.findtext("source", "")] + forms


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    records = ["\x1f".join(fields) for fields in messages(argv[1])]
    if any("\x1e" in r for r in records):
        sys.stderr.write("catalog.py: a text holds the record separator\n")
        return 1
    with open(argv[2], "w", encoding="utf-8", newline="") as out:
        out.write("\x1e".join(records))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
