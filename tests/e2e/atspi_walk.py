#!/usr/bin/env python3
"""Walks one window of the program on the accessibility bus, as a screen
reader's user moving through it with Tab does.

  atspi_walk.py TITLE    print "N controls" for the window captioned TITLE,
                         then one line per focusable control without a name;
                         exit 1 when there is such a control

Waits at most 20 seconds for the window to appear on the bus.
"""
import sys
import time

import pyatspi

APP = "TabdeckV10"
# The roles a user reaches and operates; a nameless one is read as "button"
# or "edit" and nothing more.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_SCROLL_BAR,
}


def window(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name != APP:
            continue
        for top in app:
            if top is not None and top.name == title:
                return top
    return None


def named(control):
    # A label tied to the control is read with it (Qt names a combo box by
    # its current text and ties its label through this relation).
    if control.name.strip():
        return True
    return any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY
               for r in control.getRelationSet())


def walk(node, path, out):
    for i, child in enumerate(node):
        if child is None:
            continue
        where = f"{path}/{i}"
        # A combo box's drop-down list is read as part of the combo box.
        popup = child.getRole() == pyatspi.ROLE_LIST and node.getRole() == pyatspi.ROLE_COMBO_BOX
        if child.getRole() in CONTROLS and not popup:
            states = child.getState()
            # A control never shown (a hidden store of a value) is never reached.
            if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_VISIBLE):
                out.append((child, where))
        walk(child, where, out)


def main():
    title = sys.argv[1]
    end = time.monotonic() + 20.0
    top = window(title)
    while top is None and time.monotonic() < end:
        time.sleep(0.3)
        top = window(title)
    if top is None:
        sys.exit(f"no window captioned {title!r} on the accessibility bus")
    controls = []
    walk(top, "", controls)
    print(f"{len(controls)} controls")
    unnamed = [(c, w) for c, w in controls if not named(c)]
    for c, where in unnamed:
        parent = c.parent
        print(f"unnamed {c.getRoleName()} at {where} in {parent.getRoleName()} {parent.name!r}")
    sys.exit(1 if unnamed or not controls else 0)


if __name__ == "__main__":
    main()
