// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// brisalto-calc's option parser over every row of its table in every form (--x=v, --x v, -xv,
// a value missing, one too many), and the mixes of requests it must refuse.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace brisalto {
namespace {

using Args = std::vector<std::string>;

// A valid set of values for each option that takes some; a new row needs one here.
const std::map<std::string_view, Args> kSamples = {
    {"--precision", {"4"}},     {"-e", {"2+3"}},
    {"-f", {"lines.txt"}},      {"--convert", {"-40", "degC", "degF"}},
    {"--list-units", {"Area"}}, {"--molar-mass", {"H2O"}},
};

bool IsTool(const CliOptions& o) { return !o.tools.empty(); }

ParseResult Parse(Args args) { return ParseCliOptions(args); }

// The options as one comparable text, so two forms can be compared whole.
std::string Describe(const ParseResult& r) {
    if (!r.error.empty()) return "error: " + r.error;
    const CliOptions& o = r.options;
    std::string text = std::string(o.show_help ? "help " : "") +
                       (o.show_version ? "version " : "") + (o.quiet ? "quiet " : "") +
                       (o.plain ? "plain " : "") + (o.composition ? "composition " : "");
    if (o.precision) text += "precision=" + std::to_string(*o.precision) + " ";
    for (const CalcInput& input : o.inputs) {
        text += (input.kind == CalcInput::Kind::kLine ? "line:" : "file:") + input.text + " ";
    }
    for (const ToolRequest& tool : o.tools) {
        text += "tool" + std::to_string(static_cast<int>(tool.kind)) + "(";
        for (const std::string& v : tool.values) text += v + ",";
        text += ") ";
    }
    return text;
}

TEST(ParseCliOptions, EveryOptionInEveryForm) {
    for (const OptionRow& option : OptionTable()) {
        SCOPED_TRACE(option.name);
        const std::string name(option.name);
        if (option.values == 0) {
            if (option.inside_lists) continue;  // a modifier: tried with its list below
            const ParseResult alone = Parse({name});
            EXPECT_EQ(alone.error, "");
            EXPECT_NE(Parse({name + "=1"}).error.find("takes no value"), std::string::npos);
            if (option.short_name != 0) {
                EXPECT_EQ(Describe(Parse({"-" + std::string(1, option.short_name)})),
                          Describe(alone));
                EXPECT_NE(Parse({"-" + std::string(1, option.short_name) + "1"}).error, "");
            }
            continue;
        }
        ASSERT_TRUE(kSamples.contains(option.name)) << "no sample values for " << name;
        const Args& sample = kSamples.at(option.name);
        Args spaced{name};
        spaced.insert(spaced.end(), sample.begin(), sample.end());
        const ParseResult good = Parse(spaced);
        ASSERT_EQ(good.error, "");
        // --x=v and, for a short option, -xv mean the same as --x v.
        if (name.starts_with("--")) {
            Args joined{name + "=" + sample[0]};
            joined.insert(joined.end(), sample.begin() + 1, sample.end());
            EXPECT_EQ(Describe(Parse(joined)), Describe(good));
        }
        if (option.short_name != 0 && sample.size() == 1) {
            EXPECT_EQ(Describe(Parse({"-" + std::string(1, option.short_name) + sample[0]})),
                      Describe(good));
        }
        // Too few values: every prefix of them is refused by name, none reads past the end.
        if (option.values > 0) {
            for (std::size_t n = 0; n < sample.size(); ++n) {
                Args few{name};
                few.insert(few.end(), sample.begin(), sample.begin() + static_cast<long>(n));
                EXPECT_EQ(Parse(few).error,
                          "option '" + name + "' needs " + std::string(option.metavar));
            }
        } else if (option.least > 0) {
            EXPECT_NE(Parse({name}).error.find("needs"), std::string::npos);
        }
        // One more argument: a further list value, a command line after a calculator option,
        // and refused after a tool's.
        Args extra = spaced;
        extra.push_back("Mass");
        const ParseResult more = Parse(extra);
        if (option.values == kListValues) {
            EXPECT_EQ(more.error, "");
            EXPECT_EQ(more.options.tools.back().values.back(), "Mass");
        } else if (IsTool(good.options)) {
            EXPECT_EQ(more.error, "'Mass' is a command line, which cannot go with '" + name +
                                      "'; give them in separate calls");
        } else {
            EXPECT_EQ(more.error, "");
            EXPECT_EQ(more.options.inputs.back().text, "Mass");
        }
    }
}

TEST(ParseCliOptions, Table) {
    const struct {
        Args args;
        std::string want;
    } rows[] = {
        {{"-q", "1+1", "-e", "-2+3", "-f", "-", "-e4"}, "quiet line:1+1 line:-2+3 file:- line:4 "},
        {{"--plain", "--precision=+7"}, "quiet plain precision=7 "},
        {{"--", "-q", "--help"}, "line:-q line:--help "},
        {{"--convert", "1", "km", "m", "--convert", "2", "m", "km"},
         "tool0(1,km,m,) tool0(2,m,km,) "},
        {{"--list-units", "Area", "Mass", "--list-units"}, "tool1(Area,Mass,) tool1() "},
        {{"--list-units=Area"}, "tool1(Area,) "},
        {{"--molar-mass", "--composition", "H2O", "NaCl"}, "composition tool2(H2O,NaCl,) "},
        {{"--molar-mass", "H2O", "--composition"}, "composition tool2(H2O,) "},
        {{"--molar-mass=H2O", "--list-units"}, "tool2(H2O,) tool1() "},
        {{"-h", "--bogus"}, "error: unknown option '--bogus'"},
        {{"1", "--help"}, "help line:1 "},
        {{"-q", "1+1", "--convert", "1", "km", "m"},
         "error: '1+1' is a command line, which cannot go with '--convert'; give them in separate "
         "calls"},
        {{"--list-units", "--", "2"},
         "error: '2' is a command line, which cannot go with '--list-units'; give them in "
         "separate calls"},
        {{"--composition"}, "error: option '--composition' goes with '--molar-mass'"},
        {{"--convert", "x", "km", "m"}, "error: not a number: x"},
        {{"--precision", "21"}, "error: invalid precision '21': give a whole number 0 to 20"},
        {{"-2+3"}, "error: unknown option '-2+3'; write -- before a line that starts with -"},
        {{"--quiet=yes"}, "error: option '--quiet' takes no value"},
        {{"-"}, "line:- "},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Describe(Parse(row.args)), row.want) << ::testing::PrintToString(row.args);
    }
}

// --help names every option of the table, with its value.
TEST(ParseCliOptions, HelpNamesEveryOption) {
    const std::string usage = UsageText();
    for (const OptionRow& option : OptionTable()) {
        const std::string shown = std::string(option.name) +
                                  (option.metavar.empty() ? "" : " " + std::string(option.metavar));
        EXPECT_NE(usage.find(shown), std::string::npos) << shown;
        if (option.short_name != 0) {
            EXPECT_NE(usage.find("-" + std::string(1, option.short_name)), std::string::npos);
        }
    }
    EXPECT_EQ(usage.find("\n\n\n"), std::string::npos);
    std::size_t start = 0;
    while (start < usage.size()) {
        const std::size_t end = usage.find('\n', start);
        EXPECT_LE(end - start, 90u) << usage.substr(start, end - start);
        start = end + 1;
    }
}

}  // namespace
}  // namespace brisalto
