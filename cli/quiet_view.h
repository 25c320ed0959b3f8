// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// brisalto-calc -q: of each command line only its value, in the 15-digit form every shell tool
// reads back; errors go to standard error with the line that caused them.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "command/calculator.h"
#include "command/line_outcome.h"

namespace brisalto {

class QuietView {
  public:
    // help_out receives the command summary of "help"; null on a pipe.
    // plain: numbers without an exponent.
    QuietView(std::FILE* out, std::FILE* err, std::FILE* help_out, bool plain = false)
        : out_(out), err_(err), help_out_(help_out), plain_(plain) {}

    // line is the command line as processed; calculator is the state after it.
    void Render(std::string_view line, const LineOutcome& outcome, const Calculator& calculator);
    // Writes what is pending, and flushes it to the device unless more input is waiting.
    void Flush(bool to_device = true);
    bool exit_requested() const { return exit_requested_; }

  private:
    void RenderKeyword(std::string_view line, const Calculator& calculator);
    void ReportError(std::string_view line, std::string_view error);
    void AppendValue(CalcValue value);

    std::FILE* out_;
    std::FILE* err_;
    std::FILE* help_out_;
    std::string buffer_;
    bool exit_requested_ = false;
    bool plain_;
};

}  // namespace brisalto
