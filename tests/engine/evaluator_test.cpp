// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The reducer's results, factorial lines and errors, row by row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/outcome.h"

namespace brisalto::testing {
namespace {

struct Row {
    std::string expression;
    std::string kind;
    std::string text;
    std::vector<std::string> lines = {};
};

void ExpectRows(const std::vector<Row>& rows, AngleMode mode = kDegrees,
                const VariableTable& table = MakeStartVariableTable()) {
    for (const Row& row : rows) {
        const Outcome got = Evaluate(row.expression, mode, table);
        EXPECT_EQ(got.kind, row.kind) << "input: " << row.expression << " got " << got;
        EXPECT_EQ(got.text, row.text) << "input: " << row.expression;
        EXPECT_EQ(got.lines, row.lines) << "input: " << row.expression;
        const bool statment = row.text == "Statment Error";
        EXPECT_EQ(got.standard_output, statment ? "\n Function Error\n" : "")
            << "input: " << row.expression;
    }
}

TEST(EvaluatorPriority, OperatorsGroupAsTheirLevelsSay) {
    ExpectRows({
        {"10-2+3", "value", "11"},
        {"2-3-4", "value", "-5"},
        {"1-2+3-4", "value", "-2"},
        {"5+3-2+1", "value", "7"},
        {"8/2*4", "value", "16"},
        {"7%4*2", "value", "7"},
        {"2*7%4", "value", "2"},
        {"2^3^2", "value", "64"},
        {"2+3*4^2/8", "value", "8"},
        {"1/3*3", "value", "0.999999999999999"},
        {"10/3", "value", "3.33333333333333"},
        {"2**3", "value", "6"},
        {"[2+3}*2", "value", "10"},
        {"<2>*3", "value", "6"},
        {"((2))", "value", "2"},
        {"1 2", "value", "12"},
        {"1,5", "value", "15"},
    });
}

TEST(EvaluatorUnarySign, SignsFoldBeforeOperators) {
    ExpectRows({
        {"-2^2", "value", "4"},
        {"2^-1", "value", "0.5"},
        {"2*-3", "value", "-6"},
        {"2--3", "value", "5"},
        {"--5", "value", "5"},
        {"+5", "value", "5"},
        {"-(2)", "value", "-2"},
        {"sin(-30)", "value", "-0.5"},
        {"-P", "value", "-3.14159265358979"},
    });
}

TEST(EvaluatorFactorial, EachFactorialWritesItsCounterLine) {
    ExpectRows({
        {"3!", "value", "6", {"Counter = 6"}},
        {"3!+2!", "value", "8", {"Counter = 6", "Counter = 2"}},
        {"3!!", "value", "6", {"Counter = 6"}},
        {"-3!", "value", "-6", {"Counter = 6"}},
        {"0!", "value", "1", {"Counter = 1"}},
        {"(-3)!", "invalid", "Invalid floating point operation"},
        {"3!2", "expression", "Statment Error", {"Counter = 6"}},
        {"1754!", "value", "1.97926189010501E4930", {"Counter = 1.97926189010501E4930"}},
        {"1755!", "overflow", "Floating point overflow"},
        {"2.5!", "convert", "'2.5' is not a valid integer value"},
        {"(1e15)!", "convert", "'1E15' is not a valid integer value"},
        {"!3", "expression", "Equation Rong"},
        {"!", "expression", "Function Rong"},
    });
}

TEST(EvaluatorExponent, LettersEJoinNumbers) {
    ExpectRows({
        {"2e3", "value", "2000"},
        {"1.5E-3", "value", "0.0015"},
        {"1.5E+3", "value", "1500"},
        {"2e(3)", "value", "2000"},
        {"2E(-3)", "value", "0.002"},
        {"2e", "expression", "Statment Error"},
        {"e", "expression", "Function Rong"},
        {"E", "expression", "Function Rong"},
        {"1e3e2", "convert", "'1e3e2' is not a valid floating point value"},
        {"1e5000", "convert", "'1e5000' is not a valid floating point value"},
        {"1e4999", "convert", "'1e4999' is not a valid floating point value"},
    });
}

TEST(EvaluatorAssignment, WholeLineOfThreeTokensAssigns) {
    const VariableTable start = MakeStartVariableTable();
    const struct {
        std::string expression;
        std::string text;
        std::int32_t index;
    } rows[] = {
        {"B=2+3", "5", 1},
        {"B==3", "3", 1},
        {"P=3", "3", 13},
        {"N=1/3", "0.333333333333333", 12},
        {"B=-2^2+3!*(1+1)", "16", 1},
    };
    for (const auto& row : rows) {
        const Outcome got = Evaluate(row.expression, kDegrees, start);
        EXPECT_EQ(got.kind, "value") << "input: " << row.expression << " got " << got;
        EXPECT_EQ(got.text, row.text) << "input: " << row.expression;
        EXPECT_TRUE(got.is_assignment) << "input: " << row.expression;
        EXPECT_EQ(got.variable_index, row.index) << "input: " << row.expression;
    }
    ExpectRows({
        {"b=3", "expression", "Statment Error"},
        {"B=", "expression", "Statment Error"},
        {"=3", "expression", "Statment Error"},
        {"2+B=3", "expression", "Statment Error"},
        {"O=3", "lookup", "Unable to find Value of O"},
        {"=", "expression", "Function Rong"},
    });
}

TEST(EvaluatorAssignment, SnapshotStaysTheCallersCopy) {
    VariableTable table = MakeStartVariableTable();
    table.values[1] = 7;
    bool is_assignment = false;
    std::int32_t index = 0;
    class Silent : public EvaluatorOutput {
        void AppendResultLine(const std::string&) override {}
        void WriteStandardOutput(const std::string&) override {}
    } silent;
    EXPECT_EQ(EvaluateExpression("B=B+1", is_assignment, index, table, kDegrees, silent), 8);
    EXPECT_EQ(table.values[1], 7);
}

TEST(EvaluatorOperands, VariablesAndFullPrecision) {
    VariableTable table = MakeStartVariableTable();
    table.values[0] = 2.5;
    ExpectRows(
        {
            {"AB+1", "value", "3.5"},
            {"O+1", "lookup", "Unable to find Value of O"},
            {"Q", "lookup", "Unable to find Value of Q"},
            {"P", "value", "3.14159265358979"},
            {"(P)", "value", "3.14159265358979"},
            {"   ", "expression", "Function Rong"},
            {"", "expression", "Function Rong"},
            {"sin", "expression", "Function Rong"},
            {"1.2.3", "convert", "'1.2.3' is not a valid floating point value"},
        },
        kDegrees, table);
    // A lone operand comes back unrounded; after a reduction it is read back from 15 digits.
    const CalcValue pi = MakeStartVariableTable().values[kPiIndex];
    bool a = false;
    std::int32_t i = 0;
    class Silent : public EvaluatorOutput {
        void AppendResultLine(const std::string&) override {}
        void WriteStandardOutput(const std::string&) override {}
    } silent;
    EXPECT_EQ(EvaluateExpression("P", a, i, MakeStartVariableTable(), kDegrees, silent), pi);
    EXPECT_EQ(EvaluateExpression("(P)", a, i, MakeStartVariableTable(), kDegrees, silent),
              3.14159265358979L);
}

TEST(EvaluatorErrors, EachKindWithItsText) {
    ExpectRows({
        {"(2+3", "expression", "Statment Error"},
        {"2*(3", "expression", "Statment Error"},
        {"()", "expression", "Statment Error"},
        {"5-", "expression", "Equation Rong"},
        {"*5", "expression", "Equation Rong"},
        {"2A", "expression", "Statment Error"},
        {"2(3)", "expression", "Statment Error"},
        {"2sin(30)", "expression", "Statment Error"},
        {"SIN(30)", "expression", "Statment Error"},
        {"-7%3", "value", "-1"},
        {"7%-3", "value", "1"},
        {"7.5%2", "value", "1.5"},
        {"0%5", "value", "0"},
        {"5%0", "divide", "Floating point division by zero"},
        {"0%0", "invalid", "Invalid floating point operation"},
        {"5/0", "divide", "Floating point division by zero"},
        {"0/0", "invalid", "Invalid floating point operation"},
        {"0^0", "value", "1"},
        {"0^-1", "divide", "Floating point division by zero"},
        {"(-2)^0.5", "invalid", "Invalid floating point operation"},
        {"(-8)^(1/3)", "invalid", "Invalid floating point operation"},
        {"1e4000*1e4000", "overflow", "Floating point overflow"},
        {"10^5000", "overflow", "Floating point overflow"},
        {"10^-5000", "value", "0"},
        {"0.1^-5000", "overflow", "Floating point overflow"},
        {"Ee(3)", "expression", "Function Rong"},
        {"Sin(3)", "expression", "Function Rong"},
    });
}

// A close bracket without an open one: the first token plays the open bracket.
TEST(EvaluatorErrors, UnopenedCloseBracket) {
    ExpectRows({
        {"2+3)", "value", "3"},
        {"1+2)*3", "value", "6"},
        {"5)", "expression", "Statment Error"},
        {")", "expression", "Function Rong"},
        {")+(2)", "expression", "Function Rong"},
    });
}

}  // namespace
}  // namespace brisalto::testing
