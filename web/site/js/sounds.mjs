// The game's sounds from the page's sounds folder, played when the core
// reports one and the player has them on. Nothing is loaded or played
// before the player's first press, as browsers ask.

const names = ["click", "pop", "error", "complete"];

export class Sounds {
  constructor(base = "sounds/") {
    this.base = base;
    this.on = true;
    this.players = null;
    const wake = () => {
      this.wake();
      for (const type of ["pointerdown", "keydown"]) removeEventListener(type, wake, true);
    };
    for (const type of ["pointerdown", "keydown"]) addEventListener(type, wake, true);
  }

  // Loads the sounds (after a gesture of the player).
  wake() {
    if (this.players) return;
    this.players = new Map();
    for (const name of names) {
      const audio = new Audio(`${this.base}${name}.wav`);
      audio.preload = "auto";
      this.players.set(name, audio);
    }
  }

  play(name) {
    if (!this.on || !this.players) return;
    const audio = this.players.get(name);
    if (!audio) return;
    try {
      audio.currentTime = 0;
    } catch {
      // not loaded yet: it plays from the start anyway
    }
    audio.play().catch(() => {});
  }
}
