// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/terminal_output.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

#include "command/command_processor.h"
#include "command/result_format.h"

namespace brisalto {
namespace {

std::string SeparatorFor(int columns) {
    const std::size_t width =
        columns > 0 ? std::min<std::size_t>(kSeparatorLine.size(), columns) : kSeparatorLine.size();
    return std::string(kSeparatorLine.substr(0, width));
}

}  // namespace

int TerminalColumns() {
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return 0;
    return size.ws_col;
}

std::string TerminalSeparator() { return SeparatorFor(TerminalColumns()); }

void ShapeForTerminal(std::vector<std::string>& lines, int columns, bool typed) {
    if (typed && lines.size() >= 2 && lines[0] == kSeparatorLine &&
        lines[1].starts_with(kEchoPrefix)) {
        lines.erase(lines.begin(), lines.begin() + 2);
    }
    const std::string separator = SeparatorFor(columns);
    for (std::string& line : lines) {
        if (line == kSeparatorLine) line = separator;
    }
}

}  // namespace brisalto
