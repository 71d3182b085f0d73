// The board: N x N squares on navy, each column in a yellow frame; an
// unsolved square shows its candidates' pictures (a removed one as a black
// cell), a solved square its tile large. Presses go to the core through
// onPress; nothing here decides what a press does.

// Pictures are numbered from 1 in reading order of the 10 x 10 tile sheet.
const SheetColumns = 10;
const SheetRows = 10;

// Puts picture p (1-based) of the tile sheet on element as its background.
export function showPicture(element, picture) {
  element.classList.add("picture");
  if (!(picture >= 1)) {
    element.style.backgroundPosition = "";
    element.classList.add("no-picture");
    return;
  }
  element.classList.remove("no-picture");
  const i = picture - 1;
  const x = ((i % SheetColumns) * 100) / (SheetColumns - 1);
  const y = (Math.floor(i / SheetColumns) * 100) / (SheetRows - 1);
  element.style.backgroundPosition = `${x}% ${y}%`;
}

// A small picture for running text (the hint pane, the enlarged square).
export function pictureElement(picture, className = "tile-picture") {
  const span = document.createElement("span");
  span.className = className;
  showPicture(span, picture);
  return span;
}

// Whether candidate q is still possible in a square's mask.
export const hasCandidate = (mask, q) => ((mask >> q) & 1) === 1;

// The square (c, r) of a state as {mask, solved, picture}.
export function squareOf(state, c, r) {
  const [mask, solved, picture] = state.squares[(r - 1) * state.size + c - 1] ?? [0, 0, 0];
  return { mask, solved: solved === 1, picture };
}

// The picture of tile q of row r (as the core numbers it).
export const tilePicture = (r, q) => (r - 1) * 10 + q;
// The row and the tile picture p shows (1-based, ten to a row).
export const pictureRow = (p) => Math.floor((p - 1) / 10) + 1;
export const pictureTile = (p) => ((p - 1) % 10) + 1;

export class Board {
  // element: #board; names: {square(c, r), candidate(c, r, q)} for the
  // accessible names (may return null); onPress(c, r, q, right, source)
  // where source is the pressed element; onTapSquare(c, r) decides whether a
  // tap opens the square enlarged (returns true when it did).
  constructor(element, { names, onPress, onTapSquare, removeMode }) {
    this.element = element;
    this.names = names;
    this.onPress = onPress;
    this.onTapSquare = onTapSquare;
    this.removeMode = removeMode;
    this.state = null;
    this.squares = new Map();
    this.longPress = null;
    this.attachInput();
  }

  // Draws the whole board anew for a state (a new puzzle, a new language).
  render(state) {
    this.state = state;
    const n = state.size;
    const el = this.element;
    el.replaceChildren();
    el.style.setProperty("--n", String(n));
    el.style.setProperty("--gc", String(state.gridColumns));
    el.style.setProperty("--gr", String(state.gridRows));
    el.style.setProperty("--aspect", String(state.gridColumns / state.gridRows));
    el.dataset.size = String(n);
    this.squares.clear();
    for (let r = 1; r <= n; ++r) {
      const row = document.createElement("div");
      row.className = "board-row";
      row.setAttribute("role", "row");
      for (let c = 1; c <= n; ++c) {
        const square = document.createElement("div");
        square.className = "square";
        square.setAttribute("role", "gridcell");
        square.dataset.c = String(c);
        square.dataset.r = String(r);
        if (r === 1) square.classList.add("first-row");
        if (r === n) square.classList.add("last-row");
        row.append(square);
        this.squares.set(`${c},${r}`, square);
        this.drawSquare(c, r);
      }
      el.append(row);
    }
  }

  square(c, r) {
    return this.squares.get(`${c},${r}`) ?? null;
  }

  // Redraws square (c, r) from the state (after setState).
  drawSquare(c, r) {
    const state = this.state;
    const square = this.square(c, r);
    if (!state || !square) return;
    const { mask, solved, picture } = squareOf(state, c, r);
    const label = this.names?.square?.(c, r);
    if (label) square.setAttribute("aria-label", label);
    else square.removeAttribute("aria-label");
    if (solved) {
      if (square.classList.contains("solved") && square.dataset.picture === String(picture)) return;
      square.classList.add("solved");
      square.dataset.picture = String(picture);
      const frame = document.createElement("span");
      frame.className = "solved-frame";
      const tile = document.createElement("span");
      tile.className = "tile";
      showPicture(tile, picture);
      frame.append(tile);
      square.replaceChildren(frame);
      return;
    }
    square.classList.remove("solved");
    delete square.dataset.picture;
    const cells = state.gridColumns * state.gridRows;
    let grid = square.firstElementChild;
    if (!grid || !grid.classList.contains("candidates")) {
      grid = document.createElement("div");
      grid.className = "candidates";
      for (let k = 1; k <= cells; ++k) {
        if (k <= state.size) {
          const button = document.createElement("button");
          button.type = "button";
          button.className = "candidate";
          button.dataset.q = String(k);
          // Out of the Tab order: the keyboard play moves the focus among
          // the candidates itself.
          button.tabIndex = -1;
          showPicture(button, tilePicture(r, k));
          grid.append(button);
        } else {
          const empty = document.createElement("span");
          empty.className = "empty-cell";
          grid.append(empty);
        }
      }
      square.replaceChildren(grid);
    }
    for (const button of grid.querySelectorAll("button.candidate")) {
      const q = Number(button.dataset.q);
      const removed = !hasCandidate(mask, q);
      button.classList.toggle("removed", removed);
      const name = this.names?.candidate?.(c, r, q);
      if (name) button.setAttribute("aria-label", name);
      else button.removeAttribute("aria-label");
    }
  }

