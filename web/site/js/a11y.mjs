// The game in words, for screen readers: the same names, sentences and
// announcements as the desktop's. The board is a grid of squares named by
// their column and row, holding their candidates; the clues are sentences;
// what a player must notice (a mis-click, a square the cascade solved, the
// step of "Give me a clue!", the congratulations, the pause) goes to the live
// region. Every text is the desktop's own, looked up in the player's
// language; ctx = {catalog, tiles, state, core, records?}.

import { fill } from "./i18n.mjs";
import { hasCandidate, pictureTile, squareOf } from "./board.mjs";

// The label the desktop's size list gives a size ("6 x 6 (Medium)"),
// translated; the size alone for one it does not list.
export function sizeLabel(ctx, size) {
  const label = ctx.core.boardSizes().find(([n]) => n === size)?.[1];
  return label ? tr(ctx, "BoardSizes", label) : String(size);
}

// The sentences of the kinds the hint pane does not describe (context
// "Accessibility"); every other kind reads the hint pane's own (context
// "Hints", from the core).
const ownSentences = {
  clAdjacent: "The %1 is directly next to the %2",
  clTwoAdjacentExclude: "The %1 and the %2 have one column between them, and the %3 is not in it",
  clNotInSameColumn: "The %1 and the %2 are not in the same column",
};

// The hint pane's templates, asked of the core once.
const hintTextsOf = new WeakMap();
function hintTexts(ctx) {
  if (!hintTextsOf.has(ctx.core)) hintTextsOf.set(ctx.core, ctx.core.hintTexts());
  return hintTextsOf.get(ctx.core);
}

const tr = (ctx, context, source, count) => ctx.catalog.tr(context, source, count);
const words = (ctx, source, count) => tr(ctx, "Accessibility", source, count);

// Puts values into a template as a translated text takes its arguments:
// the lowest-numbered placeholder %1..%99 present gets the first value, the
// next lowest the second, all in one pass, so a name holding "%1" stays as
// it is; placeholders beyond the values stay.
export function arg(source, values) {
  const found = [...source.matchAll(/%(\d{1,2})/g)].map((m) => Number(m[1])).filter((k) => k >= 1);
  const order = [...new Set(found)].sort((a, b) => a - b);
  const value = new Map(order.slice(0, values.length).map((k, i) => [k, String(values[i])]));
  return source.replace(/%(\d{1,2})/g, (all, k) => value.get(Number(k)) ?? all);
}

// --- the words -----------------------------------------------------------------

// A tile's name as the tile set gives it, translated.
export function tileName(ctx, row, tile) {
  const name = ctx.tiles?.tiles?.[row - 1]?.[tile - 1];
  if (!name) return arg(words(ctx, "Tile %1"), [tile]);
  return tr(ctx, "Tiles", name);
}

export function rowName(ctx, row) {
  const name = ctx.tiles?.rows?.[row - 1];
  if (!name) return arg(words(ctx, "Row %1"), [row]);
  return tr(ctx, "Tiles", name);
}

// "Dog", "Dog or Cat", "Dog, Cat or Fox".
function alternatives(ctx, names) {
  if (!names.length) return "";
  let list = names[names.length - 1];
  if (names.length > 1) {
    list = arg(words(ctx, "%1 or %2"), [names[names.length - 2], list]);
    for (let i = names.length - 3; i >= 0; --i) list = arg(words(ctx, "%1, %2"), [names[i], list]);
  }
  return list;
}

// Square (c, r) of the state: {mask, solved, tile} (tile: the one placed).
function squareAt(state, c, r) {
  const { mask, solved, picture } = squareOf(state, c, r);
  let tile = 0;
  if (solved) {
    if (picture >= 1) tile = pictureTile(picture);
    else for (let t = 1; t <= state.size && !tile; ++t) if ((mask >> t) & 1) tile = t;
  }
  return { mask, solved, tile };
}

