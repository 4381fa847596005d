// The service worker: it keeps every file of the site (the list and the version are written in
// by build.mjs, the version a hash of the files' contents) and answers the page from that copy,
// so after the first visit the page loads and works with no network. A new version of the site
// is a new service worker with a new cache; the old cache goes once it takes over.
declare const PRECACHE: string[];
declare const VERSION: string;

interface ExtendableEvent extends Event {
  waitUntil(promise: Promise<unknown>): void;
}
interface FetchEvent extends ExtendableEvent {
  request: Request;
  respondWith(response: Promise<Response>): void;
}
interface WorkerScope {
  location: Location;
  skipWaiting(): Promise<void>;
  clients: { claim(): Promise<void> };
  addEventListener(type: "install" | "activate", listener: (event: ExtendableEvent) => void): void;
  addEventListener(type: "fetch", listener: (event: FetchEvent) => void): void;
}
const scope = self as unknown as WorkerScope;

const PREFIX = "talvo-";
const CACHE = PREFIX + VERSION;

scope.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.addAll(PRECACHE.map((file) => new Request(file, { cache: "reload" }))))
      .then(() => scope.skipWaiting()),
  );
});

scope.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(keys.filter((k) => k.startsWith(PREFIX) && k !== CACHE).map((k) => caches.delete(k))))
      .then(() => scope.clients.claim()),
  );
});

scope.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== scope.location.origin) return;
  event.respondWith(
    caches.open(CACHE).then(async (cache) => {
      // A navigation (also one the file handler opens) is the page itself.
      const key = request.mode === "navigate" ? "index.html" : request;
      const kept = await cache.match(key, { ignoreSearch: true });
      return kept ?? fetch(request);
    }),
  );
});
