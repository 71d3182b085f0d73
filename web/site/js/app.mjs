// The page's wiring: starts the game core, sets up the player's puzzle,
// forwards every press and command to the core and draws what it reports.
// No rule of the game is decided here.

import { loadCore } from "./core.mjs";
import { Catalog, fill, formatMessage, loadCatalog, pickLanguage } from "./i18n.mjs";
import { Board, squareOf, hasCandidate, showPicture, tilePicture } from "./board.mjs";
import { CluePanel } from "./clues.mjs";
import { showHint } from "./hints.mjs";
import { Sounds } from "./sounds.mjs";
import { Completion } from "./effects.mjs";

const $ = (id) => document.getElementById(id);

// The board sizes in the desktop's list, with its names for them.
const boardSizes = [
  [4, "4 x 4 (Easiest)"],
  [5, "5 x 5 (Easy)"],
  [6, "6 x 6 (Medium)"],
  [8, "8 x 8 (Hard)"],
  [9, "9 x 9 (Harder)"],
  [10, "10 x 10 (Very Hard)"],
];
const defaultSize = 6;
const defaultDifficulty = 5;
const guestName = "Guest";
// A square of these sizes opens enlarged when tapped on a narrow screen.
const enlargedSizes = 9;
const narrowScreen = "(max-width: 599px)";

// The labels the desktop has: element id -> [context, source]; "&" marks
// the desktop's shortcut letter and is left out.
const labels = {
  "give-clue": ["MainForm", "Give me a clue!"],
  pause: ["MainForm", "P&ause"],
  restart: ["MainForm", "&Restart"],
  previous: ["MainForm", "Pre&vious"],
  next: ["MainForm", "&Next"],
  "go-to": ["MainForm", "Go to Puzzle ..."],
  random: ["MainForm", "&Jump to Random Puzzle"],
  daily: ["MainForm", "Puzzle of the &Day"],
  "save-file": ["MainForm", "&Save Current Game"],
  "open-file": ["MainForm", "&Open Saved Game"],
  records: ["MainForm", "Show &High Scores"],
  "show-all-horizontal": ["MainForm", "Show All"],
  "show-all-vertical": ["MainForm", "Show All"],
  "size-label": ["Accessibility", "Board size"],
  "difficulty-label": ["MainForm", "Difficulty level"],
  "number-label": ["Session", "Enter Puzzle Number"],
  "clues-horizontal-label": ["Accessibility", "Clues about order"],
  "clues-vertical-label": ["Accessibility", "Clues about columns"],
  paused: ["TMainForm", "Your game is PAUSED"],
  "congratulations-title": ["MainForm", "CONGRATULATIONS!"],
  "congratulations-close": ["MainForm", "Click here to continue"],
  title: ["MainForm", "Quillmere - Logic Challenge"],
  "menu-puzzle-label": ["MainForm", "&Puzzle"],
  "menu-file-label": ["MainForm", "&File"],
  "menu-settings-label": ["MainForm", "&Settings"],
};
// The page's own labels: element id -> key of the core's web texts.
const webLabels = {
  sound: "sound",
  "remove-mode": "removeMode",
  share: "share",
  "enlarged-close": "close",
};

const stripShortcut = (text) => text.replace(/&(&?)/g, "$1");

// A module of another part of the page, or null while it is not there.
async function optional(path) {
  try {
    return await import(path);
  } catch {
    return null;
  }
}

async function fetchJson(path, fallback) {
  try {
    const response = await fetch(path);
    return response.ok ? await response.json() : fallback;
  } catch {
    return fallback;
  }
}

// Records kept for this visit only, for a page without its records module.
function memoryRecords() {
  let prefs = {
    language: "",
    size: defaultSize,
    difficulty: defaultDifficulty,
    sound: false,
    timed: true,
    player: guestName,
    numbers: {},
  };
  const games = new Map();
  return {
    problems: [],
    prefs: () => prefs,
    setPrefs: (partial) => {
      prefs = { ...prefs, ...partial, numbers: { ...prefs.numbers, ...(partial.numbers ?? {}) } };
    },
    savedGame: (size) => games.get(size) ?? null,
    setSavedGame: (size, text) => (text === null ? games.delete(size) : games.set(size, text)),
    keepAside: () => {},
    addFinish: () => null,
    scores: () => [],
    stats: () => ({}),
  };
}

