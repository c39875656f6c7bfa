"""Enters "あい" into the program through AT-SPI and reads it back.

Runs inside a session bus of its own (see atspi_test.sh): has that bus start
the accessibility bus (at-spi-bus-launcher, by D-Bus activation) and turn
accessibility on, starts the program, then presses the cells that a screen
reader or a switch tool finds by their names.
"""

import subprocess
import sys
import time

TIMEOUT = 20


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} not found within {TIMEOUT} s")


def accessibility_bus_up():
    # The first call starts the accessibility bus.
    return subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0


def main(talk):
    wait_for("the accessibility bus", accessibility_bus_up)
    subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                    "string:IsEnabled", "variant:boolean:true"], check=True)
    import pyatspi  # only now: it connects to the accessibility bus when imported

    program = subprocess.Popen([talk])
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("the program", lambda: next(
            (a for a in desktop if a is not None and a.name == "talk"), None))

        def showing(name, role):
            app.clear_cache()
            return pyatspi.findDescendant(app, lambda a: a.name == name and a.getRole() == role
                                          and a.getState().contains(pyatspi.STATE_SHOWING))

        def press_target(target):
            action = target.queryAction()
            if action.getName(0) != "Press":
                sys.exit(f"FAIL: the action of {target.name} is {action.getName(0)}")
            started = time.monotonic()
            action.doAction(0)
            # The tap comes after the call returns: a dialog it opens does
            # not hold the caller.
            if time.monotonic() - started > 5:
                sys.exit(f"FAIL: pressing {target.name} held the caller")

        def cell(grid, name):
            grid.clear_cache()
            return next((c for c in grid if c.name == name
                         and c.getState().contains(pyatspi.STATE_SHOWING)), None)

        def press(grid_name, cell_name):
            grid = wait_for(grid_name, lambda: showing(grid_name, pyatspi.ROLE_TABLE))
            press_target(wait_for(f"{cell_name} in {grid_name}", lambda: cell(grid, cell_name)))

        text_panel = wait_for("文の欄", lambda: showing("文の欄", pyatspi.ROLE_TEXT))
        for kana in ("あ", "い"):
            press("文字盤", kana)
            press("文字選択画面", kana)
        text = text_panel.queryText()
        entered = wait_for("あい_ in 文の欄", lambda: text.getText(0, -1) == "あい_" and "あい_")
        print(f"entered through AT-SPI and read back: {entered}")

        # A button that opens a modal dialog, and the dialog's own buttons.
        press_target(wait_for("設定", lambda: showing("設定", pyatspi.ROLE_PUSH_BUTTON)))
        press_target(wait_for("キャンセル", lambda: showing("キャンセル", pyatspi.ROLE_PUSH_BUTTON)))
        wait_for("the options dialog closed",
                 lambda: not showing("キャンセル", pyatspi.ROLE_PUSH_BUTTON))
        print("the options dialog opened and closed through AT-SPI")
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main(sys.argv[1])
