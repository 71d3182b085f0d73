// The page's wiring: starts the game core, sets up the player's puzzle,
// forwards every press and command to the core and draws what it reports.
// No rule of the game is decided here.

import { loadCore } from "./core.mjs";
import { fill, stripShortcut } from "./i18n.mjs";
import { Board } from "./board.mjs";
import { CluePanel } from "./clues.mjs";
import { showHint } from "./hints.mjs";
import { Sounds } from "./sounds.mjs";
import { Completion } from "./effects.mjs";
import { EnlargedSquare } from "./enlarged.mjs";
import { Congratulations } from "./congratulations.mjs";
import {
  announce,
  boardLabel,
  candidateName,
  clueSentence,
  progressText,
  say,
  sizeLabel,
  squareName,
  timeText,
} from "./a11y.mjs";
import { attachKeyboard } from "./keyboard.mjs";
import { startLanguage } from "./language.mjs";
import { browserStorage, openRecords } from "./records.mjs";
import { showRecords } from "./records-view.mjs";
import { copyAddress, followAddresses, shareText, shareUrl } from "./share.mjs";
import { openGameFile, saveGameFile } from "./files.mjs";

const $ = (id) => document.getElementById(id);

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
  "congratulations-records": ["MainForm", "Click here to continue"],
  "congratulations-close": ["TScoreForm", "Close"],
  "enlarged-close": ["TScoreForm", "Close"],
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
};

async function fetchJson(path, fallback) {
  try {
    const response = await fetch(path);
    return response.ok ? await response.json() : fallback;
  } catch {
    return fallback;
  }
}

