// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The results window of brisalto-calc: renders the outcome of each command line to standard
// output in one piece, and forgets the lines once written.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "command/line_outcome.h"

namespace brisalto {

class CliView {
  public:
    // help_out receives the command summary of "help"; null on a pipe.
    CliView(std::FILE* out, std::FILE* help_out) : out_(out), help_out_(help_out) {}

    // The evaluator's standard-output text, then the outcome's lines (after a clear for "cls");
    // "help" shows the summary, "exit" is remembered; about, print and save have no terminal
    // counterpart.
    void Render(const LineOutcome& outcome);

    // Writes the lines added since the last call, one output line each, and flushes them to the
    // device unless more input is already waiting.
    void Flush(bool to_device = true);
    bool exit_requested() const { return exit_requested_; }
    // typed: the lines are typed at a terminal, which shows them already, so the echo is left
    // out and "cls" clears the screen. terminal_out: separators fit the terminal's width, and
    // control characters are shown, not obeyed.
    void SetTerminal(bool typed, bool terminal_out) {
        terminal_ = typed;
        fit_ = typed || terminal_out;
    }

  private:
    std::FILE* out_;
    std::FILE* help_out_;
    // Lines waiting for a terminal's width; elsewhere they go straight into buffer_.
    std::vector<std::string> pending_;
    // The output not yet written, one line each.
    std::string buffer_;
    bool exit_requested_ = false;
    bool terminal_ = false;
    bool fit_ = false;
};

}  // namespace brisalto
