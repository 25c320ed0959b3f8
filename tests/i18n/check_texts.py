#!/usr/bin/env python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Fails on a text a person reads that escapes translation, and on a translation left undone.
#  1. Every string literal of app/, tools/gui/ and the files checked_files.txt lists that reads as
#     prose is inside tr(), QCoreApplication::translate() or a QT_TR*_NOOP mark, names an object
#     or a property (setObjectName, setProperty...), or is in allowed_texts.txt.
#  2. The .ts files hold no unfinished, obsolete or empty entry, keep an accelerator where the
#     English text has one, and keep every %1, %2 ... of the English text, each once.
#  3. lupdate, run afresh over the sources into copies of the .ts files, finds no text of a
#     checked file that the committed files lack (someone forgot the update target).
# Usage: check_texts.py SOURCE_DIR LUPDATE TS_FILE... -- SOURCE_FILE...
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
TRANSLATING_CALLS = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3",
                     "QT_TR_N_NOOP", "QT_TRANSLATE_N_NOOP"}
# Calls whose text argument names an object or a property: never shown.
NAMING_CALLS = {"setObjectName", "setProperty", "property", "findChild", "findChildren"}


def read_list(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]


def literals(text):
    """(value, offset) of each string literal, and the text with literals and comments blanked."""
    found, blank, i, n = [], list(text), 0, len(text)

    def wipe(a, b):
        for k in range(a, b):
            if blank[k] != "\n":
                blank[k] = " "

    while i < n:
        c = text[i]
        if text.startswith("//", i) or (c == "#" and text[text.rfind("\n", 0, i) + 1:i].strip() == ""):
            end = text.find("\n", i)
            end = n if end < 0 else end
            # A directive's line (an #include's path) is no text; keep going past continuations.
            while c == "#" and end < n and text[end - 1] == "\\":
                end = text.find("\n", end + 1)
                end = n if end < 0 else end
            wipe(i, end)
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2) + 2
            wipe(i, end)
            i = end
        elif c == "'" and not (i > 0 and text[i - 1].isalnum()):
            j = i + 1
            while text[j] != "'":
                j += 2 if text[j] == "\\" else 1
            wipe(i, j + 1)
            i = j + 1
        elif c == '"':
            raw = re.search(r"(?:u8|u|U|L)?R$", text[max(0, i - 3):i])
            if raw:
                delim = text[i + 1:text.index("(", i)]
                end = text.index(")" + delim + '"', i)
                value = text[text.index("(", i) + 1:end]
                stop = end + len(delim) + 2
            else:
                j = i + 1
                while text[j] != '"':
                    j += 2 if text[j] == "\\" else 1
                value, stop = text[i + 1:j], j + 1
            found.append((value, i))
            wipe(i, stop)
            i = stop
        else:
            i += 1
    return found, "".join(blank)


def enclosing_call(blank, offset):
    """The name of the call whose parentheses hold offset, or None outside any call."""
    depth, i = 0, offset - 1
    while i >= 0:
        c = blank[i]
        if c == ")":
            depth += 1
        elif c == "(":
            if depth == 0:
                m = re.search(r"([A-Za-z_]\w*)\s*$", blank[:i])
                return m.group(1) if m else None
            depth -= 1
        elif c in ";{}" and depth == 0:
            return None
        i -= 1
    return None


def reads_as_prose(value):
    if not re.search(r"[A-Za-z]{2}", value):
        return False
    if re.search(r"\s", value):
        return True
    # One word: keys, object names and paths (CamelCase, snake_case, numbered, dotted) are not;
    # a label's "&", ":" or "..." do not make a word a key.
    return not re.search(r"[a-z][A-Z]|[_./:+\-=0-9]", value.strip("&:."))


def allowed(value, line_text, allow_list):
    return any(text.fullmatch(value) and (where is None or where.search(line_text))
               for text, where in allow_list)


def checked_files(src):
    window = [os.path.join(folder, name) for folder in ("app", os.path.join("tools", "gui"))
              for name in os.listdir(os.path.join(src, folder)) if name.endswith((".cpp", ".h"))]
    return sorted(set(window + read_list("checked_files.txt")))


def check_sources(src, allow_list):
    problems = []
    for rel in checked_files(src):
        with open(os.path.join(src, rel), encoding="utf-8") as f:
            text = f.read()
        found, blank = literals(text)
        for value, offset in found:
            call = enclosing_call(blank, offset)
            if not reads_as_prose(value) or call in TRANSLATING_CALLS or call in NAMING_CALLS:
                continue
            line = text.count("\n", 0, offset) + 1
            if allowed(value, text.splitlines()[line - 1], allow_list):
                continue
            problems.append(f'{rel}:{line}: "{value}" is shown untranslated (tr() it, or allow it)')
    return problems


def accelerator_count(text):
    return len(re.findall(r"&(?!&)", (text or "").replace("&&", "")))


def placeholders(text):
    return sorted(re.findall(r"%L?[1-9]", text or ""))


def check_ts(path):
    problems = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            where = f"{os.path.basename(path)}: {name} / {source!r}"
            if kind in ("unfinished", "obsolete", "vanished"):
                problems.append(f"{where} is {kind}")
            elif not translation.text and not translation.findall("numerusform"):
                problems.append(f"{where} has no translation")
            elif accelerator_count(source) != accelerator_count(translation.text):
                problems.append(f"{where}: the accelerator '&' is lost or doubled")
            elif placeholders(source) != placeholders(translation.text):
                problems.append(f"{where}: its %1, %2 ... differ from the English text's")
    return problems


def check_fresh_lupdate(src, lupdate, ts_files, sources):
    checked = {os.path.normpath(os.path.join(src, rel)) for rel in checked_files(src)}
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        copies = []
        for ts in ts_files:
            copies.append(os.path.join(tmp, os.path.basename(ts)))
            shutil.copy(ts, copies[-1])
        subprocess.run([lupdate, "-silent", "-locations", "absolute", "-no-ui-lines",
                        "-I", src, *sources, "-ts", *copies], check=True)
        for copy in copies:
            for context in ET.parse(copy).getroot().iter("context"):
                for message in context.iter("message"):
                    if message.find("translation").get("type") != "unfinished":
                        continue
                    files = {os.path.normpath(os.path.join(tmp, loc.get("filename")))
                             for loc in message.iter("location")}
                    for hit in sorted(files & checked):
                        problems.append(f"{os.path.relpath(hit, src)}: {message.findtext('source')!r}"
                                        f" is not in {os.path.basename(copy)} (run the update target"
                                        " and translate it)")
    return problems


def main(argv):
    split = argv.index("--")
    src, lupdate, ts_files, sources = argv[1], argv[2], argv[3:split], argv[split + 1:]
    allow_list = []
    for entry in read_list("allowed_texts.txt"):
        text, _, where = entry.partition("\t")
        text = re.compile(text[3:]) if text.startswith("re:") else re.compile(re.escape(text))
        allow_list.append((text, re.compile(where) if where else None))
    problems = check_sources(src, allow_list)
    for ts in ts_files:
        problems += check_ts(ts)
    problems += check_fresh_lupdate(src, lupdate, ts_files, sources)
    for p in problems:
        print(p)
    if not problems:
        print(f"translations: {len(checked_files(src))} files checked, ok")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