async function main() {
  const core = await loadCore(globalThis.QuillmereCore);
  const [tiles, languages] = await Promise.all([
    fetchJson("tiles.json", { rows: [], tiles: [] }),
    fetchJson("i18n/languages.json", ["en"]),
  ]);
  const records = openRecords(browserStorage(), core);
  const prefs = () => records.prefs();
  const webTexts = core.webTexts();

  // What the other parts of the page are given: the game and its words.
  const ctx = {
    core,
    tiles,
    records,
    catalog: await startLanguage(languages, prefs().language, changeLanguage),
    state: core.state(),
    notice: (text) => notice(text),
    apply: (reply) => run(reply),
  };
  records.setCatalog(ctx.catalog);
  const tr = (context, source, count) => ctx.catalog.tr(context, source, count);
  const web = (key) => tr("Web", webTexts[key]);

  const sounds = new Sounds();
  sounds.on = prefs().sound;

  // --- the views -----------------------------------------------------------

  const board = new Board($("board"), {
    names: {
      square: (c, r) => squareName(ctx, c, r),
      candidate: (c, r, q) => candidateName(ctx, c, r, q),
    },
    onPress: (c, r, q, right, element) => press(c, r, q, right, element),
    onTapSquare: (c, r) => enlarged.open(c, r),
    removeMode: () => removeMode,
  });
  const panels = [false, true].map(
    (vertical) =>
      new CluePanel($(vertical ? "clues-vertical" : "clues-horizontal"), vertical, {
        sentence: (index) => clueSentence(ctx, vertical, index),
        onToggle: (index) => toggleClue(vertical, index),
        onHover: (index) => explainClue(vertical, index),
      }),
  );
  const completion = new Completion($("board"), () => board.startPicture());
  const enlarged = new EnlargedSquare(ctx, {
    press: (c, r, q, right) => press(c, r, q, right, board.square(c, r)),
    removeMode: () => removeMode,
  });
  const congratulations = new Congratulations(ctx, records);

  let removeMode = false;
  let pressedElement = null; // where the last board press was, for the message
  let stepShown = false; // the hint pane explains a step until the next press
  let explained = ""; // the clue the pane explains, as "vertical:index:shown"
  let savedAt = 0;
  let penaltyTimer = 0;

  function notice(text) {
    const el = $("notice");
    el.textContent = text ?? "";
  }

  function relabel() {
    document.documentElement.lang = ctx.catalog.language || "en";
    for (const [id, [context, source]] of Object.entries(labels)) {
      $(id).textContent = stripShortcut(tr(context, source));
    }
    for (const [id, key] of Object.entries(webLabels)) $(id).textContent = web(key);
    document.title = stripShortcut(tr("MainForm", "Quillmere - Logic Challenge"));
    const size = $("size");
    size.replaceChildren(
      ...core.boardSizes().map(([n]) => {
        const option = document.createElement("option");
        option.value = String(n);
        option.textContent = sizeLabel(ctx, n);
        return option;
      }),
    );
    size.value = String(ctx.state.size);
    const difficulty = $("difficulty");
    if (!difficulty.options.length) {
      for (let d = 0; d <= 10; ++d) {
        const option = document.createElement("option");
        option.value = String(d);
        option.textContent = String(d);
        difficulty.append(option);
      }
    }
    $("board").setAttribute("aria-label", boardLabel(ctx));
  }

  function drawInfo() {
    const state = ctx.state;
    $("clock").textContent = timeText(ctx, state.seconds);
    $("progress").textContent = progressText(ctx, state);
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
    const count = ctx.state.vertical.length;
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
      enlarged.close();
      $("hint").replaceChildren();
      explained = "";
      stepShown = false;
      board.render(ctx.state);
      for (const panel of panels) panel.render(ctx.state);
      fitClues();
      fitBoard();
    } else {
      if (squares.length) board.update(ctx.state, squares);
      if (clues) for (const panel of panels) panel.render(ctx.state);
    }
    drawInfo();
    enlarged.redraw();
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
      say(announce(ctx, event));
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
    outline(vertical, index);
    showHint($("hint"), ctx.catalog, tiles, core.hint(vertical, index, false));
  }

  // The clue the hint pane explains is outlined in its panel (the core
  // reports no event for it).
  function outline(vertical, index) {
    core.outlineClue(vertical, index);
    ctx.state = core.state();
    panels[Number(vertical)].render(ctx.state);
  }

  function explainStep(step) {
    explained = "";
    stepShown = step.rule !== "none";
    if (step.rule === "none") {
      $("hint").replaceChildren();
      hideMarker();
      return;
    }
    if (step.rule === "clue") outline(step.vertical, step.index);
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

  function setUp(size, number, difficulty = ctx.state.difficulty) {
    const n = core.clampNumber(number);
    congratulations.close();
    run(core.setUp(size, n, difficulty));
    records.setPrefs({ size, difficulty, numbers: { [size]: n } });
    keepGame(true);
  }

  // The game of a size: its saved game if there is one that reads (and is
  // of puzzle number, when one is asked for), else that puzzle, or the
  // player's puzzle of that size.
  function startSize(size, number, difficulty = prefs().difficulty) {
    // A game that does not read is kept aside and reported by the records.
    const reply = records.restoreGame(size);
    if (reply && !reply.error) {
      run(reply);
      if (ctx.state.size === size && (number === undefined || ctx.state.number === number)) {
        records.setPrefs({ size, numbers: { [size]: ctx.state.number } });
        return;
      }
    }
    setUp(size, number ?? prefs().numbers[size] ?? 1, difficulty);
  }

  function completed(event) {
    const { number, size, time, errors, clues, difficulty, score } = event;
    const finish = { number, size, time, errors, clues, difficulty, score };
    const line = records.addFinish(finish);
    hideMessage();
    hideMarker();
    enlarged.close();
    congratulations.show(finish, line);
    completion.start();
  }

  // --- the toolbar ------------------------------------------------------------------

  const on = (id, f) => $(id).addEventListener("click", f);
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
  $("congratulations").addEventListener("close", () => completion.stop());
  on("share", async () => {
    const url = shareUrl(ctx.state.size, ctx.state.number);
    notice(shareText(ctx.catalog, await copyAddress(url), url));
  });
  on("save-file", () => saveGameFile(ctx));
  on("open-file", () => openGameFile(ctx));
  on("records", () => showRecords(ctx, records));

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

  function changeLanguage(next) {
    ctx.catalog = next;
    records.setCatalog(next);
    records.setPrefs({ language: next.language });
    relabel();
    drawAll();
    if (!stepShown) $("hint").replaceChildren();
    explained = "";
  }

  // --- the first puzzle -------------------------------------------------------------

  relabel();
  core.setTimed(prefs().timed);
  // A kept game holds no difficulty: it is the player's, as for a new puzzle.
  core.setDifficulty(prefs().difficulty);
  ctx.state = core.state();
  // What the start has to report (records that did not read, a bad
  // address) shows together once the first puzzle is there.
  let starting = true;
  const startNotes = [];
  let opened = false;
  followAddresses(
    core,
    () => ctx.catalog,
    ({ size, number }) => {
      opened = true;
      if (!starting) notice("");
      // The puzzle on the board, or the game kept for its size, goes on.
      if (!starting && ctx.state.size === size && ctx.state.number === number) return;
      startSize(size, number, ctx.state.difficulty);
    },
    (text) => (starting ? startNotes.push(text) : notice(text)),
  );
  if (!opened) startSize(prefs().size);
  starting = false;
  const problems = [...records.problems, ...startNotes];
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

  attachKeyboard(ctx, {
    press: (c, r, q, right) => press(c, r, q, right, board.square(c, r)?.querySelector(`[data-q="${q}"]`)),
    toggleClue: (vertical, index) => toggleClue(vertical, index),
    focusSquare: (c, r, q) => {
      const square = board.square(c, r);
      (square?.querySelector(`button.candidate[data-q="${q}"]`) ?? square)?.focus();
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