// "Column 3, Animals: Dog" once solved, "Column 3, Animals: Dog or Cat"
// before.
export function squareName(ctx, c, r) {
  const state = ctx.state;
  const square = squareAt(state, c, r);
  if (square.solved)
    return arg(words(ctx, "Column %1, %2: %3"), [c, rowName(ctx, r), tileName(ctx, r, square.tile)]);
  const names = [];
  for (let t = 1; t <= state.size; ++t) if (hasCandidate(square.mask, t)) names.push(tileName(ctx, r, t));
  return arg(words(ctx, "Column %1, %2: %3"), [c, rowName(ctx, r), alternatives(ctx, names)]);
}

// A square just solved: "Column 3, Animals: Dog, placed".
export function placedName(ctx, c, r) {
  const square = squareAt(ctx.state, c, r);
  return arg(words(ctx, "Column %1, %2: %3, placed"), [c, rowName(ctx, r), tileName(ctx, r, square.tile)]);
}

// Candidate q of square (c, r): placed, removed or possible.
export function candidateName(ctx, c, r, q) {
  const square = squareAt(ctx.state, c, r);
  const text =
    square.solved && square.tile === q
      ? "Column %1, %2: %3, placed"
      : square.solved || !hasCandidate(square.mask, q)
        ? "Column %1, %2: %3, removed"
        : "Column %1, %2: %3, possible";
  return arg(words(ctx, text), [c, rowName(ctx, r), tileName(ctx, r, q)]);
}

// A clue's sentence with its tiles' names (step: as a step explains it).
function sentence(ctx, clue, step) {
  if (!clue) return "";
  const kind = hintTexts(ctx).kinds[clue.kind];
  const own = ownSentences[clue.kind];
  const hint = step ? kind?.step : kind?.hint;
  if (!own && !hint) return "";
  const text = own ? words(ctx, own) : tr(ctx, "Hints", hint);
  return arg(text, clue.tiles.map(([row, tile]) => tileName(ctx, row, tile)));
}

const clueList = (state, vertical) => (vertical ? state.vertical : state.horizontal) ?? [];

// Clue index of a panel as a sentence, with "(hidden)" when it is.
export function clueSentence(ctx, vertical, index) {
  const clue = clueList(ctx.state, vertical)[index];
  if (!clue) return "";
  const text = sentence(ctx, clue, false);
  return clue.shown ? text : arg(words(ctx, "%1 (hidden)"), [text]);
}

export function boardLabel(ctx) {
  return words(ctx, "Board");
}

const isPaused = (state) => state.phase === "paused" || state.phase === "finishedPaused";

// What the board and the clue panels say besides their names: how the keys
// play them, or while paused, the words the paused board shows.
export function boardDescription(ctx) {
  if (isPaused(ctx.state)) return tr(ctx, "TMainForm", "Your game is PAUSED");
  return words(
    ctx,
    "The arrow keys move between the tiles, Space places the tile, Delete removes it or brings it back, Tab goes to the clues.",
  );
}

export function cluePanelDescription(ctx) {
  if (isPaused(ctx.state)) return tr(ctx, "TMainForm", "Your game is PAUSED");
  return words(
    ctx,
    "The arrow keys move between the clues, Space hides or shows one, the context menu key shows them all.",
  );
}

export function clueDescription(ctx) {
  return words(ctx, "Space hides the clue or shows it again.");
}

// A key that would play while the game is paused says why it does nothing.
export function pauseNotice(ctx) {
  return words(ctx, "The game is paused. Press P to go on.");
}

// The explanation of a step of "Give me a clue!" ({rule, vertical, index,
// changedSquare, square, removedTile, placedTile, row}), tiles by name.
export function stepText(ctx, step) {
  let text = "";
  if (step.rule === "twoPlaces") {
    // The arrows point at no square: the row is said.
    text = arg(words(ctx, "%1 (%2)"), [tr(ctx, "Hints", hintTexts(ctx).twoPlaces), rowName(ctx, step.row)]);
  } else if (step.rule === "clue") {
    text = sentence(ctx, clueList(ctx.state, step.vertical)[step.index], true);
  }
  if (step.changedSquare) {
    const [c, r] = step.square;
    const tile = step.removedTile || step.placedTile;
    const row = rowName(ctx, r);
    text += fill(tr(ctx, "Hints", step.removedTile ? hintTexts(ctx).stepRemoved : hintTexts(ctx).stepPlaced), [
      tileName(ctx, r, tile),
      String(c),
      row,
      row.toLowerCase(),
    ]);
    text = arg(words(ctx, "%1. %2"), [text, squareName(ctx, c, r)]);
  }
  return text;
}

