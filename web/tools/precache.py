#!/usr/bin/env python3
"""Writes the service worker's list of the page's files into SITE/sw.js:
every file of the built page (sw.js itself aside), and a version taken from
their names and contents, so that each build whose files differ is a new
version of the worker and replaces the cache of the one before.

    precache.py SITE
"""
import hashlib
import json
import os
import sys

MARK = 'const precache = { version: "unbuilt", files: [] }; // written by the build'


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    site = argv[1]
    files = []
    for folder, dirs, names in os.walk(site):
        dirs.sort()
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), site).replace(os.sep, "/")
            if path != "sw.js":
                files.append(path)
    files.sort()
    digest = hashlib.sha256()
    for path in files:
        with open(os.path.join(site, path), "rb") as f:
            digest.update(path.encode() + b"\0" + hashlib.sha256(f.read()).digest())
    worker = os.path.join(site, "sw.js")
    with open(worker, encoding="utf-8") as f:
        text = f.read()
    if MARK not in text:
        sys.stderr.write(f"precache.py: {worker} lacks the line to replace\n")
        return 1
    digest.update(text.encode())
    listing = json.dumps({"version": digest.hexdigest()[:16], "files": files}, separators=(",", ":"))
    with open(worker, "w", encoding="utf-8") as f:
        f.write(text.replace(MARK, f"const precache = {listing};"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
