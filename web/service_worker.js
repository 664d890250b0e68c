// The page's service worker (sw.js in the site, written from this by site_worker.mjs): on the
// first visit it keeps every file of the site, and from then on answers for them, so that the page
// opens with the server gone and the network off. Its cache is named by the site's version and the
// folder it serves; a new version fills a cache of its own and, once in charge, deletes the old.
// Only the site's own files are kept and answered for; any other request goes to the network.
'use strict';

const kVersion = '@VERSION@';
const kFiles = ['@FILES@'];
const kScope = new URL('./', self.location).pathname;
const kPrefix = `vesk ${kScope} `;
const kCache = kPrefix + kVersion;

self.addEventListener('install', (e) => {
    e.waitUntil(caches.open(kCache)
                    .then((cache) => cache.addAll(kFiles.map((f) => new Request(f, {cache: 'reload'}))))
                    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (e) => {
    e.waitUntil(caches.keys()
                    .then((names) => Promise.all(names.filter((n) => n.startsWith(kPrefix) && n !== kCache)
                                                     .map((n) => caches.delete(n))))
                    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (e) => {
    const url = new URL(e.request.url);
    if (e.request.method !== 'GET' || url.origin !== self.location.origin ||
        !url.pathname.startsWith(kScope))
        return;
    const file = url.pathname.slice(kScope.length) || 'index.html';
    if (!kFiles.includes(file)) return;
    e.respondWith(caches.open(kCache)
                      .then((cache) => cache.match(file))
                      .then((kept) => kept ?? fetch(e.request)));
});