// --- the clock and the progress ------------------------------------------------------

const timed = (ctx) => ctx.records?.prefs?.()?.timed !== false;

// "Time: 0:01:05", or "Untimed".
export function timeText(ctx, seconds) {
  if (!timed(ctx) || seconds < 0) return tr(ctx, "Session", "Untimed");
  const two = (n) => String(n).padStart(2, "0");
  return arg(tr(ctx, "Session", "Time: %1:%2:%3"), [
    Math.floor(seconds / 3600),
    two(Math.floor(seconds / 60) % 60),
    two(seconds % 60),
  ]);
}

// "12 (33.3%) complete".
export function progressText(ctx, state) {
  const n = state.size;
  const percent = n > 0 ? (state.solvedCount * 100) / (n * n) : 0;
  const locale = ctx.catalog.language || "en";
  return arg(tr(ctx, "Session", "%1 (%2%) complete"), [
    new Intl.NumberFormat(locale).format(state.solvedCount),
    new Intl.NumberFormat(locale, { minimumFractionDigits: 1, maximumFractionDigits: 1 }).format(percent),
  ]);
}

// What the announcements remember of a page's game: the player's pause as
// the last phase report said, and the last penalty of this puzzle.
const memories = new WeakMap();
function memory(ctx) {
  let m = memories.get(ctx);
  if (!m) {
    m = { playerPaused: false, penalty: 0, penaltyForClue: false };
    memories.set(ctx, m);
  }
  return m;
}

// The clock, the progress and the last penalty of this puzzle, in words
// (the key T).
export function timeAndProgress(ctx) {
  const m = memory(ctx);
  const state = ctx.state;
  let text;
  if (m.penalty <= 0 || !timed(ctx)) text = words(ctx, "%1. Progress: %2.");
  else if (m.penaltyForClue)
    text = words(ctx, "%1. Progress: %2. The last penalty: %n second(s), for a clue.", m.penalty);
  else text = words(ctx, "%1. Progress: %2. The last penalty: %n second(s), for a mis-click.", m.penalty);
  return arg(text, [timeText(ctx, state.seconds), progressText(ctx, state)]);
}

// The clues that name a tile, as the key C says them: "%n clue(s) name the
// %1: %2" with the sentences joined by separator; named = {row, tile,
// horizontal: [index...], vertical: [index...]}.
export function cluesNamingText(ctx, named, separator) {
  const sentences = [
    ...(named.horizontal ?? []).map((i) => clueSentence(ctx, false, i)),
    ...(named.vertical ?? []).map((i) => clueSentence(ctx, true, i)),
  ];
  const name = tileName(ctx, named.row, named.tile);
  if (!sentences.length) return arg(words(ctx, "No clue names the %1."), [name]);
  return arg(words(ctx, "%n clue(s) name the %1: %2", sentences.length), [name, sentences.join(separator)]);
}

// --- announcements ----------------------------------------------------------------------

// What waits to be said: everything one command brings is said together,
// once the command is done (and the focus has its new name).
let pending = [];
let leading = null; // a text to go before what is waiting, when it comes
let timer = 0;

// The keys' cursor stands on square (c, r) of the board.
function keysOn(ctx, c, r) {
  try {
    const k = ctx.core?.cursor?.();
    return Boolean(k && k.active && k.pane === "board" && k.c === c && k.r === r);
  } catch {
    return false;
  }
}

