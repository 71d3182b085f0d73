#!/bin/bash
# Runs screen_reader.py on a session bus of its own (the accessibility bus
# and its registry start on it); skips when a piece is missing.
# Usage: screen_reader.sh GAME
for python in /usr/bin/python3 python3; do
  if command -v "$python" >/dev/null && "$python" -c 'import pyatspi' 2>/dev/null; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
    # The accessibility bus puts its socket in the runtime folder: one of its
    # own, or two tests at once would share a bus.
    runtime=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-a11y-run.XXXXXX")
    trap 'rm -rf "$runtime"' EXIT
    XDG_RUNTIME_DIR=$runtime dbus-run-session -- "$python" "$(dirname "$0")/screen_reader.py" "$1"
    exit
  fi
done
echo "SKIP: python3-pyatspi is not installed"
exit 77
