# Shared by the desktop tests: a fresh data folder, bounded waits, clean-up.
# Sourced; GAME is the game program, RUNTIME its folder (tiles/, sounds/).

SKIP=77
# The tests look for the windows by their English titles, whatever the
# desktop speaks.
unset LANGUAGE
export LC_ALL=C.UTF-8
TMP=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-desktop.XXXXXX")
PIDS=()

cleanup() {
  local i
  # The games and helpers first, the display servers last.
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
    kill "${PIDS[i]}" 2>/dev/null
    wait "${PIDS[i]}" 2>/dev/null
  done
  rm -rf "$TMP"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$TMP/game.log" ]; then
    echo "--- the game's output:" >&2
    grep -v '^\[' "$TMP/game.log" | tail -n 25 >&2
  fi
  exit 1
}

need() {
  local program
  for program in "$@"; do
    command -v "$program" >/dev/null || { echo "SKIP: $program is not installed"; exit $SKIP; }
  done
}

# wait_for SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds.
wait_for() {
  local tries=$(($1 * 20))
  shift
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# A data folder of its own with the built tiles and sounds, and a settings
# store of its own without the splash.
make_data_folder() {
  DATA=$TMP/data
  mkdir -p "$DATA/Players/Saved Games" "$TMP/config/Vantor"
  ln -s "$RUNTIME/tiles" "$DATA/tiles"
  ln -s "$RUNTIME/sounds" "$DATA/sounds"
  printf '[Options]\nShowSplash=0\n' >"$TMP/config/Vantor/Quillmere.conf"
  export XDG_CONFIG_HOME=$TMP/config SDL_AUDIODRIVER=dummy
  # Fontconfig never frees its caches, nor libdbus the connection Qt's
  # desktop theme opens; LeakSanitizer builds would say so at every exit.
  printf 'leak:libfontconfig.so\nleak:libdbus-1.so\n' >"$TMP/lsan.supp"
  export LSAN_OPTIONS="suppressions=$TMP/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
}

# profile_value KEY: the key's value in the Guest profile, or nothing.
profile_value() {
  sed -n "s/^$1=//p" "$DATA/Players/Guest.ini" 2>/dev/null | tr -d '\r'
}

# ended PID: the child has ended (a zombie until it is waited for).
ended() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)
  [ -z "$state" ] || [ "$state" = Z ]
}

# finish PID SECONDS: waits for the game to end, killing it after SECONDS;
# STATUS is its exit status.
finish() {
  wait_for "$2" ended "$1" || kill -KILL "$1" 2>/dev/null
  STATUS=0
  wait "$1" || STATUS=$?
}

# stop_game PID: ends the game with SIGTERM; it must store its records and end with 0.
stop_game() {
  kill -TERM "$1"
  finish "$1" 20
  [ "$STATUS" = 0 ] || fail "the game ended with status $STATUS after SIGTERM"
}
