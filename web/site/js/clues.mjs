// The two clue panels: each clue a button drawn as the desktop draws it
// (three cells in a row for a horizontal clue, a column of cells for a
// vertical one, with the red marks of its kind), a hidden clue a black box
// framed in blue. What a press on a clue does is the core's to decide.

import { showPicture } from "./board.mjs";

const svgNs = "http://www.w3.org/2000/svg";

function cell(picture) {
  const span = document.createElement("span");
  span.className = "clue-cell";
  if (picture !== undefined) showPicture(span, picture);
  return span;
}

// A red mark with a black shadow, as the desktop writes its marks: text
// centred at (x, y) in units of one cell.
function mark(text, x, y, className = "clue-mark") {
  const span = document.createElement("span");
  span.className = className;
  span.textContent = text;
  span.style.left = `calc(var(--cell) * ${x})`;
  span.style.top = `calc(var(--cell) * ${y})`;
  return span;
}

// The red line through the middles of a clue's outer cells.
function line() {
  const svg = document.createElementNS(svgNs, "svg");
  svg.setAttribute("class", "clue-line");
  svg.setAttribute("viewBox", "0 0 3 1");
  svg.setAttribute("preserveAspectRatio", "none");
  svg.setAttribute("aria-hidden", "true");
  const l = document.createElementNS(svgNs, "line");
  l.setAttribute("x1", "0.5");
  l.setAttribute("y1", "0.5");
  l.setAttribute("x2", "2.5");
  l.setAttribute("y2", "0.5");
  svg.append(l);
  return svg;
}

// The cells and marks of a horizontal clue; tiles: [[row, tile, picture], ...].
function horizontalFace(kind, tiles) {
  const p = (k) => tiles[k]?.[2];
  const parts = [];
  switch (kind) {
    case "clTwoAdjacent":
    case "clTwoAdjacentExclude":
      parts.push(cell(p(0)), cell(p(2)), cell(p(1)));
      if (kind === "clTwoAdjacent") parts.push(mark("<", 1, 0.5), mark(">", 2, 0.5));
      else parts.push(line());
      break;
    case "clAdjacent":
    case "clNotAdjacent":
      parts.push(cell(p(0)), cell(p(1)), cell(p(0)));
      if (kind === "clNotAdjacent") parts.push(mark("X", 1, 0.5), mark("X", 2, 0.5));
      break;
    case "clLeftOf": {
      const middle = cell();
      middle.classList.add("left-of");
      parts.push(cell(p(0)), middle, cell(p(1)), mark("<<", 1.5, 0.5, "clue-mark small"));
      break;
    }
    default:
      parts.push(cell(), cell(), cell());
  }
  return parts;
}

function verticalFace(kind, tiles) {
  const p = (k) => tiles[k]?.[2];
  switch (kind) {
    case "clSameColumn":
      return [cell(p(0)), cell(p(1)), cell()];
    case "clTwoInSameColumn":
      return [cell(p(0)), cell(p(1)), cell(p(2))];
    case "clNotInSameColumn":
      return [cell(p(0)), cell(p(1)), cell(), mark("X", 0.5, 1, "clue-mark narrow")];
    default:
      return [cell(), cell(), cell()];
  }
}

export class CluePanel {
  // element: #clues-horizontal or #clues-vertical; sentence(index) the
  // accessible name of clue index (may return null).
  constructor(element, vertical, { sentence, onToggle, onHover }) {
    this.element = element;
    this.vertical = vertical;
    this.sentence = sentence;
    this.onToggle = onToggle;
    this.onHover = onHover;
    this.signature = "";
    element.addEventListener("click", (e) => {
      const button = e.target.closest("button.clue");
      if (button) this.onToggle(Number(button.dataset.index));
    });
    const hover = (e) => {
      const button = e.target.closest("button.clue");
      if (button) this.onHover(Number(button.dataset.index));
    };
    element.addEventListener("pointerover", hover);
    element.addEventListener("focusin", hover);
    // A right press gives no browser menu here: the desktop shows its own
    // menu with "Show All", which the page has as a button beside the panel.
    element.addEventListener("contextmenu", (e) => e.preventDefault());
  }

  list(state) {
    return this.vertical ? state.vertical : state.horizontal;
  }

  // Draws the panel for a state; only clues whose look changed are drawn
  // again.
  render(state) {
    const clues = this.list(state);
    const outlined = this.vertical ? state.outlinedVertical : state.outlinedHorizontal;
    const signature = `${state.size}:${state.number}:${clues.map((c) => c.kind + c.tiles.join()).join("|")}`;
    if (signature !== this.signature) {
      this.signature = signature;
      const buttons = clues.map((clue, index) => {
        const button = document.createElement("button");
        button.type = "button";
        button.className = `clue ${this.vertical ? "vertical" : "horizontal"}`;
        button.dataset.index = String(index);
        button.dataset.kind = clue.kind;
        const face = document.createElement("span");
        face.className = "clue-face";
        face.setAttribute("aria-hidden", "true");
        face.append(...(this.vertical ? verticalFace(clue.kind, clue.tiles) : horizontalFace(clue.kind, clue.tiles)));
        button.append(face);
        return button;
      });
      this.element.replaceChildren(...buttons);
    }
    const buttons = this.element.children;
    clues.forEach((clue, index) => {
      const button = buttons[index];
      if (!button) return;
      button.classList.toggle("hidden", !clue.shown);
      button.classList.toggle("outlined", index === outlined && clue.shown);
      button.classList.toggle("pointed", index === outlined);
      const name = this.sentence?.(index);
      if (name) button.setAttribute("aria-label", name);
      else button.removeAttribute("aria-label");
    });
  }
}
