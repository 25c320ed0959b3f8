// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The command line's help as the window shows it: the completion list and what taking a name
// does, the hint at the caret for every function and keyword, and where a failed line went wrong.
#include <gtest/gtest.h>

#include <set>

#include "command/calculator.h"
#include "command/command_processor.h"
#include "command/completion.h"
#include "command/hints.h"
#include "command/line_outcome.h"
#include "engine/functions.h"

namespace brisalto {
namespace {

using Names = std::vector<std::string>;

TEST(CompletionOfferTest, WhatTheListOffers) {
    const struct {
        const char* line;
        std::size_t caret;
        Names offered;
    } rows[] = {
        {"xs", 2, {"xsec", "xsech", "xsin", "xsinh"}},
        {"2*si", 4, {"sin", "sinh"}},
        {"sin", 3, {"sin", "sinh"}},
        {"sinh", 4, {}},  // already the only name it can be
        {"B", 1, {}},
        {"e", 1, {"exit", "exp"}},
        {"e+1", 1, {"exp"}},  // a keyword is only ever the whole line
        {"2*e", 3, {"exp"}},
        {"sin(", 4, {}},
        {"", 0, {}},
        {"2+3", 3, {}},
        {"cl", 2, {"clear", "cls"}},
        {"xs(30)", 2, {"xsec", "xsech", "xsin", "xsinh"}},
        {"Sin", 3, {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CompletionAt(row.line, row.caret).candidates, row.offered) << row.line;
    }
}

// Every name, from every prefix typed into the middle of a line: a function comes with its
// brackets and the caret between them, a keyword as it is; a bracket already there is reused.
TEST(CompletionOfferTest, TakingEveryName) {
    for (const FunctionInfo& f : FunctionTable()) {
        const std::string name(f.name);
        for (std::size_t typed = 1; typed < name.size(); ++typed) {
            const std::string line = "2*" + name.substr(0, typed) + "+1";
            const CompletionOffer offer = CompletionAt(line, 2 + typed);
            ASSERT_NE(std::find(offer.candidates.begin(), offer.candidates.end(), name),
                      offer.candidates.end())
                << line;
            const Completed done = TakeCompletion(line, offer.start, 2 + typed, name);
            EXPECT_EQ(done.line, "2*" + name + "()+1") << line;
            EXPECT_EQ(done.caret, 2 + name.size() + 1) << line;
            const Completed before_bracket =
                TakeCompletion("2*" + name.substr(0, typed) + "(30)", 2, 2 + typed, name);
            EXPECT_EQ(before_bracket.line, "2*" + name + "(30)") << name;
            EXPECT_EQ(before_bracket.caret, 2 + name.size()) << name;
        }
    }
    for (const Keyword& keyword : KeywordTable()) {
        const std::string word(keyword.word);
        const CompletionOffer offer = CompletionAt(word.substr(0, 2), 2);
        ASSERT_NE(std::find(offer.candidates.begin(), offer.candidates.end(), word),
                  offer.candidates.end())
            << word;
        const Completed done = TakeCompletion(word.substr(0, 2), 0, 2, word);
        EXPECT_EQ(done.line, word);
        EXPECT_EQ(done.caret, word.size());
    }
}

std::string HintFor(const Calculator& calculator, const std::string& line, std::size_t caret) {
    const std::optional<Hint> hint = HintAt(line, caret, calculator);
    return hint ? HintMessage(*hint) : "<none>";
}

// One row a name: on it, just after it, or inside its brackets; the mode and N as they are now.
TEST(HintTest, EveryFunctionAndKeyword) {
    const struct {
        const char* line;
        std::size_t caret;
        const char* hint;
    } rows[] = {
        {"cos", 3, "cos(x): cosine of x, x in the angle mode (now Degrees)"},
        {"sin(30)", 1, "sin(x): sine of x, x in the angle mode (now Degrees)"},
        {"2*tan(", 6, "tan(x): tangent of x, x in the angle mode (now Degrees)"},
        {"cot(1+2", 7, "cot(x): cotangent of x, x in the angle mode (now Degrees)"},
        {"sec((1)", 7, "sec(x): secant of x, x in the angle mode (now Degrees)"},
        {"csc", 0, "csc(x): cosecant of x, x in the angle mode (now Degrees)"},
        {"xcos", 4, "xcos(x): inverse cosine of x, given in the angle mode (now Degrees)"},
        {"xsin()", 5, "xsin(x): inverse sine of x, given in the angle mode (now Degrees)"},
        {"xtan", 2, "xtan(x): inverse tangent of x, given in the angle mode (now Degrees)"},
        {"xcot", 4, "xcot(x): inverse cotangent of x, given in the angle mode (now Degrees)"},
        {"xsec", 4, "xsec(x): inverse secant of x, given in the angle mode (now Degrees)"},
        {"xcsc", 4, "xcsc(x): inverse cosecant of x, given in the angle mode (now Degrees)"},
        {"cosh", 4, "cosh(x): hyperbolic cosine"},
        {"sinh", 4, "sinh(x): hyperbolic sine"},
        {"tanh", 4, "tanh(x): hyperbolic tangent"},
        {"coth", 4, "coth(x): hyperbolic cotangent"},
        {"sech", 4, "sech(x): hyperbolic secant"},
        {"csch", 4, "csch(x): hyperbolic cosecant"},
        {"xcosh", 5, "xcosh(x): inverse hyperbolic cosine, for x of at least 1"},
        {"xsinh", 5, "xsinh(x): inverse hyperbolic sine"},
        {"xtanh", 5, "xtanh(x): inverse hyperbolic tangent"},
        {"xcoth", 5, "xcoth(x): inverse hyperbolic cotangent"},
        {"xsech", 5, "xsech(x): inverse hyperbolic secant"},
        {"xcsch", 5, "xcsch(x): inverse hyperbolic cosecant"},
        {"log", 3, "log(x): logarithm of x to the base 10"},
        {"xlog", 4, "xlog(x): 10 to the power x"},
        {"exp", 3, "exp(x): e to the power x"},
        {"lin", 3, "lin(x): natural logarithm of x"},
        {"logn(", 5, "logn(x): logarithm of x to the base N (now N = 0)"},
        {"abs", 3, "abs(x): magnitude of x (abs(-2.7) is 2.7)"},
        {"ctod", 4, "ctod(x): x cycles in degrees"},
        {"ctog", 4, "ctog(x): x cycles in grads"},
        {"ctor", 4, "ctor(x): x cycles in radians"},
        {"dtoc", 4, "dtoc(x): x degrees in cycles"},
        {"dtog", 4, "dtog(x): x degrees in grads"},
        {"dtor", 4, "dtor(x): x degrees in radians"},
        {"gtoc", 4, "gtoc(x): x grads in cycles"},
        {"gtod", 4, "gtod(x): x grads in degrees"},
        {"gtor", 4, "gtor(x): x grads in radians"},
        {"rtoc", 4, "rtoc(x): x radians in cycles"},
        {"rtod", 4, "rtod(x): x radians in degrees"},
        {"rtog", 4, "rtog(x): x radians in grads"},
        {"hex", 3, "hex(x): has no function and always ends in \"Function Error\""},
        {"exit", 4, "exit: ends the calculator"},
        {"rad", 0, "rad: angles in radians from now on (now Degrees)"},
        {"DEG", 3, "deg: angles in degrees from now on (now Degrees)"},
        {"grd", 3, "grd: angles in grads from now on (now Degrees)"},
        {"cyc", 3, "cyc: angles in cycles from now on (now Degrees)"},
        {"mod", 3, "mod: lists the angle mode and the number format"},
        {"sci", 3, "sci: answers in scientific notation from now on (now Automatic)"},
        {"fix", 3, "fix: answers with fixed decimals from now on (now Automatic)"},
        {"auto", 4, "auto: answers fixed or scientific, whichever fits (now Automatic)"},
        {"about", 5, "about: shows who made the calculator"},
        {"var", 3, "var: lists the variables and their values"},
        {"cls", 3, "cls: empties the results window"},
        {"clear", 5, "clear: sets the variables A to N back to 0 (P keeps pi)"},
        {"help", 4, "help: opens the manual"},
        {"print", 5, "print: prints the results window"},
        {"save", 4, "save: saves the results window to a file"},
        // No hint: a prefix, a closed call, another case, an unknown name, a keyword in a line.
        {"si", 2, "<none>"},
        {"sin(30)+", 8, "<none>"},
        {"Sin(30)", 2, "<none>"},
        {"foo(", 4, "<none>"},
        {"cls+1", 2, "<none>"},
        {"2+3", 1, "<none>"},
        // The innermost call the caret is in.
        {"sin(cos(1)+", 11, "sin(x): sine of x, x in the angle mode (now Degrees)"},
        {"sin(2*(", 7, "sin(x): sine of x, x in the angle mode (now Degrees)"},
    };
    const Calculator calculator;
    std::set<std::string> named;
    for (const auto& row : rows) {
        EXPECT_EQ(HintFor(calculator, row.line, row.caret), row.hint) << row.line;
        named.insert(std::string(row.hint).substr(0, std::string(row.hint).find_first_of("(:")));
    }
    for (const FunctionInfo& f : FunctionTable()) EXPECT_TRUE(named.count(std::string(f.name)));
    for (const Keyword& k : KeywordTable()) EXPECT_TRUE(named.count(std::string(k.word)));
}

// "%1" is filled with what the function reads now, and only the functions that read it have one.
TEST(HintTest, FillsFollowTheCalculator) {
    Calculator calculator;
    calculator.SetAngleMode(kRadian);
    calculator.SetVariableValue(12, 2);  // N
    calculator.SetScientificFlag(true);
    calculator.SetAutomaticFlag(false);
    EXPECT_EQ(HintFor(calculator, "sin", 3), "sin(x): sine of x, x in the angle mode (now Radian)");
    EXPECT_EQ(HintFor(calculator, "logn", 4), "logn(x): logarithm of x to the base N (now N = 2)");
    EXPECT_EQ(HintFor(calculator, "cyc", 3), "cyc: angles in cycles from now on (now Radian)");
    EXPECT_EQ(HintFor(calculator, "fix", 3),
              "fix: answers with fixed decimals from now on (now Scientific)");
    for (const FunctionInfo& f : FunctionTable()) {
        const bool reads = f.angle != AngleUse::kNone || f.name == "logn";
        EXPECT_EQ(f.help.find("%1") != std::string_view::npos, reads) << f.name;
        EXPECT_EQ(f.help.substr(0, f.name.size() + 4), std::string(f.name) + "(x):") << f.name;
    }
}

// Every error kind: the line, its error line as before, and the characters marked with what
// belonged there. The error texts themselves are the golden files' business.
TEST(ErrorPlaceTest, EveryErrorKind) {
    const struct {
        const char* line;
        const char* error;
        const char* marked;  // nullptr: nothing marked
        std::size_t begin;
        const char* expected;
    } rows[] = {
        // Statment Error: nothing applies.
        {"2*(3+", "Statment Error", "(", 2, "a closing bracket for this ("},
        {"(2+3", "Statment Error", "(", 0, "a closing bracket for this ("},
        {"()", "Statment Error", ")", 1, "a number or an expression inside the brackets"},
        {"5)", "Statment Error", ")", 1, "an opening bracket for this )"},
        {"2A", "Statment Error", "A", 1, "an operator before A"},
        {"2(3)", "Statment Error", "(3)", 1, "an operator before (3)"},
        {"2sin(30)", "Statment Error", "sin(30)", 1, "an operator before sin(30)"},
        {"3!2", "Statment Error", "2", 2, "an operator before 2"},
        {"2e", "Statment Error", "e", 1, "a number or a bracket after e"},
        {"sin 30", "Statment Error", "sin", 0, "a bracket after sin, as in sin(x)"},
        {"b=3", "Statment Error", "b", 0, "a number or a variable instead of b"},
        {"=3", "Statment Error", "=", 0, "a variable before =, as in B=2"},
        {"2+B=3", "Statment Error", "=", 3, "a variable before =, as in B=2"},
        {"B=", "Statment Error", "=", 1, "a number or a bracket after ="},
        {"SIN(30)", "Statment Error", "(30)", 3, "an operator before (30)"},
        // Equation Rong: an operator or ! with nothing on one side.
        {"5-", "Equation Rong", "-", 1, "a number or a bracket after -"},
        {"2*", "Equation Rong", "*", 1, "a number or a bracket after *"},
        {"2*(4*)", "Equation Rong", "*", 4, "a number or a bracket after *"},
        {"*2", "Equation Rong", "*", 0, "a number or a bracket before *"},
        {"!", "Function Rong", "!", 0, "a number or a variable instead of !"},
        {"(!3)", "Equation Rong", "!", 1, "a number or a bracket before !"},
        // Function Rong: a name used as a value, an unknown name.
        {"sin", "Function Rong", "sin", 0, "a bracket after sin, as in sin(x)"},
        {"2*sin", "Function Rong", "sin", 2, "a bracket after sin, as in sin(x)"},
        {"foo(3)", "Function Rong", "foo", 0, "a function name: there is no function foo"},
        {"Sin(30)", "Function Rong", "in", 1, "a function name: there is no function in"},
        {"2+*3", "Function Rong", "+", 1, "a number or a variable instead of +"},
        {"e", "Function Rong", "e", 0, "a number or a variable instead of e"},
        {"   ", "Function Rong", nullptr, 0, ""},
        // Function Error: hex.
        {"hex(10)", "Function Error", "hex", 0, "another function: hex computes nothing"},
        // The lookup error of a variable that is none.
        {"O+1", "Function Error or Unable to invoke calculations", "O", 0,
         "a variable A to N or P: there is no O"},
        {"O=3", "Function Error or Unable to invoke calculations", "O", 0,
         "a variable A to N or P: there is no O"},
        {"sin(Q)", "Function Error or Unable to invoke calculations", "Q", 4,
         "a variable A to N or P: there is no Q"},
        // The two conversion errors.
        {"1.2.3+1", "'1.2.3' is not a valid floating point value", "1.2.3", 0,
         "a number such as 1.5 or 2E-3 instead of 1.2.3"},
        {"2*1e5000", "'1e5000' is not a valid floating point value", "1e5000", 2,
         "a number such as 1.5 or 2E-3 instead of 1e5000"},
        {"sin(1.2.3)", "'1.2.3' is not a valid floating point value", "1.2.3", 4,
         "a number such as 1.5 or 2E-3 instead of 1.2.3"},
        {"2.5!", "'2.5' is not a valid integer value", "2.5", 0,
         "a whole number before ! instead of 2.5"},
        // The three floating-point faults: at the operator or the function.
        {"5/0", "Divide By Zero", "/", 1, "a divisor other than 0 after /"},
        {"5%(2-2)", "Divide By Zero", "%", 1, "a divisor other than 0 after %"},
        {"0^-1", "Divide By Zero", "^", 1, "values that ^ can take"},
        {"tan(90)", "Divide By Zero", "tan", 0, "values that tan can take"},
        {"1+1755!", "Floating point overflow", "!", 6,
         "smaller values: the result of ! is too large"},
        {"exp(20000)", "Floating point overflow", "exp", 0,
         "smaller values: the result of exp is too large"},
        {"(-8)^(1/3)", "Invalid floating point operation", "^", 4, "values that ^ can take"},
        {"0/0", "Invalid floating point operation", "/", 1, "values that / can take"},
        {"xcos(2)", "Invalid floating point operation", "xcos", 0, "values that xcos can take"},
    };
    for (const auto& row : rows) {
        Calculator calculator;
        LineOutcome out;
        calculator.ProcessCommandLine(row.line, out);
        EXPECT_EQ(out.error, row.error) << row.line;
        if (row.marked == nullptr) {
            EXPECT_FALSE(out.error_place.has_value()) << row.line;
            continue;
        }
        ASSERT_TRUE(out.error_place.has_value()) << row.line;
        const ErrorPlace& place = *out.error_place;
        EXPECT_EQ(place.token, row.marked) << row.line;
        EXPECT_EQ(place.begin, row.begin) << row.line;
        EXPECT_EQ(std::string(row.line).substr(place.begin, place.end - place.begin), place.token)
            << row.line;
        EXPECT_EQ(ExpectedMessage(place), row.expected) << row.line;
    }
}

// A line that works leaves no place behind, nor does the next line after a failed one.
TEST(ErrorPlaceTest, OnlyAFailedLineHasOne) {
    Calculator calculator;
    LineOutcome out;
    for (const char* line : {"2*(3+", "2*(3+4)", "deg", "5/0", "B=2"}) {
        calculator.ProcessCommandLine(line, out);
        EXPECT_EQ(out.error_place.has_value(), out.kind == OutcomeKind::kError) << line;
    }
}

}  // namespace
}  // namespace brisalto
