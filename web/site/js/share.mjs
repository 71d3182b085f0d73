// A puzzle's address: "#6:1234" opens puzzle 1234 at 6 x 6. The address is
// read by the desktop's own "size:number" reader in the core, so the page
// and the desktop take and refuse the same requests.

import { Catalog, formatMessage } from "./i18n.mjs";
import { puzzleRange, requestProblem } from "./records.mjs";

// The longest address read; anything longer is no address of a puzzle.
const longest = 64;

export function addressOf(size, number) {
  return `#${size}:${number}`;
}

// The address part of a page's location (location.hash): {size, number},
// {error: text} in the catalogue's language (English without one), or null
// when there is no address at all.
export function readAddress(core, hash, catalog) {
  let given = String(hash ?? "").replace(/^#/, "");
  if (!given) return null;
  try {
    given = decodeURIComponent(given);
  } catch {
    // Left as it came: the reader says what is wrong with it.
  }
  const read = given.length > longest || given.includes("\0") ? { problem: "form" } : core.readAddress(given);
  if (!read.problem) return { size: read.size, number: read.number };
  const shown = echoText(given);
  const why = requestProblem(read.problem, shown, puzzleRange(core));
  const m = { context: "Web", source: "The address %1 opens no puzzle: %2", args: [`#${shown}`, why] };
  return { error: formatMessage(catalog ?? new Catalog("en"), m), message: m };
}

// A request as the desktop's puzzle tool echoes it: a byte outside printable
// ASCII as \xNN, "\" doubled, cut after 80 characters, so nothing typed
// into an address can turn the text round or break the line.
export function echoText(text) {
  const longestEcho = 80;
  let echo = "";
  let fits = 0;
  for (const byte of new TextEncoder().encode(text)) {
    if (byte === 0x5c) echo += "\\\\";
    else if (byte < 0x20 || byte > 0x7e) echo += `\\x${byte.toString(16).padStart(2, "0")}`;
    else echo += String.fromCharCode(byte);
    if (echo.length <= longestEcho - 3) fits = echo.length;
    if (echo.length > longestEcho) return `${echo.slice(0, fits)}...`;
  }
  return echo;
}

// Copies the address to the clipboard: true when it is there, false where
// the browser refused (the caller shows the address to copy by hand).
export async function copyAddress(url) {
  try {
    if (!navigator.clipboard?.writeText) return false;
    await navigator.clipboard.writeText(url);
    return true;
  } catch {
    return false;
  }
}

// The page's whole address for a puzzle, for sharing.
export function shareUrl(size, number, location = globalThis.location) {
  return `${location.origin}${location.pathname}${location.search}${addressOf(size, number)}`;
}

// What the Share button says: the address copied, or the address to copy.
export function shareText(catalog, copied, url) {
  return copied
    ? catalog.tr("Web", "The address of this puzzle is copied.")
    : formatMessage(catalog, { context: "Web", source: "Copy the address of this puzzle: %1", args: [url] });
}

// Calls open({size, number}) or refuse(text) for the address the page is
// opened with and for each new one typed while it is open; the address is
// then taken out of the location, so a reload goes on with the game in play
// rather than opening the shared puzzle again.
export function followAddresses(core, catalog, open, refuse, win = globalThis) {
  const take = () => {
    const read = readAddress(core, win.location.hash, catalog());
    if (!read) return;
    win.history.replaceState(null, "", `${win.location.pathname}${win.location.search}`);
    if (read.error) refuse(read.error);
    else open(read);
  };
  win.addEventListener("hashchange", take);
  take();
  return () => win.removeEventListener("hashchange", take);
}
