// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The command-line options of brisalto-calc: one table row an option, read by one parser that
// knows every form (--x=v, --x v, -xv) and how many values each option takes.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

// Command lines for the calculator, in the order given: a line itself, or a file of lines
// ("-" for standard input).
struct CalcInput {
    enum class Kind { kLine, kFile };
    Kind kind = Kind::kLine;
    std::string text;
    bool operator==(const CalcInput&) const = default;
};

// One run of a chemist's tool instead of the calculator, with its values as given.
struct ToolRequest {
    enum class Kind { kConvert, kListUnits, kMolarMass };
    Kind kind = Kind::kConvert;
    std::vector<std::string> values;
    bool operator==(const ToolRequest&) const = default;
};

struct CliOptions {
    bool show_help = false;
    bool show_version = false;
    bool quiet = false;  // values only, errors on standard error
    bool plain = false;  // with quiet: numbers without an exponent, for bc
    std::optional<int> precision;
    std::vector<CalcInput> inputs;
    std::vector<ToolRequest> tools;  // run in order; never mixed with inputs
    bool composition = false;        // with --molar-mass
};

struct ParseResult {
    CliOptions options;
    std::string error;  // empty when the arguments are good
};

// How many values an option takes after it: a fixed count (taken whatever they look like, so
// that --convert -40 degC degF works), or a list that runs up to the next option.
inline constexpr int kListValues = -1;

struct OptionRow {
    std::string_view name;     // "--convert"
    char short_name;           // 'e' for -e, or 0
    int values;                // 0, a fixed count, or kListValues
    int least;                 // fewest values of a list
    std::string_view metavar;  // "VALUE FROM TO", for --help and the messages
    std::string_view help;     // the --help line's text
    // Whether the option may stand among a list's values (--molar-mass --composition H2O).
    bool inside_lists;
    // Takes the values into the options; returns an error text, empty when they are good.
    std::string (*apply)(CliOptions&, std::span<const std::string>);
};

std::span<const OptionRow> OptionTable();

ParseResult ParseCliOptions(const std::vector<std::string>& arguments);

// Whether --convert takes the text as a number (a number beyond the range counts).
bool IsNumberText(std::string_view text);

// What --help prints.
std::string UsageText();

}  // namespace brisalto
