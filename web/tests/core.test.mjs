// The page's core (WebAssembly) against the native game: the same puzzles
// and clue steps as the puzzle tool, and the desktop's saved games.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { test } from "node:test";
import { loadNodeCore, puzzleTool, sizes } from "./helpers.mjs";
import { Catalog, formatMessage } from "../site/js/i18n.mjs";

const core = await loadNodeCore();
const english = new Catalog("en", {});

test("every size gives the native puzzle tool's JSON, clue steps included, byte for byte", () => {
  // Numbers spread over the whole range (the ends too), every difficulty.
  const requests = [];
  let seed = 12345;
  for (const size of sizes) {
    for (let i = 0; i < 60; ++i) {
      seed = (seed * 1103515245 + 12345) % 2147483648;
      const number = i === 0 ? 1 : i === 1 ? 999999 : 1 + (seed % 999999);
      requests.push([size, number, (i + size) % 11]);
    }
  }
  const steps = 4;
  const native = spawnSync(puzzleTool, ["--batch", "--json", "--steps", String(steps)], {
    input: requests.map((r) => r.join(" ")).join("\n") + "\n",
    encoding: "utf8",
    maxBuffer: 64 << 20,
  });
  assert.equal(native.status, 0, `${puzzleTool}: ${native.error ?? native.stderr}`);
  const lines = native.stdout.split("\n").filter((line) => line !== "");
  assert.equal(lines.length, requests.length);
  requests.forEach(([size, number, difficulty], i) => {
    const wasm = core.puzzleJson(size, number, difficulty, steps);
    assert.equal(wasm, lines[i], `puzzle ${number} at ${size}x${size}, difficulty ${difficulty}`);
  });
  // The steps were taken, and differ between requests.
  const parsed = JSON.parse(lines.at(-1));
  assert.equal(parsed.steps.length, steps);
  assert.equal(new Set(lines).size, requests.length);
});

test("a game played in the core is saved and read back; a damaged one is refused and the game kept", () => {
  const size = 6;
  const number = 1234;
  const solution = JSON.parse(core.puzzleJson(size, number, 5, 0)).solution;
  const tileAt = (c, r) => solution[r - 1][c - 1];
  core.setUp(size, number, 5);
  // A wrong choice, a candidate taken off, a tile placed and two clue steps.
  const wrong = (tileAt(2, 1) % size) + 1;
  assert.ok(core.press(2, 1, wrong, false).penalty > 0);
  core.press(3, 2, (tileAt(3, 2) % size) + 1, true);
  core.press(1, 1, tileAt(1, 1), false);
  core.giveClue();
  core.giveClue();
  // The clock counts the page's ticks (ten a second) only while the game
  // is played: not paused.
  const ticks = (n) => {
    for (let i = 0; i < n; ++i) core.tick();
  };
  const beforePause = core.state().seconds;
  core.pause(true);
  ticks(30);
  assert.equal(core.state().seconds, beforePause, "the clock stands while paused");
  core.pause(false);
  ticks(30);
  assert.equal(core.state().seconds, beforePause + 3);
  const played = core.state();
  assert.equal(played.errors, 1);
  assert.equal(played.clues, 2);
  assert.ok(played.seconds > 0);
  const saved = core.save();

  core.setUp(4, 17, 5);
  const loaded = core.load(saved);
  assert.equal(loaded.error, undefined, JSON.stringify(loaded.error));
  assert.ok(loaded.events.some((e) => e.type === "puzzle" && e.how === "loaded"));
  const back = core.state();
  for (const key of ["size", "number", "seconds", "errors", "clues", "solvedCount", "squares"]) {
    assert.deepEqual(back[key], played[key], key);
  }
  assert.equal(core.save(), saved);

  // A clue that the solution makes false, a file cut short, bytes that are
  // no text: each refused in the reader's words, the game on the board kept.
  const lines = saved.split("\n");
  const clueLine = lines.findIndex((line) => line.startsWith("type=clLeftOf~"));
  assert.ok(clueLine > 0, "a clue of the kind \"left of\" in the puzzle");
  const falseClue = lines.slice();
  falseClue[clueLine] = falseClue[clueLine].replace(/c1=(\d+)\/c2=(\d+)\/c3=(\d+)\/c4=(\d+)/, "c1=$3/c2=$4/c3=$1/c4=$2");
  const damaged = [
    [falseClue.join("\n"), `line ${clueLine + 1}: the clue is false for the board's solution`],
    [saved.slice(0, saved.indexOf("hclues=")), /^line \d+: the file ends where .+ should be$/],
    [new Uint8Array([0xff, 0xfe, 0, 1, 0x80]), /^line 1: /],
  ];
  for (const [bytes, message] of damaged) {
    const refused = core.load(bytes);
    assert.ok(refused.error, "refused");
    const text = formatMessage(english, refused.error);
    if (typeof message === "string") assert.equal(text, message);
    else assert.match(text, message);
    assert.deepEqual(refused.events, []);
    assert.equal(core.save(), saved);
  }
});

test("a number typed for Go to is read as the desktop reads it, however big or odd", () => {
  assert.deepEqual(
    [" 4242 ", "+7", "-3", "12.5", "abc", "", "1e5", "99999999999999999999999"].map((t) => core.parseNumber(t)),
    [4242, 7, 1, 1, 1, 1, 1, 999999],
  );
  assert.deepEqual(
    [1e20, -1e20, Number.NaN, 1e9, 0, 4242].map((n) => core.clampNumber(n)),
    [999999, 1, 1, 999999, 1, 4242],
  );
});
