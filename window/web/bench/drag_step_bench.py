#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""One drag step of the scroll box in a browser engine (chromium, firefox or webkit): from the page handing the pointermove to
its listeners to the page's style and layout brought up to date with the new colours (what the
next frame paints). Moves come through the browser's own input path, one pixel each, sweeping the
track; the times are the page's own clock. Prints median, 95th percentile and maximum.
    drag_step_bench.py ENGINE SITE-FOLDER [MOVES]
"""
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests"))
from browser_session import open_session  # noqa: E402

# Timing listeners on the window: the first in the capture phase, before the scroll bar's; the
# last after it, where the cells' colours and the layout are brought up to date, as a paint would.
# The times go into an array made beforehand, so that they take no memory while the page runs.
PROBE = """window.dragSteps = new Float64Array(%d); window.dragStepCount = 0;
addEventListener('pointermove', () => { window.stepStart = performance.now(); }, true);
addEventListener('pointermove', () => {
  document.body.offsetHeight;  // style and layout, for the whole page
  window.dragSteps[window.dragStepCount++] = performance.now() - window.stepStart;
});"""
STEPS = "return Array.from(window.dragSteps.subarray(0, window.dragStepCount))"


def main():
    engine, site = sys.argv[1:3]
    moves = int(sys.argv[3]) if len(sys.argv) > 3 else 2000
    with open_session(engine, site, fast=True) as session:
        session.open()
        session.js(PROBE % moves)
        session.drag_scroll_box(moves)
        steps = sorted(session.js(STEPS))
        value = session.js("return document.getElementById('Label_T').textContent")
    if len(steps) < moves * 0.9:
        sys.exit(f"only {len(steps)} of {moves} moves reached the page")
    p95 = steps[int(len(steps) * 0.95) - 1]
    print(f"{engine} drag step, pointermove to style and layout: median {statistics.median(steps):.3f} ms, "
          f"95% {p95:.3f} ms, max {steps[-1]:.3f} ms over {len(steps)} moves (ended at {value} K)")


if __name__ == "__main__":
    main()
