#!/bin/sh
# The game's .ts files and the sources they are made from.
#   translations.sh update LUPDATE [CODE]
#                                    brings the .ts files in step with the
#                                    sources; with CODE ("it") starts the file
#                                    of a new language as well
#   translations.sh check LUPDATE    fails, saying why, when a file has an
#                                    unfinished, vanished or obsolete message or
#                                    lacks a text the sources hold
# Run from the top of the source tree.
set -eu
mode=$1
lupdate=${2:-lupdate}
# The folders with texts a player sees (tests, benchmarks and fuzz targets
# have none). The engine and the stored formats mark their templates with
# their own no-op macros, and so do the texts only the web page has.
sources="app engine formats game graphics records rules session tools web/core"
options="-silent -locations none -no-ui-lines -extensions cpp,h -tr-function-alias QT_TRANSLATE_NOOP+=ENGINE_TR_NOOP,QT_TRANSLATE_NOOP+=FORMATS_TR_NOOP,QT_TRANSLATE_N_NOOP+=FORMATS_TR_N_NOOP,QT_TRANSLATE_NOOP+=WEB_TR_NOOP"

# The languages with a file, English apart.
languages() {
  for file in translations/quillmere_*.ts; do
    language=${file##*/quillmere_}
    language=${language%.ts}
    [ "$language" = en ] || echo "$language"
  done
}

run_lupdate() {  # folder to write the files into, [a new language]
  for language in $(languages) ${2:-}; do
    # shellcheck disable=SC2086
    "$lupdate" $options -source-language en -target-language $language $sources \
      -ts "$1/quillmere_$language.ts"
  done
  # English needs only the plural forms.
  # shellcheck disable=SC2086
  "$lupdate" $options -pluralonly -source-language en -target-language en $sources \
    -ts "$1/quillmere_en.ts"
}

case $mode in
  update)
    run_lupdate translations "${3:-}"
    ;;
  check)
    status=0
    for file in translations/quillmere_*.ts; do
      for kind in unfinished vanished obsolete; do
        count=$(grep -c "type=\"$kind\"" "$file" || true)
        if [ "$count" -gt 0 ]; then
          echo "$file: $count $kind message(s)"
          status=1
        fi
      done
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp translations/quillmere_*.ts "$work"/
    run_lupdate "$work"
    for file in translations/quillmere_*.ts; do
      if ! diff -u "$file" "$work/$(basename "$file")" >"$work/diff"; then
        echo "$file is not in step with the sources (run: make translations):"
        head -40 "$work/diff"
        status=1
      fi
    done
    [ $status -eq 0 ] && echo "translations: every message finished and in step with the sources"
    exit $status
    ;;
  *)
    echo "usage: $0 update|check [LUPDATE]" >&2
    exit 2
    ;;
esac
