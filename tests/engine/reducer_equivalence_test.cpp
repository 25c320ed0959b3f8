// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The indexed reducer against the plain transcription of the passes on generated expressions:
// same value bits, same error, same Counter lines, same standard output, same assignment.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "tests/engine/outcome.h"
#include "tests/engine/reference_reducer.h"

namespace brisalto::testing {
namespace {

// Fragments weighted towards what makes reductions happen; the rest probes odd corners.
const std::vector<std::string> kFragments = {
    "1",    "2",  "3",    "0",      "7",    "2.5",   ".5",     "10",       "1.5",
    "0.1",  "3",  "4",    "9",      "1",    "2",     "+",      "-",        "*",
    "/",    "%",  "^",    "+",      "-",    "*",     "-",      "+",        "(",
    ")",    "(",  ")",    "[",      "}",    "<",     ">",      "(",        ")",
    "!",    "e",  "E",    "e",      "=",    "A",     "B",      "N",        "P",
    "O",    "AB", "sin(", "cos(",   "abs(", "logn(", "xsinh(", "tan(",     "exp(",
    "log(", "Ee", "x",    "1e4000", "1754", " ",     ",",      "\xc3\xa9", std::string(1, '\0'),
};

std::string RandomExpression(std::mt19937& rng) {
    std::uniform_int_distribution<int> length(1, 14);
    std::uniform_int_distribution<std::size_t> pick(0, kFragments.size() - 1);
    std::string expression;
    for (int i = length(rng); i > 0; --i) expression += kFragments[pick(rng)];
    return expression;
}

VariableTable SomeTable(int variant) {
    VariableTable table = MakeStartVariableTable();
    if (variant == 1) {
        table.values[0] = 2.5;  // A
        table.values[1] = -3;   // B
        table.values[12] = 2;   // N
    }
    return table;
}

TEST(ReducerEquivalence, RandomExpressionsMatchThePlainTranscription) {
    std::mt19937 rng(20261208);
    std::map<std::string, int> kinds;
    for (int i = 0; i < 40000; ++i) {
        const std::string expression = RandomExpression(rng);
        const AngleMode mode = static_cast<AngleMode>(i % 5);
        const VariableTable table = SomeTable(i % 2);
        const Outcome fast = RunEvaluator(EvaluateExpression, expression, mode, table);
        const Outcome plain = RunEvaluator(ReferenceEvaluate, expression, mode, table);
        ASSERT_EQ(fast, plain) << "input: " << expression << " mode " << mode;
        ++kinds[fast.kind];
    }
    // The generator must reach every outcome, not only errors.
    for (const char* kind :
         {"value", "expression", "lookup", "convert", "divide", "overflow", "invalid"}) {
        EXPECT_GT(kinds[kind], 20) << kind;
    }
    EXPECT_GT(kinds["value"], 1500);
}

TEST(ReducerEquivalence, LongGeneratedLinesMatch) {
    std::mt19937 rng(7);
    for (int i = 0; i < 300; ++i) {
        std::string expression;
        for (int k = 0; k < 40; ++k) expression += RandomExpression(rng);
        const Outcome fast = RunEvaluator(EvaluateExpression, expression);
        const Outcome plain = RunEvaluator(ReferenceEvaluate, expression);
        ASSERT_EQ(fast, plain) << "input: " << expression;
    }
}

// Well-formed nested lines, so the comparison also covers long successful reductions.
std::string WellFormed(std::mt19937& rng, int depth) {
    static const char* const kOperators[] = {"+", "-", "*", "/", "%", "^", "+-", "*-"};
    static const char* const kAtoms[] = {"1", "2", "3", "0.5", "7", "A", "N", "3!", "-2", "2e1"};
    std::uniform_int_distribution<int> choice(0, 9);
    if (depth == 0 || choice(rng) < 3) return kAtoms[choice(rng)];
    std::string left = WellFormed(rng, depth - 1);
    std::string right = WellFormed(rng, depth - 1);
    const int form = choice(rng);
    if (form < 2) return "(" + left + ")";
    if (form < 3) return "abs(" + left + ")";
    return left + kOperators[choice(rng) % 8] + right;
}

TEST(ReducerEquivalence, WellFormedExpressionsMatch) {
    std::mt19937 rng(99);
    int values = 0;
    for (int i = 0; i < 5000; ++i) {
        const std::string expression = WellFormed(rng, 6);
        const Outcome fast = RunEvaluator(EvaluateExpression, expression, kRadian, SomeTable(1));
        const Outcome plain = RunEvaluator(ReferenceEvaluate, expression, kRadian, SomeTable(1));
        ASSERT_EQ(fast, plain) << "input: " << expression;
        if (fast.kind == "value") ++values;
    }
    EXPECT_GT(values, 1000);
}

}  // namespace
}  // namespace brisalto::testing
