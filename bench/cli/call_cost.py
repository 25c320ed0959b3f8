#!/usr/bin/env python3
# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# CPU seconds (user + system) of one shell call of brisalto-calc -q next to bc on the same sum,
# as medians of paired runs (each pair back to back, so a busy machine weighs on both alike).
# Usage: call_cost.py BRISALTO_CALC [PAIRS]
import os
import statistics
import subprocess
import sys

calc = sys.argv[1]
pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 200


def cpu_ms(argv, stdin_text):
    read_end, write_end = os.pipe()
    null = os.open(os.devnull, os.O_WRONLY)
    child = subprocess.Popen(argv, stdin=read_end, stdout=null, stderr=null)
    os.close(read_end)
    os.write(write_end, stdin_text)
    os.close(write_end)
    os.close(null)
    _, _, usage = os.wait4(child.pid, 0)
    return (usage.ru_utime + usage.ru_stime) * 1000.0


ours, bcs = [], []
for _ in range(pairs):
    ours.append(cpu_ms([calc, "-q", "2+3"], b""))
    bcs.append(cpu_ms(["bc", "-q"], b"2+3\n"))
mine, theirs = statistics.median(ours), statistics.median(bcs)
print(f"one call, medians of {pairs} pairs: brisalto-calc -q 2+3 {mine:.3f} ms cpu, "
      f"bc {theirs:.3f} ms cpu, ratio {mine / theirs:.2f}")
print("verdict:", "ok" if mine <= theirs else "SLOWER than bc")
