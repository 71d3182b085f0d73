#!/bin/bash
# The game as a Wayland client of a headless weston: it shows its window, and
# SIGTERM (a logout) stores the players file and the profile and ends it with
# 0. The stored size does not grow from start to start; the place, which a
# Wayland client cannot know, is not invented.
# Usage: wayland_records.sh GAME QT_PLUGIN_FOLDER
set -u
GAME=$1
RUNTIME=$(cd "$(dirname "$GAME")" && pwd)
. "$(dirname "$0")/common.sh"
need weston
[ -e "$2/platforms/libqwayland-generic.so" ] || { echo "SKIP: Qt's Wayland plugin is not installed"; exit $SKIP; }
make_data_folder

# A compositor of its own: its own runtime folder holds its socket.
export XDG_RUNTIME_DIR=$TMP/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --width=1280 --height=1024 --socket=quillmere --idle-time=0 --no-config \
  >"$TMP/weston.log" 2>&1 &
PIDS+=($!)
wait_for 20 test -S "$XDG_RUNTIME_DIR/quillmere" || fail "weston did not start: $(cat "$TMP/weston.log")"
export WAYLAND_DISPLAY=quillmere QT_QPA_PLATFORM=wayland
# Qt's Wayland plugin leaves protocol objects of libwayland-client (and of
# plugins already unloaded, which cannot be named) at the exit; in sanitized
# builds leaks are checked by the other tests, not here.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
unset DISPLAY

# The client's own log of its requests tells that the window got its title
# and a picture.
shown() {
  grep -q 'set_title("Quillmere - Logic Challenge")' "$TMP/wayland.log" &&
    grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$TMP/wayland.log"
}

sizes=()
for start in 1 2; do
  WAYLAND_DEBUG=client "$GAME" --data-dir "$DATA" >"$TMP/game.log" 2>"$TMP/wayland.log" &
  GAME_PID=$!
  PIDS+=($GAME_PID)
  wait_for 30 shown || fail "the window did not show: $(grep -v '^\[' "$TMP/wayland.log" | tail -5)"
  sleep 0.5  # past the size's settling
  stop_game "$GAME_PID"
  grep -q '^CurrentPlayer=Guest' "$DATA/quillmere.ini" || fail "the players file was not written"
  [ -n "$(profile_value MainWidth)" ] && [ "$(profile_value MainWidth)" -gt 0 ] &&
    [ "$(profile_value MainHeight)" -gt 0 ] || fail "the profile holds no window size"
  [ -z "$(profile_value MainLeft)" ] || fail "the profile holds a place a Wayland client cannot know"
  sizes+=("$(profile_value MainWidth)x$(profile_value MainHeight)")
  echo "start $start: stored ${sizes[-1]}"
done
[ "${sizes[0]}" = "${sizes[1]}" ] || fail "the stored size changed from ${sizes[0]} to ${sizes[1]}"
echo "PASS"
