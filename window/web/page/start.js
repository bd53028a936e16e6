// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Starts the program (velmora.js: the WebAssembly module and its loader). When the page comes
// from a server, it also names the web app manifest and starts the service worker that keeps the
// page's files for use without a network; a page opened from a disk can have neither.
"use strict";
Velmora().catch((error) => {
  document.body.textContent = "Velmora could not start: " + error;
});
if (location.protocol !== "file:") {
  const manifest = document.createElement("link");
  manifest.rel = "manifest";
  manifest.href = "manifest.webmanifest";
  document.head.append(manifest);
  if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
}
