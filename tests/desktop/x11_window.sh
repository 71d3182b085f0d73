#!/bin/bash
# The game under a window manager (Xvfb and openbox): the window keeps its
# size and place over starts, and a second start brings the running game to
# the front and ends with 0.
# Usage: x11_window.sh GAME   (SHOTS=DIR keeps screenshots of the steps)
set -u
GAME=$1
RUNTIME=$(cd "$(dirname "$GAME")" && pwd)
. "$(dirname "$0")/common.sh"
need Xvfb openbox xdotool xprop xwininfo xmessage
make_data_folder

shot() {
  if [ -n "${SHOTS:-}" ] && command -v import >/dev/null; then import -window root "$SHOTS/x11-$1.png"; fi
}

# A display of its own: Xvfb takes a free number and tells it on fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$TMP/display" 2>"$TMP/xvfb.log" &
PIDS+=($!)
wait_for 20 test -s "$TMP/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$TMP/display")
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
openbox >"$TMP/openbox.log" 2>&1 &
PIDS+=($!)
wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"

find_window() {
  WIN=$(xdotool search --onlyvisible --name '^Quillmere - Logic Challenge$' 2>/dev/null | head -1)
  [ -n "$WIN" ]
}

# The frame's place and size, "X Y W H": the window's own and the extents
# the window manager puts around it.
outer() {
  local info x y w h ext l r t b
  info=$(xwininfo -id "$WIN") || return 1
  x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
  w=$(awk '/Width:/ {print $NF}' <<<"$info")
  h=$(awk '/Height:/ {print $NF}' <<<"$info")
  ext=$(xprop -id "$WIN" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
  [ -n "$ext" ] || return 1
  IFS=, read -r l r t b <<<"$ext"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# Waits until the frame has kept its place and size for 0.3 s.
settle() {
  local last="" now tries=60
  while ((tries-- > 0)); do
    now=$(outer) && [ "$now" = "$last" ] && return 0
    last=$now
    sleep 0.3
  done
  fail "the window did not come to rest (last $last)"
}

start_game() {
  "$GAME" --data-dir "$DATA" "$@" >>"$TMP/game.log" 2>&1 &
  GAME_PID=$!
  PIDS+=($GAME_PID)
  wait_for 30 find_window || fail "the game's window did not show: $(cat "$TMP/game.log")"
  settle
}

question_shows() { xdotool search --onlyvisible --name '^Quillmere$' >/dev/null 2>&1; }

# Answers the save question with KEY. The key goes to the question itself,
# and again while the question stays: on a loaded machine the box may show
# before it has the focus, and a key typed then goes elsewhere.
answer_question() {
  local box tries=10
  while ((tries-- > 0)); do
    box=$(xdotool search --onlyvisible --name '^Quillmere$' 2>/dev/null | head -1)
    [ -n "$box" ] || return 0
    xdotool windowactivate --sync "$box" key --clearmodifiers "$1" 2>/dev/null
    wait_for 2 sh -c '! xdotool search --onlyvisible --name "^Quillmere$" >/dev/null 2>&1' && return 0
  done
  fail "the save question did not take $1"
}

# Closes the window as a player does (Alt+F4 through the window manager);
# as Exit does, it asks whether to save the game in progress, and "n" (No)
# leaves without saving.
close_game() {
  # On a loaded machine the window manager may not have given the frame the
  # focus yet when the key comes, and the key is lost: it is pressed again
  # (should the question have come late and taken that key as Cancel, the
  # next press asks anew).
  local tries=3
  while ((tries-- > 0)); do
    xdotool windowactivate --sync "$WIN" key --clearmodifiers alt+F4
    wait_for 10 question_shows && break
  done
  question_shows || fail "Alt+F4 did not ask to save the game in progress"
  answer_question n
  finish "$GAME_PID" 20
  [ "$STATUS" = 0 ] || fail "the closed game ended with status $STATUS"
  echo "  closed; the profile keeps $(profile_value MainLeft) $(profile_value MainTop) $(profile_value MainWidth) $(profile_value MainHeight)"
}

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
minimized() { xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }

# 1. The first start centres the frame on the screen's free area.
start_game
read -r x y w h <<<"$(outer)"
echo "first start: frame $w x $h at $x,$y"
shot 1-first
read -r _ _ free_w free_h <<<"$(xprop -root _NET_WORKAREA | sed -n 's/.* = //p' | tr -d ',' | cut -d' ' -f1-4)"
((x == (free_w - w) / 2 && y == (free_h - h) / 2)) ||
  fail "the first window is not centred by its frame: $w x $h at $x,$y on $free_w x $free_h"

# 2. The player moves and resizes it; the next starts reproduce the frame exactly.
xdotool windowsize "$WIN" 900 650 windowmove "$WIN" 130 90
settle
wanted=$(outer)
echo "moved and resized: frame $wanted"
close_game
[ "$(profile_value MainWidth) $(profile_value MainHeight)" = "$(cut -d' ' -f3-4 <<<"$wanted")" ] ||
  fail "the profile keeps $(profile_value MainWidth) x $(profile_value MainHeight), not the frame $wanted"
for start in 2 3; do
  start_game
  now=$(outer)
  echo "start $start: frame $now"
  [ "$now" = "$wanted" ] || fail "start $start shows the frame $now instead of $wanted"
  [ "$start" = 3 ] || close_game
done
shot 2-restored

# 3. A second start brings the minimised game, covered by another window, to
# the front and ends with 0. Its puzzle is passed on: the running game first
# offers to save the game the player has made a move in (Delete on the
# board's first cell: the first key shows the cursor, the second presses),
# and Escape on that offer keeps the game.
xdotool windowactivate --sync "$WIN" key --clearmodifiers --delay 200 Delete Delete
xmessage -geometry 700x500+100+100 "another program" 2>/dev/null &
PIDS+=($!)
wait_for 10 sh -c 'xdotool search --onlyvisible --name "^xmessage$" >/dev/null 2>&1' || fail "xmessage did not show"
COVER=$(xdotool search --onlyvisible --name '^xmessage$' | head -1)
xdotool windowminimize "$WIN"
xdotool windowactivate --sync "$COVER"
wait_for 10 minimized || fail "the game's window could not be minimised"
shot 3-covered
began=$(date +%s%N)
timeout 30 "$GAME" --data-dir "$DATA" --puzzle 4:77 >"$TMP/second.log" 2>&1
status=$?
[ "$status" = 0 ] || fail "the second start ended with $status: $(cat "$TMP/second.log")"
echo "second start ended with 0 after $((($(date +%s%N) - began) / 1000000)) ms"
wait_for 10 question_shows || fail "the running game did not offer to save the game in progress"
shot 4-offer
answer_question Escape  # Cancel: the game stays
timeout 30 "$GAME" --data-dir "$DATA" --puzzle 4:77 >"$TMP/second.log" 2>&1 || fail "the third start failed"
wait_for 10 question_shows || fail "the running game did not offer to save the game it kept"
answer_question n  # No: the puzzle asked for is played
wait_for 10 active_is "$WIN" || fail "the game is not the active window after the second start"
minimized && fail "the game is still minimised after the second start"
shot 5-front
stop_game "$GAME_PID"
[ "$(profile_value PuzzleSize):$(profile_value Size4)" = "4:77" ] ||
  fail "the puzzle of the second start was not played: $(profile_value PuzzleSize):$(profile_value Size4)"
echo "PASS"
