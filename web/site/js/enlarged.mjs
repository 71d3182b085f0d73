// The enlarged square: on a narrow screen the squares of a large board are
// too small to hit one candidate, so a tap opens the square in a window of
// its own. There a tap presses a candidate as on the board (removing in
// remove mode) and a long press removes.

import { candidateName, squareName } from "./a11y.mjs";
import { hasCandidate, showPicture, squareOf, tilePicture } from "./board.mjs";

// A square of these sizes opens enlarged when tapped on a narrow screen.
const enlargedSizes = 9;
const narrowScreen = "(max-width: 599px)";

export class EnlargedSquare {
  // ctx: the page's {state, catalog, ...}; press(c, r, q, right) presses a
  // candidate as on the board; removeMode() tells whether a tap removes.
  constructor(ctx, { press, removeMode }) {
    this.ctx = ctx;
    this.dialog = document.getElementById("enlarged");
    this.holder = document.getElementById("enlarged-square");
    this.at = null; // the square shown, {c, r}
    const pressed = (e, right) => {
      const button = e.target.closest("button.candidate");
      if (button && this.at) press(this.at.c, this.at.r, Number(button.dataset.q), right);
    };
    this.holder.addEventListener("click", (e) => pressed(e, removeMode()));
    // The browser's context menu on touch: a long press.
    this.holder.addEventListener("contextmenu", (e) => {
      e.preventDefault();
      pressed(e, true);
    });
    document.getElementById("enlarged-close").addEventListener("click", () => this.close());
    // A press on the dimmed page around the window closes it.
    this.dialog.addEventListener("click", (e) => {
      if (e.target === e.currentTarget) this.close();
    });
    this.dialog.addEventListener("close", () => (this.at = null));
  }

  // Opens square (c, r) where the screen and the board call for it: true
  // when it did (the tap then presses nothing on the board).
  open(c, r) {
    const state = this.ctx.state;
    if (state.size < enlargedSizes || !matchMedia(narrowScreen).matches) return false;
    if (squareOf(state, c, r).solved || state.phase !== "playing") return false;
    this.at = { c, r };
    this.redraw();
    if (!this.dialog.open) this.dialog.showModal();
    return true;
  }

  // Draws the open square from the state anew; it closes once it is solved
  // or the game is not being played.
  redraw() {
    if (!this.at) return;
    const { c, r } = this.at;
    const state = this.ctx.state;
    const { mask, solved } = squareOf(state, c, r);
    if (solved || state.phase !== "playing") {
      this.close();
      return;
    }
    const holder = this.holder;
    holder.style.setProperty("--gc", String(state.gridColumns));
    holder.style.setProperty("--gr", String(state.gridRows));
    holder.dataset.c = String(c);
    holder.dataset.r = String(r);
    holder.setAttribute("aria-label", squareName(this.ctx, c, r));
    const buttons = [];
    for (let q = 1; q <= state.size; ++q) {
      const button = document.createElement("button");
      button.type = "button";
      button.className = "candidate";
      button.dataset.q = String(q);
      showPicture(button, tilePicture(r, q));
      button.classList.toggle("removed", !hasCandidate(mask, q));
      button.setAttribute("aria-label", candidateName(this.ctx, c, r, q));
      buttons.push(button);
    }
    holder.replaceChildren(...buttons);
  }

  close() {
    this.at = null;
    if (this.dialog.open) this.dialog.close();
  }
}
