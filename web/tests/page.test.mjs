// The page played in Debian's headless chromium as a player plays it: by
// mouse, keyboard and touch, in English and German, with the network off.
// Every check compares the page with the game core run beside it in node.
// A page that reports an error, fails a request or asks anything of
// another host fails its test. QM_SHOTS=folder keeps a screenshot of the
// steps there.
import assert from "node:assert/strict";
import fs from "node:fs";
import path from "node:path";
import { after, before, describe, test } from "node:test";
import { pathToFileURL } from "node:url";
import { launchBrowser, loadNodeCore, pageReady, serveSite, site } from "./helpers.mjs";
import { Catalog } from "../site/js/i18n.mjs";

const core = await loadNodeCore();
const readJson = (name) => JSON.parse(fs.readFileSync(path.join(site, name), "utf8"));
const catalogs = { en: new Catalog("en", readJson("i18n/en.json")), de: new Catalog("de", readJson("i18n/de.json")) };
const tiles = readJson("tiles.json");
const a11y = await import(pathToFileURL(path.join(site, "js/a11y.mjs")).href);

let server;
let browser;
before(async () => {
  server = await serveSite();
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  await server?.close();
});

// A page of its own (its own storage), at the address given, drawn.
async function openPage(address, setUp) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const problems = [];
  page.on("pageerror", (error) => problems.push(String(error)));
  page.on("console", (m) => {
    if (m.type() === "error" && !m.text().startsWith("Failed to load resource")) problems.push(m.text());
  });
  page.on("response", (r) => r.status() >= 400 && problems.push(`${r.status()} ${r.url()}`));
  page.on("requestfailed", (r) => problems.push(`${r.failure()?.errorText} ${r.url()}`));
  page.on("request", (r) => {
    if (!/^(data|blob):/.test(r.url()) && !r.url().startsWith(server.url)) problems.push(`elsewhere: ${r.url()}`);
  });
  if (setUp) await setUp(page);
  await page.goto(server.url + address);
  await pageReady(page);
  return { context, page, problems };
}

async function shot(page, name) {
  if (process.env.QM_SHOTS) await page.screenshot({ path: path.join(process.env.QM_SHOTS, `${name}.png`) });
}

const square = (c, r) => `#board .square[data-c="${c}"][data-r="${r}"]`;
const candidate = (c, r, q) => `${square(c, r)} button.candidate[data-q="${q}"]`;

// The board as drawn: per square, solved or the candidates still offered.
const drawnBoard = (page) =>
  page.$$eval("#board .square", (squares) =>
    squares
      .map((sq) => ({
        c: Number(sq.dataset.c),
        r: Number(sq.dataset.r),
        solved: sq.classList.contains("solved"),
        left: sq.classList.contains("solved")
          ? []
          : [...sq.querySelectorAll("button.candidate:not(.removed)")].map((b) => Number(b.dataset.q)),
      }))
      .sort((a, b) => a.r - b.r || a.c - b.c),
  );

// The same from the node core's state.
function coreBoard() {
  const state = core.state();
  const n = state.size;
  return state.squares.map(([mask, solved], i) => {
    const left = [];
    for (let q = 1; q <= n && !solved; ++q) if (mask & (1 << q)) left.push(q);
    return { c: (i % n) + 1, r: Math.floor(i / n) + 1, solved: solved === 1, left };
  });
}

// The clock's seconds ("Time: 0:01:05").
async function clockSeconds(page) {
  const text = await page.$eval("#clock", (e) => e.textContent);
  const m = /(\d+):(\d\d):(\d\d)/.exec(text);
  assert.ok(m, `a time on the clock: "${text}"`);
  return Number(m[1]) * 3600 + Number(m[2]) * 60 + Number(m[3]);
}

// The clock ran on by the penalty as well as by the time that passed since
// it showed start (read at wall time since).
async function penaltyOnClock(page, start, since, penalty) {
  await page.waitForFunction(
    (least) => {
      const m = /(\d+):(\d\d):(\d\d)/.exec(document.querySelector("#clock").textContent);
      return m && Number(m[1]) * 3600 + Number(m[2]) * 60 + Number(m[3]) >= least;
    },
    { timeout: 10000 },
    start + penalty,
  );
  const passed = Math.floor((Date.now() - since) / 1000);
  const shown = await clockSeconds(page);
  assert.ok(shown - start >= penalty + passed - 2, `${shown - start} s on the clock in ${passed} s, penalty ${penalty} s`);
  return shown;
}

