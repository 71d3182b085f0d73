#!/usr/bin/python3
"""The game as a screen reader meets it: through AT-SPI, and through Orca.

Reads the accessibility tree the way a reader does (the board's squares and
cells, every clue's sentence, the toolbar's buttons and the labels). Then
Orca itself runs, speaking through speech-dispatcher's dummy output, and the
test plays a 4 x 4 puzzle to the congratulations with keys alone, checking
what Orca SAYS (the "SPEECH OUTPUT" lines of its debug log): the cell under
the cursor, a candidate removed and brought back, a wrong choice, a solved
square in a few words, the keypad's Enter pressing nothing, the pause, a clue
hidden and shown, the clue panel's menu, another board size said once and a
player's name the new player's dialog refuses.

Usage: dbus-run-session -- python3 screen_reader.py GAME
(run by screen_reader.sh, which skips when a piece is missing). Exit 77 to
skip, 1 on failure. TRANSCRIPT=FILE keeps what Orca said.
"""
import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

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
# How long one thing Orca should say may take on a loaded machine.
WAIT = 30

SPOKEN = []  # what Orca said, in order
SPOKEN_LOCK = threading.Lock()


def transcript():
    with SPOKEN_LOCK:
        return list(SPOKEN)


def fail(message):
    if os.environ.get("TRANSCRIPT"):
        with open(os.environ["TRANSCRIPT"], "w") as f:
            f.write("\n".join(transcript()) + "\n")
    print("FAIL: " + message, file=sys.stderr)
    for log in ("orca.out", "game.log"):
        try:
            with open(os.path.join(TMP, log), errors="replace") as f:
                lines = f.read().splitlines()[-15:]
        except OSError:
            continue
        if lines:
            print("%s ends:\n  %s" % (log, "\n  ".join(lines)), file=sys.stderr)
    sys.exit(1)


try:
    import pyatspi
    from gi.repository import GLib
except ImportError as e:
    print("SKIP: pyatspi is not installed (%s)" % e)
    sys.exit(SKIP)

for tool in ("Xvfb", "openbox", "xdotool", "xprop", "orca", "speech-dispatcher"):
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
                p.wait(10)
    if not os.environ.get("KEEP_TMP"):
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
        time.sleep(0.02)
    return until()


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def walk(obj, depth=0):
    yield obj
    if depth < 12:
        for i in range(obj.childCount):
            child = obj.getChildAtIndex(i)
            if child is not None:
                yield from walk(child, depth + 1)


# --- Orca ----------------------------------------------------------------------
# Orca is started through its own launcher script, with two changes: it stays
# out of the way of readers other sessions on this machine run (Orca refuses
# to start beside another "orca" process of the same user, and names itself
# so), and it never gives up on a slow machine as hung.
ORCA_LAUNCHER = r"""
import runpy, sys
import orca.settings
namespace = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
main = namespace["main"]
main.__globals__["otherOrcas"] = lambda: []
main.__globals__["setProcessName"] = lambda name: False
orca.settings.timeoutTime = 0
sys.argv[0] = "orca"
sys.exit(main())
"""


SPEECH_LINE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?(?:\{.*\})?\s*$")


def read_debug(fd, log):
    """Collects the SPEECH OUTPUT lines of Orca's debug output as they come.

    The debug file is a terminal: Orca writes a file block by block, but a
    terminal line by line, so every line arrives as it is written."""
    pending = b""
    while True:
        try:
            chunk = os.read(fd, 65536)
        except OSError:
            break
        if not chunk:
            break
        log.write(chunk)
        pending += chunk
        *lines, pending = pending.split(b"\n")
        for line in lines:
            # "12:00:01.5 - SPEECH OUTPUT: 'Board.'{'established': False}"
            m = SPEECH_LINE.search(line.decode("utf-8", "replace"))
            if m:
                with SPOKEN_LOCK:
                    SPOKEN.append(m.group(1).strip())
    log.close()


