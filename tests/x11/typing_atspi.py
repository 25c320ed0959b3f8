#!/usr/bin/python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
"""What a screen reader finds in the running window while "sin" is typed: the completion list
by its name with the names in it, the hint line, and the hint as the command line's description.
Polls until they are there (the bridge updates on its own schedule). Exit 0 when all are found.
Usage: typing_atspi.py SECONDS
"""
import sys
import time

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and "brisalto" in (app.name or "").lower():
            return app
    return None


def check():
    app = find_app()
    if app is None:
        return ["no application named brisalto on the accessibility bus"]
    nodes = list(walk(app))
    by_name = {}
    for node in nodes:
        by_name.setdefault(node.name, node)
    problems = []
    listing = by_name.get("completions")
    if listing is None:
        problems.append("no control named 'completions'")
    else:
        items = [listing.getChildAtIndex(i).name for i in range(listing.childCount)]
        if "sin" not in items or "sinh" not in items:
            problems.append("the completions hold %r" % items)
    if "hint" not in by_name:
        problems.append("no control named 'hint'")
    line = by_name.get("command line")
    wanted = "sin(x): sine of x, x in the angle mode (now Degrees)"
    if line is None:
        problems.append("no control named 'command line'")
    elif line.description != wanted:
        problems.append("the command line's description is %r" % line.description)
    return problems


deadline = time.time() + float(sys.argv[1])
while True:
    problems = check()
    if not problems or time.time() > deadline:
        break
    time.sleep(0.2)
for problem in problems:
    print("FAIL: at-spi: " + problem)
sys.exit(1 if problems else 0)
