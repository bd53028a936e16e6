#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Navigation to the window drawn at 298 K in a browser engine (chromium, firefox or webkit),
against a bare page that draws the same 116 elements at the same places on the screen (the window
fitted to the viewport, as the page fits it) with fixed texts in the same faces, without the
program, the pages loaded in turn in the same run (from the same server, with a service worker
that keeps nothing). "Drawn": the start of the frame after `Label_T` shows 298 and the window's
two faces have loaded, as a probe script loaded first into each page sees it. Also the first
typed digit applied: a 5 put into the text box as soon as the box is in the page (with the input
event typing raises), drawn once `Label_T` shows 5, which takes the program running; and the page
with its scripts taken out, drawn: the floor of what its HTML and style sheet cost. Prints the
medians and their ratios to the bare page drawn, against targets of 1.15x and 1.6x. With
"fast-3g" (Chromium, whose DevTools protocol slows the network), as a first-time visitor on a slow
network: nothing cached, the network as Chromium's "Fast 3G" (1.6 Mbps down and 750 kbps up, less
a tenth, 150 ms latency).
    startup_bench.py ENGINE SITE-FOLDER LISTING-SCRIPT [ROUNDS] [fast-3g]
"""
import re
import shutil
import statistics
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests"))
from browser_session import description_listing, open_session  # noqa: E402

# The first script of each page (a file of the site, as the page's Content-Security-Policy
# wants): resolves velmoraDrawn with the time since navigation began (with ?typed, the first
# typed digit applied).
PROBE = """window.velmoraDrawn = new Promise((resolve) => {
  const typed = location.search === '?typed';
  const shown = () => document.getElementById('Label_T')?.textContent === (typed ? '5' : '298');
  // The faces the window shows, loaded as the page's own font faces report it. (The set's
  // ready promise also waits for the document and its scripts to load, which is not what the
  // user sees.)
  const faces = [['Velmora Serif', '700'], ['Velmora Sans', 'normal']];
  const loaded = () => faces.every(([family, weight]) => [...document.fonts].some((face) =>
    face.family.replace(/"/g, '') === family && String(face.weight) === weight &&
    face.status === 'loaded'));
  let box = null;
  let drawn = false;
  // Checked at every change of the page, every face loaded and every 2 ms (WebKit marks faces
  // it had asked for early loaded without an event); once both hold, the time is the start of
  // the next frame, the one that paints them.
  const check = () => {
    if (typed && !box && (box = document.getElementById('Text_T'))) {
      box.value = '5';
      box.dispatchEvent(new InputEvent('input', {data: '5', inputType: 'insertText'}));
    }
    if (drawn || !shown() || !loaded()) return;
    drawn = true;
    requestAnimationFrame(() => resolve(performance.now()));
  };
  new MutationObserver(check)
    .observe(document, {childList: true, subtree: true, characterData: true});
  document.fonts.addEventListener('loadingdone', check);
  const poll = () => {
    check();
    if (!drawn) setTimeout(poll, 2);
  };
  poll();
});"""
FAST_3G = {"offline": False, "latency": 150, "downloadThroughput": 1.6e6 / 8 * 0.9,
           "uploadThroughput": 750e3 / 8 * 0.9}
BARE_STYLE = """@font-face { font-family: "Velmora Sans"; src: url("fonts/velmora-sans.woff2"); }
@font-face { font-family: "Velmora Serif"; font-weight: 700;
             src: url("fonts/velmora-serif-bold.woff2"); }
@font-face { font-family: "Velmora Serif"; src: url("fonts/velmora-serif.woff2"); }
div { position: absolute; box-sizing: border-box; font: {sans}px "Velmora Sans";
      white-space: pre; }
.cell { border: {border}px solid; text-align: center; font: 700 {serif}px "Velmora Serif"; }"""


PROBE_TAG = '<script src="probe.js"></script>'
SCRIPTS = r'<script src="(start|velmora)\.js"[^>]*></script>\n?'


def bare_page(listing, scale):
    """The bare page at `scale` CSS pixels to the window's pixel, the page's own in the viewport
    the session has, so that both draw the same pixels: a page four times the size has four times
    the pixels to fill (WebKit's viewport is 1.7 times the window's width)."""
    def px(pixels):
        return f"{pixels * scale:.4f}"
    divs = []
    for c in listing["controls"]:
        text = "298" if c["name"] == "Label_T" else c["content"]
        place = (f'left:{px(c["left"])}px;top:{px(c["top"])}px;width:{px(c["width"])}px;'
                 f'height:{px(c["height"])}px')
        cell = ' class="cell"' if "element" in c else ""
        divs.append(f'<div id="{c["name"]}"{cell} style="{place}">{text}</div>')
    style = (BARE_STYLE.replace("{sans}", px(12)).replace("{serif}", px(21))
             .replace("{border}", px(1)))
    return (f'<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Bare</title>'
            f'{PROBE_TAG}<style>{style}</style></head><body>{"".join(divs)}</body></html>')


def page_scale(session, listing):
    """The scale the page fits its window to in the session's viewport."""
    width, height = session.js("return [innerWidth, innerHeight]")
    return min(width / listing["width"], height / listing["height"])


def main():
    engine, site, listing_script = sys.argv[1:4]
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 and sys.argv[4].isdigit() else 30
    slow = "fast-3g" in sys.argv[4:]
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(site, folder, dirs_exist_ok=True)
        copy = Path(folder)
        (copy / "probe.js").write_text(PROBE)
        (copy / "sw.js").write_text("")  # every load from the server
        index = (copy / "index.html").read_text()
        index = index.replace("</title>", "</title>" + PROBE_TAG, 1)
        (copy / "index.html").write_text(index)
        # The same page with no program: what the page's own HTML and style sheet cost.
        (copy / "scriptless.html").write_text(re.sub(SCRIPTS, "", index))
        times = {"index.html": [], "index.html?typed": [], "bare.html": [], "scriptless.html": []}
        with open_session(engine, folder) as session:
            listing = description_listing(listing_script)
            session.navigate(session.url + "bare.html")  # not there yet: the viewport only
            scale = page_scale(session, listing)
            (copy / "bare.html").write_text(bare_page(listing, scale))
            if slow:
                if engine != "chromium":
                    sys.exit(f"{engine}: no network emulation; fast-3g runs in Chromium")
                session.cdp("Network.enable")
                session.cdp("Network.setCacheDisabled", {"cacheDisabled": True})
                session.cdp("Network.emulateNetworkConditions", FAST_3G)
            for _ in range(rounds + 1):  # the first round warms the caches and is not counted
                for page, samples in times.items():
                    session.navigate(session.url + page)
                    samples.append(session.js("return window.velmoraDrawn"))
    page, typed, bare, scriptless = (statistics.median(samples[1:]) for samples in times.values())
    low = {name: min(samples[1:]) for name, samples in times.items()}
    print(f"{engine}{' on Fast 3G' if slow else ''}: navigation to the window drawn at 298 K: "
          f"median {page:.1f} ms (min {low['index.html']:.1f}); bare page {bare:.1f} ms "
          f"(min {low['bare.html']:.1f}); {page / bare:.2f}x of the 1.15x target; first typed "
          f"digit applied {typed:.1f} ms (min {low['index.html?typed']:.1f}), {typed / bare:.2f}x "
          f"of the 1.6x target; the page without its scripts drawn {scriptless:.1f} ms "
          f"({scriptless / bare:.2f}x); {rounds} rounds; window scale {scale:.3f}")

if __name__ == "__main__":
    main()
