// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The one-pass road against the reducer alone: whatever the line, the evaluator's answer (value
// bits, error, side output) is the reducer's, and the road is really taken for plain lines.
#include "engine/plain_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/number_text.h"
#include "tests/engine/outcome.h"

namespace brisalto::testing {
namespace {

std::vector<std::string> Split(std::string_view text) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t bar = std::min(text.find('|', at), text.size());
        pieces.emplace_back(text.substr(at, bar - at));
        at = bar + 1;
    }
    return pieces;
}

// Mostly what the road reads, with the characters that make it decline mixed in; past the
// reader's exact step: 20 digits, 28 and 31 decimals. Variables: A, B and N hold values, Z is
// no variable, E is a letter. Functions, an unknown one, names split by a blank or the exponent
// letter before a bracket.
const std::vector<std::string> kPieces = [] {
    std::vector<std::string> pieces = Split(
        "1|2|3|0|7|2.5|.5|10|0.1|123456789.123456789|9999999999|1.5.2|.|00|4.|+|-|*|/|%|^|+|-|"
        "*|/|**|//|^^|%%|(|)|(|)|[|]|{|}|<|>| |  |,|#|\t|!|e|x|A|B|N|P|Z|AB|E|=|B=|N=|==|-|+|-|"
        "12345678901234567890123|0.0000000000000000000000000012|0.0000000000000000000000000001234|"
        "sin(|cos(|tan(|abs(|sqrt(|xsin(|xtan(|logn(|log(|exp(|sinh(|xsinh(|lin(|rtod(|hex(|"
        "sine(|s in(|e(|E(|Exp(|sin [|fact(");
    pieces.emplace_back(1, '\0');
    return pieces;
}();

VariableTable SomeValues() {
    VariableTable table = MakeStartVariableTable();
    table.values[0] = 2.5L;                        // A
    table.values[1] = -3;                          // B
    table.values[12] = 1.234567890123456789e300L;  // N
    return table;
}

std::string RandomLine(std::mt19937& rng, int max_pieces) {
    std::uniform_int_distribution<int> length(1, max_pieces);
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::string line;
    for (int i = length(rng); i > 0; --i) line += kPieces[pick(rng)];
    return line;
}

// Well formed, so most lines succeed and carry long chains of results.
std::string Plain(std::mt19937& rng, int depth) {
    static const char* const kOperators[] = {"+", "-", "*", "/", "%", "^", " + ", "**", "-", "*-"};
    static const char* const kAtoms[] = {"1",   "2",   "3",         "0.5",      "7", "A",
                                         "1.1", "0.3", "12345.678", "99999999", "0", "B",
                                         "-2",  "+3",  "--1",       "N",        "P", "-A"};
    static const char* const kFunctions[] = {"sin", "cos", "tan",  "xsin", "sqrt",  "logn",
                                             "exp", "abs", "rtod", "lin",  "xtanh", "sec"};
    std::uniform_int_distribution<int> choice(0, 9);
    std::uniform_int_distribution<std::size_t> atom(0, std::size(kAtoms) - 1);
    if (depth == 0 || choice(rng) < 3) return kAtoms[atom(rng)];
    const std::string left = Plain(rng, depth - 1);
    const std::string right = Plain(rng, depth - 1);
    const int form = choice(rng);
    if (form < 2) return "(" + left + ")";
    if (form < 3) return "-[" + left + "}";
    if (form < 4) return kFunctions[choice(rng)] + ("(" + left + ")");
    return left + kOperators[choice(rng)] + right;
}

// A well-formed line, sometimes stored: "B=...", "C=...", "P=...".
std::string PlainLine(std::mt19937& rng, int depth) {
    static const char* const kTargets[] = {"", "", "", "B=", "C=", "P=", "CD=", "A = "};
    std::uniform_int_distribution<std::size_t> target(0, std::size(kTargets) - 1);
    return kTargets[target(rng)] + Plain(rng, depth);
}

Outcome ByReducer(const std::string& line, AngleMode mode) {
    return RunEvaluator(ReduceExpression, line, mode, SomeValues());
}

struct Tally {
    int lines = 0;
    int taken = 0;
    int values = 0;
    int stored = 0;
    int functions = 0;
    int modes[5] = {};
};

