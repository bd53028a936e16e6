#!/usr/bin/python3
# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
"""Reads the running velmora the way a screen reader does, through AT-SPI (pyatspi).

Checks the reading order and every cell's name and description at 298 K; then, acting as an
assistive technology, types into the text box and sets the scroll bar's value, and checks the
value label's name, the cells' descriptions and colours (in a screenshot), and the name-change
events a screen reader announces. Run by atspi_end_to_end.sh inside its own D-Bus session,
accessibility bus and X server. Usage: atspi_client.py WORK-DIR
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WORK = sys.argv[1]

# Element names by atomic number.
ELEMENTS = """
Hydrogen Helium Lithium Beryllium Boron Carbon Nitrogen Oxygen Fluorine Neon Sodium Magnesium
Aluminium Silicon Phosphorus Sulfur Chlorine Argon Potassium Calcium Scandium Titanium Vanadium
Chromium Manganese Iron Cobalt Nickel Copper Zinc Gallium Germanium Arsenic Selenium Bromine
Krypton Rubidium Strontium Yttrium Zirconium Niobium Molybdenum Technetium Ruthenium Rhodium
Palladium Silver Cadmium Indium Tin Antimony Tellurium Iodine Xenon Caesium Barium Lanthanum
Cerium Praseodymium Neodymium Promethium Samarium Europium Gadolinium Terbium Dysprosium Holmium
Erbium Thulium Ytterbium Lutetium Hafnium Tantalum Tungsten Rhenium Osmium Iridium Platinum Gold
Mercury Thallium Lead Bismuth Polonium Astatine Radon Francium Radium Actinium Thorium
Protactinium Uranium Neptunium Plutonium Americium Curium Berkelium Californium Einsteinium
Fermium Mendelevium Nobelium Lawrencium Rutherfordium Dubnium Seaborgium Bohrium Hassium
Meitnerium
""".split()
assert len(ELEMENTS) == 109

# The table as read: periods 1 to 7 with the reference cells in group 3, then the f-block rows.
TABLE_ROWS = [
    [1, 2], list(range(3, 11)), list(range(11, 19)), list(range(19, 37)), list(range(37, 55)),
    [55, 56, "La-Lu"] + list(range(72, 87)), [87, 88, "Ac-Lr"] + list(range(104, 110)),
    list(range(57, 72)), list(range(89, 104)),
]
EXPECTED_ORDER = (
    [("label", "Temperature, in Kelvin (6000 K max)"), ("text", "Temperature in kelvin"),
     ("label", "Temperature in force: 298 K"), ("scroll bar", "Temperature in kelvin")]
    + [("label", cell if isinstance(cell, str) else ELEMENTS[cell - 1])
       for row in TABLE_ROWS for cell in row]
    + [("label", "(c) The Velmora developers")])

failures = []


def fail(message):
    failures.append(message)
    print("atspi_client: FAIL: " + message, flush=True)


def pump():
    """Delivers the AT-SPI events that have arrived."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, seconds=10.0):
    """Calls probe until it returns a true value, for at most `seconds`; returns the last value."""
    deadline = time.monotonic() + seconds
    error = None
    while True:
        pump()
        try:
            value = probe()
        except Exception as raised:  # the tree may not be there yet
            value, error = None, raised
        if value:
            return value
        if time.monotonic() >= deadline:
            fail(f"timed out waiting for {what}" + (f" ({error})" if error else ""))
            return value
        time.sleep(0.05)


