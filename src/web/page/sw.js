// The site's service worker. It keeps every file of the site, so the show
// runs without a network after the first visit, and it adds the two headers
// that make the page cross-origin isolated, which the show's threads need and
// which a static host cannot be relied on to send.
"use strict";

// Filled in by the build: a digest of the site's files, and their names.
const VERSION = "@VERSION@";
const FILES = @FILES@;
const CACHE = `quibac-${VERSION}`;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((name) => name.startsWith("quibac-") && name !== CACHE)
        .map((name) => caches.delete(name))))
      .then(() => self.clients.claim()));
});

function isolated(response) {
  // An opaque or failed response has no headers to add to.
  if (!response || response.status === 0 || response.type === "opaque") return response;
  const headers = new Headers(response.headers);
  headers.set("Cross-Origin-Opener-Policy", "same-origin");
  headers.set("Cross-Origin-Embedder-Policy", "require-corp");
  return new Response(response.body, { status: response.status, statusText: response.statusText, headers });
}

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  // The page's address carries the show's options, which its copy ignores.
  const options = { ignoreSearch: request.mode === "navigate" };
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(request, options))
      .then((kept) => kept || fetch(request))
      .then(isolated));
});
