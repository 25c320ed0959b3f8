// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/cli_options.h"

#include <charconv>
#include <string_view>

#include "engine/errors.h"
#include "engine/number_text.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kUsage =
    "Usage: brisalto-calc [OPTION]... [--] [LINE]...\n"
    "Processes each LINE as a calculator command line, or else reads command lines from\n"
    "standard input, one a line, and writes the lines the Brisalto Calculator results window\n"
    "shows for them.\n"
    "\n"
    "Options:\n"
    "  -q, --quiet              print only each line's value (answers, assignments, var, mod);\n"
    "                           errors go to standard error as 'brisalto-calc: LINE: ERROR'\n"
    "  --precision N            decimals of the fixed format, 0 to 20 (default 10)\n"
    "  -e LINE                  process LINE instead of standard input; may be repeated\n"
    "  --                       what follows is command lines, also when they start with -\n"
    "  --convert VALUE FROM TO  convert VALUE from the unit FROM to the unit TO\n"
    "  --list-units [FAMILY]    list the unit families and their units, or one family\n"
    "  --molar-mass FORMULA...  print the molar mass of each chemical formula in g/mol\n"
    "  --composition            with --molar-mass: also each element's count, mass and share\n"
    "  --balance EQUATION       balance a reaction: 'C8H18 + O2 = CO2 + H2O'\n"
    "  --given SPECIES=AMOUNT   with --balance: an amount given (10 g, 0.5 mol, 25 mL 0.1 M);\n"
    "                           may be repeated; prints the amounts of every species\n"
    "  --yield SPECIES=AMOUNT   with --balance: the product's actual yield, for the percent\n"
    "  --solution FORMULA       with --concentration C and --volume V: the grams to weigh;\n"
    "                           with --mass M and --volume V: the molarity\n"
    "  --dilute C1 V1 C2 [V2]   C1·V1 = C2·V2: the fourth, ? marking it when four are given\n"
    "  --help                   show this help and exit\n"
    "  --version                show the version and exit\n"
    "\n"
    "\n"
    "Exit status: 0, or 1 when a command line ended in an error (not at a terminal) or the\n"
    "output could not be written; 2 for a bad option.\n"
    "\n"
    "Type help for a summary of the command language.\n";

constexpr int kMinPrecision = 0;
constexpr int kMaxPrecision = 20;

// A line such as -2+3 looks like an option; say how to give it.
bool LooksLikeExpression(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' &&
           std::string_view("0123456789.([{<ABCDFGHIJKLMNP").find(arg[1]) != std::string_view::npos;
}

inline constexpr std::string_view kDashHint = "; write -- before a line that starts with -";

bool ParseInt(std::string_view text, int& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

}  // namespace

bool IsNumberText(std::string_view text) {
    try {
        TextToValue(text);
        return true;
    } catch (const ConvertError&) {
        return false;
    } catch (const FloatError&) {
        // Beyond the range, but a number: the conversion reports the overflow.
        return true;
    }
}

std::string UsageText() { return std::string(kUsage); }

ParseResult ParseCliOptions(const std::vector<std::string>& arguments) {
    ParseResult result;
    CliOptions& o = result.options;
    const size_t count = arguments.size();
    auto missing = [&](const std::string& option) {
        result.error = "option '" + option + "' needs an argument";
        return result;
    };
    for (size_t i = 0; i < count; ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            o.show_help = true;
        } else if (arg == "-q" || arg == "--quiet") {
            o.quiet = true;
        } else if (arg == "--version") {
            o.show_version = true;
        } else if (arg == "--precision" || arg.rfind("--precision=", 0) == 0) {
            std::string text;
            if (arg == "--precision") {
                if (i + 1 >= count) return missing(arg);
                text = arguments[++i];
            } else {
                text = arg.substr(sizeof("--precision=") - 1);
            }
            int value = 0;
            if (!ParseInt(text, value) || value < kMinPrecision || value > kMaxPrecision) {
                result.error = "invalid precision '" + text + "': give a whole number 0 to 20";
                return result;
            }
            o.precision = value;
        } else if (arg == "-e") {
            if (i + 1 >= count) return missing(arg);
            o.lines.push_back(arguments[++i]);
        } else if (arg.rfind("-e", 0) == 0 && arg.size() > 2 && arg[1] == 'e') {
            o.lines.push_back(arg.substr(2));
        } else if (arg == "--convert") {
            if (i + 3 >= count) {
                result.error = "option '--convert' needs VALUE FROM TO";
                return result;
            }
            o.convert = ConvertRequest{arguments[i + 1], arguments[i + 2], arguments[i + 3]};
            i += 3;
            if (!IsNumberText(o.convert->value)) {
                result.error = "not a number: " + o.convert->value;
                return result;
            }
        } else if (arg == "--list-units") {
            o.list_units = true;
            if (i + 1 < count && (arguments[i + 1].empty() || arguments[i + 1][0] != '-')) {
                o.list_units_family = arguments[++i];
            }
        } else if (arg == "--") {
            o.lines.insert(o.lines.end(), arguments.begin() + i + 1, arguments.end());
            break;
        } else if (arg.size() > 1 && arg[0] == '-') {
            result.error = "unknown option '" + arg + "'";
            if (LooksLikeExpression(arg)) result.error += kDashHint;
            return result;
        } else {
            o.lines.push_back(arg);
        }
    }
    return result;
}

}  // namespace brisalto
