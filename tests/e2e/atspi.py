#!/usr/bin/env python3
"""What the end-to-end scripts ask of the accessibility bus.

  atspi.py press NAME         press the push button NAME of the program
  atspi.py count PREFIX       print how many push buttons are named PREFIX N
  atspi.py describe NAME      print the description of the push button NAME

Each waits at most 20 seconds for the program to show the button.
"""
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
            if b.name == name:
                return b
        time.sleep(0.3)
    sys.exit(f"no push button named {name!r}")


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
        names = {b.name for b in buttons()}
        print(sum(1 for n in names if n.startswith(arg + " ") and n[len(arg) + 1:].isdigit()))
    elif cmd == "describe":
        print(find(arg).description)
    else:
        sys.exit(f"unknown command {cmd}")


if __name__ == "__main__":
    main()