function squareAnnouncement(ctx, e) {
  const keys = keysOn(ctx, e.c, e.r);
  const parts = [];
  let first = null;
  // The square the keys pressed says so itself, as the focus.
  if (e.justSolved && !keys) parts.push(placedName(ctx, e.c, e.r));
  const tile = e.pressedTile ? tileName(ctx, e.r, e.pressedTile) : "";
  switch (e.press) {
    case "placed":
      // What the squares before it said would cut short the focus saying
      // this one.
      if (keys && pending.length) first = placedName(ctx, e.c, e.r);
      break;
    case "removed":
      parts.push(arg(words(ctx, "%1 removed"), [tile]));
      break;
    case "removedAndSolved": {
      const removed = arg(words(ctx, "%1 removed"), [tile]);
      first = keys ? arg(words(ctx, "%1. %2"), [removed, placedName(ctx, e.c, e.r)]) : removed;
      break;
    }
    case "restored":
      parts.push(arg(words(ctx, "%1 possible again"), [tile]));
      break;
    case "redrawOnly":
      parts.push(arg(words(ctx, "%1 is placed in another column"), [tile]));
      break;
    default:
      break;
  }
  if (first) {
    leading = first;
    parts.unshift(first);
  }
  return parts.join(" ") || null;
}

// The live region's text for one event of the core, or null. The square
// the keys press and the pause keep what the events before them said in
// mind; say() puts the texts of one command together.
export function announce(ctx, event) {
  const m = memory(ctx);
  switch (event?.type) {
    case "puzzle":
      if (event.how === "new" || event.how === "loaded" || event.how === "restarted") {
        m.penalty = 0;
        m.penaltyForClue = false;
      }
      if (event.how === "new" || event.how === "loaded") {
        const state = ctx.state;
        const puzzle = arg(tr(ctx, "MainForm", "Puzzle No. %1"), [state.number]);
        return arg(words(ctx, "%1, board %2"), [puzzle, sizeLabel(ctx, state.size)]);
      }
      if (event.how === "restarted") return words(ctx, "The puzzle starts again.");
      return null;
    case "square":
      return squareAnnouncement(ctx, event);
    case "clue":
      if (event.index < 0) return words(ctx, "Every clue is shown.");
      return words(ctx, event.shown ? "Clue shown" : "Clue hidden");
    case "phase": {
      // The player's own pause; a window over the game pauses it too, and
      // says so itself.
      const paused = event.cause === "player";
      const changed = paused !== m.playerPaused;
      m.playerPaused = paused;
      if (!changed) return null;
      return paused ? pauseNotice(ctx) : words(ctx, "The game goes on.");
    }
    case "clock":
      if (!(event.penalty > 0)) return null;
      m.penalty = event.penalty;
      m.penaltyForClue = event.for === "clue";
      // Said after the mis-click's message or the clue's step.
      return timed(ctx) ? words(ctx, "%n second(s) added to the time.", event.penalty) : null;
    case "step":
      return event.rule === "none" ? null : stepText(ctx, event) || null;
    case "message":
      // The page shows the other kind in its status line, which is read.
      return event.kind === "wrongChoice" ? tr(ctx, "Session", "Sorry, that is the wrong choice!") : null;
    case "completed":
      if (!timed(ctx) || event.time < 0) return words(ctx, "Congratulations! The puzzle is solved.");
      return arg(words(ctx, "Congratulations! The puzzle is solved. %1"), [timeText(ctx, event.time)]);
    default:
      return null;
  }
}

// Said by screen readers without moving the focus: the texts of one
// command go together into #live once it is done, a new element each time
// so that a text said before is said again.
export function say(text) {
  if (!text) return;
  if (leading && text.startsWith(leading)) {
    pending.unshift(leading);
    const rest = text.slice(leading.length).trim();
    if (rest) pending.push(rest);
  } else if (pending.at(-1) !== text) {
    // The two-places rule explains itself once for each square it narrows.
    pending.push(text);
  }
  leading = null;
  if (!timer) timer = setTimeout(sendAnnouncements, 0);
}

function sendAnnouncements() {
  timer = 0;
  const text = pending.join(" ");
  pending = [];
  const live = globalThis.document?.getElementById("live");
  if (!live || !text) return;
  const line = document.createElement("p");
  line.textContent = text;
  live.replaceChildren(line);
}
