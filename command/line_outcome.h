// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// What one processed command line did, for a front end to render and a test to compare: the
// lines it added to the results window, the evaluator's standard-output text, the kind of result
// with its value or error, the shell action asked for, and whether the modes changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_value.h"
#include "engine/error_place.h"

namespace brisalto {

enum class OutcomeKind {
    kNothing,          // an empty line: nothing was processed
    kKeyword,          // one of the keyword commands
    kAnswer,           // an expression; its value is now the answer A
    kAssignment,       // a value stored into variable_index
    kConstantRefused,  // an assignment to P
    kError,            // one error line, nothing stored
};

enum class ShellAction { kNone, kAbout, kHelp, kPrint, kSave, kExit };

struct LineOutcome {
    // "cls": the results window is emptied before `lines` are added.
    bool clear_window = false;
    // The lines added to the results window, in order ("Counter = " lines included).
    std::vector<std::string> lines;
    // Written to standard output before the lines.
    std::string standard_output;

    OutcomeKind kind = OutcomeKind::kNothing;
    // kAnswer and kAssignment: the variable written and its new value.
    int variable_index = -1;
    CalcValue value = 0;
    // kError: the error line.
    std::string error;
    // kError: the token of the line the evaluator stopped at, when it could tell.
    std::optional<ErrorPlace> error_place;

    // Carried out by the front end after it has shown the lines.
    ShellAction action = ShellAction::kNone;
    // A mode keyword ran: the mode line's captions follow the new modes.
    bool modes_changed = false;
    // A menu command ran: captions and check marks follow the modes.
    bool refresh_indicators = false;

    // Set by the front end, kept by Reset: false when it shows values only (brisalto-calc -q),
    // so the echo and the framed block of an answer or assignment are not built.
    bool transcript = true;

    // Back to an empty outcome; keeps the storage and the transcript choice for the next line.
    void Reset();
    void AppendLine(std::string_view line) { lines.emplace_back(line); }
};

}  // namespace brisalto
