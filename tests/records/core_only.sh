#!/bin/sh
# The records stay below every window: each file in records/ includes the C++
# standard library, Qt Core and the headers of records/, formats/, rules/ and
# engine/, nothing else. A widget, a picture, a font or a window belongs in graphics/.
# Usage: core_only.sh SOURCE_DIR QTCORE_INCLUDE_DIR
src=$1
core=$2
[ -f "$core/QCoreApplication" ] || { echo "no Qt Core headers in '$core'" >&2; exit 2; }
found=$(
  for file in "$src"/records/*; do
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*\([<"][^>"]*[>"]\).*/\1/p' "$file" |
      while read -r include; do
        name=${include#?}
        name=${name%?}
        case $include in
          \"*) [ -f "$src/records/$name" ] || [ -f "$src/formats/$name" ] || [ -f "$src/rules/$name" ] ||
               [ -f "$src/engine/$name" ] ||
               echo "${file#"$src"/}: $include is not a header of records/, formats/, rules/ or engine/" ;;
          \<[Qq]*) [ -f "$core/${name#QtCore/}" ] || echo "${file#"$src"/}: $include is not a Qt Core header" ;;
        esac
      done
  done
)
[ -z "$found" ] || { echo "$found" >&2; exit 1; }
