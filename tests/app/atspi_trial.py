#!/usr/bin/python3
"""Drives the running program through the desktop accessibility interface
(AT-SPI), as a screen reader or GUI automation does: finds the menus and the
toolbar by their names, uses a menu item and a toolbar button, and checks the
settings file and the checked states. Run by atspi_trial.sh inside a private
D-Bus session on a virtual display; argv: program, data folder."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def wait_for(find, what, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = find()
        except GLib.GError as error:
            # The tree changes while it is searched (the first-start message
            # box closing, the main window filling in): an object listed a
            # moment ago may be gone when asked for its role. Search again.
            if "No such object" not in str(error):
                raise
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"atspi: no {what}")


def descendants(acc):
    for child in acc:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def named(root, role, name):
    for acc in descendants(root):
        if acc.getRoleName() == role and acc.name == name:
            return acc
    return None


def checked(acc):
    states = acc.getState()
    return states.contains(pyatspi.STATE_CHECKED) or states.contains(pyatspi.STATE_PRESSED)


def press(acc):
    acc.queryAction().doAction(0)


def settings_byte(folder, offset):
    with open(os.path.join(folder, "Persist.kvn"), "rb") as f:
        return f.read()[offset]


def main():
    program, folder = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    kelvane = subprocess.Popen([program], cwd=folder, env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next((a for a in desktop if a and a.name == "kelvane"), None),
                       "program on the accessibility bus")
        # The first start says the settings file is missing: OK it.
        press(wait_for(lambda: named(app, "push button", "OK"), "first-start message"))
        frame = wait_for(lambda: named(app, "frame", "Kelvane V2"), "main window")
        bar = wait_for(lambda: next((a for a in descendants(frame)
                                     if a.getRoleName() == "menu bar"), None), "menu bar")
        menus = [m.name for m in bar]
        expected = ["File", "View", "Control", "Docks", "Boat", "Environment", "Help"]
        if menus != expected:
            sys.exit(f"atspi: menus {menus}")
        wind = wait_for(lambda: named(frame, "menu item", "Wind"), "Wind item")
        press(wind)
        wait_for(lambda: True if checked(wind) else None, "Wind item checked")
        wait_for(lambda: True if settings_byte(folder, 308) == 1 else None, "wind on in the file")
        current = wait_for(lambda: named(frame, "check box", "Toggle current flow on/off"),
                           "Current button")
        press(current)
        wait_for(lambda: True if settings_byte(folder, 309) == 1 else None, "current on in file")
        wait_for(lambda: True if checked(current) else None, "Current button shown pressed")
        print("atspi: menus, a menu item and a toolbar button work through AT-SPI")
    finally:
        kelvane.kill()
        kelvane.wait()


main()
