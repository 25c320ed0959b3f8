#!/usr/bin/env python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
"""Runs what the manual, the man pages and the help summary show through brisalto-calc.

An example of the manual is a <pre class="example"> block: its lines starting with "> " are the
typed lines (and also their echo in the results window), every line is a results-window line
expected. A claim, "<code>LINE</code> is NUMBER" in the manual (".B LINE" then "is NUMBER" in a man
page, "LINE = NUMBER" in the help summary), is checked with brisalto-calc -q, and so is
"<code>brisalto-calc ARGS</code> prints TEXT". The man pages' examples are run, and the function names each text lists must be the same set,
known to the program, as many as the manual says.
Usage: manual_examples.py BRISALTO_CALC MANUAL.html [--calc-man P] [--window-man P]
       [--summary P] [--write]
--write replaces each block's lines by the program's (to be reviewed before committing).
--synopsis --calc-man P runs only every form of brisalto-calc(1)'s synopsis.
"""
import argparse
import html
import itertools
import os
import re
import shlex
import subprocess
import sys
import tempfile

BLOCK = re.compile(r'(<pre class="example">\n)(.*?)(</pre>)', re.S)
NUMBER = r'(-?[0-9][0-9.]*[0-9]|-?[0-9])'
CLAIM = re.compile(r'<code>([^<]+)</code>\s+is\s+(?:exactly\s+)?' + NUMBER)
PRINTS = re.compile(r'<code>brisalto-calc ([^<]+)</code>\s+prints\s+' + NUMBER)
COMMAND_BLOCK = re.compile(r'<pre class="command">\n(.*?)</pre>', re.S)
SUMMARY_CLAIM = re.compile(r'([-+*/%^().0-9a-z]+) = ' + NUMBER)
BANNER_LINES = 3
# A sample for every placeholder of the synopsis; a new placeholder needs one here.
SAMPLES = {"OPTION": ["-q"], "EXPRESSION": ["2+3"], "VALUE": ["100"], "FROM": ["Celsius"],
           "TO": ["Fahrenheit"], "FAMILY": ["Temperature"], "FORMULA": ["H2SO4"], "N": ["4"],
           "LINE": ["7*6"], "EQUATION": ["H2 + O2 = H2O"], "SPECIES=AMOUNT": ["H2=4g"],
           ("--yield", "SPECIES=AMOUNT"): ["H2O=30g"], "C": ["0.1M"], "V": ["250mL"],
           "C1": ["1M"], "V1": ["10mL"], "C2": ["0.1M"], "V2": ["?"]}
# A repeated part's second sample, where the same one twice would be refused.
AGAIN = {"H2=4g": "O2=32g"}


class Checker:
    def __init__(self, calc, state_dir):
        self.calc = calc
        self.env = dict(os.environ, LC_ALL="C", LANG="C", XDG_STATE_HOME=state_dir,
                        XDG_CONFIG_HOME=state_dir, HOME=state_dir,
                        PATH=os.path.dirname(os.path.abspath(calc)) + os.pathsep +
                        os.environ.get("PATH", ""))
        self.failures = 0
        self.checks = 0

    def run(self, args, stdin=""):
        return subprocess.run([self.calc] + args, input=stdin, capture_output=True, text=True,
                              env=self.env, timeout=60)

    def expect(self, ok, message):
        self.checks += 1
        if not ok:
            self.failures += 1
            print(message)

    def transcript(self, lines):
        done = self.run([], "".join(line + "\n" for line in lines))
        return done.stdout.splitlines()[BANNER_LINES:], done.returncode

    def claim(self, where, line, number):
        done = self.run(["-q", "-e", line])
        try:
            ok = float(done.stdout.strip()) == float(number)
        except ValueError:
            ok = False
        self.expect(ok, f"{where} says {line!r} is {number}; brisalto-calc -q gives "
                        f"{done.stdout.strip()!r} {done.stderr.strip()!r}")

    def shell(self, command):
        return subprocess.run(["bash", "-c", "{ " + command + "; } 2>&1"], capture_output=True,
                              text=True, env=self.env, timeout=60)

    def known_functions(self, words):
        """The words brisalto-calc reads as function names ("e(1)" is a bad number, not a name)."""
        words = sorted(set(words))
        done = self.run(["-q"] + [f"-e{word}(1)" for word in words])
        refused = set(re.findall(r"^brisalto-calc: ([a-z]+)\(1\): (?:Function Rong|Statment Error)$",
                                 done.stderr, re.M))
        return {word for word in words if word not in refused}


