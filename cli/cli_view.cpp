// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/cli_view.h"

#include <string_view>

#include "cli/help_summary.h"
#include "cli/shown_text.h"
#include "cli/terminal_output.h"

namespace brisalto {

namespace {

constexpr std::size_t kDirectLineBytes = 1u << 16;

}  // namespace

void CliView::Render(const LineOutcome& outcome) {
    if (!outcome.standard_output.empty()) WriteShown(out_, outcome.standard_output);
    if (outcome.clear_window) {
        pending_.clear();
        buffer_.clear();
        if (terminal_) std::fwrite(kClearScreen.data(), 1, kClearScreen.size(), out_);
    }
    if (fit_) {
        // Shaped to the terminal's width when flushed.
        pending_.insert(pending_.end(), outcome.lines.begin(), outcome.lines.end());
    } else {
        for (const std::string& line : outcome.lines) {
            // A long line (a pasted sum of megabytes) goes out as it is, without another copy.
            if (line.size() >= kDirectLineBytes) {
                Flush(false);
                std::fwrite(line.data(), 1, line.size(), out_);
                std::fputc('\n', out_);
                continue;
            }
            buffer_ += line;
            buffer_.push_back('\n');
        }
    }
    // The echo of "help" first, so the summary stands below it on the terminal.
    if (RunTerminalAction(outcome.action, help_out_, [this] { Flush(); })) exit_requested_ = true;
}

void CliView::Flush(bool to_device) {
    if (fit_) {
        ShapeForTerminal(pending_, TerminalColumns(), terminal_);
        for (const std::string& line : pending_) {
            buffer_ += line;
            buffer_.push_back('\n');
        }
        pending_.clear();
    }
    if (!buffer_.empty()) WriteShown(out_, buffer_);
    if (to_device) std::fflush(out_);
    buffer_.clear();
    // A huge line should not keep its memory for the rest of the session.
    if (buffer_.capacity() > (1u << 20)) std::string().swap(buffer_);
}

}  // namespace brisalto
