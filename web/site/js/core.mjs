// The game core in the page: the desktop's controller, rules and stored
// formats compiled to WebAssembly (core.js and core.wasm). Every function
// here calls the core and hands back what it said; no rule of the game is
// decided in JavaScript.

// The module core.js made (its factory's result) wrapped in plain calls.
export function wrapCore(M) {
  const text = (ptr) => M.UTF8ToString(ptr);
  const json = (ptr) => JSON.parse(text(ptr));
  // Bytes copied into the core's memory for the length of one call.
  const withBytes = (bytes, call) => {
    const at = M._qm_alloc(bytes.length);
    try {
      M.HEAPU8.set(bytes, at);
      return call(at, bytes.length);
    } finally {
      M._qm_free(at);
    }
  };
  const encode = (s) => new TextEncoder().encode(s);
  const withText = (s, call) => withBytes(encode(`${s}\0`), (at) => call(at));
  const flag = (on) => (on ? 1 : 0);

  return {
    // --- the game; each command returns {events: [...], ...} -------------
    setUp: (size, number, difficulty) => json(M._qm_setup(size, number, difficulty)),
    restart: () => json(M._qm_restart()),
    setDifficulty: (difficulty) => json(M._qm_set_difficulty(difficulty)),
    setTimed: (on) => json(M._qm_set_timed(flag(on))),
    pause: (on) => json(M._qm_pause(flag(on))),
    // A window of the page stands over the game (true) or has gone (false).
    window: (on) => json(M._qm_window(flag(on))),
    press: (c, r, q, right) => json(M._qm_press(c, r, q, flag(right))),
    pressBeside: () => json(M._qm_press_beside()),
    messageShown: () => json(M._qm_message_shown()),
    tick: () => json(M._qm_tick()),
    giveClue: () => json(M._qm_give_clue()),
    prove: () => json(M._qm_prove()),
    toggleClue: (vertical, index) => json(M._qm_toggle_clue(flag(vertical), index)),
    showAllClues: (vertical) => json(M._qm_show_all_clues(flag(vertical))),
    outlineClue: (vertical, index) => json(M._qm_outline_clue(flag(vertical), index)),
    // The whole game for drawing.
    state: () => json(M._qm_state()),
    // The hint pane's pieces for clue index of a panel (-1: the two-places
    // rule, -2: the board's note); step: explain the step taken last.
    hint: (vertical, index, step) => json(M._qm_hint(flag(vertical), index, flag(step))),

    // --- the stored formats ------------------------------------------------
    // The game on the board as the desktop's saved-game file (text).
    save: () => text(M._qm_save()),
    // A saved game's bytes (Uint8Array or string), checked as the desktop
    // checks it: {events} when it is on the board, {error: message} when not.
    load: (bytes) =>
      withBytes(typeof bytes === "string" ? encode(bytes) : bytes, (at, n) => json(M._qm_load(at, n))),
    scoreLine: (f, player) =>
      withText(player, (at) =>
        text(M._qm_score_line(f.number, f.size, at, f.time, f.errors, f.clues, f.difficulty)),
      ),
    // {number, size, player, time, errors, clues, difficulty, score} or {error}.
    readScoreLine: (line) => withBytes(encode(line), (at, n) => json(M._qm_read_score_line(at, n))),

    // --- puzzle numbers ------------------------------------------------------
    dailyNumber: (year, month, day) => M._qm_daily_number(year, month, day),
    clampNumber: (number) => M._qm_clamp_number(number),
    // The sizes on offer, easiest first: [[size, label], ...].
    boardSizes: () => json(M._qm_board_sizes()),
    // The hint pane's templates: {kinds: {name: {hint, step}}, twoPlaces,
    // stepRemoved, stepPlaced}, English, translated as ("Hints", source).
    hintTexts: () => json(M._qm_hint_texts()),
    // The text typed for "Go to" as a puzzle number, junk the first puzzle.
    parseNumber: (typed) => withText(typed, (at) => M._qm_parse_number(at)),
    // The random jump's number, drawn as the desktop draws it.
    randomNumber: () => M._qm_random_number(),
    // "6:1234": {size, number} or {problem: "form" | "size" | "number"}.
    readAddress: (address) => withText(address, (at) => json(M._qm_read_address(at))),
    // The puzzle tool's JSON line for a request (a puzzle apart from the game).
    puzzleJson: (size, number, difficulty, steps) =>
      text(M._qm_puzzle_json(size, number, difficulty, steps)),
    // The page's own texts: {key: English source}, translated as ("Web", source).
    webTexts: () => json(M._qm_web_texts()),

    // --- the keyboard cursor -----------------------------------------------
    // Each returns where it stands: {moved, active, pane ("board",
    // "horizontal", "vertical"), c, r, q, horizontal, vertical}.
    cursor: () => json(M._qm_cursor()),
    // The keys are in use in a pane: "board", "horizontal" or "vertical".
    cursorShow: (pane) => json(M._qm_cursor_show(pane === "horizontal" ? 1 : pane === "vertical" ? 2 : 0)),
    // A press with the mouse puts it away (on a board cell, it stays there).
    cursorMouse: (c, r, q) => json(M._qm_cursor_mouse(c, r, q)),
    // The arrows, square by square or with cells true cell by cell.
    cursorStep: (dx, dy, cells) => json(M._qm_cursor_step(dx, dy, flag(cells))),
    cursorMoveTo: (c, r) => json(M._qm_cursor_move_to(c, r)),
    cursorChoose: (q) => json(M._qm_cursor_choose(q)),
    cursorClue: (vertical, step) => json(M._qm_cursor_clue(flag(vertical), step)),
    // The tile under the board's cursor and the clues naming it:
    // {row, tile, horizontal: [index...], vertical: [index...]}.
    cluesNaming: () => json(M._qm_clues_naming()),
  };
}

// Starts the core: factory is QuillmereCore from core.js (a global in the
// page); options go to it (wasmBinary, locateFile).
export async function loadCore(factory, options = {}) {
  return wrapCore(await factory(options));
}
