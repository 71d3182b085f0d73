// The high scores of a board size and the player's statistics in one
// window of the page, with the desktop's headings and texts (translated in
// the desktop's files). Every value is put in as text.

import { fill } from "./i18n.mjs";
import { boardSizes, foldName, recentCount, timeText } from "./records.mjs";

// The colour of a board size's bars, as the desktop's statistics chart has them.
const sizeColours = {
  4: "rgb(120, 200, 120)",
  5: "rgb(80, 160, 220)",
  6: "rgb(230, 190, 60)",
  8: "rgb(230, 130, 50)",
  9: "rgb(200, 70, 70)",
  10: "rgb(150, 80, 190)",
};

export const scoreHeadings = ["Name", "Puzzle Size", "Score", "Number", "Time", "Mis-Clicks", "Clues", "Difficulty"];
const statisticsHeadings = [
  "Puzzle Size",
  "Completed",
  "Best Time",
  "Median Time",
  "Mis-Clicks per Puzzle",
  "Clues per Puzzle",
];

function element(doc, tag, className, text) {
  const e = doc.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

const sizeText = (n) => `${n} x ${n}`;

// The window's number formats in the catalogue's language: scores grouped,
// counts plain, averages with one decimal.
function numberFormats(catalog) {
  const language = catalog.language || "en";
  return {
    grouped: new Intl.NumberFormat(language, { maximumFractionDigits: 0 }),
    plain: new Intl.NumberFormat(language, { useGrouping: false, maximumFractionDigits: 0 }),
    oneDecimal: new Intl.NumberFormat(language, {
      useGrouping: false,
      minimumFractionDigits: 1,
      maximumFractionDigits: 1,
    }),
  };
}

// The texts of a score ({player, size, score, number, time, errors, clues,
// difficulty}) as the score table shows them, one per heading of
// scoreHeadings: cellsOf = scoreCells(catalog), then cellsOf(score).
export function scoreCells(catalog) {
  const { grouped, plain } = numberFormats(catalog);
  return (e) => [
    e.player,
    sizeText(e.size),
    grouped.format(e.score),
    plain.format(e.number),
    timeText(e.time),
    plain.format(e.errors),
    plain.format(e.clues),
    plain.format(e.difficulty),
  ];
}

function stylesheet(doc) {
  if (doc.getElementById("records-style")) return;
  const link = doc.createElement("link");
  link.id = "records-style";
  link.rel = "stylesheet";
  link.href = "records.css";
  doc.head.append(link);
}

// Opens the window (a <dialog>, made at each call) for ctx = {catalog,
// core, size? or state.size (the size shown first), apply?(reply)}: the
// game pauses under it as under a desktop dialog; apply gets the core's
// replies to draw them.
export function showRecords(ctx, records, doc = globalThis.document) {
  stylesheet(doc);
  const { catalog, core } = ctx;
  const tr = (context, source, count) => catalog.tr(context, source, count);
  const { grouped, plain, oneDecimal } = numberFormats(catalog);
  const cellsOf = scoreCells(catalog);
  const sizes = boardSizes(core);

  doc.getElementById("records-dialog")?.remove();
  const dialog = element(doc, "dialog", "records");
  dialog.id = "records-dialog";
  dialog.setAttribute("aria-labelledby", "records-title");

  const title = element(doc, "h2", "records-title", tr("TScoreForm", "Hi Scores"));
  title.id = "records-title";
  const choose = element(doc, "label", "records-size");
  choose.append(element(doc, "span", "", `${tr("Scores", "Puzzle Size")} `));
  const select = element(doc, "select");
  select.id = "records-size";
  for (const n of sizes) {
    const option = element(doc, "option", "", sizeText(n));
    option.value = String(n);
    select.append(option);
  }
  const wanted = ctx.size ?? ctx.state?.size;
  const shown = sizes.includes(wanted) ? wanted : records.prefs().size;
  select.value = String(shown);
  choose.append(select);

  // The scores of the chosen size, best first.
  const scoresBox = element(doc, "div", "records-scroll");
  // A heading sorts by its column as the desktop's do: the same heading
  // again turns the order round; names go A to Z and numbers largest first
  // while the switch is set; equal keys keep their order. At first: best first.
  let sortColumn = 2;
  let sortFlag = true;
  const sortKeys = ["player", "size", "score", "number", "time", "errors", "clues", "difficulty"];
  const sorted = (entries) => {
    const key = sortKeys[sortColumn];
    const order =
      sortColumn === 0
        ? (a, b) => {
            const x = foldName(a.player);
            const y = foldName(b.player);
            return x === y ? 0 : (x < y) === sortFlag ? -1 : 1;
          }
        : (a, b) => (sortFlag ? b[key] - a[key] : a[key] - b[key]);
    return entries.sort(order);
  };
  const drawScores = () => {
    const table = element(doc, "table", "records-scores");
    table.id = "records-scores";
    table.setAttribute("aria-labelledby", "records-title");
    const head = element(doc, "tr");
    scoreHeadings.forEach((h, c) => {
      const th = element(doc, "th", c <= 1 ? "text" : "figure");
      th.scope = "col";
      const button = element(doc, "button", "records-sort", tr("Scores", h));
      button.type = "button";
      button.title = tr("TScoreForm", "Click the headings to sort");
      button.addEventListener("click", () => {
        if (c === sortColumn) sortFlag = !sortFlag;
        sortColumn = c;
        drawScores();
        scoresBox.querySelectorAll("button.records-sort")[c]?.focus();
      });
      if (c === sortColumn) {
        const up = c === 0 ? sortFlag : !sortFlag;
        th.setAttribute("aria-sort", up ? "ascending" : "descending");
      }
      th.append(button);
      head.append(th);
    });
    table.append(element(doc, "thead"));
    table.tHead.append(head);
    const body = element(doc, "tbody");
    const entries = sorted(records.scores(Number(select.value)));
    if (!entries.length) {
      const row = element(doc, "tr");
      const cell = element(doc, "td", "empty", tr("TStatisticsForm", "No completed puzzles yet"));
      cell.colSpan = scoreHeadings.length;
      row.append(cell);
      body.append(row);
    }
    for (const e of entries) {
      const row = element(doc, "tr", e.current ? "current" : "");
      cellsOf(e).forEach((text, c) => row.append(element(doc, "td", c <= 1 ? "text" : "figure", text)));
      body.append(row);
    }
    table.append(body);
    scoresBox.replaceChildren(table);
  };
  select.addEventListener("change", drawScores);

  // The player's statistics: a row per size and all sizes together, and the
  // last results as bars.
  const statsBox = element(doc, "section", "records-statistics");
  const drawStatistics = () => {
    const stats = records.stats();
    const heading = element(doc, "h3", "", fill(tr("TStatisticsForm", "Statistics of %1"), [stats.player]));
    heading.id = "records-statistics-title";
    const table = element(doc, "table", "records-stats");
    table.id = "records-stats";
    table.setAttribute("aria-labelledby", heading.id);
    const head = element(doc, "tr");
    for (const h of statisticsHeadings) {
      const th = element(doc, "th", "", tr("TStatisticsForm", h));
      th.scope = "col";
      head.append(th);
    }
    table.append(element(doc, "thead"));
    table.tHead.append(head);
    const body = element(doc, "tbody");
    for (const s of [...stats.sizes, stats.all]) {
      const timed = s.size !== 0;
      const average = (v) => (s.completed ? oneDecimal.format(v) : "-");
      const texts = [
        s.size ? sizeText(s.size) : tr("TStatisticsForm", "All sizes"),
        plain.format(s.completed),
        timed && s.bestTime >= 0 ? timeText(s.bestTime) : "-",
        timed && s.medianTime >= 0 ? timeText(s.medianTime) : "-",
        average(s.misClicksPerPuzzle),
        average(s.cluesPerPuzzle),
      ];
      const row = element(doc, "tr", s.size ? "" : "all");
      texts.forEach((t, c) => {
        const cell = element(doc, c === 0 ? "th" : "td", "", t);
        if (c === 0) cell.scope = "row";
        row.append(cell);
      });
      body.append(row);
    }
    table.append(body);
    const note = element(
      doc,
      "p",
      "records-note",
      tr(
        "TStatisticsForm",
        "Times count only timed games. With an even number of times the median is the mean of the middle two.",
      ),
    );
    statsBox.replaceChildren(heading, table, note, chart(stats.recent));
  };

  // The last results, oldest first, as bars as high as their scores.
  const chart = (results) => {
    const box = element(doc, "figure", "records-chart");
    const caption = element(
      doc,
      "figcaption",
      "",
      tr("TStatisticsForm", "Last %n results, oldest first: score by board size", recentCount),
    );
    box.append(caption);
    const bars = element(doc, "div", "records-bars");
    bars.setAttribute("role", "img");
    if (!results.length) {
      bars.setAttribute("aria-label", tr("TStatisticsForm", "No completed puzzles yet"));
      bars.append(element(doc, "span", "records-none", tr("TStatisticsForm", "No completed puzzles yet")));
    } else {
      const top = Math.max(1, ...results.map((r) => r.score));
      const highest = fill(tr("TStatisticsForm", "highest: %1 points"), [grouped.format(top)]);
      caption.append(element(doc, "span", "records-top", ` ${highest}`));
      const words = results.map((r) =>
        fill(tr("TStatisticsForm", "%1 x %1: %2 points"), [r.size, grouped.format(r.score)]),
      );
      bars.setAttribute(
        "aria-label",
        fill(tr("TStatisticsForm", "%n result(s), oldest first: %1", results.length), [words.join("; ")]),
      );
      for (const r of results) {
        const slot = element(doc, "span", "records-slot");
        const bar = element(doc, "span", "records-bar");
        bar.style.height = `${Math.max(1, Math.round((100 * Math.max(0, r.score)) / top))}%`;
        bar.style.backgroundColor = sizeColours[r.size] ?? "rgb(128, 128, 128)";
        slot.append(bar, element(doc, "span", "records-bar-size", String(r.size)));
        bars.append(slot);
      }
    }
    box.append(bars);
    const legend = element(doc, "p", "records-legend");
    legend.setAttribute("aria-hidden", "true");
    for (const n of sizes) {
      const item = element(doc, "span", "records-legend-item");
      const key = element(doc, "span", "records-key");
      key.style.backgroundColor = sizeColours[n] ?? "rgb(128, 128, 128)";
      item.append(key, element(doc, "span", "records-key-text", sizeText(n)));
      legend.append(item);
    }
    box.append(legend);
    return box;
  };

  const buttons = element(doc, "div", "records-buttons");
  const close = element(doc, "button", "", tr("TScoreForm", "Close"));
  close.type = "button";
  close.id = "records-close";
  const erase = element(doc, "button", "", tr("TScoreForm", "Erase My Scores"));
  erase.type = "button";
  erase.id = "records-erase";
  erase.addEventListener("click", () => {
    // Scores are erased only on a clear yes.
    if (!globalThis.confirm?.(tr("TScoreForm", "Are you sure you want to delete all your scores?"))) return;
    records.eraseScores();
    drawScores();
    drawStatistics();
  });
  close.addEventListener("click", () => dialog.close());
  buttons.append(close, erase);

  dialog.append(title, choose, scoresBox, statsBox, buttons);
  doc.body.append(dialog);
  drawScores();
  drawStatistics();

  // The game waits while the window is open.
  const apply = (reply) => ctx.apply?.(reply);
  apply(core.window(true));
  dialog.addEventListener("close", () => {
    apply(core.window(false));
    dialog.remove();
    ctx.onClose?.();
  });
  dialog.showModal();
  // Enter closes, as on the desktop; the window still opens at its top.
  close.focus({ preventScroll: true });
  dialog.scrollTop = 0;
  return dialog;
}
