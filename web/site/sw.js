// The page's service worker: keeps every file of the page in the browser's
// cache at install, so that after the first visit the game loads and plays
// without the network. The build puts the list of files and a version taken
// from their contents in place of the line below; a new build is a new
// version, whose cache replaces the old one once no page uses the old.

const precache = { version: "unbuilt", files: [] }; // written by the build

const cacheName = `quillmere-${precache.version}`;
const scope = self.registration.scope;
// The page itself answers for its folder's address as well.
const urls = ["./", ...precache.files].map((file) => new URL(file, scope).href);
const own = new Set(urls);

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(cacheName).then((cache) =>
      // From the server, not from the browser's HTTP cache, so that a new
      // version never keeps an old file.
      cache.addAll(urls.map((url) => new Request(url, { cache: "reload" }))),
    ),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names
            .filter((name) => name.startsWith("quillmere-") && name !== cacheName)
            .map((name) => caches.delete(name)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

// The page's own files from the cache first; anything else is left to the
// browser. An address with a query or a puzzle's "#size:number" is the page.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET") return;
  const url = new URL(request.url);
  url.hash = "";
  if (request.mode === "navigate" && url.href.startsWith(scope)) {
    url.search = "";
    if (url.href === scope || url.href === new URL("index.html", scope).href) {
      event.respondWith(fromCache(new URL("./", scope).href, request));
      return;
    }
  }
  url.search = "";
  if (!own.has(url.href)) return;
  event.respondWith(fromCache(url.href, request));
});

async function fromCache(key, request) {
  const cache = await caches.open(cacheName);
  const kept = await cache.match(key);
  if (kept) return kept;
  const response = await fetch(request);
  if (response.ok && response.type === "basic") await cache.put(key, response.clone());
  return response;
}
