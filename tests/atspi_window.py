# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the window over AT-SPI as a screen reader does: the address and font boxes carry
# their names, and nothing on screen that takes the focus is blank. Usage: /usr/bin/python3 atspi_window.py QUILLON
import os, subprocess, sys, tempfile, time

try:
    import pyatspi
    assert os.environ.get("DBUS_SESSION_BUS_ADDRESS") and os.environ.get("DISPLAY")
except (ImportError, AssertionError):
    print("needs python3-pyatspi, a D-Bus session bus and a display: run it through scripts/test")
    # scripts/test starts the buses, so under it a missing piece is a failure.
    sys.exit(1 if os.environ.get("QUILLON_TEST_ATSPI") else 77)

NAMES = {"Return address", "To address"} | {f"{block} {use} font{size}" for block in ("Return address", "To address")
                                            for use in ("display", "print") for size in ("", " size (points)")}

def poll(find, failure):
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit("FAIL: " + failure())

def on_screen(node):
    if node is not None and node.getState().contains(pyatspi.STATE_SHOWING):
        yield node
        for child in node:
            yield from on_screen(child)

with tempfile.TemporaryDirectory() as home, subprocess.Popen([sys.argv[1]], env=dict(
        os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")) as window:
    try:
        app = poll(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == window.pid),
                                None), lambda: "the window never reached the accessibility bus")
        # The font panel, opened as a screen reader user would: from its menu item.
        pyatspi.findDescendant(app, lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM
                               and n.name == "Font Settings").queryAction().doAction(0)
        poll(lambda: NAMES <= {n.name for n in on_screen(app)},
             lambda: "names missing: " + ", ".join(sorted(NAMES - {n.name for n in on_screen(app)})))
        if blank := [n.getRoleName() for n in on_screen(app)
                     if n.getState().contains(pyatspi.STATE_FOCUSABLE) and not n.name.strip()]:
            sys.exit(f"FAIL: focusable controls without a name: {blank}")
    finally:
        window.terminate()
