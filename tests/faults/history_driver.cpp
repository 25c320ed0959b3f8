// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Drives the history file alone, for the fault scripts: "PATH LIMIT load" prints the lines a
// start gets (cutting the file back as a start does); "PATH LIMIT append LINE..." adds lines.
// A problem goes to standard error; status 1 when a line could not be written.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "command/history_file.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PATH LIMIT load|append [LINE...]\n", argv[0]);
        return 2;
    }
    brisalto::HistoryFile history(argv[1], std::strtoul(argv[2], nullptr, 10));
    const std::string what = argv[3];
    int status = 0;
    if (what == "load") {
        for (const std::string& line : history.Load()) std::printf("%s\n", line.c_str());
    } else {
        for (int i = 4; i < argc; ++i) {
            if (!history.Append(argv[i])) status = 1;
        }
    }
    if (const auto problem = history.TakeProblem()) std::fprintf(stderr, "%s\n", problem->c_str());
    return status;
}
