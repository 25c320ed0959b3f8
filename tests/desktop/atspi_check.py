#!/usr/bin/python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Reads one window of a running program through AT-SPI, from outside, as a screen reader does,
# and lists every element a listener could not use: an interactive element without a name, two
# siblings of one role and one name, a drop-down named by its value, an element outside its
# window, a group without a name.
# Usage: atspi_check.py PID TITLE [TIMEOUT]; exit 1 when anything is listed.
import os
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_LINK, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU,
}
# Containers that a toolkit exposes for a plain widget or a frame; holding controls of their
# own, they are heard as a group and need a name.
CONTAINERS = {
    pyatspi.ROLE_PANEL, pyatspi.ROLE_FRAME, pyatspi.ROLE_FILLER, pyatspi.ROLE_GROUPING,
    pyatspi.ROLE_SECTION,
}


def interactive(node):
    role = node.getRole()
    if role in INTERACTIVE:
        return True
    # A text is a control when it can be typed in or focused; else it is read like a label.
    states = node.getState()
    return role == pyatspi.ROLE_TEXT and (states.contains(pyatspi.STATE_EDITABLE)
                                          or states.contains(pyatspi.STATE_FOCUSABLE))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def extents(node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return box.x, box.y, box.width, box.height


def describe(node, path):
    return "%s %s '%s' at %s" % (path, node.getRoleName(), node.name, extents(node))


def shown_children(node):
    return [child for child in node if child is not None and showing(child)]


def choices(combo):
    """The texts of a drop-down's entries (Qt exposes no selection on its list)."""
    return {item.name for child in combo if child is not None
            and child.getRole() == pyatspi.ROLE_LIST for item in child if item is not None}


def check(window):
    problems = []
    wx, wy, ww, wh = extents(window)

    def walk(node, path):
        children = shown_children(node)
        seen = {}
        for index, child in enumerate(children):
            where = "%s/%d" % (path, index)
            named = child.name.strip() != ""
            if interactive(child) and not named:
                problems.append("interactive element without a name: " + describe(child, where))
            if child.getRole() == pyatspi.ROLE_COMBO_BOX and named and \
                    child.name in choices(child):
                problems.append("a drop-down named by its value, not by what it sets: " +
                                describe(child, where))
            controls = [c for c in shown_children(child) if interactive(c)]
            if child.getRole() in CONTAINERS and len(controls) >= 2 and not named:
                problems.append("group without a name (%d controls): %s" %
                                (len(controls), describe(child, where)))
            if (interactive(child) or child.getRole() in CONTAINERS) and named:
                key = (child.getRole(), child.name)
                if key in seen:
                    problems.append("two siblings named alike: %s and %s" %
                                    (seen[key], describe(child, where)))
                else:
                    seen[key] = describe(child, where)
            box = extents(child)
            if box and box[2] > 0 and box[3] > 0:
                x, y, w, h = box
                if x < wx - 1 or y < wy - 1 or x + w > wx + ww + 1 or y + h > wy + wh + 1:
                    problems.append("outside its window %s: %s" %
                                    ((wx, wy, ww, wh), describe(child, where)))
            walk(child, where)

    walk(window, "")
    return problems


def dump(node, depth):
    print("%s%s '%s' %s" % ("  " * depth, node.getRoleName(), node.name, extents(node)))
    for child in shown_children(node):
        dump(child, depth + 1)


def find_window(pid, title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        try:
            if app.get_process_id() != pid:
                continue
        except Exception:
            continue
        for window in app:
            if window is not None and window.name == title and showing(window):
                return window
    return None


def main():
    pid, title = int(sys.argv[1]), sys.argv[2]
    timeout = float(sys.argv[3]) if len(sys.argv) > 3 else 20
    deadline = time.monotonic() + timeout
    window = find_window(pid, title)
    while window is None:
        if time.monotonic() > deadline:
            print("'%s': no such window in the accessibility tree of process %d" % (title, pid))
            return 1
        time.sleep(0.1)
        window = find_window(pid, title)
    # The tree fills in as the window is laid out; read it once it stops changing.
    count = -1
    while True:
        now = sum(1 for _ in pyatspi.utils.findAllDescendants(window, lambda n: True))
        if now == count or time.monotonic() > deadline:
            break
        count = now
        time.sleep(0.2)
    if os.environ.get("ATSPI_DUMP"):
        dump(window, 0)
    problems = check(window)
    for problem in problems:
        print("'%s': %s" % (title, problem))
    print("'%s': %d elements read, %d problems" % (title, count, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
