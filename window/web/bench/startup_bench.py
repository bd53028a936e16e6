#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Navigation to the window drawn at 298 K in a browser engine (chromium, firefox or webkit),
against a bare page that draws the same 116 elements at the same places with fixed texts in the
same faces, without the program, the two loaded in turn in the same run (from the same server,
with a service worker that keeps nothing). "Drawn": the fonts are loaded and a frame has gone by
since `Label_T` showed 298, as a probe script loaded first into both pages sees it. Prints the
medians and their ratio, against a target of 2x.
    startup_bench.py ENGINE SITE-FOLDER LISTING-SCRIPT [ROUNDS]
"""
import shutil
import statistics
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests"))
from browser_session import description_listing, open_session  # noqa: E402

# The first script of either page (a file of the site, as the page's Content-Security-Policy
# wants): resolves velmoraDrawn with the time since navigation began.
PROBE = """window.velmoraDrawn = new Promise((resolve) => {
  const shown = () => document.getElementById('Label_T')?.textContent === '298';
  new MutationObserver((records, observer) => {
    if (!shown()) return;
    observer.disconnect();
    document.fonts.ready.then(() =>
      requestAnimationFrame(() => setTimeout(() => resolve(performance.now()))));
  }).observe(document, {childList: true, subtree: true, characterData: true});
});"""
BARE_STYLE = """@font-face { font-family: "Velmora Sans"; src: url("fonts/velmora-sans.woff2"); }
@font-face { font-family: "Velmora Serif"; font-weight: 700;
             src: url("fonts/velmora-serif-bold.woff2"); }
@font-face { font-family: "Velmora Serif"; src: url("fonts/velmora-serif.woff2"); }
div { position: absolute; box-sizing: border-box; font: 12px "Velmora Sans"; white-space: pre; }
.cell { border: 1px solid; text-align: center; font: 700 21px "Velmora Serif"; }"""


PROBE_TAG = '<script src="probe.js"></script>'


def bare_page(listing):
    divs = []
    for c in listing["controls"]:
        text = "298" if c["name"] == "Label_T" else c["content"]
        place = f'left:{c["left"]}px;top:{c["top"]}px;width:{c["width"]}px;height:{c["height"]}px'
        cell = ' class="cell"' if "element" in c else ""
        divs.append(f'<div id="{c["name"]}"{cell} style="{place}">{text}</div>')
    return (f'<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Bare</title>'
            f'{PROBE_TAG}<style>{BARE_STYLE}</style></head><body>{"".join(divs)}</body></html>')


def main():
    engine, site, listing_script = sys.argv[1:4]
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 30
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(site, folder, dirs_exist_ok=True)
        copy = Path(folder)
        (copy / "bare.html").write_text(bare_page(description_listing(listing_script)))
        (copy / "probe.js").write_text(PROBE)
        (copy / "sw.js").write_text("")  # every load from the server
        index = (copy / "index.html").read_text()
        (copy / "index.html").write_text(index.replace("<link", PROBE_TAG + "<link", 1))
        times = {"index.html": [], "bare.html": []}
        with open_session(engine, folder) as session:
            for _ in range(rounds + 1):  # the first round warms the caches and is not counted
                for page, samples in times.items():
                    session.navigate(session.url + page)
                    samples.append(session.js("return window.velmoraDrawn"))
    page, bare = (statistics.median(samples[1:]) for samples in times.values())
    print(f"{engine}: navigation to the window drawn at 298 K: median {page:.1f} ms "
          f"(min {min(times['index.html'][1:]):.1f}); bare page {bare:.1f} ms "
          f"(min {min(times['bare.html'][1:]):.1f}); {page / bare:.2f}x of the 2x target, "
          f"{rounds} rounds")


if __name__ == "__main__":
    main()
