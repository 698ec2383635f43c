#!/usr/bin/env python3
"""What the end-to-end scripts ask of the accessibility bus.

  atspi.py press NAME         press the push button NAME of the program
  atspi.py count PREFIX       print how many push buttons are named
                              "PREFIX N, table T..." with T the table of N
  atspi.py describe NAME      print the description of the push button NAME
  atspi.py menu N             walk the shown popup menu with N presses of Down
                              and print the name of each item it reaches, one a
                              line (a popup is no child of the program's tree,
                              so its items are read from their focus events)
  atspi.py name NAME          print the whole name of the push button NAME

A NAME also finds a button whose name goes on after a comma ("Button 1"
finds "Button 1, table 1: hint").

Each waits at most 20 seconds for the program to show the button.
"""
import re
import sys
import time

import pyatspi

APP = "TabdeckV10"


def buttons():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name != APP:
            continue
        yield from pyatspi.utils.findAllDescendants(
            app, lambda a: a is not None and a.getRole() == pyatspi.ROLE_PUSH_BUTTON)


def find(name, limit=20.0):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        for b in buttons():
            if b.name == name or b.name.startswith(name + ","):
                return b
        time.sleep(0.3)
    sys.exit(f"no push button named {name!r}")


def walk_menu(presses):
    import subprocess
    from gi.repository import GLib
    names = []

    def focused(event):
        if event.detail1 == 1 and event.source is not None and event.source.name:
            if event.source.name not in names:
                names.append(event.source.name)

    def press(left=[presses]):
        if left[0] == 0:
            GLib.timeout_add(1000, pyatspi.Registry.stop)
            return False
        left[0] -= 1
        subprocess.run(["xdotool", "key", "Down"], check=True, timeout=10)
        return True

    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    GLib.timeout_add(300, press)
    GLib.timeout_add(20000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return names


def main():
    cmd, arg = sys.argv[1], sys.argv[2]
    if cmd == "press":
        button = find(arg)
        action = button.queryAction()
        for i in range(action.nActions):
            if action.getName(i).lower() in ("press", "click", "activate"):
                action.doAction(i)
                return
        sys.exit(f"{arg!r} has no press action")
    elif cmd == "count":
        find(arg + " 1")
        named = re.compile(re.escape(arg) + r" (\d+), table (\d+)(: |$)")
        numbers = set()
        for b in buttons():
            m = named.match(b.name)
            if m and (int(m.group(1)) - 1) // 12 + 1 == int(m.group(2)):
                numbers.add(int(m.group(1)))
        print(len(numbers))
    elif cmd == "menu":
        print("\n".join(walk_menu(int(arg))))
    elif cmd == "describe":
        print(find(arg).description)
    elif cmd == "name":
        print(find(arg).name)
    else:
        sys.exit(f"unknown command {cmd}")


if __name__ == "__main__":
    main()