def roff_text(text):
    """A man page's text, its bold words as <code> so that the manual's claim pattern reads it."""
    out = []
    for line in text.splitlines():
        line = (line.replace("\\-", "-").replace("\\(aq", "'").replace("\\(dq", '"')
                .replace("\\(md", "·").replace("\\&", "").replace("\\en", "\\n"))
        if line.startswith(".B "):
            out.append(f"<code>{line[3:]}</code>")
        elif line.startswith(".BR "):
            parts = shlex.split(line[4:])
            out.append(f"<code>{parts[0]}</code>" + "".join(parts[1:]))
        else:
            out.append(line)
    return "\n".join(out)


def roff_section(text, name):
    match = re.search(r"^\.SH " + name + r"\n(.*?)(?=^\.SH |\Z)", text, re.S | re.M)
    return match.group(1) if match else ""


def synopsis_forms(page):
    """brisalto-calc(1)'s synopsis, one text a form: "[X]" optional, "X | Y" either, "X..." repeated."""
    forms, words = [], []
    synopsis = roff_section(page, "SYNOPSIS").split("\n.PP")[0]
    for line in synopsis.splitlines():
        if line == ".br":
            forms.append(" ".join(words))
            words = []
            continue
        macro, _, rest = line.partition(" ")
        args = shlex.split(rest.replace("\\-", "-").replace("\\&", ""))
        # .B and .I join their words with blanks, the alternating-font macros without.
        words += args if macro in (".B", ".I") else ["".join(args)]
    return forms + [" ".join(words)]


def expand(form, samples):
    """Every command line a synopsis form stands for: with and without each optional part, each
    alternative, a repeated part twice. A placeholder's sample may depend on the option before it."""
    tokens = re.findall(r"\[|\]|\||\.\.\.|[^\s\[\]|]+", form.replace("...", " ... "))[1:]
    at = 0

    def sequence():
        nonlocal at
        runs, before = [[]], None
        while at < len(tokens) and tokens[at] not in ("]", "|"):
            if tokens[at] == "[":
                at += 1
                choices = sequence()
                while tokens[at] == "|":
                    at += 1
                    choices += sequence()
                at += 1
                choices = [[]] + choices
            else:
                word = tokens[at]
                at += 1
                if word.startswith("-"):
                    choices = [[word]]
                else:
                    sample = samples.get((before, word), samples.get(word))
                    if sample is None:
                        raise KeyError(f"no sample for the synopsis placeholder {word}")
                    choices = [sample]
                before = word
            if at < len(tokens) and tokens[at] == "...":
                at += 1
                choices = [choice + [AGAIN.get(word, word) for word in choice]
                           for choice in choices]
            runs = [run + choice for run in runs for choice in choices]
        return runs

    return sequence()


