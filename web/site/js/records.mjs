// The player's records in the browser's storage: the preferences, the high
// scores, the statistics taken from them and a saved game per board size.
// Everything read back goes through the same readers as the desktop's files
// (the core's score-line and saved-game readers) before it is used. A record
// that does not read is kept aside under a key of its own and reported in
// one line, never dropped; a browser that keeps nothing (private mode,
// storage turned off or full) still lets the game be played.

import { Catalog, formatMessage } from "./i18n.mjs";

const prefix = "quillmere.";
export const prefsKey = `${prefix}prefs`;
export const scoresKey = `${prefix}scores`;
export const gameKey = (size) => `${prefix}game.${size}`;
// Where a record that could not be read is kept: its key's name and the time.
export const asideKey = (key, time) => `${prefix}damaged.${key.slice(prefix.length)}.${time}`;

const web = (source, ...args) => ({ context: "Web", source, args });

// A text of the desktop's, with its values, to translate when shown.
const message = (context, source, args = [], count) => ({ context, source, args, count });

// The board sizes on offer, easiest first.
export function boardSizes(core) {
  return core.boardSizes().map(([n]) => n);
}

// What the core takes for a puzzle: its sizes and its first and last number.
export function puzzleRange(core) {
  return { sizes: boardSizes(core), first: core.clampNumber(0), last: core.clampNumber(2 ** 31 - 1) };
}

// The desktop's words for what keeps a size and number from being a puzzle;
// range is what puzzleRange gives.
export function requestProblem(problem, given, range = knownRange) {
  const sizes = range.sizes;
  switch (problem) {
    case "size":
      return message("PuzzleRequest", "the size must be one of %1", [
        // Every size but the last as one list, as the desktop writes them.
        message("BoardSizes", "%1 or %2", [sizes.slice(0, -1).join(", "), sizes.at(-1)]),
      ]);
    case "number":
      return message("PuzzleRequest", "the puzzle number must be %1 to %2", [range.first, range.last]);
    case "difficulty":
      return message("PuzzleRequest", "the difficulty must be 0 to 10");
    default:
      return message("PuzzleRequest", 'the puzzle must be given as size:number, such as 6:1234, not "%1"', [
        given,
      ]);
  }
}
// What the core the records were opened with takes.
let knownRange = { sizes: [], first: 0, last: 0 };

// The preferences of a first visit: as the desktop reads a profile that
// holds none of its keys.
export function defaultPrefs() {
  return { language: "", size: 6, difficulty: 5, sound: false, timed: true, player: "Guest", numbers: {} };
}

// A player's name as the score line can hold it: no field separators or
// line breaks, no blank at either end.
export function validPlayerName(name) {
  return (
    typeof name === "string" &&
    name.length > 0 &&
    name.length <= 64 &&
    name.trim() === name &&
    // eslint-disable-next-line no-control-regex
    !/[\u0000-\u001f\u007f~=/\\[\]]/.test(name) &&
    !name.includes("..")
  );
}

// The storage of the page's origin, or null where the browser refuses it.
// A full storage is still read; writing to it is reported when it fails.
export function browserStorage() {
  try {
    const storage = globalThis.localStorage;
    storage.getItem(prefsKey);
    return storage;
  } catch {
    return null;
  }
}

