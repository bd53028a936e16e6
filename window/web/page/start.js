// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Starts the program (velmora.js: the WebAssembly module and its loader) once the page is read.
// Before that, when the page comes from a server, it has the fonts fetched at once, rather than
// once the window asks for them, names the web app manifest and starts the service worker that
// keeps the page's files for use without a network; a page opened from a disk can have none of
// these.
"use strict";
if (location.protocol !== "file:") {
  for (const face of ["velmora-sans", "velmora-serif-bold", "velmora-serif"]) {
    const font = document.createElement("link");
    Object.assign(font, {rel: "preload", as: "font", type: "font/woff2", crossOrigin: "",
                         href: `fonts/${face}.woff2`});
    document.head.append(font);
  }
  const manifest = document.createElement("link");
  Object.assign(manifest, {rel: "manifest", href: "manifest.webmanifest"});
  document.head.append(manifest);
  if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
}
// velmora.js, the next script of the page, has run by then. The page already shows the window
// at 298 K; the program takes it over. Should it not start, the window stays as it is, with a
// notice saying why nothing moves.
document.addEventListener("DOMContentLoaded", () => {
  const failed = (error) => {
    const notice = document.createElement("p");
    notice.className = "notice";
    notice.textContent = `Velmora could not start, so the temperature cannot change: ${error}`;
    document.body.append(notice);
  };
  try {
    Velmora().catch(failed);
  } catch (error) {
    failed(error);
  }
});
