// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The command-line options of brisalto-calc and their parsing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

struct ConvertRequest {
    std::string value;
    std::string from;
    std::string to;
};

struct CliOptions {
    bool show_help = false;
    bool show_version = false;
    bool quiet = false;  // values only, errors on standard error
    std::optional<int> precision;
    std::vector<std::string> lines;  // from -e and the other arguments, in order
    std::optional<ConvertRequest> convert;
    bool list_units = false;
    std::optional<std::string> list_units_family;
};

struct ParseResult {
    CliOptions options;
    std::string error;  // empty when the arguments are good
};

ParseResult ParseCliOptions(const std::vector<std::string>& arguments);

// Whether --convert takes the text as a number (a number beyond the range counts).
bool IsNumberText(std::string_view text);

// What --help prints.
std::string UsageText();

}  // namespace brisalto
