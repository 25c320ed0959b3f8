// Everything the command processor needs from its window. The main window, brisalto-calc and
// the tests each implement it.
#pragma once

#include <string>

#include "engine/angle_mode.h"

namespace brisalto {

enum class FormatKind { kScientific, kFixed, kAutomatic };

class CalculatorView {
public:
    virtual ~CalculatorView() = default;

    // The results window, as lines (UTF-8).
    virtual void AppendLine(const std::string& line) = 0;
    virtual void AppendToLine(int index, const std::string& text) = 0;
    virtual void ClearLines() = 0;
    virtual int LineCount() const = 0;

    // The evaluator's text for the process's standard output.
    virtual void WriteStandardOutput(const std::string& text) = 0;

    // The mode line: ModeLabel (angle) and SciLabel (format).
    virtual void SetModeCaption(const std::string& caption) = 0;
    virtual void SetFormatCaption(const std::string& caption) = 0;

    // Check marks of the mode actions: exactly the given one of each group is checked.
    virtual void CheckAngleAction(AngleMode mode) = 0;
    virtual void CheckFormatAction(FormatKind kind) = 0;

    // Shell actions reached through keywords.
    virtual void RunAboutAction() = 0;
    virtual void RunHelpAction() = 0;
    virtual void RunPrintAction() = 0;
    virtual void RunSaveAction() = 0;
    // "exit": ends the program with status 0 (settings written); a test view only records it.
    virtual void ExitProgram() = 0;
};

}  // namespace brisalto