def wait_for_quietly(probe, seconds):
    """Like wait_for, but a time-out is no failure: says whether probe came true."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump()
        if probe():
            return True
        time.sleep(0.02)
    return False


def find_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Velmora":
            for window in app:
                if window is not None and window.childCount == len(EXPECTED_ORDER):
                    return window
    return None


def cell_colours(cell):
    """Pixels of the solid, liquid and gas colours inside a cell, from a screenshot of the screen."""
    x, y, width, height = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    shot = f"{WORK}/screen.png"
    subprocess.run(["import", "-window", "root", shot], check=True, timeout=10)
    pixels = subprocess.run(
        ["convert", shot, "-crop", f"{width - 2}x{height - 2}+{x + 1}+{y + 1}", "+repage", "txt:-"],
        check=True, timeout=10, capture_output=True, text=True).stdout.upper()
    return {state: pixels.count(colour) for state, colour in
            (("solid", "#000000"), ("liquid", "#0000FF"), ("gas", "#FF0000"))}


def cell_drawn_as(cell, state):
    counts = cell_colours(cell)
    others = [count for other, count in counts.items() if other != state]
    return counts if counts[state] > 20 and not any(others) else None


def main():
    window = wait_for("the Velmora window with all its controls", find_window, 20)
    if not window:
        return
    children = list(window)
    by_name = {child.name: child for child in children}
    label, box, bar = children[2], children[1], children[3]

    # 1. The reading order, and what each cell says at 298 K.
    order = [(child.getRoleName(), child.name) for child in children]
    for index, (got, expected) in enumerate(zip(order, EXPECTED_ORDER)):
        if got != expected:
            fail(f"child {index} is {got}, expected {expected}")
    for z, name in enumerate(ELEMENTS, start=1):
        description = by_name[name].description if name in by_name else ""
        if not (description.startswith(f"{name}, atomic number {z}\n") and
                "\nAt 298 K: " in description):
            fail(f"{name}: description {description!r}")
    for name in ("Hydrogen", "Mercury", "Meitnerium"):
        print(f"atspi_client: {name!r}: {by_name[name].description!r}")
    wait_for("sodium drawn solid at 298 K", lambda: cell_drawn_as(by_name["Sodium"], "solid"))

    # 2. The value label's name-change events. Qt sends the label itself with the event, not the
    # name: the name is read when the event is delivered, which each step below waits for. The
    # program sends events only once it has learnt, asynchronously through the registry, that
    # someone listens: typed entries until one is announced.
    announced = []

    def on_name_change(event):
        if event.source == label:
            announced.append(label.name)
        elif event.source in children:
            fail(f"{event.source.name} changed its name")

    def announcements_after_round_trip():
        # A call to the program returns after every event it sent before, so they are delivered.
        bar.queryValue().currentValue
        pump()
        return list(announced)

    pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
    text = box.queryEditableText()
    for probe in range(1, 30):
        text.setTextContents(str(probe))
        if wait_for_quietly(lambda: announced, 0.5):
            break
    else:
        fail("no name-change event arrived")
    announcements_after_round_trip()
    del announced[:]

    # 3. An assistive technology types 42, then sets the bar to 1000: a user move.
    text.setTextContents("42")
    wait_for("the announcement of 42 K", lambda: len(announced) >= 1)
    bar.queryValue().currentValue = 1000.0
    wait_for("the announcement of 1000 K", lambda: len(announced) >= 2)
    if label.name != "Temperature in force: 1000 K":
        fail(f"the label says {label.name!r}")
    if bar.queryValue().currentValue != 1000.0:
        fail(f"the bar reads {bar.queryValue().currentValue}")
    if box.queryText().getText(0, -1) != "":
        fail(f"the text box holds {box.queryText().getText(0, -1)!r} after the move")
    for name, state in (("Sodium", "liquid"), ("Iron", "solid"), ("Mercury", "gas"),
                        ("Hydrogen", "gas"), ("Tungsten", "solid"), ("Meitnerium", "no data")):
        description = by_name[name].description
        if not description.endswith(f"\nAt 1000 K: {state}"):
            fail(f"{name} at 1000 K: {description!r}")
    wait_for("sodium drawn liquid at 1000 K", lambda: cell_drawn_as(by_name["Sodium"], "liquid"))

    # 4. Only changes of the temperature in force are announced, each once with its final value:
    # the same value set again, or text that reads as the value shown, says nothing; a move while
    # the box holds text passes through 0 K (the emptied box) without saying so.
    bar.queryValue().currentValue = 1000.0
    text.setTextContents("1000abc")
    bar.queryValue().currentValue = 1001.4
    wait_for("the announcement of 1001 K", lambda: len(announced) >= 3)
    expected = ["Temperature in force: 42 K", "Temperature in force: 1000 K",
                "Temperature in force: 1001 K"]
    if announcements_after_round_trip() != expected:
        fail(f"announced {announced}, expected {expected}")
    print(f"atspi_client: announced {announced}")


main()
if failures:
    print(f"atspi_client: {len(failures)} failures")
    sys.exit(1)
print("atspi_client: passed")
