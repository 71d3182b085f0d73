// The window of a solved puzzle: the desktop's congratulations over the
// finished game, each value under its heading of the desktop's score table,
// and the way on to the high scores, where the desktop's "Click here to
// continue" leads.

import { scoreCells, scoreHeadings, showRecords } from "./records-view.mjs";

// The values shown, by their headings, in this order.
const shownHeadings = ["Number", "Puzzle Size", "Time", "Mis-Clicks", "Clues", "Difficulty", "Score"];

export class Congratulations {
  // ctx: the page's {catalog, state, core, apply}; records: the player's
  // records, for the high scores.
  constructor(ctx, records) {
    this.ctx = ctx;
    this.dialog = document.getElementById("congratulations");
    this.list = document.getElementById("score-line");
    document.getElementById("congratulations-records").addEventListener("click", () => showRecords(ctx, records));
    document.getElementById("congratulations-close").addEventListener("click", () => this.close());
  }

  // Opens the window for a finish (the values of the core's "completed"
  // event) and the score line the records keep of it.
  show(finish, line) {
    const { catalog } = this.ctx;
    const cells = scoreCells(catalog)(finish);
    this.list.dataset.line = line;
    this.list.replaceChildren(
      ...shownHeadings.flatMap((heading) => {
        const term = document.createElement("dt");
        term.textContent = catalog.tr("Scores", heading);
        const value = document.createElement("dd");
        value.textContent = cells[scoreHeadings.indexOf(heading)];
        return [term, value];
      }),
    );
    if (!this.dialog.open) this.dialog.showModal();
  }

  close() {
    if (this.dialog.open) this.dialog.close();
  }
}
