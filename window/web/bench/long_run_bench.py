#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""The tab over a long drag: moves of the scroll box through the browser's own input path, one
pixel each along the track and back. After the first tenth of the moves and at the end it reads
the JavaScript heap after a garbage collection, the page's elements and listeners, and the private
memory of Chromium's renderer processes (which hold the page, its module and its layout); it also
gives the median move (pointermove to style and layout) of the first and the last tenth.
    long_run_bench.py SITE-FOLDER [MOVES]          (default 10,000)
"""
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests"))
from browser_session import UNTHROTTLED, BrowserSession  # noqa: E402

from drag_step_bench import PROBE, STEPS  # noqa: E402


def renderer_private_mib(session):
    """Private memory of the renderer processes of this session's pages, in MiB."""
    total = 0
    for process in Path("/proc").iterdir():
        try:
            command = (process / "cmdline").read_bytes()
            if (b"--type=renderer" not in command or b"--top-chrome-webui" in command
                    or session.profile.name.encode() not in command):
                continue
            for line in (process / "smaps_rollup").read_text().splitlines():
                if line.startswith(("Private_Clean:", "Private_Dirty:")):
                    total += int(line.split()[1])
        except OSError:  # not a process, or one that has ended
            continue
    return total / 1024


def reading(session):
    session.cdp("HeapProfiler.collectGarbage")
    heap = session.cdp("Runtime.getHeapUsage")
    counters = session.cdp("Memory.getDOMCounters")
    return {"heap MiB": heap["usedSize"] / 2**20, "nodes": counters["nodes"],
            "listeners": counters["jsEventListeners"],
            "renderers MiB": renderer_private_mib(session)}


def main():
    site, moves = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    tenth = max(1, moves // 10)
    readings = {}
    with BrowserSession(site, UNTHROTTLED) as session:
        session.open()
        session.cdp("HeapProfiler.enable")
        session.js(PROBE % moves)

        def on_move(i):
            if i + 1 == tenth:
                readings["after the first tenth"] = reading(session)

        session.drag_scroll_box(moves, on_move)
        readings["at the end"] = reading(session)
        steps = session.js(STEPS)
    for when, values in readings.items():
        print(f"{when:>22}: " + ", ".join(f"{k} {v:.2f}" if isinstance(v, float) else f"{k} {v}"
                                          for k, v in values.items()))
    first, last = statistics.median(steps[:tenth]), statistics.median(steps[-tenth:])
    growth = (readings["at the end"]["renderers MiB"]
              - readings["after the first tenth"]["renderers MiB"])
    print(f"{len(steps)} moves; median move, first / last tenth: {first:.3f} / {last:.3f} ms; "
          f"renderer memory after the first tenth to the end: {growth:+.2f} MiB")


if __name__ == "__main__":
    main()
