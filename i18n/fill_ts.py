#!/usr/bin/env python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Fills the translations of existing .ts entries from a tab-separated list, so that a table of
# names (the elements, say) is translated once in a spreadsheet-like file instead of by hand.
# The list's first line names its columns: "source", one column per language ("de", "fr", "es"),
# and "context" unless --context gives it; other columns (a symbol, a number) are ignored.
# Only entries lupdate already made are filled: run the update target first.
#   i18n/fill_ts.py [--context Elements] LIST.tsv i18n/brisalto_*.ts
import argparse
import csv
import sys
import xml.etree.ElementTree as ET


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--context")
    parser.add_argument("table")
    parser.add_argument("ts_files", nargs="+")
    args = parser.parse_args()

    with open(args.table, encoding="utf-8", newline="") as table:
        rows = [r for r in csv.DictReader(table, delimiter="\t") if not r["source"].startswith("#")]
    status = 0
    for path in args.ts_files:
        tree = ET.parse(path)
        language = tree.getroot().get("language", "").split("_")[0]
        if rows and language not in rows[0]:
            print(f"{path}: the list has no '{language}' column", file=sys.stderr)
            return 2
        wanted = {(args.context or r["context"], r["source"]): r[language] for r in rows}
        filled = set()
        for context in tree.getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                key = (name, message.findtext("source"))
                if key not in wanted or not wanted[key]:
                    continue
                translation = message.find("translation")
                translation.text = wanted[key]
                translation.attrib.pop("type", None)
                filled.add(key)
        for key in sorted(set(wanted) - filled):
            print(f"{path}: no entry {key[0]} / {key[1]!r} (run the update target)", file=sys.stderr)
            status = 1
        ET.indent(tree, space="    ")
        body = ET.tostring(tree.getroot(), encoding="unicode")
        with open(path, "w", encoding="utf-8") as out:
            out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n")
        print(f"{path}: {len(filled)} filled")
    return status


if __name__ == "__main__":
    sys.exit(main())
