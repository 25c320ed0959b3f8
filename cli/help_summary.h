// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The one-screen summary of the command language that "help" prints at a terminal.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "command/line_outcome.h"

namespace brisalto {

// At most 24 lines of at most 80 columns; the manual where this program is installed.
std::string HelpSummary();

// The shell actions a terminal front end carries out: "help" writes the summary to help_out
// (none on a pipe) after flush() has written what stands before it; "exit" ends the session,
// and then this returns true. The window's about, print and save mean nothing here.
template <typename Flush>
bool RunTerminalAction(ShellAction action, std::FILE* help_out, Flush flush) {
    if (action == ShellAction::kHelp && help_out != nullptr) {
        flush();
        const std::string summary = HelpSummary();
        std::fwrite(summary.data(), 1, summary.size(), help_out);
        std::fflush(help_out);
    }
    return action == ShellAction::kExit;
}

}  // namespace brisalto