const solutionOf = (size, number) => JSON.parse(core.puzzleJson(size, number, 5, 0)).solution;
const difficultyOf = async (page) => {
  const value = Number(await page.$eval("#difficulty", (e) => e.value));
  return Number.isInteger(value) && value >= 0 && value <= 10 ? value : 5;
};

describe("the page in chromium", () => {
  test("puzzle 17 at 4x4 by clicks: a wrong choice, a clue step, kept on reload, solved with its score line", async () => {
    const { context, page, problems } = await openPage("#4:17");
    try {
      const solution = solutionOf(4, 17);
      core.setUp(4, 17, await difficultyOf(page));
      assert.deepEqual(await drawnBoard(page), coreBoard(), "the board the core set up");

      // A wrong choice: the tile of another square of the row, placed here.
      const wrong = solution[0][1];
      const pressed = core.press(1, 1, wrong, false);
      assert.ok(pressed.penalty > 3, "a penalty the clock cannot make up in a second");
      const since = Date.now();
      const start = await clockSeconds(page);
      await page.click(candidate(1, 1, wrong));
      await penaltyOnClock(page, start, since, pressed.penalty);
      await page.waitForFunction(() => !document.querySelector("#message").hidden, { timeout: 5000 });
      await shot(page, "wrong-choice");

      // A clue step: its square loses the candidate the core takes off,
      // the hint pane explains it and the clock shows the penalty.
      const clueSince = Date.now();
      const beforeClue = await clockSeconds(page);
      const hintBefore = await page.$eval("#hint", (e) => e.textContent);
      await page.click("#give-clue");
      const clue = core.giveClue();
      const step = clue.events.find((e) => e.type === "step");
      assert.ok(step, "the core finds a step");
      const penalty = clue.events.find((e) => e.type === "clock")?.penalty ?? 0;
      assert.ok(penalty > 3);
      await penaltyOnClock(page, beforeClue, clueSince, penalty);
      await page.waitForFunction(
        (before) => {
          const text = document.querySelector("#hint").textContent.trim();
          return text !== "" && text !== before.trim();
        },
        { timeout: 5000 },
        hintBefore,
      );
      const board = coreBoard();
      assert.deepEqual(await drawnBoard(page), board, "the board after the clue step");
      await shot(page, "clue-step");

      // Reloaded, the game is the one left.
      await page.reload();
      await pageReady(page);
      assert.deepEqual(await drawnBoard(page), board, "the game kept over a reload");
      assert.ok((await clockSeconds(page)) >= beforeClue + penalty, "the clock kept with its penalties");

      // Solved by clicks to the congratulations.
      for (let r = 1; r <= 4; ++r) {
        for (let c = 1; c <= 4; ++c) {
          const solved = await page.$eval(square(c, r), (e) => e.classList.contains("solved"));
          if (solved) continue;
          const q = solution[r - 1][c - 1];
          await page.click(candidate(c, r, q));
          core.press(c, r, q, false);
          await page.waitForSelector(`${square(c, r)}.solved`, { timeout: 5000 });
        }
      }
      await page.waitForSelector("dialog#congratulations[open]", { timeout: 10000 });
      await shot(page, "congratulations");
      const line = await page.$eval("#score-line", (e) => e.dataset.line ?? "");
      const read = core.readScoreLine(line);
      assert.equal(read.error, undefined, `a score line: "${line}"`);
      assert.deepEqual(
        [read.number, read.size, read.errors, read.clues],
        [17, 4, 1, 1],
        "the finished game's number, size, wrong choices and clues",
      );
      assert.ok(read.time >= beforeClue + penalty);
      assert.equal(core.scoreLine(read, read.player).trim(), line, "the score the core gives for the finish");
      assert.deepEqual(problems, []);
    } finally {
      await context.close();
    }
  });

  test("after the first visit the page loads and plays with the network off", async () => {
    const { context, page, problems } = await openPage("#5:4242");
    try {
      await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration())?.active != null, {
        polling: 200,
        timeout: 15000,
      });
      await page.reload();
      await pageReady(page);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 10000 });
      await page.setOfflineMode(true);
      await page.reload();
      await pageReady(page);
      assert.equal(await page.$$eval("#board .square", (s) => s.length), 25);
      core.setUp(5, 4242, await difficultyOf(page));
      assert.deepEqual(await drawnBoard(page), coreBoard());
      // A tile placed offline.
      const q = solutionOf(5, 4242)[0][0];
      await page.click(candidate(1, 1, q));
      await page.waitForSelector(`${square(1, 1)}.solved`, { timeout: 5000 });
      await shot(page, "offline");
      await page.setOfflineMode(false);
      assert.deepEqual(problems, []);
    } finally {
      await context.close();
    }
  });

  test("the accessibility tree names squares and clues; German at once; keyboard play", async () => {
    const { context, page, problems } = await openPage("#5:321");
    try {
      core.setUp(5, 321, await difficultyOf(page));
      const state = core.state();
      const tree = await page.accessibility.snapshot({ interestingOnly: false });
      const nodes = [];
      const walk = (node) => {
        nodes.push(node);
        (node.children ?? []).forEach(walk);
      };
      walk(tree);
      const cells = nodes.filter((n) => n.role === "gridcell");
      assert.equal(cells.length, 25, "25 squares in the grid");
      // Row by row, each square by its column and row with its tiles.
      cells.forEach((cell, i) => {
        const c = (i % 5) + 1;
        const r = Math.floor(i / 5) + 1;
        const tileNames = tiles.tiles[r - 1].slice(0, 5);
        assert.ok(cell.name.startsWith(`Column ${c}, ${tiles.rows[r - 1]}: `), cell.name);
        for (const name of tileNames) assert.ok(cell.name.includes(name), `${name} in "${cell.name}"`);
      });
      // Each clue a sentence naming its tiles.
      const buttons = nodes.filter((n) => n.role === "button").map((n) => n.name ?? "");
      for (const clue of [...state.horizontal, ...state.vertical]) {
        const named = clue.tiles.map(([row, tile]) => tiles.tiles[row - 1][tile - 1]);
        assert.ok(
          buttons.some((name) => /^The .+\.?$/.test(name) && named.every((n) => name.includes(n))),
          `a clue sentence naming ${named.join(", ")}`,
        );
      }
      const names = new Set(nodes.map((n) => n.name));
      const ctx = { catalog: catalogs.en, tiles, state, core };
      assert.ok(names.has(a11y.squareName(ctx, 1, 1)), `"${a11y.squareName(ctx, 1, 1)}" in the tree`);
      state.horizontal.forEach((_, i) => {
        const sentence = a11y.clueSentence(ctx, false, i);
        assert.ok([...names].some((name) => name?.includes(sentence)), `clue sentence "${sentence}"`);
      });
      state.vertical.forEach((_, i) => {
        const sentence = a11y.clueSentence(ctx, true, i);
        assert.ok([...names].some((name) => name?.includes(sentence)), `clue sentence "${sentence}"`);
      });

      // German from the menu, at once: the commands and the squares' names.
      await page.select("#language", "de");
      const giveClue = catalogs.de.tr("MainForm", "Give me a clue!");
      assert.notEqual(giveClue, "Give me a clue!");
      await page.waitForFunction((text) => document.querySelector("#give-clue").textContent.trim() === text, { timeout: 5000 }, giveClue);
      assert.equal(await page.$eval("html", (e) => e.lang), "de");
      const name = a11y.squareName({ catalog: catalogs.de, tiles, state, core }, 1, 1);
      const german = await page.accessibility.snapshot({ interestingOnly: false, root: await page.$(square(1, 1)) });
      assert.equal(german?.name, name);
      await shot(page, "german");

      // Keyboard only: Tab into the board, Ctrl and Alt with a digit to
      // square (2, 1), a digit to a candidate, Delete takes a wrong one off,
      // Enter places the right one.
      let tabs = 0;
      while (!(await page.evaluate(() => document.querySelector("#board").contains(document.activeElement)))) {
        assert.ok(++tabs < 80, "the board in the Tab order");
        await page.keyboard.press("Tab");
      }
      const withKey = async (modifier, key) => {
        await page.keyboard.down(modifier);
        await page.keyboard.press(key);
        await page.keyboard.up(modifier);
      };
      const right = solutionOf(5, 321)[0][1];
      const wrong = (right % 5) + 1;
      await withKey("Control", "Digit2");
      await withKey("Alt", "Digit1");
      await page.keyboard.press(`Digit${wrong}`);
      await page.keyboard.press("Delete");
      await page.waitForSelector(`${candidate(2, 1, wrong)}.removed`, { timeout: 5000 });
      await page.keyboard.press(`Digit${right}`);
      await page.keyboard.press("Enter");
      await page.waitForSelector(`${square(2, 1)}.solved`, { timeout: 5000 });
      core.press(2, 1, wrong, true);
      core.press(2, 1, right, false);
      assert.deepEqual(await drawnBoard(page), coreBoard(), "the board after the keys");
      assert.ok(
        await page.evaluate(() => document.querySelector("#board").contains(document.activeElement)),
        "the focus stays on the board",
      );
      await shot(page, "keyboard");
      assert.deepEqual(problems, []);
    } finally {
      await context.close();
    }
  });

  test("on a 360x740 touch screen: a 6x6 square tapped, a 10x10 square played enlarged", async () => {
    const { context, page, problems } = await openPage("#6:1234", (p) =>
      p.emulate({
        viewport: { width: 360, height: 740, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
        userAgent: "Mozilla/5.0 (Linux; Android 14) Mobile",
      }),
    );
    try {
      const solution = solutionOf(6, 1234);
      assert.ok(
        await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth),
        "nothing wider than the screen",
      );
      // Square (2, 1): a wrong candidate removed with the remove switch, then
      // the right one placed with a tap.
      const tapOn = async (selector) => {
        const handle = await page.$(selector);
        assert.ok(handle, selector);
        await handle.scrollIntoView();
        const box = await handle.boundingBox();
        assert.ok(box.width >= 8 && box.height >= 8, `${selector} can be hit`);
        await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
      };
      const right = solution[0][1];
      const wrong = (right % 6) + 1;
      await tapOn("#remove-mode");
      await page.waitForFunction(() => document.querySelector("#remove-mode").getAttribute("aria-pressed") === "true");
      await tapOn(candidate(2, 1, wrong));
      await page.waitForSelector(`${candidate(2, 1, wrong)}.removed`, { timeout: 5000 });
      await tapOn("#remove-mode");
      await tapOn(candidate(2, 1, right));
      await page.waitForSelector(`${square(2, 1)}.solved`, { timeout: 5000 });
      await shot(page, "touch");
      core.setUp(6, 1234, await difficultyOf(page));
      core.press(2, 1, wrong, true);
      core.press(2, 1, right, false);
      assert.deepEqual(await drawnBoard(page), coreBoard());

      // At 10x10 a tap opens the square enlarged and presses nothing; a tap
      // there places the tile.
      await page.goto(`${server.url}#10:5`);
      await pageReady(page);
      core.setUp(10, 5, await difficultyOf(page));
      const tile = solutionOf(10, 5)[1][2];
      await tapOn(square(3, 2));
      await page.waitForSelector("dialog#enlarged[open]", { timeout: 5000 });
      await shot(page, "touch-enlarged");
      assert.deepEqual(await drawnBoard(page), coreBoard(), "the tap that opened the square pressed nothing");
      assert.equal(await page.$eval("#message", (e) => e.hidden), true, "no wrong choice");
      await tapOn(`#enlarged button.candidate[data-q="${tile}"]`);
      await page.waitForSelector(`${square(3, 2)}.solved`, { timeout: 5000 });
      core.press(3, 2, tile, false);
      assert.deepEqual(await drawnBoard(page), coreBoard());
      assert.deepEqual(problems, []);
    } finally {
      await context.close();
    }
  });
});
