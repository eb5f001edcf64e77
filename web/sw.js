// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the whole site for play without the network: every file is cached at
// the first visit, and each visit is served from the cache. VERSION and FILES
// are filled in by scripts/web.sh; a new version of the site is a new VERSION,
// fetched in the background and used from the next visit on.
const VERSION = "sumdart-@VERSION@";
const FILES = @FILES@;

// A new version waits until no page of the old one is open (a game in play
// is never reloaded under a child), and then serves the next visit.
self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(VERSION).then((cache) => cache.addAll(FILES)));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n !== VERSION).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

// The address's own query (?lang=fr) does not make another page.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET" || new URL(event.request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(VERSION)
      .then((cache) => cache.match(event.request, { ignoreSearch: event.request.mode === "navigate" }))
      .then((cached) => cached || fetch(event.request)));
});
