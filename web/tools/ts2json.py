#!/usr/bin/env python3
"""Turns the desktop's translation files (Qt Linguist .ts) into the page's
catalogues: one JSON object per language, {context: {source: translation}},
a numerus translation as the list of its forms. Unfinished and vanished
entries are left out, so the page falls back to the English source as the
desktop does.

    ts2json.py OUT_DIR translations/quillmere_de.ts ...
"""
import json
import os
import re
import sys
import xml.etree.ElementTree as ET


def text_of(element):
    """The element's whole text: a <byte value="xd"/> inside it stands for
    that character (the desktop's texts break lines with a carriage return)."""
    if element is None:
        return None
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value", "x0").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def catalogue(path):
    root = ET.parse(path).getroot()
    out = {}
    for context in root.iter("context"):
        name = context.findtext("name", "")
        entries = out.setdefault(name, {})
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            if source is None or translation is None:
                continue
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            forms = translation.findall("numerusform")
            if message.get("numerus") == "yes" and forms:
                entries[source] = [text_of(f) for f in forms]
            elif text_of(translation):
                entries[source] = text_of(translation)
    return {k: v for k, v in out.items() if v}


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    languages = []
    for path in argv[2:]:
        match = re.search(r"_([A-Za-z_]+)\.ts$", path)
        if not match:
            sys.stderr.write(f"ts2json: {path}: not named like quillmere_xx.ts\n")
            return 2
        code = match.group(1)
        languages.append(code)
        with open(os.path.join(out_dir, f"{code}.json"), "w", encoding="utf-8") as f:
            json.dump(catalogue(path), f, ensure_ascii=False, separators=(",", ":"), sort_keys=True)
    with open(os.path.join(out_dir, "languages.json"), "w", encoding="utf-8") as f:
        json.dump(["en"] + sorted(set(languages) - {"en"}), f)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
