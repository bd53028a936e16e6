#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""The tab over a long drag: moves of the scroll box through the browser's own input path, one
pixel each along the track and back. After the first tenth of the moves and at the end it reads
the private memory of the engine's page processes (which hold the page, its module and its layout)
and the page's elements; in Chromium also the JavaScript heap after a garbage collection and the
listeners (its DevTools protocol; the other engines do not say). It also gives the median move
(pointermove to style and layout) of the first and the last tenth.
    long_run_bench.py ENGINE SITE-FOLDER [MOVES]          (default 10,000)
"""
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests"))
from browser_session import open_session  # noqa: E402

from drag_step_bench import PROBE, STEPS  # noqa: E402


def renderer_private_mib(session):
    """Private memory of the engine's page processes, in MiB."""
    total = 0
    for pid in session.renderer_processes():
        try:
            for line in Path(f"/proc/{pid}/smaps_rollup").read_text().splitlines():
                if line.startswith(("Private_Clean:", "Private_Dirty:")):
                    total += int(line.split()[1])
        except OSError:  # a process that has ended
            continue
    return total / 1024


def reading(session):
    values = {"elements": session.js("return document.getElementsByTagName('*').length")}
    if session.engine == "chromium":
        session.cdp("HeapProfiler.collectGarbage")
        counters = session.cdp("Memory.getDOMCounters")
        values.update({"heap MiB": session.cdp("Runtime.getHeapUsage")["usedSize"] / 2**20,
                       "nodes": counters["nodes"], "listeners": counters["jsEventListeners"]})
    values["renderers MiB"] = renderer_private_mib(session)
    return values


def main():
    engine, site = sys.argv[1:3]
    moves = int(sys.argv[3]) if len(sys.argv) > 3 else 10000
    tenth = max(1, moves // 10)
    readings = {}
    with open_session(engine, site, fast=True) as session:
        session.open()
        if engine == "chromium":
            session.cdp("HeapProfiler.enable")
        session.js(PROBE % moves)

        def on_move(i):
            if i + 1 == tenth:
                readings["after the first tenth"] = reading(session)

        session.drag_scroll_box(moves, on_move, every=tenth)
        readings["at the end"] = reading(session)
        steps = session.js(STEPS)
    for when, values in readings.items():
        print(f"{when:>22}: " + ", ".join(f"{k} {v:.2f}" if isinstance(v, float) else f"{k} {v}"
                                          for k, v in values.items()))
    first, last = statistics.median(steps[:tenth]), statistics.median(steps[-tenth:])
    growth = (readings["at the end"]["renderers MiB"]
              - readings["after the first tenth"]["renderers MiB"])
    print(f"{engine}: {len(steps)} moves; median move, first / last tenth: {first:.3f} / {last:.3f} ms; "
          f"renderer memory after the first tenth to the end: {growth:+.2f} MiB")


if __name__ == "__main__":
    main()
