// What the page's tests and its benchmark share: where the built page and
// the native puzzle tool are, the core loaded in node, a static server for
// the page's folder and a headless chromium.
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import { createRequire } from "node:module";
import { fileURLToPath, pathToFileURL } from "node:url";

const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");

// The built page (QM_SITE) and the native puzzle tool (QM_PUZZLE); by
// default those of "make web" and "make build".
export const site = path.resolve(top, process.env.QM_SITE ?? "build-web/site");
export const puzzleTool = path.resolve(top, process.env.QM_PUZZLE ?? "build/tools/puzzle/quillmere-puzzle");
export const chromiumPath = process.env.QM_CHROMIUM ?? "/usr/bin/chromium";

// The board sizes on offer.
export const sizes = [4, 5, 6, 8, 9, 10];

// The page's core in node: core.js is a classic script, so it is required;
// the wasm is handed over as bytes.
export async function loadNodeCore() {
  const require = createRequire(import.meta.url);
  const factory = require(path.join(site, "core.js"));
  const { wrapCore } = await import(pathToFileURL(path.join(site, "js/core.mjs")).href);
  // The module's start adds process handlers that throw again whatever is
  // not caught, printing the whole script; node's own reports are clearer.
  const handlers = ["uncaughtException", "unhandledRejection"].map((event) => [event, process.listeners(event)]);
  const module = await factory({ wasmBinary: fs.readFileSync(path.join(site, "core.wasm")) });
  for (const [event, before] of handlers)
    for (const listener of process.listeners(event)) if (!before.includes(listener)) process.off(event, listener);
  return wrapCore(module);
}

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".svg": "image/svg+xml",
  ".wav": "audio/wav",
  ".ico": "image/x-icon",
  ".txt": "text/plain; charset=utf-8",
};

// Serves the folder on 127.0.0.1 at a port of the system's choice, as any
// static host would: GET and HEAD, nothing above the folder. Resolves to
// {url, bytes, close()}; bytes counts the body bytes sent.
export function serveSite(folder = site) {
  const stats = { bytes: 0 };
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, "http://localhost");
    let file = "";
    try {
      file = path.join(folder, path.normalize(decodeURIComponent(url.pathname)));
    } catch {
      // not a path
    }
    if (!file.startsWith(folder) || !["GET", "HEAD"].includes(request.method)) {
      response.writeHead(request.method === "GET" ? 403 : 405).end();
      return;
    }
    if (url.pathname.endsWith("/")) file = path.join(file, "index.html");
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404, { "content-type": "text/plain" }).end("not found");
        return;
      }
      response.writeHead(200, {
        "content-type": types[path.extname(file)] ?? "application/octet-stream",
        "content-length": body.length,
        "cache-control": "no-cache",
      });
      if (request.method === "HEAD") {
        response.end();
      } else {
        stats.bytes += body.length;
        response.end(body);
      }
    });
  });
  return new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      resolve({
        url: `http://127.0.0.1:${port}/`,
        stats,
        close: () =>
          new Promise((done) => {
            server.closeAllConnections();
            server.close(done);
          }),
      });
    });
  });
}

// A headless chromium with a profile of its own, removed on close.
export async function launchBrowser() {
  const { default: puppeteer } = await import("puppeteer-core");
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "quillmere-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    args: [
      "--headless",
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
      `--user-data-dir=${profile}`,
    ],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    try {
      await close();
    } finally {
      fs.rmSync(profile, { recursive: true, force: true });
    }
  };
  return browser;
}

// Waits until the page has drawn its first puzzle.
export async function pageReady(page, timeout = 30000) {
  await page.waitForFunction(() => document.documentElement.dataset.ready === "1", { timeout });
}
