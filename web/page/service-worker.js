// Keeps the page working offline once it has been loaded: every request goes to the network
// first, so that a new version shows at the next load, and what comes back is kept; without a
// network the kept copy answers.
'use strict';

const CACHE = 'c3f8calc';
const PAGE = ['./', 'index.html', 'c3f8engine.js', 'c3f8calc.svg', 'manifest.webmanifest'];

// Each file on its own: a server that will not serve one (a folder's address, say) leaves the
// others kept.
self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE)
        .then((cache) => Promise.all(PAGE.map((file) => cache.add(file).catch(() => {}))))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
    event.respondWith(fetch(request).then((response) => {
        if (response.ok) {
            const copy = response.clone();
            event.waitUntil(caches.open(CACHE).then((cache) => cache.put(request, copy)));
        }
        return response;
    }, () => caches.match(request, { ignoreSearch: true })
        .then((kept) => kept || Response.error())));
});
