// Keyboard play as on the desktop: a cursor over the board's candidates and
// over the clues of each panel, kept by the core (its moves are the
// desktop's own). The arrows move it square by square (with Shift cell by
// cell), a digit picks a square's candidate, Ctrl or Alt and a digit jump to
// a column or a row, Space or Enter presses, Delete removes, C says the
// clues that name the tile; P pauses, T says the time and the progress,
// Ctrl+H gives a clue, Ctrl+S and Ctrl+O save and open a game, Ctrl+B opens
// the board sizes. A key presses the cell or clue under the cursor through
// the same calls as the mouse, so the outcomes are the mouse's own
// (mis-clicks included).
// The focus follows the cursor: each pane has one place in the Tab order,
// where its cursor stands.

import {
  boardDescription,
  clueDescription,
  cluePanelDescription,
  cluesNamingText,
  pauseNotice,
  rowName,
  say,
  timeAndProgress,
} from "./a11y.mjs";

const $ = (id) => document.getElementById(id);

const paneIds = { board: "board", horizontal: "clues-horizontal", vertical: "clues-vertical" };

// The digit key 1..9, or 10 for 0, of the main block, wherever the layout
// puts its signs; 0 for any other key. The keypad's keys are the screen
// reader's.
function digitOf(e) {
  const m = /^Digit([0-9])$/.exec(e.code ?? "");
  if (!m || e.location === KeyboardEvent.DOM_KEY_LOCATION_NUMPAD) return 0;
  return m[1] === "0" ? 10 : Number(m[1]);
}

// Keys typed into these are text, not commands.
function takesText(element) {
  if (!element) return false;
  if (element.isContentEditable) return true;
  const tag = element.tagName;
  return tag === "INPUT" || tag === "TEXTAREA" || tag === "SELECT";
}

