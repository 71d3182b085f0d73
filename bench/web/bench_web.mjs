// The web page's figures: its weight, the time to the first puzzle drawn in
// headless chromium, the core's 10x10 set-up in wasm against the native
// puzzle tool, and a press on the board to the next painted frame. Prints a
// table; fails only when a figure could not be taken (no aims enforced).
//   QM_SITE=build-web/site QM_PUZZLE=build-bench/tools/puzzle/quillmere-puzzle node bench/web/bench_web.mjs
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { performance } from "node:perf_hooks";
import { launchBrowser, loadNodeCore, pageReady, puzzleTool, serveSite, site } from "../../web/tests/helpers.mjs";

const rows = [];
const row = (what, value, aim) => {
  rows.push([what, value, aim]);
  console.log(`  ${what}: ${value}`);
};
const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const ms = (value) => `${value.toFixed(1)} ms`;

// --- weight -------------------------------------------------------------------
function folderBytes(folder) {
  let total = 0;
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const file = path.join(folder, entry.name);
    total += entry.isDirectory() ? folderBytes(file) : fs.statSync(file).size;
  }
  return total;
}
row("wasm", kb(fs.statSync(path.join(site, "core.wasm")).size), "< 150 KB");
row("page, every file", kb(folderBytes(site)), "< 1.5 MB");

// --- 10x10 set-up: the same requests in wasm (node) and natively -----------------
const core = await loadNodeCore();
const numbers = Array.from({ length: 100 }, (_, i) => 1 + ((i * 7919 + 17) % 999999));
for (let k = 0; k < 5; ++k) core.puzzleJson(10, 500000 + k, 5, 0); // the engine's code compiled
let start = performance.now();
const wasmLines = numbers.map((k) => core.puzzleJson(10, k, 5, 0));
const wasmMs = (performance.now() - start) / numbers.length;
start = performance.now();
for (const k of numbers) core.setUp(10, k, 5);
const wasmGameMs = (performance.now() - start) / numbers.length;

const runTool = (lines) => {
  const begin = performance.now();
  const run = spawnSync(puzzleTool, ["--batch", "--json"], { input: lines.join("\n") + "\n", encoding: "utf8", maxBuffer: 64 << 20 });
  if (run.status !== 0) throw new Error(`${puzzleTool}: ${run.error ?? run.stderr}`);
  return { ms: performance.now() - begin, out: run.stdout };
};
const empty = Math.min(...[0, 1, 2].map(() => runTool([]).ms)); // the program's start alone
const native = runTool(numbers.map((k) => `10 ${k} 5`));
const nativeMs = Math.max(native.ms - empty, 0.001) / numbers.length;
if (native.out.trim().split("\n").join("\n") !== wasmLines.join("\n")) throw new Error("wasm and native puzzles differ");
row("10x10 set-up, native (puzzle tool)", ms(nativeMs), "");
row("10x10 set-up, wasm (same requests)", ms(wasmMs), "");
row("10x10 set-up, wasm / native", `${(wasmMs / nativeMs).toFixed(2)}x`, "< 2x");
row("10x10 game set-up in wasm (core.setUp)", ms(wasmGameMs), "");

// --- the page in chromium ----------------------------------------------------------
const server = await serveSite();
const browser = await launchBrowser();
try {
  // The first visit, nothing cached: navigation to the first puzzle drawn.
  const firsts = [];
  let firstBytes = 0;
  for (let i = 0; i < 5; ++i) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const before = server.stats.bytes;
    await page.goto(`${server.url}#6:${1000 + i}`);
    await pageReady(page);
    firsts.push(await page.evaluate(() => performance.getEntriesByName("qm-first-puzzle")[0].startTime));
    if (i === 0) firstBytes = server.stats.bytes - before;
    await context.close();
  }
  row("navigation to the first puzzle drawn (median of 5)", ms(median(firsts)), "< 1000 ms");
  row("bytes served until then (first visit)", kb(firstBytes), "");

  // Presses on a 10x10 board: one candidate taken off and brought back.
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(`${server.url}#10:77`);
  await pageReady(page);
  const target = await page.$eval("#board .square:not(.solved) button.candidate:not(.removed)", (b) => {
    const sq = b.closest(".square");
    return `#board .square[data-c="${sq.dataset.c}"][data-r="${sq.dataset.r}"] button.candidate[data-q="${b.dataset.q}"]`;
  });
  const presses = 50;
  for (let i = 0; i < presses; ++i) {
    const painted = await page.evaluate(() => performance.getEntriesByName("qm-painted").length);
    await page.click(target, { button: "right" });
    await page.waitForFunction((n) => performance.getEntriesByName("qm-painted").length > n, { timeout: 5000 }, painted);
  }
  const delays = await page.evaluate(() => {
    const painted = performance.getEntriesByName("qm-painted");
    return performance.getEntriesByName("qm-press").map((press) => {
      const next = painted.find((p) => p.startTime >= press.startTime);
      return next ? next.startTime - press.startTime : NaN;
    });
  });
  const measured = delays.filter((d) => Number.isFinite(d));
  if (measured.length < presses) throw new Error(`${presses} presses, ${measured.length} painted`);
  row(`press to the next painted frame, 10x10 (median of ${measured.length})`, ms(median(measured)), "< 16 ms");
  row("  the slowest", ms(Math.max(...measured)), "");
  await context.close();
} finally {
  await browser.close();
  await server.close();
}

// --- the table ------------------------------------------------------------------------
const widths = [0, 1, 2].map((i) => Math.max(...rows.map((r) => r[i].length), 4));
console.log("\nThe web page");
console.log(`${"figure".padEnd(widths[0])}  ${"value".padStart(widths[1])}  aim`);
for (const [what, value, aim] of rows) console.log(`${what.padEnd(widths[0])}  ${value.padStart(widths[1])}  ${aim}`);