def start_orca(env):
    # speech-dispatcher with the dummy output module and no sound device: a
    # configuration and a socket of this run's own.
    speechd = os.path.join(TMP, "speechd")
    os.makedirs(speechd)
    with open(os.path.join(speechd, "speechd.conf"), "w") as f:
        f.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                'AudioOutputMethod "alsa"\nAudioALSADevice "null"\nLogLevel 2\n')
    socket = os.path.join(speechd, "socket")
    PROCS.append(subprocess.Popen(
        ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", speechd, "--socket-path", socket,
         "--log-dir", speechd, "--pid-file", os.path.join(speechd, "pid")],
        env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    deadline = time.monotonic() + WAIT
    while not os.path.exists(socket):
        if PROCS[-1].poll() is not None or time.monotonic() > deadline:
            fail("speech-dispatcher did not start (status %s)" % PROCS[-1].poll())
        time.sleep(0.05)
    env = dict(env, SPEECHD_ADDRESS="unix_socket:" + socket)

    master, slave = pty.openpty()
    tty.setraw(slave)
    prefs = os.path.join(TMP, "orca")
    os.makedirs(prefs)
    PROCS.append(subprocess.Popen(
        ["/usr/bin/python3", "-c", ORCA_LAUNCHER, "--user-prefs", prefs, "--debug-file", os.ttyname(slave)],
        env=env, stdin=subprocess.DEVNULL, stdout=open(os.path.join(TMP, "orca.out"), "w"),
        stderr=subprocess.STDOUT))
    # The slave end stays open here too: without it, the master reads an
    # error until Orca has opened its end.
    threading.Thread(target=read_debug, args=(master, open(os.path.join(TMP, "orca.debug"), "wb")),
                     daemon=True).start()
    said(0, r"^Screen reader on\.?$", "Orca starting")


def plain(text):
    """What Orca said without its role word for announcements and the end dot."""
    text = re.sub(r"^notification ", "", text)
    return re.sub(r"\.$", "", text)


def said_since(start, pattern):
    for text in transcript()[start:]:
        if re.search(pattern, plain(text)):
            return plain(text)
    return None


def said(start, pattern, what):
    """Waits until Orca has said something matching pattern since start."""
    found = []
    pump(WAIT, lambda: found.append(said_since(start, pattern)) or found[-1] is not None)
    if found[-1] is None:
        fail("%s: Orca said nothing matching /%s/ in %d s; it said:\n  %s"
             % (what, pattern, WAIT, "\n  ".join(transcript()[start:]) or "nothing"))
    return found[-1]


def say(keys, pattern, what):
    """Presses keys and waits until Orca says something matching pattern."""
    start = len(transcript())
    key(*keys)
    return said(start, pattern, what)


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
    home = os.path.join(TMP, "home")
    os.makedirs(home)
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(TMP, "config"), SDL_AUDIODRIVER="dummy",
               QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=home,
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
               GSETTINGS_BACKEND="memory")
    env["LSAN_OPTIONS"] = "suppressions=%s/lsan.supp" % TMP + (
        ":" + env["LSAN_OPTIONS"] if env.get("LSAN_OPTIONS") else "")
    env.pop("WAYLAND_DISPLAY", None)
    env.pop("SPEECHD_ADDRESS", None)
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
    # Nothing a reader stops at without knowing what it is: the toolbar's
    # grooves and the panels' dividers are separators.
    for role, name, obj in everything:
        if role == "unknown" or (role == "frame" and name != "Quillmere - Logic Challenge"):
            fail("a %s named %r in the tree" % (role, name))
    separators = sum(1 for role, name, obj in everything if role == "separator")
    if separators < 8:
        fail("only %d separators in the tree" % separators)
    print("tree: 16 squares, %d clues, %d toolbar buttons, labels %s" % (len(sentences), len(buttons), labels))

    # --- 2. playing by keys, with Orca ---------------------------------------------
    win = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quillmere - Logic Challenge$"],
                         capture_output=True, text=True).stdout.split()
    if not win:
        fail("no game window on the display")
    subprocess.run(["xdotool", "windowactivate", "--sync", win[0]], check=True)
    start_orca(env)

    # Another puzzle is said, and back to this one.
    for step, number in (("Next", 18), ("Prior", 17)):
        say([step], r"^Puzzle No\. %d, board 4 x 4 \(Easiest\)$" % number, "the puzzle after %s" % step)

    # The first key shows where the cursor stands: the first cell.
    cell = r"^Column (\d), (\w+): (\w+), possible$"
    focus = say(["Right"], cell, "the cursor's first cell")
    # Delete removes a candidate and brings it back, unless it is the right
    # one: trying to remove that is a mis-click.
    misclicks = 0
    for attempt in range(4):
        tile = re.match(cell, focus).group(3)
        outcome = say(["Delete"], r"^%s removed$|wrong choice" % tile, "Delete on %r" % focus)
        if "wrong choice" not in outcome:
            break
        misclicks += 1
        focus = say(["shift+Right"], cell, "moving on from %r" % focus)
    say(["Delete"], r"^%s possible again$" % tile, "Delete again on %r" % focus)

    # The keypad's Enter is Orca's Where Am I: Orca says where the cursor
    # stands, and the game presses nothing (a press is always heard: a tile
    # placed, or a wrong choice).
    start = len(transcript())
    key("KP_Enter")
    said(start, r"^%s, possible$" % re.escape(focus.rsplit(", ", 1)[0]), "Where Am I on %r" % focus)
    key("shift+Right")
    moved = said(start, r"^Column \d, \w+: \w+(, possible|, removed)?$", "moving on after Where Am I")
    for text in transcript()[start:]:
        if re.search(r"wrong choice|removed$", plain(text)) or re.fullmatch(r"Column \d, \w+: \w+", plain(text)):
            fail("the keypad's Enter pressed the cell: Orca said %r" % text)
    focus = moved

    # The pause: the board is not read while it is dark, and a press says why.
    say(["p"], r"^The game is paused\. Press P to go on\.?$", "the pause")
    if not pump(WAIT, lambda: board.childCount == 0):
        fail("the paused board still shows %d squares to the reader" % board.childCount)
    say(["space"], r"^The game is paused\. Press P to go on\.?$", "a press while paused")
    say(["p"], r"^The game goes on\.?$", "the end of the pause")
    if not pump(WAIT, lambda: board.childCount == 16):
        fail("the board shows %d squares after the pause" % board.childCount)

    # "Give me a clue!" says its step and what it cost; T says the time, the
    # progress and that penalty.
    say(["ctrl+h"], r"(removed|belongs).* 20 seconds? added to the time$", "Give me a clue! and what it cost")
    say(["t"], r"^Time: 0:\d\d:\d\d\. Progress: .*\. The last penalty: 20 seconds?, for a clue$",
        "the time, the progress and the last penalty")

    # The clues: Tab goes to the list on the right, Space hides a clue and
    # shows it again; Tab twice comes back to the board. One key at a time,
    # each once the last was heard: with a reader listening, Qt hands every
    # key to the widget that had the focus when it was typed.
    a_clue = "^(%s)$" % "|".join(re.escape(sentence) for sentence in sentences)
    say(["Tab"], a_clue, "Tab to the clues")
    say(["space"], r"^Clue hidden$", "hiding a clue")
    say(["space"], r"^Clue shown$", "showing the clue again")
    say(["Tab"], r"^Clues about columns$", "Tab to the clues below")
    # Back on the board the cursor shows where it stood.
    focus = say(["Tab"], r"^Column \d, \w+: \w+, possible$", "Tab back to the board")

    # Play: Space on each cell still possible until the board is full. A
    # placed square says its tile in a few words, a wrong tile says so, the
    # squares that follow are announced.
    presses = placed = 0
    while True:
        if focus.endswith(", possible"):
            place = focus.rsplit(", ", 1)[0]
            outcome = say(["space"], r"wrong choice|^%s$" % re.escape(place), "pressing %r" % focus)
            presses += 1
            if "wrong choice" in outcome:
                misclicks += 1
                if not re.search(r"wrong choice! 5 seconds? added to the time$", outcome):
                    fail("a mis-click did not say what it cost: %r" % outcome)
            else:
                placed += 1
        # What Orca said came after the press and all it solved: the board as
        # the reader reviews it now is the board after the press.
        if all(re.fullmatch(r"Column \d, \w+: \w+", s.name) for s in squares):
            break
        if presses >= 64:
            fail("%d presses did not solve 16 squares" % presses)
        # On to the next cell (Shift: the arrows alone go square by square);
        # the cursor also stops on removed ones and solved squares.
        focus = say(["shift+Right"], r"^Column \d, \w+: \w+(, possible|, removed)?$", "moving on from %r" % focus)
    said(0, r"^Congratulations! The puzzle is solved\. Time: ", "the last square")
    # The clue panel's menu opens from the keys, its one item "Show All".
    say(["Tab"], a_clue, "Tab to the clues of the solved puzzle")
    say(["space"], r"^Clue hidden$", "hiding a clue of the solved puzzle")
    say(["Menu"], r"^Show All$", "the clue panel's menu")
    say(["Return"], r"^Every clue is shown$", "Show All from the keys")

    # Another board size from the keys is said once.
    say(["ctrl+b"], r"^List with 6 items$", "the size list")
    say(["Down"], r"^5 x 5 \(Easy\)$", "the next size in the list")
    start = len(transcript())
    key("Return")
    said(start, r"^Puzzle No\. \d+, board 5 x 5 \(Easy\)$", "the new board size")
    say(["p"], r"^The game is paused\. Press P to go on\.?$", "the pause after the new size")
    told = [t for t in transcript()[start:] if re.search(r"board 5 x 5", t)]
    if len(told) != 1:
        fail("the new board size was said %d times: %s" % (len(told), told))

    # A player's name the new player's dialog refuses is said, not only shown
    # in red.
    # Alt+L again where the letter went astray (Qt waits on the reader for
    # every key, and on a loaded machine one may be lost after Alt).
    for attempt in range(3):
        start = len(transcript())
        subprocess.run(["xdotool", "keydown", "alt", "key", "l", "keyup", "alt"], check=True)
        if pump(WAIT // 3, lambda: said_since(start, r"^Create New Player$") is not None):
            break
        key("Escape")
    else:
        said(start, r"^Create New Player$", "the Players menu")
    say(["Return"], r"^Your name:", "the new player's dialog")
    say(["Return"], r"^A player name cannot be empty\.?$", "an empty name refused")
    # Cancel is pressed through the reader, not with a key: Qt's reader bridge
    # keeps its copy of a key whose window closes under it (a leak of Qt's
    # that the sanitized build would report).
    cancel = [o for r, n, o in tree() if r == "push button" and n == "Cancel"]
    if not cancel:
        fail("the new player's dialog has no Cancel button")
    start = len(transcript())
    cancel[0].queryAction().doAction(0)
    said(start, r"^Quillmere - Logic Challenge", "the dialog closed")
    if not misclicks or not placed:
        fail("the play heard %d wrong choices and %d squares placed" % (misclicks, placed))
    # The squares nobody pressed were solved by the cascade, and said so.
    if not said_since(0, r"^Column \d, \w+: \w+, placed"):
        fail("no square solved by the cascade was announced")
    # A solved square is read as its tile alone, never its removed candidates.
    for text in transcript():
        if re.search(r"removed Column", text):
            fail("Orca read a square's removed candidates: %r" % text)
    print("played: %d presses, %d mis-clicks, Orca said %d things" % (presses, misclicks, len(transcript())))
    if os.environ.get("TRANSCRIPT"):
        with open(os.environ["TRANSCRIPT"], "w") as f:
            f.write("\n".join(transcript()) + "\n")
    game.terminate()
    if game.wait(20) != 0:
        fail("the game ended with status %d after SIGTERM" % game.returncode)


try:
    main()
finally:
    cleanup()
