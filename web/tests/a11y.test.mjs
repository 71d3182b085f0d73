// The page's words for screen readers against the desktop's: clue
// sentences worked out from the native puzzle tool's clues (kind numbers and
// squares, as the desktop's clue list holds them) with the desktop's
// sentences, square and candidate names through a played game, and the
// announcements of a mis-click, a removal and a clue step.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { test } from "node:test";
import { loadNodeCore, puzzleTool, site } from "./helpers.mjs";
import { Catalog } from "../site/js/i18n.mjs";
import { announce, candidateName, clueSentence, squareName } from "../site/js/a11y.mjs";

const core = await loadNodeCore();
const tiles = JSON.parse(fs.readFileSync(path.join(site, "tiles.json"), "utf8"));
const catalogOf = (code) =>
  new Catalog(code, JSON.parse(fs.readFileSync(path.join(site, "i18n", `${code}.json`), "utf8")));
const english = catalogOf("en");
const german = catalogOf("de");

function nativePuzzle(size, number) {
  const run = spawnSync(puzzleTool, ["--size", String(size), "--number", String(number), "--json", "--steps", "3"], {
    encoding: "utf8",
  });
  assert.equal(run.status, 0, `${puzzleTool}: ${run.error ?? run.stderr}`);
  return JSON.parse(run.stdout);
}

// The desktop's sentence of each clue kind by its number, and how many
// tiles it names: the hint pane's where it has one, else the screen
// reader's own.
const sentences = {
  1: [3, "The %3 is directly between the %1 and the %2 (the outer two tiles may be swapped over)"],
  2: [2, "The %1 and the %2 are both in the same column"],
  3: [2, "The %1 is directly next to the %2"],
  4: [2, "The %1 is not directly next to %2"],
  5: [3, "The %1 and the %2 and the %3 are all in the same column"],
  6: [3, "The %1 and the %2 have one column between them, and the %3 is not in it"],
  7: [2, "The %1 is at least one column to the left of the %2"],
  8: [2, "The %1 and the %2 are not in the same column"],
};
const verticalKinds = new Set([2, 5, 8]);

// A native clue [kind, c1..c6] in English: a vertical kind's tile k stands
// at (c1, c(k+1)), a horizontal kind of t tiles has tile k at (ck, c(t+k));
// each named by the solution's tile there.
function expectedSentence(puzzle, [kind, ...c]) {
  const [count, text] = sentences[kind];
  const names = [];
  for (let k = 1; k <= count; ++k) {
    const [col, row] = verticalKinds.has(kind) ? [c[0], c[k]] : [c[k - 1], c[count + k - 1]];
    names.push(tiles.tiles[row - 1][puzzle.solution[row - 1][col - 1] - 1]);
  }
  return text.replace(/%([1-3])/g, (all, k) => names[k - 1]);
}

function context(catalog) {
  return { catalog, tiles, core, state: core.state(), records: { prefs: () => ({ timed: true }) } };
}

test("every clue reads as the desktop's sentence naming its tiles, hidden ones so marked, in English and German", () => {
  // 4x4 puzzle 17 and 6x6 puzzle 1234 as the desktop says them, then
  // puzzles enough for every kind of clue the generator makes.
  const ctx17 = context(english);
  core.setUp(4, 17, 5);
  ctx17.state = core.state();
  assert.deepEqual(
    ctx17.state.horizontal.map((_, i) => clueSentence(ctx17, false, i)),
    [
      "The Corn is at least one column to the left of the Carrot",
      "The Apple is at least one column to the left of the Airplane",
      "The Bicycle is at least one column to the left of the Bus",
      "The Rabbit is directly between the Banana and the Eggplant (the outer two tiles may be swapped over)",
      "The Cat is at least one column to the left of the Broccoli",
    ],
  );
  assert.equal(clueSentence(ctx17, true, 1), "The Mouse and the Strawberry and the Corn are all in the same column");
  assert.equal(
    clueSentence({ ...ctx17, catalog: german }, false, 0),
    "Mais steht mindestens eine Spalte links von Karotte",
  );

  const kinds = new Set();
  const requests = [[4, 17], [6, 1234]];
  for (let number = 1; number <= 40; ++number) requests.push([[5, 8, 10][number % 3], number]);
  for (const [size, number] of requests) {
    const puzzle = nativePuzzle(size, number);
    core.setUp(size, number, 5);
    const ctx = context(english);
    for (const [vertical, clues] of [[false, puzzle.hclues], [true, puzzle.vclues]]) {
      clues.forEach((clue, i) => {
        kinds.add(clue[0]);
        assert.equal(clueSentence(ctx, vertical, i), expectedSentence(puzzle, clue), `${size}:${number} clue ${i}`);
      });
    }
  }
  // Every kind the generator makes.
  assert.deepEqual([...kinds].sort(), [1, 2, 4, 5, 7]);

  // A hidden clue says so after its sentence, in the player's language.
  core.setUp(4, 17, 5);
  core.toggleClue(false, 0);
  const ctx = context(german);
  assert.equal(clueSentence(ctx, false, 0), "Mais steht mindestens eine Spalte links von Karotte (ausgeblendet)");
  assert.equal(clueSentence(ctx, false, 1), "Apfel steht mindestens eine Spalte links von Flugzeug");
});