// Opens the records kept in storage (a Storage, or null where the browser
// keeps none). core is the game core (core.mjs). The result's problems are
// the one-line reports of what could not be read, in the language of the
// catalogue given with setCatalog; onProblem, when set, hears of the ones
// that come later (storage full).
export function openRecords(storage, core) {
  knownRange = puzzleRange(core);
  const boardSizeList = knownRange.sizes;
  let catalog = new Catalog("en");
  const found = []; // messages of the problems
  const memory = new Map(); // what storage could not keep, for this visit
  const frozen = new Set(); // keys whose damaged record could not be moved away
  let saidFull = false;
  const records = {};

  const report = (m) => {
    found.push(m);
    records.onProblem?.(problemText(catalog, m));
  };

  if (!storage) {
    report(
      web("The browser keeps nothing for this page here (private mode or storage turned off): scores and games last only while it is open."),
    );
  }

  const read = (key) => {
    if (memory.has(key)) return memory.get(key);
    try {
      return storage ? storage.getItem(key) : null;
    } catch {
      return null;
    }
  };
  const write = (key, text) => {
    if (frozen.has(key)) return false;
    if (storage) {
      try {
        if (text === null) storage.removeItem(key);
        else storage.setItem(key, text);
        memory.delete(key);
        return true;
      } catch {
        if (!saidFull) {
          saidFull = true;
          report(
            web("The browser's storage for this page is full: the latest records are kept only while the page is open."),
          );
        }
      }
    }
    memory.set(key, text);
    return false;
  };

  // Moves a record that could not be read out of the way and says so.
  const keepAside = (key, text, why) => {
    const aside = asideKey(key, Date.now());
    let kept = false;
    if (storage) {
      try {
        storage.setItem(aside, text);
        storage.removeItem(key);
        kept = true;
      } catch {
        kept = false;
      }
    }
    memory.delete(key);
    if (kept) {
      report(web("The stored record %1 could not be read and is kept aside as %2: %3", key, aside, why));
    } else {
      // Left where it is, and never written over while the page is open.
      frozen.add(key);
      report(web("The stored record %1 could not be read and is left as it is: %2", key, why));
    }
    return kept ? aside : null;
  };

  // --- preferences ---------------------------------------------------------
  let prefs = defaultPrefs();
  const integer = (value) => (Number.isInteger(value) ? value : null);
  const badField = (name) => web('the field "%1" holds no valid value', name);
  const notInteger = (value) =>
    message("Scores", "'%1' is not a valid integer value", [String(JSON.stringify(value)).slice(0, 40)]);
  // The stored preferences field by field: a field that does not read keeps
  // its value in base (the defaults), and the first problem is returned.
  const readPrefs = (text, base = defaultPrefs()) => {
    let stored;
    try {
      stored = JSON.parse(text);
    } catch {
      return { why: web("it is not valid JSON") };
    }
    if (stored === null || typeof stored !== "object" || Array.isArray(stored))
      return { why: web("it is not valid JSON") };
    const out = { ...base, numbers: { ...base.numbers } };
    let why = null;
    const problem = (m) => {
      why ??= m;
    };
    const field = (name, check) => {
      if (!(name in stored)) return;
      const value = stored[name];
      const bad = check(value);
      if (bad) problem(bad);
      else out[name] = value;
    };
    field("language", (v) =>
      typeof v === "string" && /^([a-z]{2}(_[A-Z]{2})?)?$/.test(v) ? null : badField("language"),
    );
    field("size", (v) =>
      integer(v) === null
        ? notInteger(v)
        : boardSizeList.includes(v)
          ? null
          : requestProblem("size", String(v)),
    );
    field("difficulty", (v) =>
      integer(v) === null ? notInteger(v) : v >= 0 && v <= 10 ? null : requestProblem("difficulty"),
    );
    for (const name of ["sound", "timed"])
      field(name, (v) => (typeof v === "boolean" ? null : badField(name)));
    field("player", (v) => (validPlayerName(v) ? null : badField("player")));
    if ("numbers" in stored) {
      const numbers = stored.numbers;
      if (numbers === null || typeof numbers !== "object" || Array.isArray(numbers)) {
        problem(badField("numbers"));
      } else {
        for (const [size, number] of Object.entries(numbers)) {
          if (integer(number) === null) {
            problem(notInteger(number));
            continue;
          }
          const address = core.readAddress(`${size}:${number}`);
          if (address.problem) problem(requestProblem(address.problem, `${size}:${number}`));
          else out.numbers[address.size] = address.number;
        }
      }
    }
    return { prefs: out, why };
  };
  {
    const text = read(prefsKey);
    if (text !== null) {
      const got = readPrefs(text);
      if (got.prefs) prefs = got.prefs;
      if (got.why) {
        keepAside(prefsKey, text, got.why);
        // What did read is kept at once, so the next visit finds it whole.
        if (got.prefs) write(prefsKey, JSON.stringify(prefs));
      }
    }
  }

  // --- high scores -----------------------------------------------------------
  // Every finished game of every size in the order of completion, as the
  // desktop's score file holds them: one score line each.
  let entries = [];
  let current = -1; // this visit's latest completion
  let scoresRead = null; // the stored text the entries were read from
  // Reads the stored scores when they are not what was read or written last
  // (another window of the page may have added some): unreadable lines are
  // kept aside and reported, the rest become the entries.
  const syncScores = () => {
    const text = read(scoresKey);
    if (text === scoresRead || frozen.has(scoresKey)) return;
    const latest = entries[current]?.line;
    entries = [];
    current = -1;
    scoresRead = text;
    if (text === null) return;
    const kept = [];
    let firstWhy = null;
    for (const line of text.split("\n")) {
      const bare = line.endsWith("\r") ? line.slice(0, -1) : line;
      if (!bare) continue;
      const entry = core.readScoreLine(bare);
      if (entry.error) {
        firstWhy ??= entry.error;
        kept.push(bare);
      } else {
        if (bare === latest) current = entries.length;
        entries.push({ ...entry, line: bare });
      }
    }
    if (!kept.length) return;
    const aside = asideKey(scoresKey, Date.now());
    const moved = write(aside, kept.map((l) => `${l}\r\n`).join("")) && writeScores();
    if (!moved) {
      // Left whole where they are, and not written over while the page is open.
      write(aside, null);
      memory.delete(scoresKey);
      frozen.add(scoresKey);
    }
    const m = moved
      ? message(
          "Scores",
          "The score file %1 has %n lines that could not be read; they are left out of the table and kept in %2. The first:",
          [scoresKey, aside],
          kept.length,
        )
      : message(
          "Scores",
          "The score file %1 has %n lines that could not be read; they are kept as they are. The first:",
          [scoresKey],
          kept.length,
        );
    m.tail = firstWhy;
    report(m);
  };
  const writeScores = () => {
    const text = scoresText();
    const written = write(scoresKey, text);
    scoresRead = read(scoresKey);
    return written;
  };
  syncScores();
  function scoresText() {
    return entries.map((e) => `${e.line}\r\n`).join("");
  }

  // --- the records' operations -------------------------------------------------
  // The reports so far, each one line in the catalogue's language.
  Object.defineProperty(records, "problems", {
    get: () => found.map((m) => problemText(catalog, m)),
    enumerable: true,
  });
  Object.assign(records, {
    onProblem: null,
    setCatalog(c) {
      catalog = c;
    },
    prefs() {
      return { ...prefs, numbers: { ...prefs.numbers } };
    },
    // Changes some preferences; a value the page could not read back is
    // refused, the others are kept.
    setPrefs(partial) {
      // Another window of the page may have changed others since.
      const stored = read(prefsKey);
      if (stored !== null && stored !== JSON.stringify(prefs)) {
        const got = readPrefs(stored);
        if (got.prefs && !got.why) prefs = got.prefs;
      }
      const next = { ...prefs, ...partial, numbers: { ...prefs.numbers, ...(partial.numbers ?? {}) } };
      prefs = readPrefs(JSON.stringify(next), prefs).prefs ?? prefs;
      write(prefsKey, JSON.stringify(prefs));
      return records.prefs();
    },
    // The game kept for a board size, as the desktop's saved-game text.
    savedGame(size) {
      return read(gameKey(size));
    },
    setSavedGame(size, text) {
      write(gameKey(size), text);
    },
    // Puts the game kept for a size on the board through the desktop's
    // saved-game reader (which generates the puzzle again to compare): the
    // core's reply, or null when none is kept. A game that does not read is
    // kept aside and reported; the game in play stays.
    restoreGame(size) {
      const text = records.savedGame(size);
      if (text === null) return null;
      const reply = core.load(text);
      if (reply.error) keepAside(gameKey(size), text, reply.error);
      return reply;
    },
    keepAside,
    // Enters a finished game (the core's "completed" event) for a player:
    // the score line as the desktop's score file holds it, without its end.
    addFinish(finish, player = prefs.player) {
      const line = core.scoreLine(finish, validPlayerName(player) ? player : "Guest").replace(/\r?\n$/, "");
      const entry = core.readScoreLine(line);
      if (!entry.error) {
        syncScores();
        entries.push({ ...entry, line });
        current = entries.length - 1;
        writeScores();
      }
      return line;
    },
    // The results of a board size, best score first (equal scores in the
    // order they were made); current marks this visit's latest.
    scores(size) {
      syncScores();
      return entries
        .map((e, i) => ({ ...e, current: i === current }))
        .filter((e) => e.size === size)
        .sort((a, b) => b.score - a.score);
    },
    // Removes every result of the player (names alike without regard to
    // case), as the desktop's "Erase My Scores" does.
    eraseScores(player = prefs.player) {
      syncScores();
      const folded = foldName(player);
      const before = entries.length;
      const latest = entries[current];
      entries = entries.filter((e) => foldName(e.player) !== folded);
      current = latest ? entries.indexOf(latest) : -1;
      if (entries.length !== before) writeScores();
    },
    // The player's statistics, as the desktop's statistics window counts them.
    stats(player = prefs.player) {
      syncScores();
      return statistics(entries, player, boardSizeList);
    },
  });
  return records;
}