def check_manual(checker, manual, write):
    with open(manual, encoding="utf-8") as f:
        text = f.read()
    count = 0

    def block(match):
        nonlocal count
        count += 1
        expected = html.unescape(match.group(2)).splitlines()
        inputs = [line[2:] for line in expected if line.startswith("> ")]
        checker.expect(inputs, f"example {count}: no typed line")
        got, _ = checker.transcript(inputs)
        if write:
            return match.group(1) + html.escape("\n".join(got) + "\n", quote=False) + match.group(3)
        checker.expect(got == expected, f"example {count} ({inputs[:1]!r} ...) differs:\n" +
                       "".join(f"  expected: {line}\n" for line in expected) +
                       "".join(f"  got:      {line}\n" for line in got))
        return match.group(0)

    new_text = BLOCK.sub(block, text)
    claims = CLAIM.findall(text)
    for line, number in claims:
        checker.claim("the manual", html.unescape(line), number)
    for args, printed in PRINTS.findall(text):
        done = checker.shell("brisalto-calc " + html.unescape(args))
        checker.expect(done.stdout.strip() == printed and done.returncode == 0,
                       f"the manual says brisalto-calc {args} prints {printed}; it printed "
                       f"{done.stdout.strip()!r} (status {done.returncode})")
    # "1 bar is 100000 pascal", "100 Celsius is 212 Fahrenheit and 373.15 Kelvin"; the molar mass
    # of a formula ("98.07948 g/mol" for H2SO4).
    pairs = re.search(r"Some useful pairs for the laboratory: (.*?)\.\s", text, re.S).group(1)
    for clause in " ".join(pairs.split()).split("; "):
        value, unit, rest = re.match(r"([0-9.]+) (\S+) is (.*)", clause).groups()
        for number, target in re.findall(r"([0-9.]+) (\S+)", rest):
            done = checker.run(["--convert", value, unit, target])
            checker.expect(done.stdout.strip() == number,
                           f"the manual says {value} {unit} is {number} {target}; brisalto-calc "
                           f"--convert gives {done.stdout.strip()!r} {done.stderr.strip()!r}")
    for mass, formula in re.findall(r'"([0-9.]+) g/mol" for (\w+)', text):
        done = checker.run(["--molar-mass", formula])
        checker.expect(done.stdout.strip() == mass, f"the manual says {formula} is {mass} g/mol; "
                                                    f"brisalto-calc gives {done.stdout.strip()!r}")
    # A <pre class="command"> block: "$ brisalto-calc ARGS" lines, each followed by its standard
    # output exactly.
    runs = []
    for command_block in COMMAND_BLOCK.findall(text):
        for line in html.unescape(command_block).splitlines():
            if line.startswith("$ brisalto-calc "):
                runs.append((shlex.split(line[len("$ brisalto-calc "):]), []))
            elif runs:
                runs[-1][1].append(line)
    for args, expected in runs:
        done = checker.run(args)
        checker.expect(done.stdout.splitlines() == expected,
                       f"brisalto-calc {shlex.join(args)} differs:\n" +
                       "".join(f"  expected: {line}\n" for line in expected) +
                       "".join(f"  got:      {line}\n" for line in done.stdout.splitlines() +
                               done.stderr.splitlines()))
    # Fewer than this means the extraction broke, not that the manual is right.
    checker.expect(count >= 10 and len(claims) >= 20,
                   f"only {count} examples and {len(claims)} claims found in {manual}")
    if write:
        with open(manual, "w", encoding="utf-8") as f:
            f.write(new_text)
    section = text[text.index('id="functions"'):text.index('id="formats"')]
    said = int(re.search(r"There are ([0-9]+) function names", section).group(1))
    names = re.findall(r"<td><code>([a-z]+)</code></td><td>", section)
    checker.expect(len(names) == len(set(names)) == said,
                   f"the manual says {said} functions and its table lists {len(names)}")
    return set(names)