test("squares, candidates and the announcements follow a played game as the desktop's reader hears it", () => {
  // 4x4 puzzle 17: row 1 (Animals) is Mouse, Cat, Rabbit, Dog.
  const puzzle = nativePuzzle(4, 17);
  assert.deepEqual(puzzle.solution[0], [3, 2, 4, 1]);
  core.setUp(4, 17, 5);
  const ctx = context(english);
  const play = (reply) => {
    ctx.state = core.state();
    return reply.events.map((e) => announce(ctx, e)).filter(Boolean);
  };
  assert.equal(squareName(ctx, 2, 1), "Column 2, Animals: Dog, Cat, Mouse or Rabbit");

  // A wrong tile: the message and the penalty (difficulty 5: 5 seconds).
  assert.deepEqual(play(core.press(2, 1, 1, false)), [
    "Sorry, that is the wrong choice!",
    "5 seconds added to the time.",
  ]);
  // Dog removed from column 2, then the Mouse placed in column 1, which
  // takes it from the rest of the row.
  assert.deepEqual(play(core.press(2, 1, 1, true)), ["Dog removed"]);
  assert.equal(squareName(ctx, 2, 1), "Column 2, Animals: Cat, Mouse or Rabbit");
  assert.equal(candidateName(ctx, 2, 1, 1), "Column 2, Animals: Dog, removed");
  assert.deepEqual(play(core.press(1, 1, 3, false)), ["Column 1, Animals: Mouse, placed"]);
  assert.equal(squareName(ctx, 1, 1), "Column 1, Animals: Mouse");
  assert.equal(candidateName(ctx, 1, 1, 3), "Column 1, Animals: Mouse, placed");
  assert.equal(candidateName(ctx, 1, 1, 2), "Column 1, Animals: Cat, removed");
  assert.equal(squareName(ctx, 2, 1), "Column 2, Animals: Cat or Rabbit");
  assert.deepEqual(play(core.press(3, 1, 3, true)), ["Mouse is placed in another column"]);
  // Removing the Rabbit leaves column 2 the Cat: solved by the removal.
  assert.deepEqual(play(core.press(2, 1, 4, true)), ["Rabbit removed Column 2, Animals: Cat, placed"]);

  // From the keys, the square under the cursor says what it became as the
  // focus; a removal that solves it says both in one.
  core.setUp(4, 17, 5);
  core.cursorShow("board");
  core.cursorMoveTo(1, 1);
  assert.deepEqual(play(core.press(1, 1, 3, false)), []);
  core.press(2, 1, 1, true);
  core.cursorMoveTo(2, 1);
  assert.deepEqual(play(core.press(2, 1, 4, true)), ["Rabbit removed. Column 2, Animals: Cat, placed"]);
  core.cursorMouse(0, 0, 0);

  // A clue step: the native tool's first step takes the Carrot (tile 1)
  // from column 1's vegetables by the first horizontal clue.
  core.setUp(4, 17, 5);
  assert.deepEqual(puzzle.steps[0].explain, [{ list: "h", index: 0 }]);
  assert.deepEqual([puzzle.steps[0].last_changed, puzzle.steps[0].lastremoved], [[1, 3], 1]);
  assert.deepEqual(play(core.giveClue()), [
    "The Corn is at least one column to the left of the Carrot ... So this tile: Carrot can be removed from " +
      "column 1's vegetables. Column 1, Vegetables: Corn, Broccoli or Eggplant",
    "20 seconds added to the time.",
  ]);
  // The same in German, and the pause.
  const de = { ...ctx, catalog: german };
  assert.equal(squareName(de, 1, 3), "Spalte 1, Gemüse: Mais, Brokkoli oder Aubergine");
  assert.deepEqual(
    core.pause(true).events.map((e) => announce(de, e)).filter(Boolean),
    ["Das Spiel ist angehalten. Drücken Sie P zum Fortsetzen."],
  );
  core.pause(false);
});