export function attachKeyboard(ctx, actions) {
  const core = ctx.core;
  const panes = Object.fromEntries(Object.entries(paneIds).map(([pane, id]) => [pane, $(id)]));
  const paneOf = (element) => {
    for (const [pane, el] of Object.entries(panes)) if (el?.contains(element)) return pane;
    return null;
  };
  const state = () => ctx.state;
  const paused = () => state().phase === "paused" || state().phase === "finishedPaused";
  let cursor = core.cursor();
  let focusPane = null; // the pane that holds the focus, also while it is drawn anew
  let pointerFocus = false; // a press of the mouse gives the focus, not the keys
  let keepFocus = false; // the focus is being put on the cursor

  // --- where the cursor stands ----------------------------------------------

  // The element the cursor of a pane stands on: a candidate, a solved
  // square, a clue; null where there is none.
  function target(pane) {
    const el = panes[pane];
    if (!el) return null;
    if (pane === "board") {
      const square = el.querySelector(`.square[data-c="${cursor.c}"][data-r="${cursor.r}"]`);
      if (!square) return null;
      if (square.classList.contains("solved")) return square;
      return square.querySelector(`button.candidate[data-q="${cursor.q}"]`) ?? square;
    }
    const index = pane === "horizontal" ? cursor.horizontal : cursor.vertical;
    return el.querySelector(`button.clue[data-index="${index}"]`);
  }

  // One place in the Tab order per pane, where its cursor stands; the
  // descriptions in the player's language.
  function sync() {
    for (const pane of Object.keys(panes)) {
      const el = panes[pane];
      if (!el) continue;
      const stop = target(pane);
      const focusable = el.querySelectorAll(
        pane === "board" ? "button.candidate, .square.solved, .square[tabindex]" : "button.clue",
      );
      for (const item of focusable) if (item !== stop && item.tabIndex !== -1) item.tabIndex = -1;
      if (stop && stop.tabIndex !== 0) stop.tabIndex = 0;
    }
    describe();
    // A square drawn anew took the focus with it: it goes back to the cursor.
    if (focusPane && !paused()) {
      const active = document.activeElement;
      if (!active || active === document.body || !active.isConnected) focusCursor(focusPane);
    }
  }

  function describe() {
    const set = (el, name, value) => {
      if (el && el.getAttribute(name) !== value) el.setAttribute(name, value);
    };
    if (!state()) return;
    set(panes.board, "aria-description", boardDescription(ctx));
    // A row of the board is a category of tiles.
    panes.board?.querySelectorAll(".board-row").forEach((row, i) => set(row, "aria-label", rowName(ctx, i + 1)));
    for (const vertical of [false, true]) {
      const el = panes[vertical ? "vertical" : "horizontal"];
      if (!el) continue;
      // The panel's region, named by its heading, says how the keys work it.
      set(el.closest("section") ?? el, "aria-description", cluePanelDescription(ctx));
      for (const clue of el.querySelectorAll("button.clue")) set(clue, "aria-description", clueDescription(ctx));
    }
  }

  function focusCursor(pane) {
    const el = target(pane);
    if (!el || document.activeElement === el) return;
    keepFocus = true;
    el.focus();
    keepFocus = false;
  }

  // Keys are in use in pane: the cursor shows there.
  function show(pane) {
    cursor = core.cursorShow(pane);
    sync();
    focusCursor(pane);
    explain();
  }

  function moved(reply) {
    cursor = reply;
    sync();
    focusCursor(cursor.pane);
    explain();
  }

  // The cursor onto element of pane, without showing it.
  function follow(pane, element) {
    if (pane === "board") {
      const square = element.closest?.(".square");
      if (!square) return;
      const c = Number(square.dataset.c);
      const r = Number(square.dataset.r);
      const q = Number(element.closest("button.candidate")?.dataset.q ?? 0);
      const active = cursor.active && cursor.pane === "board";
      if (q) core.cursorMouse(c, r, q);
      else core.cursorMoveTo(c, r);
      if (active) core.cursorShow("board");
      return;
    }
    const clue = element.closest?.("button.clue");
    if (!clue) return;
    const vertical = pane === "vertical";
    const at = core.cursor();
    core.cursorClue(vertical, Number(clue.dataset.index) - (vertical ? at.vertical : at.horizontal));
  }

  // --- the keys ---------------------------------------------------------------

  function boardKey(e, dx, dy, remove) {
    if (dx || dy) {
      moved(core.cursorStep(dx, dy, e.shiftKey));
      return;
    }
    actions.press(cursor.c, cursor.r, cursor.q, remove);
    cursor = core.cursor();
    sync();
    focusCursor("board");
  }

  // C: the clues that name the tile under the cursor, said and shown below it.
  function sayCluesNamingTile() {
    const named = core.cluesNaming();
    if (!named.row) return;
    say(cluesNamingText(ctx, named, "; "));
    showNote(target("board"), cluesNamingText(ctx, named, "\n"));
  }

  // What the pointer resting there would show in the hint pane: on the
  // board, how to play it (the clues explain themselves as they take the
  // focus).
  function explain() {
    if (cursor.pane === "board") panes.board?.dispatchEvent(new PointerEvent("pointerenter"));
  }

  // A note where the wrong-choice message shows, below element (or, with
  // none, at the board's top right).
  function showNote(element, text) {
    const note = $("message");
    if (!note) return;
    note.textContent = text;
    note.style.whiteSpace = "pre-line";
    note.hidden = false;
    const area = note.parentElement?.getBoundingClientRect();
    const at = element?.getBoundingClientRect();
    if (area && !element) {
      note.style.left = `${Math.max(0, area.width - note.offsetWidth)}px`;
      note.style.top = "0px";
    } else if (area && at) {
      const width = note.offsetWidth;
      const left = Math.min(Math.max(0, at.left - area.left + at.width / 2 - width / 2), area.width - width);
      note.style.left = `${Math.max(0, left)}px`;
      note.style.top = `${at.bottom - area.top + 4}px`;
    }
    ctx.apply?.(core.messageShown());
  }

  function clueKey(pane, step, press) {
    const vertical = pane === "vertical";
    const list = (vertical ? state().vertical : state().horizontal) ?? [];
    moved(core.cursorClue(vertical, step));
    if (!press || !list.length) return;
    actions.toggleClue(vertical, vertical ? cursor.vertical : cursor.horizontal);
    cursor = core.cursor();
    sync();
    focusCursor(pane);
  }

  function keyDown(pane, e) {
    if (e.defaultPrevented || !state()) return;
    const ctrl = e.ctrlKey && !e.altKey && !e.metaKey;
    const alt = e.altKey && !e.ctrlKey && !e.metaKey;
    const digit = digitOf(e);
    // Ctrl and a digit jump to that column, Alt and a digit to that row.
    if (pane === "board" && digit && (ctrl || alt)) {
      e.preventDefault();
      if (!(cursor.active && cursor.pane === pane)) show(pane);
      moved(core.cursorMoveTo(ctrl ? digit : cursor.c, ctrl ? cursor.r : digit));
      return;
    }
    // Other keys with Ctrl or Alt are the browser's and the page's commands.
    if (e.ctrlKey || e.altKey || e.metaKey) return;
    const key = e.key;
    // The clue panels' menu (Show All) opens from the keys as from the mouse.
    if (pane !== "board" && (key === "ContextMenu" || (key === "F10" && e.shiftKey))) {
      e.preventDefault();
      $(pane === "vertical" ? "show-all-vertical" : "show-all-horizontal")?.click();
      return;
    }
    // The keypad's Enter is the screen reader's Where Am I: it presses nothing.
    const keypadEnter = key === "Enter" && e.location === KeyboardEvent.DOM_KEY_LOCATION_NUMPAD;
    const press = key === " " || (key === "Enter" && !keypadEnter);
    const board = pane === "board";
    const remove = board && (key === "Delete" || key === "Backspace");
    const dx = key === "ArrowLeft" ? -1 : key === "ArrowRight" ? 1 : 0;
    const dy = key === "ArrowUp" ? -1 : key === "ArrowDown" ? 1 : 0;
    const clues = board && key.toLowerCase() === "c";
    if (keypadEnter) {
      e.preventDefault();
      return;
    }
    if (!press && !remove && !(board && digit) && !clues && !dx && !dy) return;
    e.preventDefault();
    // A paused game hides the board and the clues: a key that would play or
    // read them says why it does nothing.
    if ((press || remove || clues) && paused()) {
      say(pauseNotice(ctx));
      return;
    }
    // The first key only shows where the cursor stands, so no press lands on
    // a cell the player has not seen.
    cursor = core.cursor();
    if (!(cursor.active && cursor.pane === pane)) {
      show(pane);
      return;
    }
    if (pane === "board") {
      if (clues) sayCluesNamingTile();
      else if (digit) moved(core.cursorChoose(digit));
      else boardKey(e, dx, dy, remove);
    } else if (pane === "horizontal") {
      // Two clues a row: left and right step by one, up and down by a row.
      clueKey(pane, dx + 2 * dy, press);
    } else {
      clueKey(pane, dx, press);
    }
  }

  for (const [pane, el] of Object.entries(panes)) {
    if (!el) continue;
    el.addEventListener("keydown", (e) => keyDown(pane, e));
    // Space would press the focused button once more when let go.
    el.addEventListener("keyup", (e) => {
      if (e.key === " " && !e.ctrlKey && !e.altKey && !e.metaKey) e.preventDefault();
    });
    // A press with the mouse puts the cursor away; on the board it leaves it
    // on the candidate pressed, for the next key. Taken before the board
    // draws what the press did.
    el.addEventListener(
      "pointerdown",
      (e) => {
        pointerFocus = true;
        const button = pane === "board" ? e.target.closest?.("button.candidate") : null;
        const square = button?.closest(".square");
        cursor = square
          ? core.cursorMouse(Number(square.dataset.c), Number(square.dataset.r), Number(button.dataset.q))
          : core.cursorMouse(0, 0, 0);
        // A clue pressed takes the focus: its panel's cursor goes there too.
        const clue = pane === "board" ? null : e.target.closest?.("button.clue");
        if (clue) follow(pane, clue);
        cursor = core.cursor();
        // The mouse moves no focus here: a square it solves keeps none.
        focusPane = paneOf(document.activeElement);
      },
      { capture: true },
    );
    // The focus come by the keys (Tab, or a screen reader's own moves)
    // brings the cursor: onto the candidate, square or clue focused.
    el.addEventListener("focusin", (e) => {
      focusPane = pane;
      if (keepFocus || pointerFocus) return;
      follow(pane, e.target);
      cursor = core.cursor();
      if (!(cursor.active && cursor.pane === pane)) show(pane);
    });
  }
  document.addEventListener("pointerup", () => (pointerFocus = false), { capture: true });
  document.addEventListener(
    "pointerdown",
    (e) => {
      if (!paneOf(e.target)) focusPane = null;
    },
    { capture: true },
  );
  document.addEventListener("focusin", (e) => {
    if (!paneOf(e.target)) focusPane = null;
  });

  // The window's own keys, wherever the focus is but in a text.
  document.addEventListener("keydown", (e) => {
    if (e.defaultPrevented || takesText(e.target) || e.target?.closest?.("dialog[open]")) return;
    const plain = !e.ctrlKey && !e.altKey && !e.metaKey;
    const inPanes = paneOf(e.target) !== null;
    const click = (id) => {
      e.preventDefault();
      const button = $(id);
      if (button && !button.disabled) button.click();
    };
    // The board and the clues hide while paused and the focus falls out of
    // them: a key that would play there says why it does nothing.
    const body = !e.target || e.target === document.body || e.target === document.documentElement;
    const plays = [" ", "Enter", "Delete", "Backspace", "c", "C"].includes(e.key);
    if (plain && body && focusPane && paused() && plays) {
      e.preventDefault();
      say(pauseNotice(ctx));
    } else if (plain && (e.key === "p" || e.key === "P" || e.key === "Pause")) click("pause");
    else if (plain && (e.key === "t" || e.key === "T")) {
      e.preventDefault();
      const text = timeAndProgress(ctx);
      say(text);
      showNote(null, text);
    } else if (plain && inPanes && e.key === "PageDown") click("next");
    else if (plain && inPanes && e.key === "PageUp") click("previous");
    else if (e.ctrlKey && !e.altKey && !e.metaKey && !e.shiftKey) {
      const letter = e.key.toLowerCase();
      // A clue costs time, so no key without Ctrl takes one.
      if (letter === "h") click("give-clue");
      else if (letter === "s") click("save-file");
      else if (letter === "o") click("open-file");
      else if (letter === "b") {
        // The board sizes, opened.
        e.preventDefault();
        const sizes = $("size");
        sizes?.focus();
        try {
          sizes?.showPicker?.();
        } catch {
          // Some browsers open a list only from a click; it has the focus.
        }
      }
    }
  });

  // The commands say their keys.
  for (const [id, keys] of [
    ["pause", "P Pause"],
    ["give-clue", "Control+H"],
    ["save-file", "Control+S"],
    ["open-file", "Control+O"],
    ["size", "Control+B"],
  ])
    $(id)?.setAttribute("aria-keyshortcuts", keys);

  // The board and the panels are drawn anew by the page: the Tab stops and
  // the focus follow.
  const observer = new MutationObserver(() => {
    cursor = core.cursor();
    sync();
  });
  for (const el of Object.values(panes))
    if (el) observer.observe(el, { childList: true, subtree: true, attributeFilter: ["class", "aria-label"] });
  // The pause hides the board and the clues, and its end shows them again.
  const play = $("play");
  if (play) observer.observe(play, { attributeFilter: ["class"] });
  sync();
  return { sync, show };
}
