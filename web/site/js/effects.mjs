// The completion animation: the board turns from the solved picture to the
// board as the puzzle was set up and back, by a wipe that takes 1.7 s each
// way, as the desktop's transitions do; no part of the board changes more
// than once in a second, so nothing flashes. A player who asks for less
// motion gets none.

// One wipe each way, in milliseconds.
const transition = 1700;

// The wipes: the start picture's clip at the beginning and at the end.
const wipes = [
  ["inset(0 100% 0 0)", "inset(0 0 0 0)"],
  ["inset(0 0 0 100%)", "inset(0 0 0 0)"],
  ["inset(0 0 100% 0)", "inset(0 0 0 0)"],
  ["inset(100% 0 0 0)", "inset(0 0 0 0)"],
  ["inset(50% 50% 50% 50%)", "inset(0 0 0 0)"],
  ["circle(0% at 50% 50%)", "circle(75% at 50% 50%)"],
];

export class Completion {
  // board: the board's element; startPicture() makes the board as set up.
  constructor(board, startPicture) {
    this.board = board;
    this.startPicture = startPicture;
    this.layer = null;
    this.animation = null;
  }

  get running() {
    return this.layer !== null;
  }

  start() {
    this.stop();
    if (matchMedia("(prefers-reduced-motion: reduce)").matches) return;
    const layer = this.startPicture();
    layer.classList.add("completion-layer");
    const area = this.board.parentElement;
    layer.style.left = `${this.board.offsetLeft}px`;
    layer.style.top = `${this.board.offsetTop}px`;
    layer.style.width = `${this.board.offsetWidth}px`;
    layer.style.height = `${this.board.offsetHeight}px`;
    area.append(layer);
    this.layer = layer;
    const [from, to] = wipes[crypto.getRandomValues(new Uint8Array(1))[0] % wipes.length];
    this.animation = layer.animate([{ clipPath: from }, { clipPath: to }], {
      duration: transition,
      iterations: Infinity,
      direction: "alternate",
      easing: "linear",
    });
  }

  stop() {
    this.animation?.cancel();
    this.animation = null;
    this.layer?.remove();
    this.layer = null;
  }
}
