// A CalculatorView over a vector of lines that records every caption, check mark and shell action,
// for the command processor's tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "command/calculator_view.h"

namespace brisalto::testing {

class RecordingView : public CalculatorView {
  public:
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    void AppendToLine(int index, const std::string& text) override {
        lines.at(static_cast<size_t>(index)) += text;
    }
    void ClearLines() override { lines.clear(); }
    int LineCount() const override { return static_cast<int>(lines.size()); }
    void WriteStandardOutput(const std::string& text) override { standard_output += text; }
    void SetModeCaption(const std::string& caption) override { mode_caption = caption; }
    void SetFormatCaption(const std::string& caption) override { format_caption = caption; }
    void CheckAngleAction(AngleMode mode) override { checked_angle = mode; }
    void CheckFormatAction(FormatKind kind) override { checked_format = kind; }
    void RunAboutAction() override { actions.push_back("about"); }
    void RunHelpAction() override { actions.push_back("help"); }
    void RunPrintAction() override { actions.push_back("print"); }
    void RunSaveAction() override { actions.push_back("save"); }
    void ExitProgram() override { actions.push_back("exit"); }

    std::vector<std::string> lines;
    std::string standard_output;
    std::string mode_caption = "unset";
    std::string format_caption = "unset";
    std::optional<AngleMode> checked_angle;
    std::optional<FormatKind> checked_format;
    std::vector<std::string> actions;
};

}  // namespace brisalto::testing
