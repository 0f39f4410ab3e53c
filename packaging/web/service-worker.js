// SPDX-License-Identifier: MIT
// Keeps what a visit needs, so that the game starts and plays with no
// network after the first visit. The files a build changes carry their
// content in their names and are taken from the cache; the page itself is
// asked of the network first, so a new version is played at the next visit,
// and it names its own files: an old and a new half never run together.
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

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET')
        return;
    if (request.mode === 'navigate') {
        event.respondWith(fetch(request).catch(() =>
            caches.open(cacheName).then((cache) => cache.match('./'))));
        return;
    }
    event.respondWith(caches.match(request).then((cached) => cached || fetch(request)));
});
