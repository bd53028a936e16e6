# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""What the page's tests and benchmarks share: the page served from its folder and opened in one
of three browser engines as Debian installs them (nothing is downloaded):
  chromium  headless Chromium through chromedriver (Selenium), its DevTools protocol at hand;
  firefox   headless Firefox ESR over WebDriver BiDi, which it speaks itself on a websocket;
  webkit    WebKitGTK's MiniBrowser through WebKitWebDriver (Selenium), on an X server of its own.
All three take the same W3C input actions (the helpers below) and run the same scripts: function
bodies reading `arguments`, run by the driver, which the page's Content-Security-Policy allows.

    with open_session("firefox", site) as session:
        session.open()                 # the page, until the window shows 298 K
        session.perform(pointer(move(10, 10), DOWN, UP))
"""
import base64
import contextlib
import functools
import inspect
import json
import os
import re
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path
from urllib.parse import urlsplit

sys.path.insert(0, str(Path(__file__).resolve().parents[1]))
from serve_page import PageHandler, PageServer  # noqa: E402

ENGINES = ("chromium", "firefox", "webkit")
# Headless as root on a machine without a network: no sandbox, no GPU, and none of the
# background connections Chromium would otherwise try.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--disable-default-apps",
                  "--window-size=800,600"]
# Frames as fast as they can be made, rather than sixty a second: input the session sends is
# handled at the speed of the page instead of one event a frame (for long runs of moves).
CHROMIUM_UNTHROTTLED = ["--disable-frame-rate-limit", "--disable-gpu-vsync"]
WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"
MINIBROWSER = next(Path("/usr/lib").glob("*/webkit2gtk-4.1/MiniBrowser"), None)
# Firefox's palettes are preferences, read at start: the media features a launch asks for;
# ("scripting", "none") is the page without JavaScript, in every engine.
FIREFOX_MEDIA = {"prefers-color-scheme": {"dark": {"ui.systemUsesDarkTheme": 1,
                                                   "layout.css.prefers-color-scheme.content-override": 0}},
                 "forced-colors": {"active": {"browser.display.document_color_use": 2}},
                 "scripting": {"none": {"javascript.enabled": False}}}
NO_SCRIPTS = ("scripting", "none")

# W3C input actions, as classic WebDriver and WebDriver BiDi both take them (viewport pixels).
DOWN, UP = {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}


def pointer(*steps, kind="mouse"):
    return {"type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": steps}


def move(x, y):
    return {"type": "pointerMove", "x": round(x), "y": round(y), "origin": "viewport", "duration": 0}


def pause(seconds):
    return {"type": "pause", "duration": round(seconds * 1000)}


def keys(*chord):
    """The keys pressed together, in order, and let go in the reverse order."""
    return {"type": "key", "id": "keyboard",
            "actions": [{"type": "keyDown", "value": k} for k in chord]
            + [{"type": "keyUp", "value": k} for k in reversed(chord)]}


def wheel(x, y, down):
    return {"type": "wheel", "id": "wheel", "actions": [
        {"type": "scroll", "x": round(x), "y": round(y), "deltaX": 0, "deltaY": down,
         "origin": "viewport"}]}


def description_listing(listing_script):
    """The window description as the core holds it, printed by the listing program under Node."""
    out = subprocess.run(["node", "--no-experimental-fetch", str(listing_script)],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out)


class HoldingHandler(PageHandler):
    """The page's server, which answers a request for a file being held once it is let go."""

    def __init__(self, *args, held, **kwargs):
        self.held = held  # before the request, which the base class handles at once
        super().__init__(*args, **kwargs)

    def do_GET(self):
        gate = self.held.get(urlsplit(self.path).path.lstrip("/"))
        if gate:
            gate.wait(30)
        super().do_GET()