  // Takes a new state and redraws the given squares ([[c, r], ...]), or all.
  update(state, squares) {
    const sizeChanged = !this.state || this.state.size !== state.size;
    this.state = state;
    if (sizeChanged) {
      this.render(state);
      return;
    }
    if (squares) {
      for (const [c, r] of squares) this.drawSquare(c, r);
    } else {
      for (let r = 1; r <= state.size; ++r) for (let c = 1; c <= state.size; ++c) this.drawSquare(c, r);
    }
  }

  // A copy of the board as the puzzle was set up (every candidate shown),
  // for the completion animation.
  startPicture() {
    const copy = this.element.cloneNode(false);
    copy.removeAttribute("id");
    copy.removeAttribute("role");
    copy.removeAttribute("aria-label");
    copy.setAttribute("aria-hidden", "true");
    copy.classList.add("board-copy");
    const state = this.state;
    if (!state) return copy;
    for (let r = 1; r <= state.size; ++r) {
      const row = document.createElement("div");
      row.className = "board-row";
      for (let c = 1; c <= state.size; ++c) {
        const square = document.createElement("div");
        square.className = "square";
        if (r === 1) square.classList.add("first-row");
        if (r === state.size) square.classList.add("last-row");
        const grid = document.createElement("div");
        grid.className = "candidates";
        for (let k = 1; k <= state.gridColumns * state.gridRows; ++k) {
          const cell = document.createElement("span");
          if (k <= state.size) {
            cell.className = "candidate";
            showPicture(cell, tilePicture(r, k));
          } else {
            cell.className = "empty-cell";
          }
          grid.append(cell);
        }
        square.append(grid);
        row.append(square);
      }
      copy.append(row);
    }
    return copy;
  }

  // --- input --------------------------------------------------------------

  // The square and candidate under an event's target.
  static targetOf(target) {
    const button = target?.closest?.("button.candidate");
    const square = target?.closest?.(".square");
    if (!square) return null;
    return {
      c: Number(square.dataset.c),
      r: Number(square.dataset.r),
      q: button ? Number(button.dataset.q) : 0,
      element: button ?? square,
    };
  }

  attachInput() {
    const el = this.element;
    // The board's own menu is the right button's removal.
    el.addEventListener("contextmenu", (e) => e.preventDefault());
    el.addEventListener("pointerdown", (e) => {
      const hit = Board.targetOf(e.target);
      if (e.pointerType === "mouse") {
        if (e.button !== 0 && e.button !== 2) return;
        if (!hit || !hit.q) {
          this.onPress(0, 0, 0, false, null);
          return;
        }
        e.preventDefault();
        this.onPress(hit.c, hit.r, hit.q, e.button === 2, hit.element);
        return;
      }
      // Touch and pen: a tap places (or removes in remove mode), a long
      // press removes.
      if (!hit) return;
      this.cancelLongPress();
      const press = { id: e.pointerId, x: e.clientX, y: e.clientY, hit, done: false, timer: 0 };
      press.timer = setTimeout(() => {
        press.done = true;
        if (hit.q) this.onPress(hit.c, hit.r, hit.q, true, hit.element);
      }, 500);
      this.longPress = press;
    });
    el.addEventListener("pointermove", (e) => {
      const press = this.longPress;
      if (!press || press.id !== e.pointerId) return;
      if (Math.hypot(e.clientX - press.x, e.clientY - press.y) > 12) this.cancelLongPress();
    });
    el.addEventListener("pointercancel", () => this.cancelLongPress());
    el.addEventListener("pointerup", (e) => {
      const press = this.longPress;
      if (!press || press.id !== e.pointerId) return;
      clearTimeout(press.timer);
      this.longPress = null;
      if (press.done) return;
      const { c, r, q, element } = press.hit;
      if (this.onTapSquare?.(c, r)) {
        Board.swallowClick();
        return;
      }
      if (q) this.onPress(c, r, q, this.removeMode(), element);
    });
    // A button pressed from the keyboard (Enter, Space) arrives as a click
    // without a pointer (detail 0); pointer presses were taken above.
    el.addEventListener("click", (e) => {
      if (e.detail !== 0) return;
      const hit = Board.targetOf(e.target);
      if (hit?.q) this.onPress(hit.c, hit.r, hit.q, false, hit.element);
    });
  }

  // The click that ends a tap comes after it, where the finger was: over a
  // window the tap opened (the enlarged square) it would press what lies
  // there. It is dropped, up to the next press.
  static swallowClick() {
    const drop = (e) => {
      e.preventDefault();
      e.stopPropagation();
      done();
    };
    const done = () => {
      window.removeEventListener("click", drop, true);
      window.removeEventListener("pointerdown", done, true);
    };
    window.addEventListener("click", drop, true);
    window.addEventListener("pointerdown", done, true);
  }

  cancelLongPress() {
    if (this.longPress) clearTimeout(this.longPress.timer);
    this.longPress = null;
  }
}
