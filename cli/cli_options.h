// The command-line options of brisalto-calc and their parsing.
#pragma once

#include <optional>
#include <string>
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
    std::optional<int> precision;
    std::vector<std::string> lines;  // from -e, in order
    std::optional<ConvertRequest> convert;
    bool list_units = false;
    std::optional<std::string> list_units_family;
};

struct ParseResult {
    CliOptions options;
    std::string error;  // empty when the arguments are good
};

ParseResult ParseCliOptions(const std::vector<std::string>& arguments);

// What --help prints.
std::string UsageText();

}  // namespace brisalto