class Session:
    """The page's server and one browser; subclasses launch it and speak its protocol."""
    engine = ""
    touch = None  # or why the engine's touch actions do not reach the page as touch
    console = None  # or why errors(), the console's warnings and errors, cannot be read

    def __init__(self, site, fast=False):
        self.site, self.fast = Path(site), fast
        self.held = {}  # file: the gate its requests wait at
        handler = functools.partial(HoldingHandler, held=self.held)
        self.server = PageServer(self.site, handler=handler).start()
        self.url = self.server.url
        self.profile = tempfile.TemporaryDirectory(prefix=f"velmora-{self.engine}-")
        self.scale, self.media = 1, ()
        try:
            self.launch()
        except BaseException:  # no server or profile left behind to keep the process waiting
            self.stop_server()
            self.profile.cleanup()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        self.quit()
        if self.server:
            self.stop_server()
        self.profile.cleanup()

    def stop_server(self):
        self.server.stop()
        self.server = None

    def open(self, url=None, timeout=10):
        """Loads the page and waits until the program has taken the window over (the page shows
        it at 298 K before that; the scroll bar is aria-disabled until then)."""
        self.navigate(url or self.url + "index.html")
        self.wait_for("document.getElementById('Scroll_T')?.getAttribute('aria-disabled') === null",
                      timeout)

    @contextlib.contextmanager
    def holding(self, file):
        """The server answers requests for the file (a path in the site) once the block ends."""
        gate = self.held[file] = threading.Event()
        try:
            yield
        finally:
            del self.held[file]
            gate.set()

    def wait_for(self, condition, timeout=5):
        end = time.monotonic() + timeout
        while not self.js(f"return Boolean({condition})"):
            if time.monotonic() > end:
                raise AssertionError(f"timed out waiting for {condition}")
            time.sleep(0.02)

    def rect(self, selector):
        return self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.left, r.top, r.width, r.height]", selector)

    def click(self, selector):
        left, top, width, height = self.rect(selector)
        self.perform(pointer(move(left + width / 2, top + height / 2), DOWN, UP))

    def press(self, element_id, *chord):
        """Keys pressed together with the focus on the element."""
        self.js("document.getElementById(arguments[0]).focus()", element_id)
        self.perform(keys(*chord))

    def type(self, text):
        self.perform({"type": "key", "id": "keyboard", "actions": [
            {"type": kind, "value": c} for c in text for kind in ("keyDown", "keyUp")]})

    def paste(self, text):
        """Text put into the focused box at once, as a paste does."""
        self.js("document.execCommand('insertText', false, arguments[0])", text)

    def relaunch(self, scale, media):
        if (scale, media) != (self.scale, self.media):
            self.quit()
            self.scale, self.media = scale, media
            self.launch()

    def drag_scroll_box(self, moves, on_move=None, every=None):
        """Takes the scroll box with the mouse and sweeps it along the track and back, one pixel a
        move, `moves` times (the browser's own input path); calls on_move(i) every `every` moves."""
        left, top, width, height = self.rect("#Scroll_T")
        travel = int(width - 3 * height)
        value = int(self.js("return document.getElementById('Scroll_T').ariaValueNow"))
        x, y = left + height * 1.5 + value * travel / 6000, top + height / 2
        steps, step = [move(x, y), DOWN], 1
        for _ in range(moves):
            if not left + height * 1.5 <= x + step <= left + height * 1.5 + travel:
                step = -step
            x += step
            steps.append(move(x, y))
        every = every or moves
        for i in range(0, moves, every):
            self.perform(pointer(*steps[:2] if i == 0 else (), *steps[i + 2:i + 2 + every]),
                         release=False)
            if on_move:
                on_move(i + every - 1)
        self.perform(pointer(UP))

    def renderer_processes(self):
        """The processes of the browser that hold pages (their private memory is the page's)."""
        children, found = {}, []
        for status in Path("/proc").glob("[0-9]*/stat"):
            try:
                parent = int(status.read_text().rsplit(")", 1)[1].split()[1])
            except (OSError, IndexError, ValueError):  # a process that has ended
                continue
            children.setdefault(parent, []).append(int(status.parent.name))
        todo = [self.browser_pid()]
        while todo:
            pid = todo.pop()
            todo += children.get(pid, [])
            try:
                command = Path(f"/proc/{pid}/cmdline").read_bytes()
            except OSError:
                continue
            if re.search(rb"--type=renderer|-contentproc.*\btab\b|WebKitWebProcess", command) and \
                    b"--top-chrome-webui" not in command:
                found.append(pid)
        return found


