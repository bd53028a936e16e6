// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Starts the program. Run as soon as it arrives, it asks at once for the module (velmora.wasm),
// which the browser compiles while it downloads and while the page is still being read; once the
// page is read, velmora.js, the page's next script, runs the module so compiled. A browser fetches
// no .wasm file for a page opened from a disk: there it loads velmora-file.js, the same program
// with the module inside. When the page comes from a server, it also names the web app manifest
// and starts the service worker that keeps the page's files for use without a network, once the
// page has loaded: on a first visit the worker fetches every file of the page, which would
// otherwise share a slow network with the page itself.
//
// The page already shows the window at 298 K; the program takes it over. Should it not start,
// the window stays as it is, with a notice saying why nothing moves.
"use strict";
const fromDisk = location.protocol === "file:";

// The module compiled while it downloads; compiled from its bytes where the browser cannot do
// that, or where the server does not say the file is WebAssembly (application/wasm).
function compileModule() {
  const file = "velmora.wasm";
  const fromBytes = () => fetch(file)
    .then((response) => {
      if (!response.ok) throw new Error(`${file}: ${response.status} ${response.statusText}`);
      return response.arrayBuffer();
    })
    .then((bytes) => WebAssembly.compile(bytes));
  if (typeof WebAssembly.compileStreaming !== "function") return fromBytes();
  return WebAssembly.compileStreaming(fetch(file)).catch(fromBytes);
}

function failed(error) {
  const notice = document.createElement("p");
  notice.className = "notice";
  notice.textContent = `Velmora could not start, so the temperature cannot change: ${error}`;
  document.body.append(notice);
}

function start(options) {
  try {
    Velmora(options).catch(failed);
  } catch (error) {
    failed(error);
  }
}

// Runs `then` once velmora.js, the page's next script, has run (or failed to load, with the
// error), which may be before this script runs or after: as a deferred script it runs once the
// page is read, and that may be before this one has arrived or after.
function afterProgramScript(then, onError) {
  const script = document.querySelector('script[src="velmora.js"]');
  if (typeof Velmora === "function") {
    then();
  } else if (script) {
    script.addEventListener("load", then);
    script.addEventListener("error", onError);
  } else {
    document.addEventListener("DOMContentLoaded", then);
  }
}

if (fromDisk) {
  // After velmora.js, so that velmora-file.js's Velmora is the one that stays.
  const loadFromDisk = () => {
    const program = document.createElement("script");
    Object.assign(program, {src: "velmora-file.js", onload: () => start({}),
                            onerror: () => failed("velmora-file.js is missing")});
    document.head.append(program);
  };
  afterProgramScript(loadFromDisk, loadFromDisk);
} else {
  const compiled = typeof WebAssembly === "object" ? compileModule() : null;
  // Keeps a failed download from being reported as unhandled before the program reports it.
  if (compiled) compiled.catch(() => {});
  afterProgramScript(() => start({
    // Asked for only where WebAssembly is there: velmora.js stops before, saying it is not.
    instantiateWasm(imports, receive) {
      compiled
        .then((module) => WebAssembly.instantiate(module, imports)
          .then((instance) => receive(instance, module)))
        .catch(failed);
      return {};
    },
  }), () => failed("velmora.js is missing"));
  addEventListener("load", () => {
    const manifest = document.createElement("link");
    Object.assign(manifest, {rel: "manifest", href: "manifest.webmanifest"});
    document.head.append(manifest);
    if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
  });
}
