// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Calculator: one object that is the calculator. It owns the VariableTable (A the answer, P pi),
// the AngleMode, the NumberFormat flags, the precision with its patterns, the number separators
// and LastCommand, and turns a command line into a LineOutcome. Each front end owns one.
#pragma once

#include <string>
#include <string_view>

#include "command/calculator_modes.h"
#include "command/cmd_edit_model.h"
#include "command/line_outcome.h"
#include "command/result_format.h"
#include "engine/angle_mode.h"
#include "engine/calc_value.h"
#include "engine/variable_table.h"

namespace brisalto {

inline constexpr int kAnswerIndex = 0;

class Calculator {
  public:
    // The load-time state: the start table, Degrees and Automatic, precision 0 with the load-time
    // fixed pattern, the default separators, no LastCommand.
    Calculator();

    // ---- Variables and the answer ----
    const VariableTable& variables() const { return table_; }
    // 0 for an index outside the table.
    CalcValue VariableValue(int index) const;
    // index 0..12; P (13) and anything outside are ignored.
    void SetVariableValue(int index, CalcValue value);
    CalcValue Answer() const { return VariableValue(kAnswerIndex); }
    // Names A..N and P; A..N zero, P the double nearest to pi.
    void InitVariableTable();
    // A..N zero; P keeps pi ("clear").
    void ClearVariables();

    // ---- Modes ----
    AngleMode angle_mode() const { return angle_mode_; }
    void SetAngleMode(AngleMode mode) { angle_mode_ = mode; }
    bool scientific_flag() const { return scientific_; }
    void SetScientificFlag(bool on) { scientific_ = on; }
    bool automatic_flag() const { return automatic_; }
    void SetAutomaticFlag(bool on) { automatic_ = on; }
    // Degrees and Automatic, as the main window starts.
    void SetStartModes();
    // The format results are written in: Automatic wins over Scientific when both flags are set.
    FormatKind ResultFormatKind() const;
    // The format the label, the check marks and "mod" show: Scientific wins.
    FormatKind ShownFormatKind() const;
    // "Mode : Degrees : Automatic" and the like.
    std::string ModeLineText() const;
    // Captions and check marks from the modes.
    ModeIndicators RefreshModeIndicators() const;

    // ---- Precision, patterns and separators ----
    // Clamps p into 0..20 and rebuilds FixedPattern.
    void SetPrecision(int p);
    int GetPrecision() const { return precision_; }
    const std::string& FixedPattern() const { return fixed_pattern_; }
    const std::string& ScientificPattern() const { return scientific_pattern_; }
    void SetNumberSeparators(NumberSeparators separators) { separators_ = std::move(separators); }
    const NumberSeparators& separators() const { return separators_; }
    // FormatNumber with this calculator's separators.
    std::string FormatNumber(std::string_view pattern, CalcValue value) const;
    // The text AppendResult appends under the current NumberFormat.
    std::string FormatResult(CalcValue value) const;
    void AppendFormattedResult(std::string& out, CalcValue value) const;

    // ---- Output blocks ----
    // Appends the formatted value to the end of line line_index of out's lines.
    void AppendResult(LineOutcome& out, int line_index, CalcValue value) const;
    // Separator, "Answer(A) = " and the value, separator; then the value becomes the answer A.
    void ShowAnswer(LineOutcome& out, CalcValue value);
    // "var": separator, header, separator, A (Answer) and B..N; P is not listed.
    void ListVariables(LineOutcome& out) const;
    // "mod": separator, the mode line, separator.
    void ListMode(LineOutcome& out) const;

    // ---- Command lines ----
    // The line as typed (UTF-8, any bytes): out is reset, then separator, echo, and a keyword or
    // the evaluation. Errors of the evaluation become one line and kError.
    void ProcessCommandLine(std::string_view line, LineOutcome& out);
    // Carries out the keyword the lower-cased line equals and returns true; false when it is none.
    bool RunKeywordCommand(std::string_view line, LineOutcome& out);

    const std::string& LastCommand() const { return last_command_; }
    // The Go action on a text: a non-empty text becomes LastCommand and is processed; an empty one
    // leaves out empty (kNothing). Returns whether it was processed.
    bool RunGoAction(std::string_view text, LineOutcome& out);
    // The Go action on the command line: as above, then the line is emptied.
    void RunGoAction(CmdEditModel& edit, LineOutcome& out);
    // F3: LastCommand into the line with the caret at its end; not run.
    void RunLastCommandAction(CmdEditModel& edit) const;
    // A command action by its word: the word into the line, Go, and the indicators refreshed. A
    // word that is not one of CommandWords() does nothing.
    void RunCommandAction(std::string_view word, CmdEditModel& edit, LineOutcome& out);

  private:
    void Evaluate(std::string_view line, LineOutcome& out);

    VariableTable table_;
    AngleMode angle_mode_ = kDegrees;
    bool scientific_ = false;
    bool automatic_ = true;
    int precision_ = 0;
    std::string fixed_pattern_{kLoadFixedPattern};
    std::string scientific_pattern_{kScientificPattern};
    // The two patterns as the formatter reads them.
    NumberPattern fixed_read_ = ParseNumberPattern(kLoadFixedPattern);
    NumberPattern scientific_read_ = ParseNumberPattern(kScientificPattern);
    NumberSeparators separators_;
    std::string last_command_;
};

// Appends the separator line to out's lines.
void SeparatorLine(LineOutcome& out);
// Separator, the line, separator.
void FramedLine(LineOutcome& out, std::string_view line);

}  // namespace brisalto
