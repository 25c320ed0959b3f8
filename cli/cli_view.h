// The results window of brisalto-calc: the lines a command adds are held until the command is
// done, then written to standard output in one piece and forgotten.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "command/calculator_view.h"

namespace brisalto {

class CliView : public CalculatorView {
  public:
    // help_out receives the command summary of "help"; null on a pipe.
    CliView(std::FILE* out, std::FILE* help_out) : out_(out), help_out_(help_out) {}

    void AppendLine(const std::string& line) override { pending_.push_back(line); }
    void AppendToLine(int index, const std::string& text) override;
    void ClearLines() override;
    int LineCount() const override;
    void WriteStandardOutput(const std::string& text) override;

    void SetModeCaption(const std::string&) override {}
    void SetFormatCaption(const std::string&) override {}
    void CheckAngleAction(AngleMode) override {}
    void CheckFormatAction(FormatKind) override {}

    void RunAboutAction() override {}
    void RunHelpAction() override;
    void RunPrintAction() override {}
    void RunSaveAction() override {}
    void ExitProgram() override { exit_requested_ = true; }

    // Writes the lines added since the last call, one output line each, and flushes them to the
    // device unless more input is already waiting.
    void Flush(bool to_device = true);
    bool exit_requested() const { return exit_requested_; }
    // At a terminal the typed line is not echoed again, separators fit its width, and "cls"
    // clears the screen.
    void SetTerminal(bool terminal) { terminal_ = terminal; }

  private:
    std::FILE* out_;
    std::FILE* help_out_;
    std::vector<std::string> pending_;
    long long written_ = 0;  // lines already written and dropped
    std::string buffer_;
    bool exit_requested_ = false;
    bool terminal_ = false;
};

}  // namespace brisalto
