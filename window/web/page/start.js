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
// velmora.js, the next script of the page, has run by then.
document.addEventListener("DOMContentLoaded", () => {
  Velmora().catch((error) => {
    document.body.textContent = "Velmora could not start: " + error;
  });
});
