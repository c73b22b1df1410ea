// Keeps the site for play without a network. The build writes the version (a
// hash of the site's files) and the file list in, so a new build installs a new cache and
// drops the old one.
'use strict';
const VERSION = '@VERSION@';
const FILES = [@FILES@];
const CACHE = 'quorrel-' + VERSION;

self.addEventListener('install', (event) => {
  // From the server itself, not the browser's HTTP cache, which may hold the old version.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((f) => new Request(f, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('quorrel-') && n !== CACHE)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// What the first visit left out (another language's recordings, a help page) is kept once it
// has been fetched.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE).then((cache) => cache
    .match(event.request, { ignoreSearch: true })
    .then((hit) => hit || fetch(event.request).then((response) => {
      if (response.ok && new URL(event.request.url).origin === self.location.origin) {
        cache.put(event.request, response.clone());
      }
      return response;
    }))));
});
