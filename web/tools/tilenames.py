#!/usr/bin/env python3
"""Prints the tile library's names as JSON, read as the desktop reads them:
rows from tiles/Categories.txt, each row's tiles from the names of the
pictures in "Row N" ("01 Dog.bmp" is tile 1, "Dog").

    tilenames.py TILES_DIR
"""
import json
import os
import re
import sys


def main(argv):
    folder = argv[1]
    with open(os.path.join(folder, "Categories.txt"), encoding="utf-8") as f:
        rows = [line.strip() for line in f if line.strip()]
    tiles = []
    for r in range(1, len(rows) + 1):
        names = {}
        for name in os.listdir(os.path.join(folder, f"Row {r}")):
            match = re.match(r"^(\d+) (.+)\.bmp$", name)
            if match:
                names[int(match.group(1))] = match.group(2)
        tiles.append([names.get(t, "") for t in range(1, max(names, default=0) + 1)])
    json.dump({"rows": rows, "tiles": tiles}, sys.stdout, ensure_ascii=False, separators=(",", ":"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
