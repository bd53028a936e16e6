// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The service worker: keeps the page's own files so that, once opened, the page works without a
// network and installs as an app. Each request goes to the network first, so that a new version
// shows as soon as it is served, and the copy kept is brought up to date; without a network the
// kept copy answers.
"use strict";
const CACHE = "velmora";
const FILES = [
  "./", "index.html", "velmora.css", "velmora.js", "velmora.wasm", "start.js",
  "manifest.webmanifest", "velmora.svg", "apple-touch-icon.png", "icon-192.png", "icon-512.png",
  "icon-maskable-512.png", "fonts/velmora-sans.woff2", "fonts/velmora-serif.woff2",
  "fonts/velmora-serif-bold.woff2",
];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(self.clients.claim());
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin) return;
  event.respondWith(
    fetch(request)
      .then((response) => {
        if (response.ok) {
          const copy = response.clone();
          event.waitUntil(caches.open(CACHE).then((cache) => cache.put(request, copy)));
        }
        return response;
      })
      .catch(() => caches.match(request, {ignoreSearch: true})
        .then((kept) => kept || Response.error())));
});
