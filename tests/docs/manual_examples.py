#!/usr/bin/env python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
"""Runs every worked example of the manual through brisalto-calc and compares the lines.

An example is a <pre class="example"> block: its lines starting with "> " are the typed lines
(and also their echo in the results window), every line is a results-window line expected.
Usage: manual_examples.py BRISALTO_CALC MANUAL.html [--write]
--write replaces each block's lines by the program's (to be reviewed before committing).
"""
import html
import os
import re
import subprocess
import sys
import tempfile

BLOCK = re.compile(r'(<pre class="example">\n)(.*?)(</pre>)', re.S)
BANNER_LINES = 3


def run(calc, inputs, state_dir):
    env = dict(os.environ, LC_ALL="C", LANG="C", XDG_STATE_HOME=state_dir,
               XDG_CONFIG_HOME=state_dir, HOME=state_dir)
    done = subprocess.run([calc], input="".join(line + "\n" for line in inputs),
                          capture_output=True, text=True, env=env, timeout=60)
    return done.stdout.splitlines()[BANNER_LINES:]


def main():
    calc, manual = sys.argv[1], sys.argv[2]
    write = "--write" in sys.argv[3:]
    with open(manual, encoding="utf-8") as f:
        text = f.read()
    failures = 0
    count = 0
    with tempfile.TemporaryDirectory() as state_dir:

        def check(match):
            nonlocal failures, count
            count += 1
            expected = html.unescape(match.group(2)).splitlines()
            inputs = [line[2:] for line in expected if line.startswith("> ")]
            if not inputs:
                print(f"example {count}: no typed line")
                failures += 1
                return match.group(0)
            got = run(calc, inputs, state_dir)
            if write:
                return match.group(1) + html.escape("\n".join(got) + "\n", quote=False) + match.group(3)
            if got != expected:
                failures += 1
                print(f"example {count} ({inputs[0]!r} ...) differs:")
                for line in expected:
                    print("  expected: " + line)
                for line in got:
                    print("  got:      " + line)
            return match.group(0)

        new_text = BLOCK.sub(check, text)
    if write:
        with open(manual, "w", encoding="utf-8") as f:
            f.write(new_text)
    # Fewer blocks than this means the extraction broke, not that the manual is right.
    if count < 10:
        print(f"only {count} examples found in {manual}")
        return 1
    print(f"{count - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
