#!/bin/sh
# Installs the build into a fresh prefix and starts the installed game there,
# headless, as a user with an empty home: the game must find its pictures in
# the prefix, keep its records in the user's data folder and write nothing
# into the prefix.
#   installed-start.sh BUILD_DIR CMAKE
set -eu
build=$1
cmake=${2:-cmake}
work=$(mktemp -d)
game=
trap 'if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The game's languages are its translation files' (English's holds only plural forms).
languages=$(for ts in "$(dirname "$0")"/../translations/quillmere_*.ts; do
  basename "$ts" .ts | sed 's/^quillmere_//'; done)
others=$(echo "$languages" | grep -vx en)

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix
for f in games/quillmere games/quillmere-puzzle "share/quillmere/tiles/Row 10" share/quillmere/sounds/pop.wav \
         share/quillmere/title.jpg "share/quillmere/Players Guide.html" \
         share/applications/net.vantor.Quillmere.desktop share/metainfo/net.vantor.Quillmere.metainfo.xml \
         share/icons/hicolor/scalable/apps/quillmere.svg share/icons/hicolor/48x48/apps/quillmere.png \
         share/man/man6/quillmere.6.gz share/man/man6/quillmere-puzzle.6.gz \
         share/doc/quillmere/copyright share/doc/quillmere/changelog.gz; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for lang in $languages; do
  [ -s "$prefix/share/quillmere/translations/quillmere_$lang.qm" ] &&
    grep -q "  quillmere_$lang.qm$" "$prefix/share/quillmere/translations/quillmere.sha256" ||
    fail "not installed: share/quillmere/translations/quillmere_$lang.qm, or its digest"
done
# The desktop entry speaks the game's languages (the name stays Quillmere).
for lang in $others; do
  [ -e "$prefix/share/quillmere/Players Guide.$lang.html" ] || fail "not installed: the Player's Guide in $lang"
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$lang\]=." "$prefix/share/applications/net.vantor.Quillmere.desktop" ||
      fail "the desktop entry has no $key[$lang]"
  done
done
[ ! -e "$prefix/share/quillmere/Players" ] || fail "the build's player folder was installed"
"$prefix/games/quillmere-puzzle" --version | grep -q '^quillmere-puzzle [0-9]' || fail "quillmere-puzzle --version"
# The installed print tool finds the pictures in share/quillmere, headless.
[ -e "$prefix/share/man/man6/quillmere-print.6.gz" ] || fail "not installed: share/man/man6/quillmere-print.6.gz"
env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/games/quillmere-print" --size 4 --number 1 --output "$work/p.pdf" >/dev/null ||
  fail "the installed quillmere-print"
[ -s "$work/p.pdf" ] || fail "quillmere-print wrote no PDF"

(cd "$prefix" && find . | sort) >"$work/before"
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/home/.config"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_CONFIG_HOME/Vantor"
printf '[Options]\nShowSplash=0\n' >"$XDG_CONFIG_HOME/Vantor/Quillmere.conf"

"$prefix/games/quillmere" >"$work/out" 2>&1 &
game=$!
records=$XDG_DATA_HOME/Quillmere
i=0
while [ ! -e "$records/quillmere.lock" ]; do
  kill -0 "$game" 2>/dev/null || { cat "$work/out" >&2; fail "the game ended at start"; }
  i=$((i + 1))
  [ $i -lt 100 ] || fail "no lock in $records after 10 s"
  sleep 0.1
done
sleep 2  # past loading the pictures and sounds, which would end it on a failure
kill -0 "$game" 2>/dev/null || { cat "$work/out" >&2; fail "the game ended after taking its lock"; }
# SIGTERM, as at logout: the game stores its records and ends by itself.
kill "$game"
status=0
wait "$game" 2>/dev/null || status=$?
game=
[ "$status" = 0 ] || { cat "$work/out" >&2; fail "the game ended with status $status at SIGTERM"; }
grep -q '^CurrentPlayer=Guest' "$records/quillmere.ini" 2>/dev/null || fail "no players file written at SIGTERM"
[ -f "$records/Players/Guest.ini" ] || fail "no profile written at SIGTERM"

[ -d "$records/Players/Saved Games" ] || fail "no Players/Saved Games in $records"
(cd "$prefix" && find . | sort) >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the game wrote into the prefix"
echo "installed game started and stored its records at SIGTERM; records in the user's data folder, prefix untouched"
