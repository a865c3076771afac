"""Walks a running program's accessibility tree as a screen reader sees it
(AT-SPI over D-Bus) and lists every control that has no name.

usage: atspi_walk.py APPLICATION_NAME WINDOWS [DESCRIBED_NAME...]
Waits until the program shows WINDOWS windows on the bus; exits 1 when it
never does, when a control has no name, or when a DESCRIBED_NAME control is
missing or has no description.
"""
import sys
import time

import pyatspi
from gi.repository import Atspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_CANVAS,
}


def application(name, windows):
    shown = 0
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                # Windows shown after the program started are missing from a cached tree.
                app.set_cache_mask(Atspi.Cache.NONE)
                app.clear_cache()
                shown = app.get_child_count()
                if shown >= windows:
                    return app
        time.sleep(0.1)
    print(f"{name} shows {shown} windows")
    return None


def walk(node, path, found):
    for child in node:
        if child is None:
            continue
        found.append((child, path + [child.getRoleName()]))
        walk(child, path + [child.getRoleName()], found)


def main():
    app = application(sys.argv[1], int(sys.argv[2]))
    if app is None:
        print(f"{sys.argv[1]} does not show {sys.argv[2]} windows on the accessibility bus")
        return 1
    found = []
    walk(app, [], found)
    controls = [(n, p) for n, p in found if n.getRole() in CONTROLS]
    unnamed = [" / ".join(p) for n, p in controls if not n.name.strip()]
    print(f"{sys.argv[1]}: {len(found)} objects, {len(controls)} controls, {len(unnamed)} without a name")
    for n, p in controls:
        print(f"  {n.getRoleName()}: {n.name!r}" + (f" — {n.description!r}" if n.description else ""))
    failed = bool(unnamed)
    for path in unnamed:
        print(f"NO NAME: {path}")
    for wanted in sys.argv[3:]:
        described = [n for n, _ in found if n.name == wanted and n.description.strip()]
        if not described:
            print(f"NO DESCRIPTION: {wanted}")
            failed = True
    return 1 if failed else 0


sys.exit(main())