def check_calc_man(checker, path, functions):
    with open(path, encoding="utf-8") as f:
        page = f.read()
    claims = CLAIM.findall(re.sub(r"</code>\n", "</code> ", roff_text(page)))
    checker.expect(len(claims) >= 3, f"only {len(claims)} claims found in {path}")
    for line, number in claims:
        checker.claim(path, line, number)
    # Each "$ command" of EXAMPLES with the lines it shows, standard error included.
    examples = roff_section(page, "EXAMPLES")
    examples = roff_text(examples[examples.index(".EX") + 4:examples.index(".EE")])
    runs = re.findall(r"^\$ (.*)\n((?:(?!\$ ).*\n)*)", examples + "\n", re.M)
    checker.expect(len(runs) >= 5, f"only {len(runs)} examples found in {path}")
    for command, shown in runs:
        done = checker.shell(command)
        if shown.strip():
            checker.expect(done.stdout.splitlines() == shown.splitlines(),
                           f"{path}: $ {command}\n  shows {shown.splitlines()}\n"
                           f"  gives {done.stdout.splitlines()}")
        else:
            checker.expect(done.returncode == 0, f"{path}: $ {command} fails: {done.stdout}")
    listed = re.search(r"\.B Functions\n(.*?)\n\.PP", page, re.S).group(1)
    said = int(re.search(r"\(([0-9]+),", listed).group(1))
    names = checker.known_functions(re.findall(r"\b[a-z]+\b", listed))
    checker.expect(names == functions and len(names) == said,
                   f"{path} says {said} functions, lists {len(names)}; differs from the manual "
                   f"by {sorted(names ^ functions)}")


def check_synopsis(checker, path):
    with open(path, encoding="utf-8") as f:
        page = f.read()
    with tempfile.NamedTemporaryFile("w", suffix=".calc") as lines:
        lines.write("2+3\n")
        lines.flush()
        for form in synopsis_forms(page):
            for args in expand(form, dict(SAMPLES, FILE=[lines.name])):
                # A form without command lines reads them from standard input.
                done = checker.run(args, "2+3\n")
                checker.expect(done.returncode == 0 and done.stdout.strip(),
                               f"{path}: the synopsis form {form} as {args} fails "
                               f"(status {done.returncode}): {done.stderr.strip()}")


def check_window_man(checker, path):
    with open(path, encoding="utf-8") as f:
        page = f.read()
    examples = roff_text(roff_section(page, "EXAMPLES"))
    lines = examples[examples.index(".EX") + 4:examples.index(".EE")].splitlines()
    got, status = checker.transcript(lines)
    checker.expect(len(lines) >= 3 and status == 0,
                   f"{path}: an example line fails:\n" + "\n".join(got))


def check_summary(checker, path, functions):
    """The help summary's claims and function names, read from its string literals."""
    with open(path, encoding="utf-8") as f:
        text = "\n".join(re.findall(r'^\s*"(.*)\\n"', f.read(), re.M))
    claims = SUMMARY_CLAIM.findall(text)
    checker.expect(len(claims) >= 3, f"only {len(claims)} claims found in {path}")
    for line, number in claims:
        checker.claim("the help summary", line, number)
    listed = text[text.index("Functions"):text.index("Variables")]
    names = checker.known_functions(re.findall(r"\b[a-z]+\b", listed))
    checker.expect(names == functions, f"the help summary's functions differ from the manual's "
                                       f"by {sorted(names ^ functions)}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("calc")
    parser.add_argument("manual")
    parser.add_argument("--calc-man")
    parser.add_argument("--window-man")
    parser.add_argument("--summary")
    parser.add_argument("--synopsis", action="store_true")
    parser.add_argument("--write", action="store_true")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as state_dir:
        checker = Checker(args.calc, state_dir)
        if args.synopsis:
            check_synopsis(checker, args.calc_man)
            print(f"{checker.checks - checker.failures} synopsis runs held, {checker.failures} "
                  f"did not")
            return 1 if checker.failures else 0
        functions = check_manual(checker, args.manual, args.write)
        if args.calc_man:
            check_calc_man(checker, args.calc_man, functions)
        if args.window_man:
            check_window_man(checker, args.window_man)
        if args.summary:
            check_summary(checker, args.summary, functions)
    print(f"{checker.checks - checker.failures} checks held, {checker.failures} did not")
    return 1 if checker.failures else 0


if __name__ == "__main__":
    sys.exit(main())