class ClassicSession(Session):
    """Chromium and WebKit: classic WebDriver through Selenium."""

    def navigate(self, url):
        self.driver.get(url)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def perform(self, *sources, release=True):
        from selenium.webdriver.remote.command import Command
        self.driver.execute(Command.W3C_ACTIONS, {"actions": list(sources)})
        if release:
            self.driver.execute(Command.W3C_CLEAR_ACTIONS)

    def screenshot(self, path):
        self.driver.save_screenshot(str(path))

    def accessible(self, element_id, role, name):
        """The role and name WebDriver computes for the element (WebKit names images "img")."""
        from selenium.webdriver.common.by import By
        element = self.driver.find_element(By.ID, element_id)
        return {"img": "image"}.get(element.aria_role, element.aria_role), element.accessible_name

    def quit(self):
        self.driver.quit()

    def browser_pid(self):
        return self.driver.service.process.pid  # the driver, which starts the browser


class ChromiumSession(ClassicSession):
    engine = "chromium"

    def launch(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile.name}"] + \
                (CHROMIUM_UNTHROTTLED if self.fast else []):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def emulate(self, width, height, scale, media=()):
        """A viewport of width x height CSS pixels at `scale` device pixels each, in the palette
        the media features ask for; None, or why this engine cannot."""
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": False})
        self.cdp("Emulation.setEmulatedMedia",
                 {"features": [{"name": n, "value": v} for n, v in media if n != "scripting"]})
        self.cdp("Emulation.setScriptExecutionDisabled", {"value": NO_SCRIPTS in media})

    def errors(self):
        """Console messages of warning level and above since the last call."""
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] in ("WARNING", "SEVERE")]


class WebKitSession(ClassicSession):
    engine = "webkit"
    touch = "WebKitGTK hands WebDriver's touch actions to the page as the mouse"
    console = "WebKitWebDriver does not pass on the console"

    def launch(self):
        from selenium import webdriver
        display = next(n for n in range(os.getpid() % 500 + 100, 1000)
                       if not Path(f"/tmp/.X{n}-lock").exists())
        self.xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "3000x2400x24",
                                      "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
        while not Path(f"/tmp/.X11-unix/X{display}").exists():
            time.sleep(0.05)
        os.environ["DISPLAY"] = f":{display}"
        os.environ["GDK_SCALE"] = str(self.scale)  # the device pixel ratio
        os.environ["GTK_THEME"] = "Adwaita:dark" if ("prefers-color-scheme", "dark") in \
            self.media else "Adwaita"
        options = webdriver.WebKitGTKOptions()
        options.binary_location = str(MINIBROWSER)
        options.add_argument("--automation")
        if NO_SCRIPTS in self.media:
            options.add_argument("--enable-javascript=false")
        # Selenium 4.8 (Debian 12) takes the driver's path, later ones (Debian 13) a Service.
        driver = {"executable_path": WEBKIT_DRIVER}
        if "service" in inspect.signature(webdriver.WebKitGTK.__init__).parameters:
            from selenium.webdriver.webkitgtk.service import Service
            driver = {"service": Service(WEBKIT_DRIVER)}
        try:
            self.driver = webdriver.WebKitGTK(options=options, **driver)
        except BaseException:
            self.xvfb.terminate()
            raise

    def screenshot(self, path):
        """The window from the X server: WebKitWebDriver's own screenshots come out blank here."""
        r = {k: v * self.scale for k, v in self.driver.get_window_rect().items()}
        subprocess.run(["import", "-window", "root", "-crop",
                        f"{r['width']}x{r['height']}+{r['x']}+{r['y']}", str(path)], check=True)

    def quit(self):
        super().quit()
        self.xvfb.terminate()
        self.xvfb.wait()

    def emulate(self, width, height, scale, media=()):
        if ("forced-colors", "active") in media:
            return "WebKitGTK has no forced colours"
        self.relaunch(scale, tuple(media))
        for _ in range(3):  # the window's size less what the browser's frame takes
            inner = self.js("return [innerWidth, innerHeight]")
            size = self.driver.get_window_size()
            self.driver.set_window_size(size["width"] + width - inner[0],
                                        size["height"] + height - inner[1])
        inner = self.js("return [innerWidth, innerHeight]")
        if inner != [width, height]:
            return f"the MiniBrowser's window takes no viewport of {width} x {height}, but {inner}"


