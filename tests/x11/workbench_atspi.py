#!/usr/bin/python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
"""Reads a dialog of the running calculator from outside, over AT-SPI, as a screen reader does,
and lists every button, text field and table that has no name; exit 1 when any is unnamed.
Usage: workbench_atspi.py DIALOG-TITLE"""
import sys
import time

import pyatspi

CONTROLS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
            pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_TABLE, pyatspi.ROLE_SPIN_BUTTON,
            pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON}


def find_dialog(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == title:
                return window
    return None


def walk(node, visit, depth=0):
    if node is None or depth > 40:
        return
    visit(node)
    for child in node:
        walk(child, visit, depth + 1)


def main():
    title = sys.argv[1]
    dialog = None
    deadline = time.time() + 15
    while dialog is None and time.time() < deadline:
        dialog = find_dialog(title)
        if dialog is None:
            time.sleep(0.2)
    if dialog is None:
        print(f"no window named {title!r} on the accessibility bus")
        return 1
    controls = []
    walk(dialog, lambda node: controls.append(node) if node.getRole() in CONTROLS else None)
    unnamed = [node.getRoleName() for node in controls if not node.name.strip()]
    for node in controls:
        print(f"  {node.getRoleName()}: {node.name!r}")
    if not controls:
        print(f"{title}: no controls found")
        return 1
    if unnamed:
        print(f"{title}: unnamed: {', '.join(unnamed)}")
        return 1
    print(f"{title}: {len(controls)} controls, every one named")
    return 0


if __name__ == "__main__":
    sys.exit(main())
