// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Starts the program. The page already shows the window at 298 K; the program takes it over
// once that window is painted in its own faces, so that its start never holds back the first
// picture. Should it not start, the window stays as it is, with a notice saying why nothing
// moves.
//
// The first script of the page, read before the rest of the page: when the page comes from a
// server, it asks at once for the faces the window is drawn in and for the module
// (velmora.wasm, which velmora.js, the page's next script, compiles), instead of after the style
// sheet and the scripts have come; after the page has loaded, it names the web app manifest and
// starts the service worker that keeps the page's files for use without a network. A browser
// fetches no .wasm file for a page opened from a disk, and preloads fail there: the page then
// loads velmora-file.js, the same program with the module inside.
"use strict";
const fromDisk = location.protocol === "file:";
const EARLY_FILES = [
  ["fonts/velmora-serif-bold.woff2", "font"],
  ["fonts/velmora-sans.woff2", "font"],
  ["fonts/velmora-serif.woff2", "font"],
  ["velmora.wasm", "fetch"],
];
if (!fromDisk) {
  for (const [href, as] of EARLY_FILES) {
    const link = document.createElement("link");
    // Fonts and the module's fetch are cross-origin-mode requests: the preload must be too.
    Object.assign(link, {rel: "preload", href, as, crossOrigin: "anonymous"});
    document.head.append(link);
  }
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

// Runs `then` after the window has been painted: its faces loaded, the next frame drawn.
function afterFirstPicture(then) {
  document.fonts.ready.then(() => requestAnimationFrame(() => setTimeout(then)));
}

document.addEventListener("DOMContentLoaded", () => afterFirstPicture(() => {
  if (!fromDisk) {
    start();
    return;
  }
  const program = document.createElement("script");
  Object.assign(program, {src: "velmora-file.js", onload: start,
                          onerror: () => failed("velmora-file.js is missing")});
  document.head.append(program);
}));
