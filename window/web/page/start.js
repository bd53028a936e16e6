// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Starts the program once the page is read: velmora.js, the next script of the page, whose
// module (velmora.wasm) the browser compiles while it downloads. A browser fetches no .wasm file
// for a page opened from a disk: there it loads velmora-file.js, the same program with the module
// inside. When the page comes from a server, it also names the web app manifest and starts the
// service worker that keeps the page's files for use without a network, once the page has loaded:
// on a first visit the worker fetches every file of the page, which would otherwise share a slow
// network with the page itself.
//
// The page already shows the window at 298 K; the program takes it over. Should it not start,
// the window stays as it is, with a notice saying why nothing moves.
"use strict";
const fromDisk = location.protocol === "file:";
if (!fromDisk) {
  addEventListener("load", () => {
    const manifest = document.createElement("link");
    Object.assign(manifest, {rel: "manifest", href: "manifest.webmanifest"});
    document.head.append(manifest);
    if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
  });
}

function failed(error) {
  const notice = document.createElement("p");
  notice.className = "notice";
  notice.textContent = `Velmora could not start, so the temperature cannot change: ${error}`;
  document.body.append(notice);
}

function start() {
  try {
    Velmora().catch(failed);
  } catch (error) {
    failed(error);
  }
}

document.addEventListener("DOMContentLoaded", () => {
  if (!fromDisk) {
    start();
    return;
  }
  const program = document.createElement("script");
  Object.assign(program, {src: "velmora-file.js", onload: start,
                          onerror: () => failed("velmora-file.js is missing")});
  document.head.append(program);
});
