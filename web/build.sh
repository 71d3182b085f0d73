#!/bin/sh
# Builds the web page into OUT/site from the same sources as the desktop:
# the game core compiled to WebAssembly with emscripten, the translations
# converted from translations/*.ts, the tiles, sounds and icons from the
# desktop's asset generator, and the page's own files from web/site.
#   web/build.sh ASSETS OUT
# ASSETS is the quillmere-assets program of a native build.
# Run from the top of the source tree.
set -eu
assets=$1
out=$2
site=$out/site
mkdir -p "$out/obj" "$site/i18n" "$site/icons" "$site/sounds"

# emscripten's tools need acorn, which Debian keeps outside node's own path.
NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
export NODE_PATH

version=$(sed -n 's/^project(Quillmere VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# -fwasm-exceptions: the saved-game reader reports a damaged file by throwing, and
# without it the core could throw but not catch, and stop.
flags="-std=c++20 -O2 -fwasm-exceptions -Wall -Wextra -Iengine -Irules -Iformats -Itools/puzzle -Iweb/core"
objects=""
# Objects of other flags are compiled again.
if [ "$(cat "$out/obj/flags" 2>/dev/null)" != "$flags" ]; then
  rm -f "$out"/obj/*.o
  echo "$flags" > "$out/obj/flags"
fi
for source in engine/*.cpp rules/*.cpp formats/*.cpp tools/puzzle/PuzzleTool.cpp web/core/*.cpp; do
  object=$out/obj/$(echo "$source" | tr / _).o
  objects="$objects $object"
  # Compiled again only when the source or a header is newer.
  if [ ! -f "$object" ] || [ -n "$(find "$source" engine rules formats web/core tools/puzzle \
        -newer "$object" -name '*.[ch]*' 2>/dev/null | head -n 1)" ]; then
    # shellcheck disable=SC2086
    em++ $flags -DQUILLMERE_VERSION="\"$version\"" -c "$source" -o "$object"
  fi
done
# A classic script (not a module), so that node's tests and the page load
# it alike; no eval or Function() anywhere, for the page's security policy.
# shellcheck disable=SC2086
em++ -O2 -fwasm-exceptions $objects -o "$site/core.js" \
  -sMODULARIZE=1 -sEXPORT_NAME=QuillmereCore -sENVIRONMENT=web,worker,node \
  -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 -sDYNAMIC_EXECUTION=0 \
  -sEXPORTED_RUNTIME_METHODS=UTF8ToString,stringToUTF8,lengthBytesUTF8,HEAPU8

python3 web/tools/ts2json.py "$site/i18n" translations/quillmere_*.ts

# Tiles as one picture, the names of tiles and rows as the desktop reads
# them from its tile folders, the sounds and the icons.
work=$out/assets
rm -rf "$work"
QT_QPA_PLATFORM=offscreen "$assets" --out "$work" --tile-sheet "$site/tiles.png" --icons "$work/icons" >/dev/null
python3 web/tools/tilenames.py "$work/tiles" > "$site/tiles.json"
cp "$work"/sounds/*.wav "$site/sounds/"
cp "$work/icons/scalable/apps/quillmere.svg" "$site/icons/quillmere.svg"
for size in 48 64 128 256; do
  cp "$work/icons/${size}x${size}/apps/quillmere.png" "$site/icons/quillmere-$size.png"
done

# The page's own files.
cp -R web/site/. "$site/"

# The service worker keeps every file of the page for playing offline; its
# list and version (from the files' contents) are written into sw.js.
python3 web/tools/precache.py "$site"
echo "The page is in $site"
