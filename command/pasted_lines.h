// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// What pasting a text that holds line breaks into the command line does: each complete line
// becomes a command line of its own, and the text after the last break stays for editing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "command/cmd_edit_model.h"

namespace brisalto {

struct PasteOutcome {
    // The command lines to run, in order, as if each had been typed and entered.
    std::vector<std::u16string> lines_to_run;
    // The command line afterwards, its caret after the pasted text.
    CmdEditModel remaining;
};

// Pastes text into line as a text editor would (replacing the selection), then splits the
// result at its line breaks (CR LF, LF, or a lone CR): the text before the caret joins the first
// pasted line, the text after it joins the last. Without a line break, lines_to_run is empty and
// remaining is line with text inserted at the caret.
PasteOutcome PasteIntoCommandLine(const CmdEditModel& line, std::u16string_view text);

}  // namespace brisalto
