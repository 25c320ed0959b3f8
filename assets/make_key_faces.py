#!/usr/bin/env python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
"""Writes the SVG faces of the mouse pad keys and assets.qrc.

Its output is committed, so the build needs no Python; run it again after changing a face:
    python3 assets/make_key_faces.py
Face sizes (the viewBox; Qt scales a face to the button's icon size keeping its proportions):
keypad keys 32 x 28, the answer key 64 x 28, function keys 64 x 22, caret and delete keys
32 x 24, the Go button 42 x 41 in four states (normal, hot, down, disabled).
"""

import os
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "Arial, 'Liberation Sans', 'DejaVu Sans', sans-serif"

KEYPAD_TEXTS = [
    "0", "00", "000", ".", "1", "2", "3", "4", "5", "6", "7", "8", "9", "E",
    "+", "-", "*", "/", "^", "!", "%", "=", "(", ")", "{", "}", "<", ">", "[", "]",
    "B", "C", "D", "F", "G", "H", "I", "J", "K", "L", "M", "N",
]
FUNCTION_NAMES = [
    "cos", "sin", "tan", "cot", "sec", "csc", "xcos", "xsin", "xtan", "xcot", "xsec", "xcsc",
    "cosh", "sinh", "tanh", "coth", "sech", "csch", "xcosh", "xsinh", "xtanh", "xcoth", "xsech",
    "xcsch", "log", "xlog", "exp", "lin", "logn", "abs",
]

# Fill, edge and text colour of each group of keys.
DIGIT = ("#fbfbfd", "#6a6a70", "#1a1a1a")
OPERATOR = ("#dce8f8", "#4f6f99", "#123a6b")
BRACKET = ("#e1f2df", "#5b8a57", "#1f4d1b")
VARIABLE = ("#fbf3d6", "#8f7a3a", "#5a4300")
FUNCTION = ("#ecebf5", "#5f5c85", "#2a2660")
CARET = ("#eeeeee", "#6a6a70", "#333333")

def key_group(tag):
    if tag <= 13:
        return DIGIT
    if tag <= 21:
        return OPERATOR
    if tag <= 29:
        return BRACKET
    return VARIABLE


def rounded_key(width, height, colours):
    fill, edge, _ = colours
    return (
        f'<rect x="0.75" y="0.75" width="{width - 1.5}" height="{height - 1.5}" rx="4" '
        f'fill="{fill}" stroke="{edge}" stroke-width="1.5"/>'
        f'<rect x="2.5" y="2.5" width="{width - 5}" height="{(height - 5) / 2}" rx="3" '
        f'fill="#ffffff" fill-opacity="0.45"/>'
    )


def text_face(width, height, text, colours, size):
    baseline = height / 2 + size * 0.36
    return svg(
        width,
        height,
        rounded_key(width, height, colours)
        + f'<text x="{width / 2}" y="{baseline:.1f}" font-family="{FONT}" font-size="{size}" '
        f'font-weight="bold" fill="{colours[2]}" text-anchor="middle">{escape(text)}</text>',
    )


def svg(width, height, body):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">{body}</svg>\n'
    )


def caret_face(kind):
    width, height = 32, 24
    ink = CARET[2]
    tri_left = "M 19 6 L 11 12 L 19 18 Z"
    tri_right = "M 13 6 L 21 12 L 13 18 Z"
    shapes = {
        "first": f'<rect x="8" y="6" width="2.5" height="12" fill="{ink}"/>'
        f'<path d="M 21 6 L 13 12 L 21 18 Z" fill="{ink}"/>',
        "left": f'<path d="{tri_left}" fill="{ink}"/>',
        "right": f'<path d="{tri_right}" fill="{ink}"/>',
        "last": f'<path d="M 11 6 L 19 12 L 11 18 Z" fill="{ink}"/>'
        f'<rect x="21.5" y="6" width="2.5" height="12" fill="{ink}"/>',
        "delete": f'<path d="M 6 12 L 12 6 L 26 6 L 26 18 L 12 18 Z" fill="none" '
        f'stroke="{ink}" stroke-width="1.6" stroke-linejoin="round"/>'
        f'<path d="M 15 9 L 21 15 M 21 9 L 15 15" stroke="#a01818" stroke-width="1.8" '
        f'stroke-linecap="round"/>',
    }
    return svg(width, height, rounded_key(width, height, CARET) + shapes[kind])


def go_face(state):
    width, height = 42, 41
    fills = {
        "go": ("#3f8f3f", "#2b6b2b", "#ffffff"),
        "go_hot": ("#4fae4f", "#2b6b2b", "#ffffff"),
        "go_down": ("#2f6f2f", "#1f4f1f", "#e8e8e8"),
        "go_disabled": ("#a8a8ac", "#808084", "#e4e4e4"),
    }
    fill, edge, ink = fills[state]
    offset = 1 if state == "go_down" else 0
    body = (
        f'<rect x="1" y="1" width="40" height="39" rx="6" fill="{fill}" stroke="{edge}" '
        f'stroke-width="2"/>'
        f'<text x="{21 + offset}" y="{26 + offset}" font-family="{FONT}" font-size="16" '
        f'font-weight="bold" fill="{ink}" text-anchor="middle">Go</text>'
    )
    return svg(width, height, body)


def write(name, content):
    path = os.path.join(HERE, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(content)
    return name


def main():
    files = []
    for tag, text in enumerate(KEYPAD_TEXTS):
        size = {1: 16, 2: 14, 3: 12}[len(text)]
        files.append(write(f"pad/keypad_{tag}.svg", text_face(32, 28, text, key_group(tag), size)))
    for tag, name in enumerate(FUNCTION_NAMES):
        size = 13 if len(name) <= 4 else 12
        files.append(write(f"pad/func_{tag}.svg", text_face(64, 22, name, FUNCTION, size)))
    for kind in ("first", "left", "right", "last", "delete"):
        files.append(write(f"pad/{kind}.svg", caret_face(kind)))
    files.append(write("pad/answer.svg", text_face(64, 28, "A", VARIABLE, 16)))
    for state in ("go", "go_hot", "go_down", "go_disabled"):
        files.append(write(f"pad/{state}.svg", go_face(state)))

    pictures = ["splash.svg", "about/icon.svg", "about/picture.svg", "app/brisalto-calculator.svg"]
    entries = "\n".join(f"  <file>{name}</file>" for name in files + pictures)
    write(
        "assets.qrc",
        '<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/">\n'
        + entries
        + "\n</qresource>\n</RCC>\n",
    )


if __name__ == "__main__":
    main()
