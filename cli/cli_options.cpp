// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/cli_options.h"

#include <array>
#include <charconv>
#include <functional>
#include <string_view>

#include "engine/errors.h"
#include "engine/number_text.h"

namespace brisalto {
namespace {

using Values = std::span<const std::string>;

constexpr int kMinPrecision = 0;
constexpr int kMaxPrecision = 20;

bool ParseInt(std::string_view text, int& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

std::string SetPrecision(CliOptions& o, Values v) {
    int value = 0;
    if (!ParseInt(v[0], value) || value < kMinPrecision || value > kMaxPrecision) {
        return "invalid precision '" + v[0] + "': give a whole number 0 to 20";
    }
    o.precision = value;
    return {};
}

std::string AddConvert(CliOptions& o, Values v) {
    if (!IsNumberText(v[0])) return "not a number: " + v[0];
    o.tools.push_back({ToolRequest::Kind::kConvert, {v.begin(), v.end()}});
    return {};
}

// The rows, in the order --help lists them. A new option is one row here.
const std::array kOptions = {
    OptionRow{"--quiet", 'q', 0, 0, "",
              "print only each line's value (answers, assignments, var, mod)\n"
              "in 15 significant digits, 1.5E-20 beyond 1e-4 to 1e15, as awk\n"
              "and the shell read them; errors go to standard error as\n"
              "'brisalto-calc: LINE: ERROR'",
              false,
              [](CliOptions& o, Values) {
                  o.quiet = true;
                  return std::string();
              }},
    OptionRow{"--plain", 0, 0, 0, "",
              "as --quiet, but numbers never have an exponent\n"
              "(0.000000000000000000015), as bc reads them",
              false,
              [](CliOptions& o, Values) {
                  o.quiet = o.plain = true;
                  return std::string();
              }},
    OptionRow{"--precision", 0, 1, 1, "N", "decimals of the fixed format, 0 to 20 (default 10)",
              false, SetPrecision},
    OptionRow{"-e", 'e', 1, 1, "LINE", "process LINE; may be repeated", false,
              [](CliOptions& o, Values v) {
                  o.inputs.push_back({CalcInput::Kind::kLine, v[0]});
                  return std::string();
              }},
    OptionRow{"-f", 'f', 1, 1, "FILE",
              "process the lines of FILE (- for standard input); may be\n"
              "repeated, and runs in order with the other lines",
              false,
              [](CliOptions& o, Values v) {
                  o.inputs.push_back({CalcInput::Kind::kFile, v[0]});
                  return std::string();
              }},
    OptionRow{"--convert", 0, 3, 3, "VALUE FROM TO",
              "convert VALUE from the unit FROM to the unit TO", false, AddConvert},
    OptionRow{"--list-units", 0, kListValues, 0, "[FAMILY]...",
              "list the unit families and their units, or the families named", false,
              [](CliOptions& o, Values v) {
                  o.tools.push_back({ToolRequest::Kind::kListUnits, {v.begin(), v.end()}});
                  return std::string();
              }},
    OptionRow{"--molar-mass", 0, kListValues, 1, "FORMULA...",
              "print the molar mass of each chemical formula in g/mol", false,
              [](CliOptions& o, Values v) {
                  o.tools.push_back({ToolRequest::Kind::kMolarMass, {v.begin(), v.end()}});
                  return std::string();
              }},
    OptionRow{"--composition", 0, 0, 0, "",
              "with --molar-mass: also each element's count, mass and share", true,
              [](CliOptions& o, Values) {
                  o.composition = true;
                  return std::string();
              }},
    OptionRow{"--help", 'h', 0, 0, "", "show this help and exit", false,
              [](CliOptions& o, Values) {
                  o.show_help = true;
                  return std::string();
              }},
    OptionRow{"--version", 0, 0, 0, "", "show the version and exit", false,
              [](CliOptions& o, Values) {
                  o.show_version = true;
                  return std::string();
              }},
};

inline constexpr std::string_view kUsageHead =
    "Usage: brisalto-calc [OPTION]... [-e LINE | -f FILE]... [--] [LINE]...\n"
    "  or:  brisalto-calc --convert VALUE FROM TO | --list-units [FAMILY]...\n"
    "                     | --molar-mass FORMULA... [--composition]\n"
    "Processes each LINE and the lines of each FILE as calculator command lines, in order,\n"
    "or else reads command lines from standard input, one a line, and writes the lines the\n"
    "Brisalto Calculator results window shows for them. The tools' options run in order and\n"
    "cannot be mixed with command lines.\n"
    "\n"
    "Options:\n";

// The workbench's options, taken out of the arguments before the table's (workbench_options.h).
inline constexpr std::string_view kWorkbenchUsage =
    "  --balance EQUATION        balance a reaction: 'C8H18 + O2 = CO2 + H2O'\n"
    "  --given SPECIES=AMOUNT    with --balance: an amount given (10 g, 0.5 mol, 25 mL 0.1 M);\n"
    "                            may be repeated; prints the amounts of every species\n"
    "  --yield SPECIES=AMOUNT    with --balance: the product's actual yield, for the percent\n"
    "  --solution FORMULA        with --concentration C and --volume V: the grams to weigh;\n"
    "                            with --mass M and --volume V: the molarity\n"
    "  --dilute C1 V1 C2 [V2]    C1·V1 = C2·V2: the fourth, ? marking it when four are given\n";

inline constexpr std::string_view kUsageTail =
    "  --                       what follows is command lines, also when they start with -\n"
    "An option's value may also follow it after =, as --precision=4; -e and -f also take it\n"
    "joined, as -e2+3.\n"
    "\n"
    "Exit status: 0 when everything succeeded; 1 when a command line ended in an error (not\n"
    "at a terminal), a conversion failed, a unit family is unknown, a file could not be read\n"
    "or the output could not be written; 2 for a bad option or a bad formula.\n"
    "\n"
    "Type help for a summary of the command language.\n";

constexpr std::size_t kHelpColumn = 28;

// A line such as -2+3 looks like an option; say how to give it.
bool LooksLikeExpression(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' &&
           std::string_view("0123456789.([{<ABCDFGHIJKLMNP").find(arg[1]) != std::string_view::npos;
}

inline constexpr std::string_view kDashHint = "; write -- before a line that starts with -";

bool IsOptionLike(std::string_view arg) { return arg.size() > 1 && arg[0] == '-'; }

// The row of an argument, and the value joined to it (--x=v, -xv), if any.
const OptionRow* FindOption(std::string_view arg, std::optional<std::string>& joined) {
    for (const OptionRow& option : kOptions) {
        if (arg.starts_with("--")) {
            if (!option.name.starts_with("--")) continue;
            const std::size_t equals = arg.find('=');
            if (arg.substr(0, equals) != option.name) continue;
            if (equals != std::string_view::npos) joined = std::string(arg.substr(equals + 1));
            return &option;
        }
        if (option.short_name != 0 && arg[1] == option.short_name) {
            if (arg.size() > 2) joined = std::string(arg.substr(2));
            return &option;
        }
    }
    return nullptr;
}

std::string ShownName(const OptionRow& option) {
    return option.short_name != 0 &&
                   !option.name.starts_with("-" + std::string(1, option.short_name))
               ? "-" + std::string(1, option.short_name) + ", " + std::string(option.name)
               : std::string(option.name);
}

}  // namespace

std::span<const OptionRow> OptionTable() { return kOptions; }

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

std::string UsageText() {
    std::string text(kUsageHead);
    for (const OptionRow& option : kOptions) {
        std::string left = "  " + ShownName(option);
        if (!option.metavar.empty()) left += " " + std::string(option.metavar);
        std::string_view help = option.help;
        bool first = true;
        while (!help.empty()) {
            const std::size_t end = help.find('\n');
            std::string line = first ? left : std::string();
            line.resize(std::max(line.size() + 2, kHelpColumn), ' ');
            line.append(help.substr(0, end));
            text += line + "\n";
            help = end == std::string_view::npos ? std::string_view() : help.substr(end + 1);
            first = false;
        }
    }
    text += kWorkbenchUsage;
    text += kUsageTail;
    return text;
}

ParseResult ParseCliOptions(const std::vector<std::string>& arguments) {
    ParseResult result;
    CliOptions& o = result.options;
    const std::size_t count = arguments.size();
    // Takes the option at arguments[i] with its values, leaving i at its last argument; returns
    // an error text, empty when it is good. Options that may stand among a list's values (a
    // modifier such as --composition) are taken while the list is read.
    std::function<std::string(std::size_t&)> take = [&](std::size_t& i) -> std::string {
        const std::string& arg = arguments[i];
        std::optional<std::string> joined;
        const OptionRow* option = FindOption(arg, joined);
        if (option == nullptr) {
            return "unknown option '" + arg + "'" +
                   (LooksLikeExpression(arg) ? std::string(kDashHint) : "");
        }
        const std::string name(option->name);
        const std::string needs = "option '" + name + "' needs " + std::string(option->metavar);
        std::vector<std::string> values;
        if (joined) {
            if (option->values == 0) return "option '" + name + "' takes no value";
            values.push_back(*joined);
        }
        if (option->values > 0) {
            while (static_cast<int>(values.size()) < option->values) {
                if (i + 1 >= count) return needs;
                values.push_back(arguments[++i]);
            }
        } else if (option->values == kListValues && !joined) {
            while (i + 1 < count && arguments[i + 1] != "--") {
                const std::string& next = arguments[i + 1];
                if (!IsOptionLike(next)) {
                    values.push_back(next);
                    ++i;
                    continue;
                }
                std::optional<std::string> inner_joined;
                const OptionRow* inner = FindOption(next, inner_joined);
                if (inner == nullptr || !inner->inside_lists || inner->values == kListValues) {
                    break;
                }
                if (std::string error = take(++i); !error.empty()) return error;
            }
            if (static_cast<int>(values.size()) < option->least) return needs;
        }
        return option->apply(o, values);
    };
    // Command lines and a tool's run are never mixed; the first tool names the mix.
    std::string first_tool;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--") {
            for (++i; i < count; ++i) o.inputs.push_back({CalcInput::Kind::kLine, arguments[i]});
            break;
        }
        if (!IsOptionLike(arg)) {
            o.inputs.push_back({CalcInput::Kind::kLine, arg});
            continue;
        }
        const std::size_t tools_before = o.tools.size();
        if (std::string error = take(i); !error.empty()) {
            result.error = std::move(error);
            return result;
        }
        if (first_tool.empty() && o.tools.size() > tools_before) {
            first_tool = arg.substr(0, arg.find('='));
        }
    }
    if (o.show_help || o.show_version) return result;
    auto fail = [&](std::string error) {
        result.error = std::move(error);
        return result;
    };
    if (!o.tools.empty() && !o.inputs.empty()) {
        return fail("'" + o.inputs.front().text + "' is a command line, which cannot go with '" +
                    std::string(first_tool) + "'; give them in separate calls");
    }
    if (o.composition && (o.tools.empty() || [&] {
            for (const ToolRequest& tool : o.tools)
                if (tool.kind == ToolRequest::Kind::kMolarMass) return false;
            return true;
        }())) {
        return fail("option '--composition' goes with '--molar-mass'");
    }
    return result;
}

}  // namespace brisalto
