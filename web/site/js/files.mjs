// Saved games as files: the game on the board downloads in the desktop's
// saved-game format, named as the desktop names its saved games, and a file
// of the desktop's (or the page's) opens through the core's saved-game
// reader, so a game moves between the desktop and the browser.

import { formatMessage } from "./i18n.mjs";

// The largest file opened; a saved game of the largest board is far smaller.
export const fileLimit = 1024 * 1024;

// The desktop's name for a saved game: player, number and size joined by
// "_", with ".sav". Characters a file name cannot hold become "_".
export function savedGameName(player, number, size) {
  // eslint-disable-next-line no-control-regex
  const name = String(player || "Guest").replace(/[\u0000-\u001f\u007f/\\:*?"<>|]/g, "_");
  return `${name}_${number}_${size}.sav`;
}

// Offers the saved game's text to the browser as a file to keep.
export function downloadSavedGame(text, size, number, player = "Guest", doc = globalThis.document) {
  const blob = new Blob([text], { type: "application/octet-stream" });
  const url = URL.createObjectURL(blob);
  const link = doc.createElement("a");
  link.href = url;
  link.download = savedGameName(player, number, size);
  link.hidden = true;
  doc.body.append(link);
  link.click();
  link.remove();
  // The download has its own copy once it started.
  setTimeout(() => URL.revokeObjectURL(url), 10000);
  return link.download;
}

// A file bigger than fileLimit: size holds its size in bytes.
export class FileTooBig extends Error {
  constructor(name, size) {
    super(`${name} holds ${size} bytes`);
    this.fileName = name;
    this.size = size;
  }
}

// Asks the player for a saved game's file: its bytes, or null when the
// player chose none. A file over fileLimit is refused (FileTooBig) unread.
export function openSavedGameFile(doc = globalThis.document) {
  return new Promise((resolve, reject) => {
    const input = doc.createElement("input");
    input.type = "file";
    input.accept = ".sav,text/plain";
    input.hidden = true;
    let done = false;
    const finish = (call, value) => {
      if (done) return;
      done = true;
      input.remove();
      call(value);
    };
    input.addEventListener("cancel", () => finish(resolve, null));
    input.addEventListener("change", () => {
      const file = input.files?.[0];
      if (!file) return finish(resolve, null);
      if (file.size > fileLimit) return finish(reject, new FileTooBig(file.name, file.size));
      file.arrayBuffer().then(
        (buffer) => finish(resolve, new Uint8Array(buffer)),
        (error) => finish(reject, error),
      );
    });
    doc.body.append(input);
    input.click();
  });
}

// One line for #notice: the desktop's sentence around the reader's message,
// its line breaks run together.
const oneLine = (text) => text.replace(/\s*[\r\n]+\s*/g, " ").trim();

// "Save to file": the game on the board as the desktop's saved-game file.
// ctx = {core, records, catalog, notice(text)}. True when it was offered.
export function saveGameFile(ctx, doc = globalThis.document) {
  const { core, records, catalog } = ctx;
  const state = core.state();
  // As on the desktop, only a game in progress is saved: a finished one
  // would be entered in the scores again when it is opened.
  if (state.phase !== "playing" && state.phase !== "paused") return false;
  downloadSavedGame(core.save(), state.size, state.number, records?.prefs().player, doc);
  ctx.notice?.(catalog.tr("Session", "Your game has been saved"));
  return true;
}

// "Open file": a saved game's file put on the board through the desktop's
// reader; the game in play stays when the file is refused. ctx as for
// saveGameFile, with apply(reply) to draw the core's reply. True when a
// game was opened.
export async function openGameFile(ctx, doc = globalThis.document) {
  const { core, records, catalog } = ctx;
  const failed = (why) =>
    ctx.notice?.(
      oneLine(
        formatMessage(catalog, {
          context: "Session",
          source: "Could not load your game!\rPlease check the documentation for this message:\r%1",
          args: [why],
        }),
      ),
    );
  let bytes;
  try {
    bytes = await openSavedGameFile(doc);
  } catch (error) {
    if (error instanceof FileTooBig)
      failed({
        context: "Web",
        source: "The file %1 is too big to be a saved game (%2 bytes; at most %3).",
        args: [error.fileName, error.size, fileLimit],
      });
    else failed(String(error?.message ?? error));
    return false;
  }
  if (!bytes) return false;
  const reply = core.load(bytes);
  if (reply.error) {
    failed(reply.error);
    return false;
  }
  const state = core.state();
  if (records) {
    records.setPrefs({ size: state.size, numbers: { [state.size]: state.number } });
    records.setSavedGame(state.size, core.save());
  }
  ctx.apply?.(reply);
  ctx.notice?.(catalog.tr("Session", "Your game has been loaded"));
  return true;
}
