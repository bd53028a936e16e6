#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""The page in a real headless Chromium: what the page adds to the core. Every control at its
place at 100% and 200% zoom and scaled down on a phone; the start state; entries typed and pasted
(a refused one showing the message box once); the scroll bar under the pointer, the keys and the
wheel; what screen readers read (Chromium's accessibility tree); and the page again from its
service worker with the server stopped, and from the folder on disk.
    page_test.py SITE-FOLDER LISTING-SCRIPT [SCREENSHOT-FOLDER]
"""
import re
import sys
import unittest
from pathlib import Path

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser_session import BrowserSession, description_listing

SITE = LISTING = SCREENSHOTS = None

# The box of every control, relative to the window, in CSS pixels.
PLACES = """const form = document.getElementById('Form1').getBoundingClientRect();
return [...document.querySelectorAll('#Form1 > .control')].map((e) => {
  const r = e.getBoundingClientRect();
  return [e.id, r.left - form.left, r.top - form.top, r.width, r.height];
});"""
# A colour as the page resolves it, for comparing a cell's colour with a system colour.
RESOLVED = """const probe = document.createElement('div'); probe.style.color = arguments[0];
document.body.append(probe); const colour = getComputedStyle(probe).color; probe.remove();
return colour;"""
# Every element of the window as it is drawn and read: attributes (the style attribute, the
# program's own changes, aside), text or value, colours, font size and box.
SNAPSHOT = """return [...document.querySelectorAll('#Form1 *')].map((e) => {
  const s = getComputedStyle(e); const r = e.getBoundingClientRect();
  return [e.id || e.className, [...e.attributes].filter((a) => a.name !== 'style')
            .map((a) => `${a.name}=${a.value}`).sort(), e.value ?? e.textContent,
          s.color, s.backgroundColor, s.fontSize, [r.left, r.top, r.width, r.height]];
});"""
NOTICE = "return document.querySelector('.notice')?.textContent ?? null"
STATE = """const bar = document.getElementById('Scroll_T');
return [document.getElementById('Text_T').value, document.getElementById('Label_T').textContent,
        Number(bar.getAttribute('aria-valuenow'))];"""


def ax_controls(nodes):
    """The controls a screen reader reads, in order: (role, name, description, value) of each node
    that is not ignored, not generic and not inside another such node."""
    by_id = {n["nodeId"]: n for n in nodes}
    read = []

    def walk(node):
        role = node.get("role", {}).get("value")
        if not node.get("ignored") and role not in ("generic", "RootWebArea"):
            read.append(tuple(node.get(key, {}).get("value")
                              for key in ("role", "name", "description", "value")))
            return
        for child in node.get("childIds", []):
            if child in by_id:
                walk(by_id[child])

    walk(nodes[0])
    return read


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.listing = description_listing(LISTING)
        cls.session = BrowserSession(SITE)
        cls.session.open()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def setUp(self):
        self.session.open()
        self.js = self.session.js

    def state(self):
        return tuple(self.js(STATE))

    def colour(self, name):
        return self.js(f"return getComputedStyle(document.getElementById('{name}')).color")

    def fitted(self, width, height):
        """The window's scale in a viewport: the largest that fits, keeping its proportions."""
        return min(width / self.listing["width"], height / self.listing["height"])

    def test_every_control_at_its_place(self):
        rows = [  # viewport width, height, device pixels per CSS pixel, media features
            ("zoom-100", 800, 600, 1, []),
            ("zoom-200", 800, 600, 2, []),
            ("phone", 360, 740, 3, []),
            ("screen-1280x800", 1280, 800, 1, []),
            ("screen-3840x2160", 3840, 2160, 1, []),
            ("dark", 800, 600, 1, [("prefers-color-scheme", "dark")]),
            ("forced-colours", 800, 600, 1, [("forced-colors", "active")]),
            ("forced-colours-dark", 800, 600, 1,
             [("forced-colors", "active"), ("prefers-color-scheme", "dark")]),
        ]
        for name, width, height, pixel_ratio, media in rows:
            with self.subTest(name):
                scale = self.fitted(width, height)
                self.session.emulate(width, height, pixel_ratio)
                self.session.cdp("Emulation.setEmulatedMedia",
                                 {"features": [{"name": n, "value": v} for n, v in media]})
                self.session.open()
                self.assertEqual(self.js("return devicePixelRatio"), pixel_ratio)
                places = {p[0]: p[1:] for p in self.js(PLACES)}
                self.assertEqual(len(places), len(self.listing["controls"]))
                # Centred, and the page around it does not scroll.
                form = self.js("const r = document.getElementById('Form1').getBoundingClientRect();"
                               "return [r.left + r.width / 2, r.top + r.height / 2,"
                               " document.scrollingElement.scrollWidth]")
                for got, want in zip(form, [width / 2, height / 2, width]):
                    self.assertAlmostEqual(got, want, delta=0.5)
                for control in self.listing["controls"]:
                    expected = [scale * control[k] for k in ("left", "top", "width", "height")]
                    for got, want in zip(places[control["name"]], expected):
                        self.assertAlmostEqual(got, want, delta=0.035, msg=control["name"])
                # The caption label's text fits it, in the page's own face; liquid and gas keep
                # their colours in every palette.
                self.assertTrue(self.js("return document.fonts.check('12px \"Velmora Sans\"')"))
                self.assertLessEqual(*self.js("const l = document.getElementById('Label2');"
                                              "return [l.scrollWidth, l.clientWidth]"))
                self.assertEqual(self.colour("Label_001_H"), "rgb(255, 0, 0)")
                self.assertEqual(self.colour("Label_035_Br"), "rgb(0, 0, 255)")
                if SCREENSHOTS:
                    self.session.driver.save_screenshot(str(Path(SCREENSHOTS) / f"{name}.png"))
        self.session.cdp("Emulation.clearDeviceMetricsOverride")
        self.session.cdp("Emulation.setEmulatedMedia", {"features": []})

    def test_start_state(self):
        self.assertEqual(self.session.driver.title, self.listing["title"])
        self.assertEqual(self.state(), ("", "298", 298))
        self.assertEqual(self.js("return document.activeElement.id"), "Scroll_T")
        self.assertEqual(self.js("const box = document.getElementById('Text_T');"
                                 "return [box.inputMode, box.spellcheck, box.maxLength]"),
                         ["decimal", False, -1])
        rows = [("Label_001_H", "red"), ("Label_035_Br", "blue"), ("Label_026_Fe", "ButtonText"),
                ("Label_097_Bk", "GrayText"), ("Label_LanthanideReference", "CanvasText")]
        for cell, colour in rows:
            self.assertEqual(self.colour(cell), self.js(RESOLVED, colour), cell)
        # The tooltip of a cell the pointer rests on.
        iron = next(c for c in self.listing["controls"] if c["name"] == "Label_026_Fe")
        ActionChains(self.session.driver).move_to_element(
            self.session.driver.find_element(By.ID, "Label_026_Fe")).perform()
        self.session.wait_for("!document.querySelector('.tooltip').hidden", 2)
        self.assertEqual(self.js("return document.querySelector('.tooltip').textContent"),
                         iron["summary"])
        # On top of the cells it covers.
        on_top = ("const tip = document.querySelector('.tooltip');"
                  "tip.style.pointerEvents = 'auto'; const r = tip.getBoundingClientRect();"
                  "return document.elementFromPoint(r.left + 3, r.bottom - 3) === tip")
        self.assertTrue(self.js(on_top))
        # Nothing refused by the Content-Security-Policy, nothing failed.
        self.assertEqual(self.session.errors(), [])

    def test_entries_typed_and_pasted(self):
        box = self.session.driver.find_element(By.ID, "Text_T")
        rows = [  # text, typed (or pasted whole), box, label and bar afterwards
            ("1000", True, ("1000", "1000", 1000)),
            ("-5", True, ("0", "0", 0)),
            ("7000", True, ("6000", "6000", 6000)),
            ("2 9 8", False, ("2 9 8", "298", 298)),
        ]
        for text, typed, expected in rows:
            box.send_keys(Keys.CONTROL, "a")
            if typed:
                box.send_keys(text)
            else:
                self.session.cdp("Input.insertText", {"text": text})
            self.assertEqual(self.state(), expected, text)
        colours = [self.colour(c["name"]) for c in self.listing["controls"]]
        # A pasted 1e400 is refused: one message box, nothing changed, and the focus back in the
        # box once it is closed.
        box.send_keys(Keys.CONTROL, "a")
        self.session.cdp("Input.insertText", {"text": "1e400"})
        self.assertEqual(self.js("return document.querySelectorAll('dialog:modal').length"), 1)
        self.assertEqual(self.js("return document.querySelector('dialog').innerText"),
                         'Velmora\n\nThe temperature could not be applied.\n\n'
                         'Overflow: "1e400" is too large a number.\n\nOK')
        self.assertEqual(self.js("return document.activeElement.textContent"), "OK")
        self.assertEqual(self.state(), ("1e400", "298", 298))
        self.assertEqual([self.colour(c["name"]) for c in self.listing["controls"]], colours)
        ActionChains(self.session.driver).send_keys(Keys.ENTER).perform()
        self.assertEqual(self.js("return document.querySelectorAll('dialog[open]').length"), 0)
        self.assertEqual(self.js("return document.activeElement.id"), "Text_T")

    def test_scroll_bar(self):
        # In the session's 800 x 600 viewport the window is scaled by about 1.31: the places, in
        # the window's own pixels, and the steps of the drags, in the viewport's, scale apart.
        driver = self.session.driver
        scale = self.fitted(*self.js("return [innerWidth, innerHeight]"))
        bar = next(c for c in self.listing["controls"] if c["name"] == "Scroll_T")
        width, height = scale * bar["width"], scale * bar["height"]
        travel = width - 3 * height  # the track less the scroll box
        box = height * 1.5 + 298 * travel / 6000 - width / 2  # from the middle of the bar

        def press(x, seconds=0.0, drag_steps=0):
            def act(bar):
                chain = ActionChains(driver).move_to_element_with_offset(bar, x, 0).click_and_hold()
                chain.pause(seconds)
                for _ in range(drag_steps):
                    chain.move_by_offset(10, 0)
                chain.release().perform()
            return act

        def keys(key):
            return lambda bar: bar.send_keys(key)

        def touch_drag(bar):
            x, y = bar.rect["x"] + bar.rect["width"] / 2 + box, bar.rect["y"] + height / 2
            for kind, dx in [("touchStart", 0)] + [("touchMove", 10 * i) for i in range(1, 6)]:
                self.session.cdp("Input.dispatchTouchEvent",
                                 {"type": kind, "touchPoints": [{"x": x + dx, "y": y}]})
            self.session.cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

        def wheel(bar):
            origin = ScrollOrigin.from_element(bar)
            ActionChains(driver).scroll_from_origin(origin, 0, 100).perform()

        arrow = width / 2 - height / 2
        rows = [  # what the user does, the value afterwards (from 298), or a test of it
            ("drag 5 steps of 10 px", press(box, drag_steps=5), round(298 + 50 * 6000 / travel)),
            ("drag 5 steps of 10 px by touch", touch_drag, round(298 + 50 * 6000 / travel)),
            ("right arrow", press(arrow), 299),
            ("left arrow", press(-arrow), 297),
            ("track after the box", press(0), 348),
            # One step, then one every 50 ms after half a second.
            ("right arrow held for a second", press(arrow, 1.0), lambda v: 300 < v <= 311),
            ("track held until the box is under the pointer", press(box + 60, 2.0),
             lambda v: abs(height * 1.5 + v * travel / 6000 - width / 2 - (box + 60)) < height / 2),
            ("key Right", keys(Keys.RIGHT), 299),
            ("key Up", keys(Keys.UP), 299),
            ("key Down", keys(Keys.DOWN), 297),
            ("key PageDown", keys(Keys.PAGE_DOWN), 348),
            ("key PageUp", keys(Keys.PAGE_UP), 248),
            ("key End", keys(Keys.END), 6000),
            ("key Home", keys(Keys.HOME), 0),
            ("a notch of the wheel toward the user", wheel, 301),
        ]
        for name, action, expected in rows:
            with self.subTest(name):
                self.session.open()
                # A move empties the box; each Scroll event writes the value label once.
                self.js("document.getElementById('Text_T').value = '12';"
                        "window.captions = 0; new MutationObserver(() => ++window.captions)"
                        ".observe(document.getElementById('Label_T'), {childList: true});")
                action(driver.find_element(By.ID, "Scroll_T"))
                text, label, value = self.state()
                self.assertTrue(expected(value) if callable(expected) else value == expected, value)
                self.assertEqual((text, label), ("", str(value)))
                if "drag" in name:
                    self.assertGreaterEqual(self.js("return window.captions"), 5)


    def test_what_screen_readers_read(self):
        names = {"Text_T": ("textbox", "Temperature in kelvin", None, None),
                 "Label_T": ("status", "Temperature in force: 298 K", None, None),
                 "Scroll_T": ("slider", "Temperature in kelvin", None, 298)}
        controls = {c["name"]: c for c in self.listing["controls"]}
        expected = []
        for name in self.listing["reading_order"]:
            control = controls[name]
            if name in names:
                expected.append(names[name])
            elif "element" in control:
                summary = re.sub(r"\s+", " ", control["summary"])  # as a description reads
                expected.append(("image", control["element"], summary, None))
            else:
                expected.append(("StaticText", control["content"], None, None))
        tree = self.session.cdp("Accessibility.getFullAXTree")["nodes"]
        self.assertEqual(ax_controls(tree), expected)
        # A move is announced once, and the descriptions follow.
        self.session.driver.find_element(By.ID, "Scroll_T").send_keys(Keys.END)
        self.assertEqual(self.js("return document.querySelector('[aria-live=polite]').textContent"),
                         "Temperature in force: 6000 K")
        self.session.wait_for("document.getElementById('Label_026_Fe')"
                              ".getAttribute('aria-description').endsWith('At 6000 K: gas')", 2)


    def test_written_page_and_input_before_the_program(self):
        session = self.session
        # Without JavaScript the page is the window as the program shows it after Load, with a
        # notice; the scroll bar alone says it is not ready.
        session.cdp("Emulation.setScriptExecutionDisabled", {"value": True})
        session.driver.get(session.url + "index.html")
        written = self.js(SNAPSHOT)
        self.assertIn("cannot change", self.js(NOTICE))
        session.cdp("Emulation.setScriptExecutionDisabled", {"value": False})
        session.open()
        self.assertEqual(self.js(NOTICE), None)
        bar = next(i for i, e in enumerate(written) if e[0] == "Scroll_T")
        written[bar][1].remove("aria-disabled=true")
        self.assertEqual(written, self.js(SNAPSHOT))
        # With the module held back, a press on the scroll bar does nothing, and what the user
        # then types or pastes is taken once the module runs, which leaves the focus where it is.
        session.cdp("Network.enable")
        session.cdp("Network.setBypassServiceWorker", {"bypass": True})
        rows = [("typed", "1000", ("1000", "1000", 1000)),
                ("pasted", "2 5 0", ("2 5 0", "250", 250))]
        for name, text, expected in rows:
            with self.subTest(name):
                session.cdp("Network.setBlockedURLs", {"urls": ["*velmora.js"]})
                session.driver.get(session.url + "index.html")
                ActionChains(session.driver).move_to_element_with_offset(
                    session.driver.find_element(By.ID, "Scroll_T"), 0, 0).click().perform()
                box = session.driver.find_element(By.ID, "Text_T")
                box.click()
                if name == "typed":
                    box.send_keys(text)
                else:
                    session.cdp("Input.insertText", {"text": text})
                self.assertEqual(self.state(), (text, "298", 298))
                session.cdp("Network.setBlockedURLs", {"urls": []})
                self.js("const s = document.createElement('script'); s.src = 'velmora.js';"
                        "s.onload = () => Velmora(); document.head.append(s);")
                session.wait_for("!document.getElementById('Scroll_T')"
                                 ".hasAttribute('aria-disabled')")
                self.assertEqual(self.state(), expected)
                self.assertEqual(self.js("return document.activeElement.id"), "Text_T")
        session.cdp("Network.setBypassServiceWorker", {"bypass": False})
        session.errors()  # the held-back script's refusal


class OfflineTest(unittest.TestCase):
    def test_from_the_service_worker_and_from_the_folder(self):
        with BrowserSession(SITE) as session:
            session.open()
            session.wait_for("navigator.serviceWorker.controller", 5)
            errors = session.cdp("Page.getInstallabilityErrors")["installabilityErrors"]
            self.assertEqual(errors, [])
            session.stop_server()
            session.open()
            controls = session.js("return document.querySelectorAll('#Form1 .control').length")
            self.assertEqual(controls, 116)
            session.open(Path(SITE).resolve().joinpath("index.html").as_uri())
            self.assertEqual(session.errors(), [])


if __name__ == "__main__":
    SITE, LISTING = sys.argv[1:3]
    if len(sys.argv) > 3:
        SCREENSHOTS = sys.argv[3]
        Path(SCREENSHOTS).mkdir(parents=True, exist_ok=True)
    unittest.main(argv=sys.argv[:1], verbosity=2)