// Lines alternate over the four angle modes and the unknown mode 4.
void ExpectSameAsReducer(const std::string& line, Tally& tally) {
    const auto mode = static_cast<AngleMode>(tally.lines++ % 5);
    const Outcome both = RunEvaluator(EvaluateExpression, line, mode, SomeValues());
    ASSERT_EQ(both, ByReducer(line, mode)) << "input: " << line << " mode " << mode;
    bool is_assignment = false;
    std::int32_t index = 0;
    const auto plain = EvaluatePlainArithmetic(line, SomeValues(), mode, is_assignment, index);
    if (plain) {
        ++tally.taken;
        tally.stored += is_assignment;
        tally.functions += line.find('(') != std::string::npos &&
                           line.find_first_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos;
        ++tally.modes[mode];
        // The road answers only lines the reducer evaluates.
        ASSERT_EQ(both.kind, "value") << "input: " << line;
    }
    if (both.kind == "value") ++tally.values;
}

TEST(PlainArithmetic, RandomLinesAnswerAsTheReducer) {
    std::mt19937 rng(20261209);
    Tally tally;
    for (int i = 0; i < 60000; ++i) ExpectSameAsReducer(RandomLine(rng, 12), tally);
    EXPECT_GT(tally.taken, 2000);
    EXPECT_GT(tally.values, tally.taken);
}

TEST(PlainArithmetic, WellFormedLinesAnswerAsTheReducer) {
    std::mt19937 rng(5);
    Tally tally;
    for (int i = 0; i < 20000; ++i) ExpectSameAsReducer(PlainLine(rng, 7), tally);
    EXPECT_GT(tally.taken, 10000);
    EXPECT_GT(tally.stored, 3000);
    EXPECT_GT(tally.functions, 3000);
    for (const int taken : tally.modes) EXPECT_GT(taken, 1000);
}

TEST(PlainArithmetic, LongAndDeepLinesAnswerAsTheReducer) {
    Tally tally;
    std::string sum = "1";
    for (int i = 0; i < 20000; ++i) sum += i % 3 == 0 ? "+0.1" : "+1";
    std::string nested = std::string(20000, '(') + "2.5" + std::string(20000, ')');
    std::string right;
    for (int i = 0; i < 5000; ++i) right += "1.5-(";
    right += "1" + std::string(5000, ')');
    for (const std::string& line : {sum, nested, right, nested + "*" + sum}) {
        ExpectSameAsReducer(line, tally);
    }
    EXPECT_EQ(tally.taken, 4);
}

// The shortcut for whole numbers and the text round trip give the same bits everywhere.
TEST(PlainArithmetic, ThroughFifteenDigitTextIsTheTextRoundTrip) {
    std::vector<CalcValue> values = {0.0L,
                                     -0.0L,
                                     1e15L,
                                     1e15L - 1,
                                     -1e15L + 1,
                                     0.5L,
                                     1e-4950L,
                                     999999999999999.5L,
                                     123456789012345678.0L};
    std::mt19937_64 rng(3);
    for (int i = 0; i < 200000; ++i) {
        CalcValue v = 0;
        const std::uint64_t bits = rng();
        switch (i % 5) {
            case 0:  // whole numbers around every power of two up to 2^60
                v = std::ldexp(1.0L, i % 61) + static_cast<CalcValue>(bits % 7) - 3;
                break;
            case 1:  // any mantissa at exponents from 10^-30 to 10^30
                v = std::ldexp(static_cast<CalcValue>(bits), (i % 200) - 163);
                break;
            case 2:
                v = static_cast<CalcValue>(static_cast<std::int64_t>(bits) >> (i % 64));
                break;
            case 3:
                v = static_cast<CalcValue>(bits % 100000) / 1000;
                break;
            default:  // the whole range, subnormals and the edges of the reader's exact step
                v = std::ldexp(static_cast<CalcValue>(bits), (i % 32900) - 16510);
        }
        if (i % 8 == 3) v = -v;
        values.push_back(v);
    }
    // The answer's bits, or "throws" where the text cannot be read back (beyond the range).
    const auto bits_of = [](auto&& convert) {
        try {
            const CalcValue v = convert();
            return std::string(reinterpret_cast<const char*>(&v), 10);
        } catch (const ConvertError&) {
            return std::string("throws");
        }
    };
    for (const CalcValue v : values) {
        if (!std::isfinite(v)) continue;
        const std::string expected = bits_of([v] { return TextToValue(ValueToText(v)); });
        ASSERT_EQ(bits_of([v] { return ThroughFifteenDigitText(v); }), expected) << ValueToText(v);
    }
}

}  // namespace
}  // namespace brisalto::testing
