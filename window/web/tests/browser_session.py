# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""What the page's tests and benchmarks share: the page served from its folder and a headless
Chromium driven through Selenium (Debian's chromium and chromium-driver, used as installed:
nothing is downloaded), with its DevTools protocol at hand.

    with BrowserSession(site) as session:
        session.open()                 # the page, until the window shows 298 K
        session.cdp("Accessibility.getFullAXTree")
"""
import json
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))
from serve_page import PageServer  # noqa: E402

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
# Headless as root on a machine without a network: no sandbox, no GPU, and none of the
# background connections Chromium would otherwise try.
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-default-apps", "--window-size=800,600"]
# Frames as fast as they can be made, rather than sixty a second: input the session sends is
# handled at the speed of the page instead of one event a frame (for long runs of moves).
UNTHROTTLED = ["--disable-frame-rate-limit", "--disable-gpu-vsync"]


def description_listing(listing_script):
    """The window description as the core holds it, printed by the listing program under Node."""
    out = subprocess.run(["node", "--no-experimental-fetch", str(listing_script)],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out)


class BrowserSession:
    def __init__(self, site, extra_flags=()):
        self.site = Path(site)
        self.server = PageServer(self.site).start()
        self.url = self.server.url
        self.profile = tempfile.TemporaryDirectory(prefix="velmora-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS + [f"--user-data-dir={self.profile.name}", *extra_flags]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        self.driver.quit()
        if self.server:
            self.server.stop()
            self.server = None
        self.profile.cleanup()

    def stop_server(self):
        self.server.stop()
        self.server = None

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def open(self, url=None, timeout=10):
        """Loads the page and waits until the program has taken the window over (the page shows
        it at 298 K before that; the scroll bar is aria-disabled until then)."""
        self.driver.get(url or self.url + "index.html")
        self.wait_for("document.getElementById('Scroll_T')?.getAttribute('aria-disabled') === null",
                      timeout)

    def wait_for(self, condition, timeout=5):
        end = time.monotonic() + timeout
        while not self.js(f"return Boolean({condition})"):
            if time.monotonic() > end:
                raise AssertionError(f"timed out waiting for {condition}")
            time.sleep(0.02)

    def emulate(self, width, height, scale):
        """A viewport of width x height CSS pixels at `scale` device pixels each: the page sees
        this as the browser's zoom (200% is scale 2 on half the viewport) or a phone's screen."""
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": False})

    def drag_scroll_box(self, moves, on_move=None):
        """Takes the scroll box with the mouse and sweeps it along the track and back, one pixel a
        move, `moves` times (the browser's own input path); calls on_move(i) after each."""
        bar = self.js("const r = document.getElementById('Scroll_T').getBoundingClientRect();"
                      "return [r.left, r.top, r.width, r.height]")
        left, top, width, height = bar
        travel = int(width - 3 * height)
        value = self.js("return Number(document.getElementById('Scroll_T')"
                        ".getAttribute('aria-valuenow'))")
        x = left + height * 1.5 + value * travel / 6000
        y = top + height / 2
        mouse = {"x": x, "y": y, "button": "left"}
        self.cdp("Input.dispatchMouseEvent", {"type": "mousePressed", "clickCount": 1, **mouse})
        step = 1
        for i in range(moves):
            if not left + height * 1.5 <= mouse["x"] + step <= left + height * 1.5 + travel:
                step = -step
            mouse["x"] += step
            self.cdp("Input.dispatchMouseEvent", {"type": "mouseMoved", "buttons": 1, **mouse})
            if on_move:
                on_move(i)
        self.cdp("Input.dispatchMouseEvent", {"type": "mouseReleased", "clickCount": 1, **mouse})

    def errors(self):
        """Console messages of warning level and above since the last call."""
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] in ("WARNING", "SEVERE")]
