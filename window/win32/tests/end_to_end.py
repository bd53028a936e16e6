# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""One end-to-end run of velmora.exe under Wine and Xvfb with real X input: click into the text
box and type, drag the scroll box to its left end, close with Alt+F4. After each step a
screenshot is taken and the symbol colour of some cells is compared with the colour the program
must use: the system colours as GetSysColor reports them inside this Wine, or the fixed red and
blue of gas and liquid. Screenshots are kept in the output folder.

Usage: end_to_end.py SESSION_SCRIPT STATE VELMORA.exe WINDOW_PROBE.exe OUTPUT_DIR
"""
import collections
import os
import re
import subprocess
import sys
import time

TWIPS_PER_INCH = 1440
CELL_TWIPS = 495
# Places (left, top) in twips of the cells looked at, as the window description gives them.
CELLS = {
    "H": (240, 240), "Fe": (3600, 1680), "Br": (7920, 1680), "Hg": (5520, 2640),
    "Mt": (4080, 3120), "Ac-Lr": (1200, 3120),
}
TEXT_BOX_MIDDLE = (1920 + 1335 // 2, 720 + 375 // 2)
SCROLL_BAR_LEFT = 240
GAS, LIQUID = "FF0000", "0000FF"
WINDOW, WINDOW_TEXT, GREY_TEXT, BUTTON_TEXT = 5, 8, 17, 18


class EndToEnd:
    def __init__(self, session, state, program, probe, out_dir):
        self.session, self.state = session, state
        self.program, self.probe, self.out_dir = program, probe, out_dir
        self.env = dict(os.environ)
        for line in self.run([session, "env", state]).splitlines():
            key, _, value = line.partition("=")
            self.env[key] = value.strip("'")
        self.failures = []

    def run(self, command, timeout=60):
        return subprocess.run(command, env=getattr(self, "env", None), check=True, timeout=timeout,
                              capture_output=True, text=True).stdout

    def xdotool(self, *args):
        return self.run(["xdotool", *args], timeout=30)

    def probe_window(self):
        found = {}
        for line in self.run([self.session, "run", self.state, self.probe]).splitlines():
            key, *values = line.split()
            found[key if key != "colour" else f"colour{values[0]}"] = values[-2:] if key != "colour" else values[1]
        return found

    def screen_point(self, twips):
        x = self.client[0] + (twips[0] * self.dpi[0] + TWIPS_PER_INCH // 2) // TWIPS_PER_INCH
        y = self.client[1] + (twips[1] * self.dpi[1] + TWIPS_PER_INCH // 2) // TWIPS_PER_INCH
        return x, y

    def cell_colours(self, shot, cell):
        """(background, symbol) colours of a cell: its two most frequent inner colours."""
        left, top = self.screen_point(CELLS[cell])
        size = (CELL_TWIPS * self.dpi[0] + TWIPS_PER_INCH // 2) // TWIPS_PER_INCH
        inset = 2  # inside the border line
        crop = f"{size - 2 * inset}x{size - 2 * inset}+{left + inset}+{top + inset}"
        pixels = self.run(["convert", shot, "-crop", crop, "+repage", "-depth", "8", "txt:-"])
        counts = collections.Counter(re.findall(r"#([0-9A-F]{6})", pixels))
        common = [colour for colour, _ in counts.most_common(2)]
        return common[0], common[1] if len(common) > 1 else ""

    def check(self, step, expected, attempts=10):
        """Screenshots until every cell shows its expected colour, or the attempts run out."""
        shot = os.path.join(self.out_dir, f"end_to_end_{step}.png")
        for _ in range(attempts):
            time.sleep(0.5)  # let the last input be handled and painted
            self.run(["import", "-window", "root", shot])
            wrong = []
            for cell, colour in expected.items():
                background, symbol = self.cell_colours(shot, cell)
                if symbol != colour or background != self.colours[WINDOW]:
                    wrong.append(f"{step}: {cell} shows {symbol} on {background}, want "
                                 f"{colour} on {self.colours[WINDOW]}")
            if not wrong:
                break
        self.failures += wrong
        print(f"checked {step}: {', '.join(expected)}")

    def main(self):
        app = subprocess.Popen([self.session, "run", self.state, self.program], env=self.env)
        try:
            self.xdotool("search", "--sync", "--onlyvisible", "--name", "^Velmora$")
            probe = self.probe_window()
            self.colours = {i: probe[f"colour{i}"] for i in (WINDOW, WINDOW_TEXT, GREY_TEXT, BUTTON_TEXT)}
            self.dpi = tuple(map(int, probe["dpi"]))
            self.client = tuple(map(int, probe["client"]))
            c = self.colours
            self.check("start", {"H": GAS, "Br": LIQUID, "Fe": c[BUTTON_TEXT], "Mt": c[GREY_TEXT],
                                 "Ac-Lr": c[WINDOW_TEXT]})

            self.xdotool("mousemove", *map(str, self.screen_point(TEXT_BOX_MIDDLE)), "click", "1")
            self.xdotool("type", "--delay", "50", "6000")
            self.check("typed_6000", {"Fe": GAS, "Hg": GAS, "Br": GAS, "Mt": c[GREY_TEXT]})

            thumb = self.probe_window()["thumb"]
            left_end = self.screen_point((SCROLL_BAR_LEFT, 0))[0]
            self.xdotool("mousemove", *thumb, "mousedown", "1")
            for x in range(int(thumb[0]), left_end - 20, -40):
                self.xdotool("mousemove", str(x), thumb[1])
                time.sleep(0.05)
            self.xdotool("mousemove", str(left_end - 20), thumb[1], "mouseup", "1")
            self.check("dragged_to_0", {"H": c[BUTTON_TEXT], "Fe": c[BUTTON_TEXT],
                                        "Hg": c[BUTTON_TEXT], "Br": c[BUTTON_TEXT],
                                        "Mt": c[GREY_TEXT]})

            self.xdotool("key", "alt+F4")
            if app.wait(timeout=20) != 0:
                self.failures.append(f"velmora.exe ended with {app.returncode} after Alt+F4")
        finally:
            if app.poll() is None:
                app.terminate()
                self.failures.append("velmora.exe was still running at the end")
        for failure in self.failures:
            print("FAIL:", failure, file=sys.stderr)
        return 1 if self.failures else 0


if __name__ == "__main__":
    sys.exit(EndToEnd(*sys.argv[1:6]).main())