async function main() {
  const core = await loadCore(globalThis.QuillmereCore);
  const [tiles, languages] = await Promise.all([
    fetchJson("tiles.json", { rows: [], tiles: [] }),
    fetchJson("i18n/languages.json", ["en"]),
  ]);
  const [recordsModule, a11y, keyboard, language, share, files, recordsView] = await Promise.all([
    optional("./records.mjs"),
    optional("./a11y.mjs"),
    optional("./keyboard.mjs"),
    optional("./language.mjs"),
    optional("./share.mjs"),
    optional("./files.mjs"),
    optional("./records-view.mjs"),
  ]);

  let records = null;
  if (recordsModule?.openRecords) {
    try {
      const storage = recordsModule.browserStorage ? recordsModule.browserStorage() : globalThis.localStorage;
      records = recordsModule.openRecords(storage, core);
    } catch (error) {
      console.error(error);
    }
  }
  records ??= memoryRecords();
  const prefs = () => records.prefs() ?? {};

  const languageCode = pickLanguage(languages, prefs().language, navigator.languages);
  let catalog;
  try {
    catalog = await loadCatalog(languageCode);
  } catch {
    catalog = await loadCatalog("en").catch(() => new Catalog("en"));
  }
  const webTexts = core.webTexts();

  // What the other parts of the page are given: the game and its words.
  const ctx = {
    core,
    tiles,
    records,
    catalog,
    state: core.state(),
    notice: (text) => notice(text),
    apply: (reply) => run(reply),
  };
  const tr = (context, source, count) => ctx.catalog.tr(context, source, count);
  const web = (key) => tr("Web", webTexts[key] ?? key);
  const call = (f, ...args) => {
    try {
      return f ? f(ctx, ...args) : null;
    } catch (error) {
      console.error(error);
      return null;
    }
  };
  const say = (text) => {
    if (!text) return;
    if (a11y?.say) a11y.say(text);
    else $("live").textContent = text;
  };

  const sounds = new Sounds();
  sounds.on = prefs().sound !== false;

  // --- the views -----------------------------------------------------------

  const board = new Board($("board"), {
    names: {
      square: (c, r) => call(a11y?.squareName, c, r),
      candidate: (c, r, q) => call(a11y?.candidateName, c, r, q),
    },
    onPress: (c, r, q, right, element) => press(c, r, q, right, element),
    onTapSquare: (c, r) => openEnlarged(c, r),
    removeMode: () => removeMode,
  });
  const panels = [false, true].map(
    (vertical) =>
      new CluePanel($(vertical ? "clues-vertical" : "clues-horizontal"), vertical, {
        sentence: (index) => call(a11y?.clueSentence, vertical, index),
        onToggle: (index) => toggleClue(vertical, index),
        onHover: (index) => explainClue(vertical, index),
      }),
  );
  const completion = new Completion($("board"), () => board.startPicture());

  let removeMode = false;
  let pressedElement = null; // where the last board press was, for the message
  let stepShown = false; // the hint pane explains a step until the next press
  let explained = ""; // the clue the pane explains, as "vertical:index:shown"
  let savedAt = 0;
  let penaltyTimer = 0;
  let enlarged = null; // the square shown enlarged, {c, r}

  function notice(text) {
    const el = $("notice");
    el.textContent = text ?? "";
  }

  function relabel() {
    document.documentElement.lang = ctx.catalog.language || "en";
    for (const [id, [context, source]] of Object.entries(labels)) {
      const el = $(id);
      if (el) el.textContent = stripShortcut(tr(context, source));
    }
    for (const [id, key] of Object.entries(webLabels)) {
      const el = $(id);
      if (el && webTexts[key]) el.textContent = web(key);
    }
    document.title = stripShortcut(tr("MainForm", "Quillmere - Logic Challenge"));
    const size = $("size");
    const chosen = ctx.state?.size ?? prefs().size ?? defaultSize;
    size.replaceChildren(
      ...boardSizes.map(([n, text]) => {
        const option = document.createElement("option");
        option.value = String(n);
        option.textContent = tr("BoardSizes", text);
        return option;
      }),
    );
    size.value = String(chosen);
    const difficulty = $("difficulty");
    if (!difficulty.options.length) {
      for (let d = 0; d <= 10; ++d) {
        const option = document.createElement("option");
        option.value = String(d);
        option.textContent = String(d);
        difficulty.append(option);
      }
    }
    const label = call(a11y?.boardLabel);
    if (label) $("board").setAttribute("aria-label", label);
    else $("board").setAttribute("aria-label", tr("Accessibility", "Board"));
  }

  function timeText(seconds) {
    if (prefs().timed === false || seconds < 0) return tr("Session", "Untimed");
    const two = (n) => String(n).padStart(2, "0");
    return fill(tr("Session", "Time: %1:%2:%3"), [
      String(Math.floor(seconds / 3600)),
      two(Math.floor(seconds / 60) % 60),
      two(seconds % 60),
    ]);
  }

  function progressText(state) {
    const n = state.size;
    const percent = n > 0 ? (state.solvedCount * 100) / (n * n) : 0;
    const locale = ctx.catalog.language || "en";
    return fill(tr("Session", "%1 (%2%) complete"), [
      new Intl.NumberFormat(locale).format(state.solvedCount),
      new Intl.NumberFormat(locale, { minimumFractionDigits: 1, maximumFractionDigits: 1 }).format(percent),
    ]);
  }

  function drawInfo() {
    const state = ctx.state;
    $("clock").textContent = timeText(state.seconds);
    $("progress").textContent = progressText(state);
    $("puzzle-title").textContent = fill(tr("MainForm", "Puzzle No. %1"), [String(state.number)]);
    const number = $("number");
    if (document.activeElement !== number) number.value = String(state.number);
    $("size").value = String(state.size);
    $("difficulty").value = String(state.difficulty);
    const paused = state.phase === "paused" || state.phase === "finishedPaused";
    $("play").classList.toggle("paused", paused);
    $("paused").hidden = !paused;
    $("pause").setAttribute("aria-pressed", String(state.playerPaused));
    $("give-clue").disabled = !state.mayGiveClue;
    $("sound").setAttribute("aria-pressed", String(sounds.on));
    $("remove-mode").setAttribute("aria-pressed", String(removeMode));
  }

  // On a wide window the board takes the room the clues below it leave,
  // keeping its shape; a narrow one scrolls.
  function fitBoard() {
    const play = $("play");
    const el = $("board");
    if (!matchMedia("(min-width: 800px)").matches || !el.offsetWidth) {
      play.style.removeProperty("--board-width");
      return;
    }
    const ratio = el.offsetHeight / el.offsetWidth;
    const top = el.getBoundingClientRect().top;
    const below = document.querySelector(".clues-v").offsetHeight + 16;
    const high = innerHeight - top - below;
    const wide = play.clientWidth - 14 * 16 - 8;
    // The clues below may go out of view rather than the board get too
    // small to play.
    const width = Math.max(260, Math.min(wide, Math.max(high / ratio, wide * 0.55)));
    play.style.setProperty("--board-width", `${Math.floor(width)}px`);
  }

  // The vertical clues' cells as large as one row of them allows, as the
  // desktop sizes its panel's tiles, within what reads and what fits.
  function fitClues() {
    const list = $("clues-vertical");
    const count = ctx.state?.vertical?.length ?? 0;
    if (!count || !list.clientWidth) return;
    const gap = 6;
    const border = 4;
    const cell = Math.floor((list.clientWidth - (count - 1) * gap) / count) - border;
    list.style.setProperty("--cell", `${Math.max(26, Math.min(52, cell))}px`);
  }

  function drawAll() {
    board.update(ctx.state);
    for (const panel of panels) panel.render(ctx.state);
    drawInfo();
  }

  // --- what the core reports -----------------------------------------------

  // Draws a command's reply: the state anew, then what each event asks for
  // beyond the drawing (the message, a sound, a step explained, ...).
  function run(reply) {
    const events = reply?.events ?? [];
    if (!events.length) return reply;
    ctx.state = core.state();
    const squares = [];
    let puzzle = false;
    let clues = false;
    let keep = false;
    for (const event of events) {
      if (event.type === "puzzle") puzzle = true;
      else if (event.type === "square") squares.push([event.c, event.r]);
      else if (event.type === "clue") clues = true;
      if (event.type !== "clock" && event.type !== "sound") keep = true;
    }
    if (puzzle) {
      completion.stop();
      hideMessage();
      hideMarker();
      closeEnlarged();
      $("hint").replaceChildren();
      explained = "";
      stepShown = false;
      board.render(ctx.state);
      for (const panel of panels) panel.render(ctx.state);
      fitClues();
      fitBoard();
    } else {
      if (squares.length) board.update(ctx.state, squares);
      if (clues || squares.length) for (const panel of panels) panel.render(ctx.state);
    }
    drawInfo();
    if (enlarged) drawEnlarged();
    for (const event of events) {
      switch (event.type) {
        case "clock":
          if (event.penalty > 0) showPenalty(event.penalty);
          break;
        case "step":
          explainStep(event);
          break;
        case "message":
          showMessage(event);
          break;
        case "sound":
          sounds.play(event.sound);
          break;
        case "completed":
          completed(event);
          break;
        default:
          break;
      }
      say(call(a11y?.announce, event));
    }
    keepGame(keep);
    return reply;
  }

  // The game in the records after every change, so a reload finds it; the
  // clock alone is kept every few seconds.
  function keepGame(changed) {
    const now = Date.now();
    if (!changed && now - savedAt < 5000) return;
    savedAt = now;
    const state = ctx.state;
    try {
      if (state.phase === "finished" || state.phase === "finishedPaused") records.setSavedGame(state.size, null);
      else if (state.phase !== "settingUp") records.setSavedGame(state.size, core.save());
    } catch (error) {
      console.error(error);
    }
  }

  function showPenalty(seconds) {
    const el = $("penalty");
    el.textContent = `+${seconds}`;
    el.classList.add("shown");
    clearTimeout(penaltyTimer);
    penaltyTimer = setTimeout(() => el.classList.remove("shown"), 2000);
  }

  function showMessage(event) {
    if (event.kind === "noFurtherStep") {
      notice(tr("Session", "The clues give no further step here, so this clue costs nothing."));
      return;
    }
    const el = $("message");
    el.textContent = tr("Session", "Sorry, that is the wrong choice!");
    el.hidden = false;
    // Over the enlarged square the message shows in its window.
    const dialog = $("enlarged");
    if (dialog.open) {
      el.classList.add("in-window");
      el.style.left = "";
      el.style.top = "";
      dialog.prepend(el);
      run(core.messageShown());
      return;
    }
    if (el.parentElement !== board.element.parentElement) board.element.parentElement.append(el);
    el.classList.remove("in-window");
    // Near the pressed cell, inside the board's area.
    const area = el.parentElement.getBoundingClientRect();
    const target = (pressedElement?.isConnected ? pressedElement : null) ?? board.square(event.c, event.r);
    const at = target?.getBoundingClientRect();
    if (at) {
      const width = el.offsetWidth;
      const left = Math.min(Math.max(0, at.left - area.left + at.width / 2 - width / 2), area.width - width);
      el.style.left = `${Math.max(0, left)}px`;
      el.style.top = `${at.bottom - area.top + 4}px`;
    }
    run(core.messageShown());
  }

  function hideMessage() {
    $("message").hidden = true;
  }

  // --- hints -----------------------------------------------------------------

  function explainClue(vertical, index, again = false) {
    const state = ctx.state;
    if (state.phase !== "playing" || stepShown) return;
    const clue = (vertical ? state.vertical : state.horizontal)[index];
    const key = `${vertical}:${index}:${clue?.shown}`;
    if (key === explained && !again) return;
    explained = key;
    run(core.outlineClue(vertical, index));
    ctx.state = core.state();
    for (const panel of panels) panel.render(ctx.state);
    showHint($("hint"), ctx.catalog, tiles, core.hint(vertical, index, false));
  }

  function explainStep(step) {
    explained = "";
    stepShown = step.rule !== "none";
    if (step.rule === "none") {
      $("hint").replaceChildren();
      hideMarker();
      return;
    }
    if (step.rule === "clue") {
      core.outlineClue(step.vertical, step.index);
      ctx.state = core.state();
      for (const panel of panels) panel.render(ctx.state);
    }
    const messages = step.rule === "clue" ? core.hint(step.vertical, step.index, true) : core.hint(false, -1, true);
    showHint($("hint"), ctx.catalog, tiles, messages);
    if (step.changedSquare && ctx.state.boardArrow) showMarker(step.square[0], step.square[1]);
    else hideMarker();
  }

  function showMarker(c, r) {
    const marker = $("board-marker");
    const square = board.square(c, r);
    if (!square) return;
    const area = marker.parentElement.getBoundingClientRect();
    const at = square.getBoundingClientRect();
    marker.style.left = `${at.left - area.left}px`;
    marker.style.top = `${at.top - area.top}px`;
    marker.style.width = `${at.width}px`;
    marker.style.height = `${at.height}px`;
    marker.dataset.c = String(c);
    marker.dataset.r = String(r);
    marker.hidden = false;
  }

  function hideMarker() {
    $("board-marker").hidden = true;
  }

  // --- commands ----------------------------------------------------------------

  function press(c, r, q, right, element) {
    performance.mark("qm-press");
    completion.stop();
    if (!c) {
      // The core lets the message go at its next tick.
      run(core.pressBeside());
      return;
    }
    pressedElement = element;
    run(core.press(c, r, q, right));
    requestAnimationFrame(() => performance.mark("qm-painted"));
  }

  function toggleClue(vertical, index) {
    if (ctx.state.phase !== "playing") return;
    run(core.toggleClue(vertical, index));
    stepShown = false;
    // The pane says at once what the press made of the clue.
    explainClue(vertical, index, true);
  }

  function setUp(size, number, difficulty = ctx.state?.difficulty ?? defaultDifficulty) {
    const n = core.clampNumber(number);
    $("congratulations").open && $("congratulations").close();
    run(core.setUp(size, n, difficulty));
    const numbers = { ...(prefs().numbers ?? {}) };
    numbers[size] = n;
    records.setPrefs({ size, difficulty, numbers });
    keepGame(true);
  }

  // The game of a size: its saved game if there is one that reads, else
  // the player's puzzle of that size.
  function startSize(size) {
    let reply = null;
    if (records.restoreGame) {
      // A game that does not read is kept aside and reported by the records.
      reply = records.restoreGame(size);
    } else {
      const saved = records.savedGame(size);
      reply = saved ? core.load(saved) : null;
      if (reply?.error) notice(formatMessage(ctx.catalog, reply.error).replace(/\s*[\r\n]+\s*/g, " "));
    }
    if (reply && !reply.error) {
      run(reply);
      if (ctx.state.size === size) {
        records.setPrefs({ size, numbers: { ...(prefs().numbers ?? {}), [size]: ctx.state.number } });
        return;
      }
    }
    const number = prefs().numbers?.[size] ?? 1;
    setUp(size, number, prefs().difficulty ?? defaultDifficulty);
  }

  function completed(event) {
    const finish = {
      number: event.number,
      size: event.size,
      time: event.time,
      errors: event.errors,
      clues: event.clues,
      difficulty: event.difficulty,
      score: event.score,
    };
    const player = prefs().player || guestName;
    let line = null;
    try {
      line = records.addFinish(finish, player);
    } catch (error) {
      console.error(error);
    }
    $("score-line").textContent = line || core.scoreLine(finish, player);
    hideMessage();
    hideMarker();
    closeEnlarged();
    const dialog = $("congratulations");
    if (!dialog.open) dialog.showModal();
    completion.start();
  }

  // --- the enlarged square ------------------------------------------------------

  function openEnlarged(c, r) {
    const state = ctx.state;
    if (state.size < enlargedSizes || !matchMedia(narrowScreen).matches) return false;
    if (squareOf(state, c, r).solved || state.phase !== "playing") return false;
    enlarged = { c, r };
    drawEnlarged();
    const dialog = $("enlarged");
    if (!dialog.open) dialog.showModal();
    return true;
  }

  function drawEnlarged() {
    const { c, r } = enlarged;
    const state = ctx.state;
    const { mask, solved } = squareOf(state, c, r);
    if (solved || state.phase !== "playing") {
      closeEnlarged();
      return;
    }
    const holder = $("enlarged-square");
    holder.style.setProperty("--gc", String(state.gridColumns));
    holder.style.setProperty("--gr", String(state.gridRows));
    holder.dataset.c = String(c);
    holder.dataset.r = String(r);
    const label = call(a11y?.squareName, c, r);
    if (label) holder.setAttribute("aria-label", label);
    const buttons = [];
    for (let q = 1; q <= state.size; ++q) {
      const button = document.createElement("button");
      button.type = "button";
      button.className = "candidate";
      button.dataset.q = String(q);
      showPicture(button, tilePicture(r, q));
      button.classList.toggle("removed", !hasCandidate(mask, q));
      const name = call(a11y?.candidateName, c, r, q);
      if (name) button.setAttribute("aria-label", name);
      buttons.push(button);
    }
    holder.replaceChildren(...buttons);
  }

  function closeEnlarged() {
    enlarged = null;
    const dialog = $("enlarged");
    if (dialog.open) dialog.close();
  }

  {
    const holder = $("enlarged-square");
    // A tap acts as on the board; a long press (the browser's context menu
    // on touch) removes.
    holder.addEventListener("click", (e) => {
      const button = e.target.closest("button.candidate");
      if (!button || !enlarged) return;
      const { c, r } = enlarged;
      press(c, r, Number(button.dataset.q), removeMode, board.square(c, r));
    });
    holder.addEventListener("contextmenu", (e) => {
      e.preventDefault();
      const button = e.target.closest("button.candidate");
      if (!button || !enlarged) return;
      const { c, r } = enlarged;
      press(c, r, Number(button.dataset.q), true, board.square(c, r));
    });
    $("enlarged-close").addEventListener("click", closeEnlarged);
    // A press on the dimmed page around the window closes it.
    $("enlarged").addEventListener("click", (e) => {
      if (e.target === e.currentTarget) closeEnlarged();
    });
    $("enlarged").addEventListener("close", () => (enlarged = null));
  }

  // --- the toolbar ------------------------------------------------------------------

  const on = (id, f) => $(id)?.addEventListener("click", f);
  on("give-clue", () => {
    completion.stop();
    if (!ctx.state.mayGiveClue) return;
    run(core.giveClue());
  });
  on("pause", () => run(core.pause(!ctx.state.playerPaused)));
  on("restart", () => run(core.restart()));
  on("previous", () => setUp(ctx.state.size, ctx.state.number - 1));
  on("next", () => setUp(ctx.state.size, ctx.state.number + 1));
  const goTo = () => {
    setUp(ctx.state.size, core.parseNumber($("number").value));
  };
  on("go-to", goTo);
  $("number").addEventListener("keydown", (e) => {
    if (e.key === "Enter") goTo();
  });
  on("random", () => setUp(ctx.state.size, core.randomNumber()));
  on("daily", () => {
    const today = new Date();
    setUp(ctx.state.size, core.dailyNumber(today.getFullYear(), today.getMonth() + 1, today.getDate()));
  });
  $("size").addEventListener("change", () => {
    keepGame(true);
    startSize(Number($("size").value));
  });
  $("difficulty").addEventListener("change", () => {
    const difficulty = Number($("difficulty").value);
    run(core.setDifficulty(difficulty));
    records.setPrefs({ difficulty });
    keepGame(true);
  });
  on("sound", () => {
    sounds.on = !sounds.on;
    records.setPrefs({ sound: sounds.on });
    drawInfo();
  });
  on("remove-mode", () => {
    removeMode = !removeMode;
    drawInfo();
  });
  on("show-all-horizontal", () => run(core.showAllClues(false)));
  on("show-all-vertical", () => run(core.showAllClues(true)));
  on("congratulations-close", () => $("congratulations").close());
  $("congratulations").addEventListener("close", () => completion.stop());

  // Parts of other developers of the page, when they are there.
  if (share?.copyAddress) {
    on("share", async () => {
      const url = share.shareUrl
        ? share.shareUrl(ctx.state.size, ctx.state.number)
        : `${location.origin}${location.pathname}${share.addressOf(ctx.state.size, ctx.state.number)}`;
      const copied = await share.copyAddress(url);
      notice(share.shareText ? share.shareText(ctx.catalog, copied, url) : url);
    });
  }
  if (files?.saveGameFile) on("save-file", () => files.saveGameFile(ctx));
  if (files?.openGameFile) on("open-file", () => files.openGameFile(ctx));
  if (recordsView?.showRecords) on("records", () => recordsView.showRecords(ctx, records));

  // A press anywhere but on a candidate takes the message away (at the
  // core's next tick); a press anywhere but on "Give me a clue!" takes the
  // step's marker away and lets the hint pane explain what is under the
  // pointer again.
  document.addEventListener("pointerdown", (e) => {
    if (!$("message").hidden && !e.target.closest?.("#board .candidate, #enlarged .candidate"))
      run(core.pressBeside());
    if (!e.target.closest?.("#give-clue")) {
      stepShown = false;
      hideMarker();
    }
  });
  // Over the board (or with the focus on it) the pane says how to play,
  // unless it explains a step.
  const explainBoard = () => {
    if (stepShown || ctx.state.phase !== "playing" || explained === "board") return;
    explained = "board";
    showHint($("hint"), ctx.catalog, tiles, core.hint(false, -2, false));
  };
  $("board").addEventListener("pointerenter", explainBoard);
  $("board").addEventListener("focusin", explainBoard);
  addEventListener("pagehide", () => keepGame(true));
  // A hidden page's timers run slow or not at all, so its clock would lag:
  // the game pauses while the page is out of sight, as under a window.
  document.addEventListener("visibilitychange", () => {
    // A window of the page still open keeps its own pause.
    if (document.hidden || !document.querySelector("dialog[open]:not(#enlarged):not(#congratulations)"))
      run(core.window(document.hidden));
    if (document.hidden) keepGame(true);
  });

  // The menus: all open on a wide window; on a narrow one closed, and one
  // at a time.
  const menus = [...document.querySelectorAll("details.menu")];
  const wideWindow = matchMedia("(min-width: 800px)");
  const fitMenus = () => {
    for (const menu of menus) menu.open = wideWindow.matches;
  };
  fitMenus();
  wideWindow.addEventListener("change", fitMenus);
  for (const menu of menus) {
    menu.addEventListener("toggle", () => {
      if (wideWindow.matches) {
        menu.open = true;
        return;
      }
      if (menu.open) for (const other of menus) if (other !== menu) other.open = false;
    });
    // On a narrow window a menu closes once a command in it is chosen.
    const done = (e) => {
      if (!wideWindow.matches && e.target.closest("button, select")) menu.open = false;
    };
    menu.querySelector(".group").addEventListener("click", (e) => {
      if (e.target.closest("button")) done(e);
    });
    menu.querySelector(".group").addEventListener("change", done);
  }

  // --- language ------------------------------------------------------------------

  const changeLanguage = (next) => {
    if (!next?.tr) return;
    ctx.catalog = next;
    records.setCatalog?.(next);
    records.setPrefs({ language: next.language });
    relabel();
    drawAll();
    if (!stepShown) $("hint").replaceChildren();
    explained = "";
  };
  records.setCatalog?.(catalog);
  if (language?.startLanguage) {
    try {
      const started = await language.startLanguage(languages, languageCode, changeLanguage);
      if (started?.tr) ctx.catalog = started;
    } catch (error) {
      console.error(error);
    }
  } else {
    // Until the language menu has its own part: the codes, a change at once.
    const select = $("language");
    select.replaceChildren(
      ...languages.map((code) => {
        const option = document.createElement("option");
        option.value = code;
        option.textContent = code.toUpperCase();
        return option;
      }),
    );
    select.value = languageCode;
    select.addEventListener("change", () => {
      loadCatalog(select.value).then(changeLanguage, (error) => console.error(error));
    });
  }

  // --- the first puzzle -------------------------------------------------------------

  relabel();
  core.setTimed(prefs().timed !== false);
  // A kept game holds no difficulty: it is the player's, as for a new puzzle.
  core.setDifficulty(prefs().difficulty ?? defaultDifficulty);
  ctx.state = core.state();
  records.setCatalog?.(ctx.catalog);
  // What the start has to report (records that did not read, a bad
  // address) shows together once the first puzzle is there.
  let starting = true;
  const startNotes = [];
  let sizeChosen = Number(prefs().size);
  if (!boardSizes.some(([n]) => n === sizeChosen)) sizeChosen = defaultSize;
  let opened = false;
  if (share?.followAddresses) {
    share.followAddresses(
      core,
      () => ctx.catalog,
      ({ size, number }) => {
        opened = true;
        if (!starting) notice("");
        // The puzzle on the board, or the game kept for its size, goes on.
        const here = () => ctx.state?.size === size && ctx.state?.number === number;
        if (!starting && here()) return;
        const kept = records.restoreGame?.(size);
        if (kept && !kept.error) {
          run(kept);
          if (here()) {
            records.setPrefs({ size, numbers: { ...(prefs().numbers ?? {}), [size]: number } });
            return;
          }
        }
        setUp(size, number, ctx.state?.difficulty ?? prefs().difficulty ?? defaultDifficulty);
      },
      (text) => (starting ? startNotes.push(text) : notice(text)),
    );
  }
  if (!opened) startSize(sizeChosen);
  starting = false;
  const problems = [
    ...(records.problems ?? []).map((p) => (typeof p === "string" ? p : formatMessage(ctx.catalog, p))),
    ...startNotes,
  ];
  if (problems.length) notice(problems.join(" "));
  records.onProblem = (text) => notice(text);
  ctx.state = core.state();
  drawAll();
  fitClues();
  fitBoard();
  addEventListener("resize", () => {
    fitClues();
    fitBoard();
    const marker = $("board-marker");
    if (!marker.hidden) showMarker(Number(marker.dataset.c), Number(marker.dataset.r));
  });

  if (!keyboard?.attachKeyboard) {
    // Without the keyboard play every candidate is reached with Tab.
    board.candidateTabIndex = 0;
    board.render(ctx.state);
  }
  keyboard?.attachKeyboard?.(ctx, {
    press: (c, r, q, right) => press(c, r, q, right, board.square(c, r)?.querySelector(`[data-q="${q}"]`)),
    toggleClue: (vertical, index) => toggleClue(vertical, index),
    focusSquare: (c, r, q) => {
      const square = board.square(c, r);
      (square?.querySelector(`button.candidate[data-q="${q}"]`) ?? square)?.focus?.();
    },
    redraw: () => {
      ctx.state = core.state();
      drawAll();
    },
  });

  setInterval(() => {
    const reply = core.tick();
    if (reply.messageExpired) hideMessage();
    run(reply);
  }, 100);

  document.documentElement.dataset.ready = "1";
  performance.mark("qm-first-puzzle");

  // The page's files kept for playing offline, where the browser allows a
  // service worker (https, or this machine).
  if ("serviceWorker" in navigator && globalThis.isSecureContext && /^https?:$/.test(location.protocol)) {
    navigator.serviceWorker.register("sw.js").catch((error) => console.error(error));
  }
}

main().catch((error) => {
  console.error(error);
  const el = document.getElementById("notice");
  if (el) el.textContent = String(error?.message ?? error);
});