class FirefoxSession(Session):
    """Firefox over WebDriver BiDi on its websocket (python3-websocket)."""
    engine = "firefox"

    def launch(self):
        import websocket
        # The page has the focus as in a window in front; its clock is not rounded to 1 ms.
        prefs = {"focusmanager.testmode": True, "privacy.reduceTimerPrecision": False}
        for name, value in self.media:
            prefs.update(FIREFOX_MEDIA[name][value])
        if {("forced-colors", "active"), ("prefers-color-scheme", "dark")} <= set(self.media):
            # forced colours, dark: the colours the user chose are dark
            prefs.update({"browser.display.background_color": "#000000",
                          "browser.display.foreground_color": "#ffffff"})
        profile = Path(self.profile.name) / f"profile-{len(self.media)}-{time.monotonic_ns()}"
        profile.mkdir()
        (profile / "user.js").write_text("".join(f'user_pref("{k}", {json.dumps(v)});\n'
                                                 for k, v in prefs.items()))
        log = profile / "stderr"
        with open(log, "wb") as err:
            self.process = subprocess.Popen(
                ["firefox-esr", "--headless", "--no-remote", "--profile", str(profile),
                 "--remote-debugging-port=0", "about:blank"],
                stdout=subprocess.DEVNULL, stderr=err)
        end, address = time.monotonic() + 30, None
        while not address:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", log.read_text())
            address = found and found.group(1)
            if time.monotonic() > end:
                raise RuntimeError("Firefox did not start its WebDriver BiDi server")
            time.sleep(0.05)
        self.socket = websocket.create_connection(address + "/session", timeout=120,
                                                   suppress_origin=True)
        self.next_id, self.log_entries = 0, []
        self.bidi("session.new", capabilities={})
        self.context = self.bidi("browsingContext.getTree")["contexts"][0]["context"]
        self.bidi("session.subscribe", events=["log.entryAdded"])
        self.emulate(800, 600, 1, self.media)

    def bidi(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("method") == "log.entryAdded":
                self.log_entries.append(message["params"])
            elif message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise RuntimeError(f"{method}: {message['error']}: {message['message']}")
                return message["result"]

    def browser_pid(self):
        return self.process.pid

    def quit(self):
        self.socket.close()
        self.process.terminate()
        self.process.wait()

    def navigate(self, url):
        self.bidi("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def js(self, script, *args):
        result = self.bidi("script.callFunction", functionDeclaration=f"function() {{{script}\n}}",
                           arguments=[serialise(a) for a in args], awaitPromise=True,
                           target={"context": self.context}, resultOwnership="none")
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return deserialise(result["result"])

    def perform(self, *sources, release=True):
        self.bidi("input.performActions", context=self.context, actions=list(sources))
        if release:
            self.bidi("input.releaseActions", context=self.context)

    def screenshot(self, path):
        data = self.bidi("browsingContext.captureScreenshot", context=self.context)["data"]
        Path(path).write_bytes(base64.b64decode(data))

    def emulate(self, width, height, scale, media=()):
        self.relaunch(1, tuple(media))
        self.bidi("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=scale)

    def accessible(self, element_id, role, name):
        """(role, name) when Firefox finds the element by them, else what it finds by them."""
        nodes = self.bidi("browsingContext.locateNodes", context=self.context, locator={
            "type": "accessibility", "value": {"role": role, "name": name}})["nodes"]
        ids = [n["value"].get("attributes", {}).get("id") for n in nodes]
        return (role, name) if element_id in ids else ("found as", ids)

    def errors(self):
        self.bidi("session.status")  # the entries sent so far arrive before its answer
        entries, self.log_entries = self.log_entries, []
        return [e["text"] for e in entries if e["level"] in ("warn", "error")]


def serialise(value):
    if value is None:
        return {"type": "null"}
    kind = {bool: "boolean", int: "number", float: "number", str: "string"}.get(type(value))
    return {"type": kind, "value": value} if kind else \
        {"type": "array", "value": [serialise(v) for v in value]}


def deserialise(remote):
    kind, value = remote["type"], remote.get("value")
    if kind in ("array", "set"):
        return [deserialise(v) for v in value]
    if kind == "object":
        return {k: deserialise(v) for k, v in value}
    return float(value) if kind == "number" and isinstance(value, str) else value  # NaN, -0


def open_session(engine, site, fast=False):
    """A session of the engine; fast: input handled as fast as the page takes it (benchmarks)."""
    return {"chromium": ChromiumSession, "firefox": FirefoxSession,
            "webkit": WebKitSession}[engine](site, fast)
