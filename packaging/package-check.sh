#!/bin/sh
# Builds the Debian package as `make package` does and checks it: lintian
# reports no error and no warning, and the packaged programs, in /usr/games,
# find their data in /usr/share/quillmere.
#   package-check.sh BUILD_DIR CPACK LINTIAN
set -eu
build=$1
cpack=$2
lintian=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The game's languages are its translation files' (English's holds only plural forms).
languages=$(for ts in "$(dirname "$0")"/../translations/quillmere_*.ts; do
  basename "$ts" .ts | sed 's/^quillmere_//'; done)
others=$(echo "$languages" | grep -vx en)

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls "$work"/out/*.deb)
status=0
"$lintian" --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || status=$?
cat "$work/lintian"
[ "$status" = 0 ] || fail "lintian found errors or warnings in $(basename "$deb")"

# Qt's dialogs speak the player's language only with Debian's Qt translations.
dpkg-deb -f "$deb" Recommends Depends | grep -q 'qt6-translations-l10n' ||
  fail "the package neither depends on nor recommends qt6-translations-l10n"

dpkg-deb -x "$deb" "$work/root"
root=$work/root
for f in usr/games/quillmere usr/games/quillmere-puzzle usr/games/quillmere-print \
         usr/share/doc/quillmere/copyright usr/share/doc/quillmere/changelog.gz "usr/share/quillmere/tiles/Row 1" \
         "usr/share/quillmere/Players Guide.html"; do
  [ -e "$root/$f" ] || fail "not in the package: /$f"
done
for lang in $languages; do
  [ -s "$root/usr/share/quillmere/translations/quillmere_$lang.qm" ] &&
    grep -q "  quillmere_$lang.qm$" "$root/usr/share/quillmere/translations/quillmere.sha256" ||
    fail "not in the package: /usr/share/quillmere/translations/quillmere_$lang.qm, or its digest"
done
for lang in $others; do
  [ -e "$root/usr/share/quillmere/Players Guide.$lang.html" ] || fail "not in the package: the Player's Guide in $lang"
  grep -q "^Comment\[$lang\]=." "$root/usr/share/applications/net.vantor.Quillmere.desktop" ||
    fail "the packaged desktop entry has no Comment[$lang]"
done
grep -q '^License: GPL-3.0-or-later' "$root/usr/share/doc/quillmere/copyright" || fail "the copyright file names no GPL"
grep -q '^License: OFL-1.1' "$root/usr/share/doc/quillmere/copyright" || fail "the copyright file names no OFL"
# From usr/games the print tool finds the tiles in ../share/quillmere.
env -u DISPLAY -u QT_QPA_PLATFORM "$root/usr/games/quillmere-print" --size 4 --number 1 --output "$work/p.pdf" \
  >"$work/print" 2>&1 || { cat "$work/print" >&2; fail "the packaged quillmere-print"; }
[ -s "$work/p.pdf" ] || fail "the packaged quillmere-print wrote no PDF"
echo "$(basename "$deb"): lintian clean, programs in /usr/games find their data"