// One report in one line: the desktop's reader messages break lines with a
// carriage return; here they follow each other.
function problemText(catalog, m) {
  let text = formatMessage(catalog, m);
  if (m.tail) text += ` ${formatMessage(catalog, m.tail)}`;
  text = text.replace(/\s*[\r\n]+\s*/g, " ").trim();
  // A record's value quoted in a reason may be of any length.
  return text.length > longestReport ? `${text.slice(0, longestReport - 3)}...` : text;
}
const longestReport = 400;

// Names compare with only a to z folded, as the desktop's score table does.
export const foldName = (name) => String(name).replace(/[a-z]/g, (c) => c.toUpperCase());

// The figures of one board size (0: all sizes, without times).
function summarise(size, results, withTimes) {
  const s = {
    size,
    completed: results.length,
    timed: 0,
    bestTime: -1,
    medianTime: -1,
    misClicksPerPuzzle: 0,
    cluesPerPuzzle: 0,
  };
  if (!results.length) return s;
  let errors = 0;
  let clues = 0;
  const times = [];
  for (const r of results) {
    errors += r.errors;
    clues += r.clues;
    if (r.time >= 0) times.push(r.time);
  }
  s.misClicksPerPuzzle = errors / s.completed;
  s.cluesPerPuzzle = clues / s.completed;
  s.timed = times.length;
  if (!withTimes || !times.length) return s;
  times.sort((a, b) => a - b);
  s.bestTime = times[0];
  const mid = Math.floor(times.length / 2);
  s.medianTime = times.length % 2 ? times[mid] : Math.floor((times[mid - 1] + times[mid]) / 2);
  return s;
}

// Recent: the last results of the player, oldest first.
export const recentCount = 30;

export function statistics(entries, player, sizes) {
  const folded = String(player).toLowerCase();
  const mine = entries.filter((e) => String(e.player).toLowerCase() === folded);
  return {
    player,
    sizes: sizes.map((n) =>
      summarise(
        n,
        mine.filter((e) => e.size === n),
        true,
      ),
    ),
    all: summarise(0, mine, false),
    recent: mine.slice(-recentCount),
  };
}

// A time as the desktop's score window shows it: hh:mm:ss, "--:--:--" for none.
export function timeText(seconds) {
  if (seconds < 0) return "--:--:--";
  const two = (v) => String(v).padStart(2, "0");
  return `${two(Math.floor(seconds / 3600))}:${two(Math.floor(seconds / 60) % 60)}:${two(seconds % 60)}`;
}
