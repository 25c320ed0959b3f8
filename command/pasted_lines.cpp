// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/pasted_lines.h"

namespace brisalto {

PasteOutcome PasteIntoCommandLine(const CmdEditModel& line, std::u16string_view text) {
    const std::u16string& old_text = line.text();
    const std::size_t start =
        static_cast<std::size_t>(line.has_selection() ? line.selection_start() : line.caret());
    const std::size_t end = start + static_cast<std::size_t>(line.selection_length());

    PasteOutcome outcome;
    std::u16string current = old_text.substr(0, start);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            outcome.lines_to_run.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    const int caret = static_cast<int>(current.size());
    current.append(old_text, end, std::u16string::npos);
    outcome.remaining.SetText(std::move(current));
    outcome.remaining.SetCaret(caret);
    return outcome;
}

}  // namespace brisalto
