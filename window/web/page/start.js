// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Starts the program. The page already shows the window at 298 K; the program takes it over
// once that window is painted in its own faces, so that its start never holds back the first
// picture. Should it not start, the window stays as it is, with a notice saying why nothing
// moves.
//
// The first script of the page, read before the rest of the page: when the page comes from a
// server, it asks at once for the faces the window is drawn in, instead of after the style sheet
// has come; after the page has loaded, it names the web app manifest and starts the service
// worker that keeps the page's files for use without a network. (The module, velmora.wasm, is not
// asked for early: WebKit does not match such a request with the program's own and fetches the
// module twice.) A browser fetches no .wasm file for a page opened from a disk, and preloads
// fail there: the page then loads velmora-file.js, the same program with the module inside.
"use strict";
const fromDisk = location.protocol === "file:";
const FACES = ["velmora-serif-bold.woff2", "velmora-sans.woff2", "velmora-serif.woff2"];
if (!fromDisk) {
  for (const face of FACES) {
    const link = document.createElement("link");
    // Fonts are fetched in cross-origin mode: the preload must be too.
    Object.assign(link, {rel: "preload", href: `fonts/${face}`, as: "font",
                         crossOrigin: "anonymous"});
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
