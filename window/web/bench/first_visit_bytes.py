#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""The bytes of a first visit: every file a browser engine (chromium, firefox or webkit) loads for
the page until the window shows (the page with the window in it, its script and module, the style
sheet, the fonts, the manifest, the icon), compressed as a web server would send them (gzip -9,
and Brotli at its best when the brotli module is there), against a target of 120 KiB.
    first_visit_bytes.py ENGINE SITE-FOLDER
"""
import gzip
import sys
from collections import Counter
from pathlib import Path
from urllib.parse import urlparse

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests"))
from browser_session import open_session  # noqa: E402

try:
    import brotli
except ImportError:
    brotli = None

TARGET = 120 * 1024
LOADED = """return [performance.getEntriesByType('navigation')[0].name,
                   ...performance.getEntriesByType('resource').map((e) => e.name)];"""


def main():
    engine, site = sys.argv[1], Path(sys.argv[2])
    with open_session(engine, site) as session:
        session.open()
        session.wait_for("document.fonts.status === 'loaded'")
        urls = session.js(LOADED)
    # A file fetched twice (a preload the engine does not match with its use) counts twice.
    fetches = Counter(urlparse(url).path.lstrip("/") or "index.html" for url in urls
                      if url.startswith("http"))
    fetches["sw.js"] = max(fetches["sw.js"], 1)
    total_raw = total_gzip = total_brotli = 0
    print(f"{'file':32} {'bytes':>9} {'gzip':>9} {'brotli':>9}")
    for name, times in sorted(fetches.items()):
        data = (site / name).read_bytes()
        zipped = len(gzip.compress(data, 9)) * times
        squeezed = len(brotli.compress(data, quality=11)) * times if brotli else 0
        total_raw += len(data) * times
        total_gzip += zipped
        total_brotli += squeezed
        label = name if times == 1 else f"{name} (fetched {times} times)"
        print(f"{label:32} {len(data) * times:9} {zipped:9} {squeezed or '-':>9}")
    print(f"{'first visit':32} {total_raw:9} {total_gzip:9} {total_brotli or '-':>9}")
    print(f"gzip: {total_gzip / 1024:.1f} KiB of the {TARGET // 1024} KiB target"
          + (f", Brotli: {total_brotli / 1024:.1f} KiB" if brotli else ""))
    if total_gzip > TARGET:
        print("over the target")


if __name__ == "__main__":
    main()
