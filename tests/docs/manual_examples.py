#!/usr/bin/env python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
"""Runs every worked example of the manual through brisalto-calc and compares the lines.

An example is a <pre class="example"> block: its lines starting with "> " are the typed lines
(and also their echo in the results window), every line is a results-window line expected.
A claim in the prose, "<code>LINE</code> is NUMBER", is checked with brisalto-calc -q.
A <pre class="command"> block holds shell runs: "$ brisalto-calc ARGS" lines, each followed by
its standard output exactly.
Usage: manual_examples.py BRISALTO_CALC MANUAL.html [--write]
--write replaces each block's lines by the program's (to be reviewed before committing).
"""
import html
import os
import re
import shlex
import subprocess
import sys
import tempfile

BLOCK = re.compile(r'(<pre class="example">\n)(.*?)(</pre>)', re.S)
CLAIM = re.compile(r'<code>([^<]+)</code> is (-?[0-9][0-9.]*[0-9]|-?[0-9])')
COMMAND_BLOCK = re.compile(r'<pre class="command">\n(.*?)</pre>', re.S)
BANNER_LINES = 3


def run(calc, inputs, state_dir):
    env = dict(os.environ, LC_ALL="C", LANG="C", XDG_STATE_HOME=state_dir,
               XDG_CONFIG_HOME=state_dir, HOME=state_dir)
    done = subprocess.run([calc], input="".join(line + "\n" for line in inputs),
                          capture_output=True, text=True, env=env, timeout=60)
    return done.stdout.splitlines()[BANNER_LINES:]


def check_claims(calc, text, state_dir):
    """The value of every "<code>LINE</code> is NUMBER" of the prose; returns (count, failures)."""
    claims = [(html.unescape(line), float(number)) for line, number in CLAIM.findall(text)]
    env = dict(os.environ, LC_ALL="C", LANG="C", XDG_STATE_HOME=state_dir,
               XDG_CONFIG_HOME=state_dir, HOME=state_dir)
    failures = 0
    for line, number in claims:
        done = subprocess.run([calc, "-q", "-e", line], capture_output=True, text=True, env=env,
                              timeout=60)
        got = done.stdout.strip()
        try:
            ok = float(got) == number
        except ValueError:
            ok = False
        if not ok:
            failures += 1
            print(f"the manual says {line!r} is {number:g}; brisalto-calc -q gives {got!r} "
                  f"{done.stderr.strip()!r}")
    return len(claims), failures


def check_commands(calc, text, state_dir):
    """Every "$ brisalto-calc ARGS" run of the command blocks; returns (count, failures)."""
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8", XDG_STATE_HOME=state_dir,
               XDG_CONFIG_HOME=state_dir, HOME=state_dir)
    runs = []
    for block in COMMAND_BLOCK.findall(text):
        for line in html.unescape(block).splitlines():
            if line.startswith("$ brisalto-calc "):
                runs.append((shlex.split(line[len("$ brisalto-calc "):]), []))
            elif runs:
                runs[-1][1].append(line)
    failures = 0
    for args, expected in runs:
        done = subprocess.run([calc] + args, capture_output=True, text=True, env=env, timeout=60)
        if done.stdout.splitlines() != expected:
            failures += 1
            print(f"brisalto-calc {shlex.join(args)} differs:")
            for line in expected:
                print("  expected: " + line)
            for line in done.stdout.splitlines() + done.stderr.splitlines():
                print("  got:      " + line)
    return len(runs), failures


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
        claims, claim_failures = check_claims(calc, text, state_dir)
        commands, command_failures = check_commands(calc, text, state_dir)
    if write:
        with open(manual, "w", encoding="utf-8") as f:
            f.write(new_text)
    # Fewer blocks than this means the extraction broke, not that the manual is right.
    if count < 10:
        print(f"only {count} examples found in {manual}")
        return 1
    if claims < 10:
        print(f"only {claims} claims found in {manual}")
        return 1
    print(f"{count - failures} examples passed, {failures} failed; "
          f"{claims - claim_failures} claims held, {claim_failures} did not; "
          f"{commands - command_failures} commands ran as shown, {command_failures} did not")
    return 1 if failures or claim_failures or command_failures else 0


if __name__ == "__main__":
    sys.exit(main())
