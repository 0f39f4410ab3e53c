// SPDX-License-Identifier: MIT
// Keeps what a visit needs, so that after the first visit the game starts
// at once from what is kept, network or none, and plays with no network.
// The files a build changes carry their content in their names; the page
// names its own files, and this worker keeps one build whole, the page with
// them, so an old and a new half never run together. A new build is found
// by the browser's own check of this worker at each visit, in the
// background; its worker keeps the new build whole and takes over, so the
// next visit plays it, while a page already open goes on as it is, unless
// its player has not touched it yet (start.js).
'use strict';
const version = '@version@';
const files = @files@;
const cacheName = `zapgrid-${version}`;

self.addEventListener('install', (event) => {
    // The page has just downloaded these; the browser's cache holds them.
    event.waitUntil(caches.open(cacheName)
        .then((cache) => cache.addAll(files))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names
            .filter((name) => name.startsWith('zapgrid-') && name !== cacheName)
            .map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The page itself, by any of its addresses: the folder, or index.html.
function isPage(url) {
    const scope = new URL(self.registration.scope);
    const { origin, pathname } = new URL(url);
    return origin === scope.origin && (pathname === scope.pathname || pathname === `${scope.pathname}index.html`);
}

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET')
        return;
    const kept = isPage(request.url) ? caches.open(cacheName).then((cache) => cache.match('./')) :
        caches.match(request);
    event.respondWith(kept.then((response) => response || fetch(request)));
});
