#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""The page in a real browser engine (Chromium, Firefox or WebKit): what the page adds to the core.
Every control at its place at 100% and 200% zoom and scaled down on a phone; the start state and
the order Tab takes; entries typed and pasted (a refused one showing the message box once); the
scroll bar under the mouse and the finger, the keys and the wheel, at both ends of the range; what
screen readers read; and the page again from its service worker with the server stopped, and from
the folder on disk. What an engine cannot be asked is skipped there, with the reason.
    page_test.py ENGINE SITE-FOLDER LISTING-SCRIPT [SCREENSHOT-FOLDER]
"""
import re
import sys
import unittest
from pathlib import Path

from selenium.webdriver.common.keys import Keys

from browser_session import DOWN, NO_SCRIPTS, UP, description_listing, keys, move, open_session, \
    pause, pointer, wheel
from serve_page import PageHandler

ENGINE = SITE = LISTING = SCREENSHOTS = None

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
# Each icon the page names for home screens and launchers, as the browser decodes it: its width,
# its height, the size it is declared with, and whether its corner is opaque.
ICONS = """return (async () => {
  const manifest = await (await fetch('manifest.webmanifest')).json();
  const touch = document.querySelector('link[rel=apple-touch-icon]');
  const icons = [...manifest.icons, {src: touch.getAttribute('href'), sizes: '180x180'}];
  return Promise.all(icons.filter((i) => i.type !== 'image/svg+xml').map(async (icon) => {
    const bitmap = await createImageBitmap(await (await fetch(icon.src)).blob());
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
    canvas.drawImage(bitmap, 0, 0);
    return [icon.src, bitmap.width, bitmap.height, icon.sizes, icon.purpose || 'any',
            canvas.getImageData(0, 0, 1, 1).data[3] === 255];
  }));
})();"""
# Every element of the window as it is drawn and read: attributes (the style attribute, the
# program's own changes, aside), text or value, colours, font size and box.
SNAPSHOT = """return [...document.querySelectorAll('#Form1 *')].map((e) => {
  const s = getComputedStyle(e); const r = e.getBoundingClientRect();
  return [e.id || e.className, [...e.attributes].filter((a) => a.name !== 'style')
            .map((a) => `${a.name}=${a.value}`).sort(), e.value ?? e.textContent,
          s.color, s.backgroundColor, s.fontSize, [r.left, r.top, r.width, r.height]];
});"""
# Whether the tooltip is on top of the cells it covers.
ON_TOP = """const tip = document.querySelector('.tooltip'); tip.style.pointerEvents = 'auto';
const r = tip.getBoundingClientRect(); return document.elementFromPoint(r.left + 3, r.bottom - 3) === tip;"""
NOTICE = "return document.querySelector('.notice')?.textContent ?? null"
STATE = """const bar = document.getElementById('Scroll_T');
return [document.getElementById('Text_T').value, document.getElementById('Label_T').textContent,
        Number(bar.getAttribute('aria-valuenow'))];"""
# What Chromium says of the early requests for the faces, for a page opened from a disk.
FACE = r"'?file://\S+/fonts/velmora-[a-z-]+\.woff2'?"
FACES_ASKED_EARLY_FROM_A_DISK = (
    rf"{FACE} - Failed to load resource: net::ERR_FAILED|file://\S+ (\d+|-) (Access to font at "
    rf"{FACE} from origin 'null' has been blocked by CORS policy|A preload for {FACE} is found, "
    r"but is not used because the request credentials mode does not match)[:.] .*")
# The page's element that has the focus, or null when the focus is outside the page.
FOCUSED = """const e = document.activeElement;
return e && e !== document.body ? e.id : null;"""


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


def assert_no_errors(test, session, harmless=None):
    """Nothing refused by the Content-Security-Policy, nothing failed, where the engine says;
    but for messages that `harmless`, a pattern, matches whole."""
    with test.subTest("the console"):
        if session.console:
            test.skipTest(session.console)
        errors = session.errors()
        test.assertEqual([e for e in errors if not (harmless and re.fullmatch(harmless, e))], [])


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.listing = description_listing(LISTING)
        cls.session = open_session(ENGINE, SITE)

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

    def centre(self, name):
        left, top, width, height = self.session.rect("#" + name)
        return left + width / 2, top + height / 2

    def enter(self, text):
        """The text typed into the text box in place of what it held."""
        self.session.press("Text_T", Keys.CONTROL, "a")
        self.session.type(text)

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
                cannot = self.session.emulate(width, height, pixel_ratio, media)
                if cannot:
                    self.skipTest(cannot)
                scale = self.fitted(width, height)
                self.session.open()
                self.assertEqual(self.js("return devicePixelRatio"), pixel_ratio)
                for feature, value in media:
                    self.assertTrue(self.js(f"return matchMedia('({feature}: {value})').matches"))
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
                    self.session.screenshot(Path(SCREENSHOTS) / f"{name}.png")
        self.session.emulate(800, 600, 1)

    def test_start_state(self):
        self.assertEqual(self.js("return document.title"), self.listing["title"])
        self.assertEqual(self.state(), ("", "298", 298))
        self.assertEqual(self.js(FOCUSED), "Scroll_T")
        self.assertEqual(self.js("const box = document.getElementById('Text_T');"
                                 "return [box.inputMode, box.spellcheck, box.maxLength]"),
                         ["decimal", False, -1])
        rows = [("Label_001_H", "red"), ("Label_035_Br", "blue"), ("Label_026_Fe", "ButtonText"),
                ("Label_097_Bk", "GrayText"), ("Label_LanthanideReference", "CanvasText")]
        for cell, colour in rows:
            self.assertEqual(self.colour(cell), self.js(RESOLVED, colour), cell)
        assert_no_errors(self, self.session)
        # The order Tab takes from the start, as the window's: the scroll bar, the text box, out
        # of the page; and Shift+Tab back.
        back = (Keys.SHIFT, Keys.TAB)
        # (The MiniBrowser, with nothing of its own to focus, takes the focus round to the start.)
        out = (None, "Scroll_T") if ENGINE == "webkit" else (None,)
        rows = [((Keys.TAB,), ("Text_T",)), ((Keys.TAB, Keys.TAB), out),
                ((Keys.TAB, back), ("Scroll_T",))]
        for presses, focused in rows:
            with self.subTest(presses=presses):
                self.session.open()
                for chord in presses:
                    self.session.perform(keys(*chord) if chord == back else keys(chord))
                self.assertIn(self.js(FOCUSED), focused)
        # The tooltip of a cell the mouse rests on, or a finger is held on.
        iron = next(c for c in self.listing["controls"] if c["name"] == "Label_026_Fe")
        for kind, hold in [("mouse", []), ("touch", [DOWN, pause(0.8)])]:
            with self.subTest(kind):
                if kind == "touch" and self.session.touch:
                    self.skipTest(self.session.touch)
                self.session.open()
                self.session.perform(pointer(move(*self.centre("Label_026_Fe")), *hold,
                                             kind=kind), release=False)
                self.session.wait_for("!document.querySelector('.tooltip').hidden", 2)
                self.assertEqual(self.js("return document.querySelector('.tooltip').textContent"),
                                 iron["summary"])
                # On top of the cells it covers.
                self.assertTrue(self.js(ON_TOP))
                self.session.perform(pointer(*([UP] if hold else []), kind=kind))

    def test_module_from_a_server_that_does_not_know_it(self):
        # Many servers send a .wasm file as application/octet-stream, which compiling while
        # downloading refuses: the page then compiles the module from its bytes, and starts.
        known = PageHandler.extensions_map
        PageHandler.extensions_map = {**known, ".wasm": "application/octet-stream"}
        try:
            self.session.open()
        finally:
            PageHandler.extensions_map = known
        self.enter("5")
        self.assertEqual(self.state(), ("5", "5", 5))

    def test_entries_typed_and_pasted(self):
        rows = [  # text, typed (or pasted whole), box, label and bar afterwards
            ("1000", True, ("1000", "1000", 1000)),
            ("-5", True, ("0", "0", 0)),
            ("7000", True, ("6000", "6000", 6000)),
            ("2 9 8", False, ("2 9 8", "298", 298)),
        ]
        for text, typed, expected in rows:
            self.session.press("Text_T", Keys.CONTROL, "a")
            if typed:
                self.session.type(text)
            else:
                self.session.paste(text)
            self.assertEqual(self.state(), expected, text)
        colours = [self.colour(c["name"]) for c in self.listing["controls"]]
        # A pasted 1e400 is refused: one message box, nothing changed, and the focus back in the
        # box once it is closed. Today's engines put the focus back themselves; the page does it
        # for engines that do not (older ones), played here by a dialog whose engine
        # remembers the page's body as the focus before it.
        self.js("const show = HTMLDialogElement.prototype.showModal;"
                "HTMLDialogElement.prototype.showModal = function () {"
                "  document.activeElement.blur(); show.call(this); };")
        self.session.press("Text_T", Keys.CONTROL, "a")
        self.session.paste("1e400")
        self.assertEqual(self.js("return document.querySelectorAll('dialog:modal').length"), 1)
        self.assertEqual(self.js("return document.querySelector('dialog').innerText")
                         .split(), 'Velmora The temperature could not be applied. '
                         'Overflow: "1e400" is too large a number. OK'.split())
        self.assertEqual(self.js("return document.activeElement.textContent"), "OK")
        self.assertEqual(self.state(), ("1e400", "298", 298))
        self.assertEqual([self.colour(c["name"]) for c in self.listing["controls"]], colours)
        self.session.click("dialog button")
        self.assertEqual(self.js("return document.querySelectorAll('dialog[open]').length"), 0)
        # The dialog's close event, which puts the focus back, comes in a task of its own, which
        # a loaded WebKit may run after the next script of the test.
        self.session.wait_for("document.activeElement.id === 'Text_T'", 2)

    def test_scroll_bar(self):
        # In the session's 800 x 600 viewport the window is scaled by about 1.31: the places, in
        # the window's own pixels, and the steps of the drags, in the viewport's, scale apart.
        scale = self.fitted(*self.js("return [innerWidth, innerHeight]"))
        bar = next(c for c in self.listing["controls"] if c["name"] == "Scroll_T")
        width, height = scale * bar["width"], scale * bar["height"]
        travel = width - 3 * height  # the track less the scroll box

        def box(value):  # the middle of the scroll box at the value, from the bar's left
            return height * 1.5 + value * travel / 6000

        def press(x, seconds=0.0, drag=0, kind="mouse"):
            def act(start, left, top):
                at = left + (x(start) if callable(x) else x)
                moves = [move(at + drag * i / 5, top + height / 2) for i in range(1, 6) if drag]
                self.session.perform(pointer(move(at, top + height / 2), DOWN, pause(seconds),
                                             *moves, UP, kind=kind))
            return act

        def key(*chord):
            return lambda start, left, top: self.session.press("Scroll_T", *chord)

        def turn(notch):
            def act(start, left, top):
                # WebKit may hand the page the wheel after the action has returned.
                self.js("window.wheeled = false; addEventListener('wheel',"
                        " () => { window.wheeled = true; }, {capture: true, once: true});")
                self.session.perform(wheel(left + width / 2, top + height / 2, notch))
                self.session.wait_for("window.wheeled", 2)
            return act

        right, left_arrow = width - height / 2, height / 2
        after, before = width - height - 2, height + 2  # the track next to each arrow
        dragged = round(298 + 50 * 6000 / travel)
        rows = [  # what the user does, from which value, the value afterwards or a test of it
            ("drag 5 steps of 10 px", 298, press(box, drag=50), dragged),
            ("drag 5 steps of 10 px by touch", 298, press(box, drag=50, kind="touch"), dragged),
            ("drag past the right end", 5900, press(box, drag=50), 6000),
            ("drag past the left end", 100, press(box, drag=-50), 0),
            ("right arrow", 298, press(right), 299),
            ("right arrow at the top", 6000, press(right), 6000),
            ("left arrow", 298, press(left_arrow), 297),
            ("left arrow at the bottom", 0, press(left_arrow), 0),
            ("track after the box", 298, press(after), 348),
            ("track after the box near the top", 5960, press(after), 6000),
            ("track before the box", 298, press(before), 248),
            ("track before the box near the bottom", 40, press(before), 0),
            # One step, then one every 50 ms after half a second, for as long as the page saw
            # the button held (a loaded machine lets it go late; a timer never fires early).
            ("right arrow held for a second", 298, press(right, 1.0),
             lambda v: 300 < v <= 300 + self.js("return Math.floor((window.held - 500) / 50)")),
            ("right arrow held near the top", 5999, press(right, 1.0), 6000),
            ("left arrow held near the bottom", 1, press(left_arrow, 1.0), 0),
            ("track held until the box is under the pointer", 298, press(box(298) + 60, 2.0),
             lambda v: abs(box(v) - (box(298) + 60)) < height / 2),
            ("key Right", 298, key(Keys.RIGHT), 299),
            ("key Right near the top", 5999, key(Keys.RIGHT), 6000),
            ("key Right at the top", 6000, key(Keys.RIGHT), 6000),
            ("key Up", 298, key(Keys.UP), 299),
            ("key Up at the top", 6000, key(Keys.UP), 6000),
            ("key Left at the bottom", 0, key(Keys.LEFT), 0),
            ("key Down", 298, key(Keys.DOWN), 297),
            ("key Down near the bottom", 1, key(Keys.DOWN), 0),
            ("key PageDown", 298, key(Keys.PAGE_DOWN), 348),
            ("key PageDown near the top", 5990, key(Keys.PAGE_DOWN), 6000),
            ("key PageUp", 298, key(Keys.PAGE_UP), 248),
            ("key PageUp near the bottom", 10, key(Keys.PAGE_UP), 0),
            ("key End", 298, key(Keys.END), 6000),
            ("key End at the top", 6000, key(Keys.END), 6000),
            ("key Home", 298, key(Keys.HOME), 0),
            ("a notch of the wheel toward the user", 298, turn(100), 301),
            ("a notch of the wheel toward the user near the top", 5999, turn(100), 6000),
            ("a notch of the wheel away from the user", 298, turn(-100), 295),
            ("a notch of the wheel away from the user at the bottom", 0, turn(-100), 0),
        ]
        for name, start, action, expected in rows:
            with self.subTest(name):
                if "touch" in name and self.session.touch:
                    self.skipTest(self.session.touch)
                self.session.open()
                if start != 298:
                    self.enter(str(start))
                # A move empties the box; each Scroll event writes the value label once.
                self.js("document.getElementById('Text_T').value = '12';"
                        "window.captions = 0; new MutationObserver(() => ++window.captions)"
                        ".observe(document.getElementById('Label_T'), {childList: true});"
                        "addEventListener('pointerdown', (e) => { window.down = e.timeStamp; },"
                        " true); addEventListener('pointerup',"
                        " (e) => { window.held = e.timeStamp - window.down; }, true);")
                action(start, *self.session.rect("#Scroll_T")[:2])
                text, label, value = self.state()
                self.assertTrue(expected(value) if callable(expected) else value == expected, value)
                self.assertEqual((text, label), ("" if value != start else "12", str(value)))
                self.assertEqual(self.js("return document.querySelectorAll('dialog[open]').length"),
                                 0)
                if "drag 5" in name:
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
        # Each control's role and name as WebDriver computes them, on every engine.
        for name, (role, label, *_) in zip(self.listing["reading_order"], expected):
            if role != "StaticText":
                self.assertEqual(self.session.accessible(name, role, label), (role, label), name)
        # The whole tree in reading order, with descriptions and values: Chromium's DevTools.
        with self.subTest("the accessibility tree"):
            if ENGINE != "chromium":
                self.skipTest("the full accessibility tree is Chromium's DevTools protocol only")
            tree = self.session.cdp("Accessibility.getFullAXTree")["nodes"]
            self.assertEqual(ax_controls(tree), expected)
        # A move is announced once, and the descriptions follow.
        self.session.press("Scroll_T", Keys.END)
        self.assertEqual(self.js("return document.querySelector('[aria-live=polite]').textContent"),
                         "Temperature in force: 6000 K")
        self.session.wait_for("document.getElementById('Label_026_Fe')"
                              ".getAttribute('aria-description').endsWith('At 6000 K: gas')", 2)

    def test_written_page_and_input_before_the_program(self):
        session = self.session
        # Without JavaScript the page is the window as the program shows it after Load, with a
        # notice; the scroll bar alone says it is not ready.
        session.emulate(800, 600, 1, [NO_SCRIPTS])
        session.navigate(session.url + "index.html")
        self.assertTrue(self.js("return matchMedia('(scripting: none)').matches"))
        written = self.js(SNAPSHOT)
        self.assertIn("cannot change", self.js(NOTICE))
        session.emulate(800, 600, 1)
        session.open()
        self.assertEqual(self.js(NOTICE), None)
        bar = next(i for i, e in enumerate(written) if e[0] == "Scroll_T")
        written[bar][1].remove("aria-disabled=true")
        self.assertEqual(written, self.js(SNAPSHOT))
        # The program takes the page's colours and descriptions as its start and writes none of
        # them; gone to 6000 K and back, it has written them itself, and they are the page's.
        self.enter("6000")
        self.enter("298")
        written[next(i for i, e in enumerate(written) if e[0] == "Text_T")][2] = "298"
        session.wait_for("document.getElementById('Label_026_Fe')"
                         ".getAttribute('aria-description').endsWith('At 298 K: solid')", 2)
        self.assertEqual(written, self.js(SNAPSHOT))
        # With the module held back by the server, a press on the scroll bar does nothing, and
        # what the user then types or pastes is taken once the module runs, which leaves the
        # focus where it is.
        rows = [("typed", "1000", ("1000", "1000", 1000)),
                ("pasted", "2 5 0", ("2 5 0", "250", 250))]
        for name, text, expected in rows:
            with self.subTest(name):
                with session.holding("velmora.wasm"):
                    session.navigate(session.url + "index.html")
                    session.click("#Scroll_T")
                    session.click("#Text_T")
                    if name == "typed":
                        session.type(text)
                    else:
                        session.paste(text)
                    self.assertEqual(self.state(), (text, "298", 298))
                    self.assertEqual(self.js("return document.getElementById('Scroll_T')"
                                             ".getAttribute('aria-disabled')"), "true")
                session.wait_for("!document.getElementById('Scroll_T')"
                                 ".hasAttribute('aria-disabled')")
                self.assertEqual(self.state(), expected)
                self.assertEqual(self.js("return document.activeElement.id"), "Text_T")


class OfflineTest(unittest.TestCase):
    def test_from_the_service_worker_and_from_the_folder(self):
        with open_session(ENGINE, SITE) as session:
            session.open()
            session.wait_for("navigator.serviceWorker.controller", 5)
            if ENGINE == "chromium":  # what keeps the page from being installed: Chromium only
                errors = session.cdp("Page.getInstallabilityErrors")["installabilityErrors"]
                self.assertEqual(errors, [])
            # Launchers mask the maskable icon, and iOS shows its icon on black where it is
            # transparent: both are opaque to the corner; the others keep their transparency.
            self.assertEqual(session.js(ICONS), [
                ["icon-192.png", 192, 192, "192x192", "any", False],
                ["icon-512.png", 512, 512, "512x512", "any", False],
                ["icon-maskable-512.png", 512, 512, "512x512", "maskable", True],
                ["apple-touch-icon.png", 180, 180, "180x180", "any", True],
            ])
            session.stop_server()
            session.open()
            controls = session.js("return document.querySelectorAll('#Form1 .control').length")
            self.assertEqual(controls, 116)
            # Firefox logs an icon request that leaving the page cuts off as an error: the icons
            # are in before the page is left (it lists them among the page's resources).
            if ENGINE == "firefox":
                session.wait_for("['velmora.svg', 'apple-touch-icon.png'].every((file) => "
                                 "performance.getEntriesByName(new URL(file, location).href)"
                                 ".length)", 5)
            session.open(Path(SITE).resolve().joinpath("index.html").as_uri())
            # From a disk Chromium refuses the page's early requests for its faces (which a
            # server needs to match the style sheet's own) and loads them for the style sheet.
            assert_no_errors(self, session, FACES_ASKED_EARLY_FROM_A_DISK)


if __name__ == "__main__":
    ENGINE, SITE, LISTING = sys.argv[1:4]
    if len(sys.argv) > 4:
        SCREENSHOTS = sys.argv[4]
        Path(SCREENSHOTS).mkdir(parents=True, exist_ok=True)
    unittest.main(argv=sys.argv[:1], verbosity=2)
