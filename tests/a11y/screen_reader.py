#!/usr/bin/python3
"""The game as a screen reader meets it, through AT-SPI.

Reads the accessibility tree the way a reader does (the board's squares and
cells, every clue's sentence, the toolbar's buttons and the labels), then
plays a 4 x 4 puzzle to the congratulations with keys alone, following only
what the reader is told: the focus the keyboard cursor moves, the names that
change under it and the announcements.

Usage: dbus-run-session -- python3 screen_reader.py GAME
(run by screen_reader.sh, which skips when a piece is missing). Exit 77 to
skip, 1 on failure. TRANSCRIPT=FILE keeps what the reader was told.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
PUZZLE = "4:17"
# The clue sentences with X for the tiles.
CLUE_SHAPES = {
    "The X is directly between the X and the X (the outer two tiles may be swapped over)",
    "The X and the X are both in the same column",
    "The X is not directly next to X",
    "The X and the X and the X are all in the same column",
    "The X is at least one column to the left of the X",
}


def fail(message):
    if os.environ.get("TRANSCRIPT"):
        with open(os.environ["TRANSCRIPT"], "w") as f:
            f.write("\n".join("%s [%s]: %s" % e for e in EVENTS) + "\n")
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


try:
    import pyatspi
    from gi.repository import GLib
except ImportError as e:
    print("SKIP: pyatspi is not installed (%s)" % e)
    sys.exit(SKIP)

for tool in ("Xvfb", "openbox", "xdotool", "xprop"):
    if not shutil.which(tool):
        print("SKIP: %s is not installed" % tool)
        sys.exit(SKIP)

GAME = os.path.abspath(sys.argv[1])
RUNTIME = os.path.dirname(GAME)
TMP = tempfile.mkdtemp(prefix="quillmere-a11y.")
PROCS = []


def cleanup():
    for p in reversed(PROCS):
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(10)
            except subprocess.TimeoutExpired:
                p.kill()
    shutil.rmtree(TMP, ignore_errors=True)


def pump(seconds, until=lambda: False):
    """Runs the event loop for up to seconds, or until until() holds."""
    ctx = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while ctx.pending():
            ctx.iteration(False)
        if until():
            return True
        time.sleep(0.01)
    return until()


# --- what the reader is told ------------------------------------------------
EVENTS = []  # (kind, role, name)


def on_event(event):
    try:
        role = event.source.getRoleName()
        name = event.source.name
    except Exception:  # the object went while the event travelled
        return
    if event.type.startswith("object:state-changed:showing"):
        if event.detail1 and role == "notification":
            EVENTS.append(("announce", role, name))
    elif event.type.startswith("object:state-changed:focused"):
        if event.detail1:
            EVENTS.append(("focus", role, name))
    elif event.type.startswith("object:property-change:accessible-name"):
        if event.source.getState().contains(pyatspi.STATE_FOCUSED):
            EVENTS.append(("name", role, name))


def told_since(start, kinds, pattern):
    for kind, _, name in EVENTS[start:]:
        if kind in kinds and re.search(pattern, name or ""):
            return name
    return None


def wait_told(start, kinds, pattern, seconds, what):
    found = []
    pump(seconds, lambda: found.append(told_since(start, kinds, pattern)) or found[-1] is not None)
    if found[-1] is None:
        fail("%s: nothing matched /%s/ in %.0f s; the reader was told:\n  %s"
             % (what, pattern, seconds, "\n  ".join("%s: %s" % (k, n) for k, _, n in EVENTS[start:]) or "nothing"))
    return found[-1]


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def walk(obj, depth=0):
    yield obj
    if depth < 12:
        for i in range(obj.childCount):
            child = obj.getChildAtIndex(i)
            if child is not None:
                yield from walk(child, depth + 1)


def main():
    data = os.path.join(TMP, "data")
    os.makedirs(os.path.join(data, "Players", "Saved Games"))
    os.makedirs(os.path.join(TMP, "config", "Vantor"))
    for folder in ("tiles", "sounds"):
        os.symlink(os.path.join(RUNTIME, folder), os.path.join(data, folder))
    with open(os.path.join(TMP, "config", "Vantor", "Quillmere.conf"), "w") as f:
        f.write("[Options]\nShowSplash=0\n")
    with open(os.path.join(TMP, "lsan.supp"), "w") as f:
        f.write("leak:libfontconfig.so\nleak:libdbus-1.so\n")
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(TMP, "config"), SDL_AUDIODRIVER="dummy",
               QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env["LSAN_OPTIONS"] = "suppressions=%s/lsan.supp" % TMP + (
        ":" + env["LSAN_OPTIONS"] if env.get("LSAN_OPTIONS") else "")
    env.pop("WAYLAND_DISPLAY", None)
    # The words checked are the English ones, whatever the desktop speaks.
    env.pop("LANGUAGE", None)
    env["LC_ALL"] = "C.UTF-8"

    # A display and a window manager of our own.
    rfd, wfd = os.pipe()
    PROCS.append(subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1280x1024x24", "-nolisten",
                                   "tcp"], pass_fds=(wfd,), stderr=subprocess.DEVNULL))
    os.close(wfd)
    # The pipe stays open: Xvfb may write to it again, and a closed pipe kills it.
    display = os.read(rfd, 64).decode().strip()
    if not display:
        fail("Xvfb did not start")
    env["DISPLAY"] = os.environ["DISPLAY"] = ":" + display
    PROCS.append(subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    deadline = time.monotonic() + 20
    while b"window id" not in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                            capture_output=True).stdout:
        if time.monotonic() > deadline:
            fail("openbox did not start")
        time.sleep(0.05)

    # The reader listens before the game starts, so the game sends it all.
    for kind in ("object:state-changed:showing", "object:state-changed:focused",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(on_event, kind)

    log = open(os.path.join(TMP, "game.log"), "w")
    game = subprocess.Popen([GAME, "--data-dir", data, "--puzzle", PUZZLE], env=env, stdout=log,
                            stderr=subprocess.STDOUT)
    PROCS.append(game)

    app = []

    def find_app():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            if a is not None and (a.name or "").lower() == "quillmere":
                app.append(a)
                return True
        return game.poll() is not None

    if not pump(30, find_app) or not app:
        fail("the game did not appear on the accessibility bus (status %s)" % game.poll())

    # --- 1. the tree ---------------------------------------------------------
    def tree():
        return [(o.getRoleName(), o.name or "", o) for o in walk(app[0])]

    board = []
    pump(20, lambda: bool(board.extend(o for r, n, o in tree() if r == "table" and n == "Board")) or bool(board))
    if not board:
        fail("no table named \"Board\" in the tree")
    board = board[0]
    squares = [board.getChildAtIndex(i) for i in range(board.childCount)]
    if len(squares) != 16:
        fail("the 4 x 4 board has %d squares" % len(squares))
    table = board.queryTable()
    if (table.nRows, table.nColumns) != (4, 4):
        fail("the board's table is %d x %d" % (table.nRows, table.nColumns))
    rows = [table.getRowDescription(r) for r in range(4)]
    if rows != ["Animals", "Fruit", "Vegetables", "Vehicles"]:
        fail("the rows are named %s" % rows)
    tiles = {}  # row name -> its four tile names
    for i, square in enumerate(squares):
        c, r = i % 4 + 1, i // 4 + 1
        m = re.fullmatch(r"Column (\d), ([\w ]+): (\w[\w ]*), (\w[\w ]*), (\w[\w ]*) or (\w[\w ]*)", square.name)
        if not m or m.group(1) != str(c) or m.group(2) != rows[r - 1]:
            fail("square (%d, %d) is named %r" % (c, r, square.name))
        if table.getAccessibleAt(r - 1, c - 1).name != square.name:
            fail("the table's cell (%d, %d) is not the square named so" % (r - 1, c - 1))
        names = list(m.groups()[2:])
        tiles.setdefault(rows[r - 1], names)
        if tiles[rows[r - 1]] != names or square.childCount != 4:
            fail("square (%d, %d) holds %s in %d cells" % (c, r, names, square.childCount))
        for q in range(4):
            want = "Column %d, %s: %s, possible" % (c, rows[r - 1], names[q])
            if square.getChildAtIndex(q).name != want:
                fail("cell %d of square (%d, %d) is %r, not %r" % (q + 1, c, r, square.getChildAtIndex(q).name, want))
    if tiles["Animals"] != ["Dog", "Cat", "Mouse", "Rabbit"]:
        fail("the animals are %s" % tiles["Animals"])
    every_tile = {n for names in tiles.values() for n in names}

    everything = tree()
    lists = {n: o for r, n, o in everything if r == "list" and n.startswith("Clues about")}
    if sorted(lists) != ["Clues about columns", "Clues about order"]:
        fail("the clue lists are %s" % sorted(lists))
    sentences = []
    for name, lst in lists.items():
        for i in range(lst.childCount):
            sentence = lst.getChildAtIndex(i).name
            # The hint pane's words, a tile of the board's in every place a picture has.
            shape = sentence
            for tile in sorted(every_tile, key=len, reverse=True):
                shape = shape.replace(tile, "X")
            if shape not in CLUE_SHAPES:
                fail("clue %d of %r reads %r" % (i + 1, name, sentence))
            sentences.append(sentence)
    if len(sentences) < 4:
        fail("only %d clues" % len(sentences))

    buttons = {n: o for r, n, o in everything if r in ("push button", "check box", "toggle button")}
    for name in ("Open Saved Game", "Save", "Previous", "Next", "Restart", "Pause", "Show Hints",
                 "Give me a clue!", "Options", "Zoom Small Tiles"):
        if name not in buttons or not buttons[name].description:
            fail("no toolbar button %r with a description (buttons: %s)" % (name, sorted(buttons)))
    labels = [n for r, n, o in everything if r == "label"]
    for pattern in (r"^Player: Guest$", r"^Puzzle No\. 17$", r"^Progress: 0 ", r"^Time: "):
        if not any(re.search(pattern, n) for n in labels):
            fail("no label matching /%s/ among %s" % (pattern, labels))
    print("tree: 16 squares, %d clues, %d toolbar buttons, labels %s" % (len(sentences), len(buttons), labels))

    # --- 2. playing by keys ------------------------------------------------------
    win = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quillmere - Logic Challenge$"],
                         capture_output=True, text=True).stdout.split()
    if not win:
        fail("no game window on the display")
    subprocess.run(["xdotool", "windowactivate", "--sync", win[0]], check=True)
    pump(0.5)

    # Another puzzle is said, and back to this one.
    for step, number in (("Next", 18), ("Prior", 17)):
        start = len(EVENTS)
        key(step)
        wait_told(start, ("announce",), r"^Puzzle No\. %d, board 4 x 4 \(Easiest\)$" % number, 5,
                  "the puzzle after %s" % step)

    start = len(EVENTS)
    key("ctrl+h")
    wait_told(start, ("announce",), r"^The .*(removed|belongs).* 20 second(?:s|\(s\))? added to the time\.$", 5,
              "Give me a clue! and what it cost")
    start = len(EVENTS)
    key("t")
    wait_told(start, ("announce",), r"^Time: 0:00:\d\d\. Progress: .*\. The last penalty: 20 second(?:s|\(s\))?, for a clue\.$",
              5, "the time, the progress and the last penalty")
    start = len(EVENTS)
    key("p")
    wait_told(start, ("announce",), r"paused", 5, "the pause")
    start = len(EVENTS)
    key("p")
    wait_told(start, ("announce",), r"goes on", 5, "the end of the pause")

    # The clues: Tab goes to the list on the right, Space hides a clue and
    # shows it again; Tab twice comes back to the board.
    start = len(EVENTS)
    key("Tab")
    clue = wait_told(start, ("focus",), r"^The ", 5, "Tab to the clues")
    if clue not in sentences:
        fail("the focus went to %r, no clue of the lists" % clue)
    start = len(EVENTS)
    key("space")
    wait_told(start, ("name",), "^" + re.escape(clue) + r" \(hidden\)$", 5, "hiding a clue")
    start = len(EVENTS)
    key("space")
    wait_told(start, ("name",), "^" + re.escape(clue) + "$", 5, "showing the clue again")
    start = len(EVENTS)
    key("Tab", "Tab")
    wait_told(start, ("focus",), r"^Board$", 5, "Tab back to the board")

    start = len(EVENTS)
    key("Right")  # the first key shows where the cursor stands
    focus = wait_told(start, ("focus",), r"^Column \d, \w+: \w+, possible$", 5, "the cursor's first cell")
    presses = misclicks = 0
    # Delete removes the candidate and brings it back, unless it is the right
    # one: trying to remove that is a mis-click.
    start = len(EVENTS)
    key("Delete")
    removed = focus.replace(", possible", ", removed")
    if wait_told(start, ("name", "announce"), "^" + re.escape(removed) + "$|wrong choice", 5,
                 "Delete on %r" % focus) == removed:
        start = len(EVENTS)
        key("Delete")
        wait_told(start, ("name",), "^" + re.escape(focus) + "$", 5, "Delete on %r" % removed)
    while True:
        start = len(EVENTS)
        key("space")
        presses += 1
        outcome = wait_told(start, ("announce", "focus", "name"), r"wrong choice|, placed", 5,
                            "pressing %r" % focus)
        if "wrong choice" in outcome:
            misclicks += 1
            if not re.search(r"wrong choice! 5 second(?:s|\(s\))? added to the time\.$", outcome):
                fail("a mis-click did not say what it cost: %r" % outcome)
        elif not outcome.startswith(focus.rsplit(",", 1)[0]):
            fail("pressing %r told %r" % (focus, outcome))
        # The board as the reader reviews it: solved, the congratulations are due.
        solved = [s.name for s in squares]
        if all(n.endswith(", placed") for n in solved):
            wait_told(start, ("announce",), r"^Congratulations! The puzzle is solved\. Time: ", 5,
                      "the last square")
            break
        if told_since(start, ("announce",), "Congratulations"):
            fail("the congratulations came over an unsolved board: %s" % solved)
        if presses >= 64:
            fail("%d presses did not solve 16 squares" % presses)
        # On to the next cell still possible, cell by cell (Shift: the arrows
        # alone go square by square); the cursor also stops on removed ones.
        focus = ""
        while not focus.endswith(", possible"):
            start = len(EVENTS)
            key("shift+Right")
            focus = wait_told(start, ("focus",), r".", 5, "moving on from %r" % (focus or outcome))
    # The squares nobody pressed were solved by the cascade, and said so.
    if not told_since(0, ("announce",), r"^Column \d, \w+: \w+, placed$"):
        fail("no square solved by the cascade was announced")
    print("played: %d presses, %d mis-clicks" % (presses, misclicks))
    transcript = "\n".join("%s [%s]: %s" % e for e in EVENTS)
    if os.environ.get("TRANSCRIPT"):
        with open(os.environ["TRANSCRIPT"], "w") as f:
            f.write(transcript + "\n")
    game.terminate()
    if game.wait(20) != 0:
        fail("the game ended with status %d after SIGTERM" % game.returncode)


try:
    main()
finally:
    cleanup()
