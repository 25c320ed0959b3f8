// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The function library: names, angle modes, rounding and every failure of its table.
#include "engine/functions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/errors.h"
#include "engine/number_text.h"
#include "tests/engine/outcome.h"

namespace brisalto::testing {
namespace {

struct Row {
    std::string expression;
    std::string kind;
    std::string text;
};

void ExpectRows(AngleMode mode, const std::vector<Row>& rows,
                const VariableTable& table = MakeStartVariableTable()) {
    for (const Row& row : rows) {
        const Outcome got = Evaluate(row.expression, mode, table);
        EXPECT_EQ(got.kind, row.kind)
            << "input: " << row.expression << " mode " << mode << " got " << got;
        EXPECT_EQ(got.text, row.text) << "input: " << row.expression << " mode " << mode;
    }
}

const char* const kDivide = "Floating point division by zero";
const char* const kInvalid = "Invalid floating point operation";
const char* const kOverflow = "Floating point overflow";

TEST(FunctionsCircular, DegreesRoundToTwelveDecimals) {
    ExpectRows(kDegrees, {
                             {"sin(30)", "value", "0.5"},
                             {"tan(45)", "value", "1"},
                             {"tan(90)", "divide", kDivide},
                             {"sec(90)", "divide", kDivide},
                             {"cot(0)", "divide", kDivide},
                             {"cos(90)", "value", "0"},
                             {"sin(180)", "value", "0"},
                             {"csc(180)", "divide", kDivide},
                             {"csc(0)", "divide", kDivide},
                             {"csc(30)", "value", "2"},
                             {"sec(60)", "value", "2"},
                             {"cot(45)", "value", "1"},
                             {"sin(1e4000)", "value", "-0.647218443916"},
                         });
}

TEST(FunctionsCircular, CosOfZeroIsOneInEveryMode) {
    for (const AngleMode mode : {kRadian, kGrads, kDegrees, kCycle}) {
        ExpectRows(mode, {{"cos(0)", "value", "1"}});
    }
    ExpectRows(kGrads, {{"sin(100)", "value", "1"}});
    ExpectRows(kCycle, {{"sin(0.25)", "value", "1"}});
    ExpectRows(kRadian, {{"sin(1)", "value", "0.841470984808"}});
}

TEST(FunctionsInverse, AnglesComeOutInTheMode) {
    ExpectRows(kDegrees, {
                             {"xsin(1)", "value", "90"},
                             {"xtan(1)", "value", "45"},
                             {"xcot(1)", "value", "45"},
                             {"xsec(2)", "value", "60"},
                             {"xcsc(2)", "value", "30"},
                             {"xcos(0.5)", "value", "60"},
                             {"xcos(2)", "invalid", kInvalid},
                             {"xsin(-1.5)", "invalid", kInvalid},
                             {"xsec(0.5)", "invalid", kInvalid},
                             {"xcsc(0.5)", "invalid", kInvalid},
                             {"xcot(0)", "divide", kDivide},
                             {"xsec(0)", "divide", kDivide},
                             {"xcsc(0)", "divide", kDivide},
                         });
    ExpectRows(kGrads, {{"xtan(1)", "value", "50"}});
    ExpectRows(kCycle, {{"xtan(1)", "value", "0.125"}});
    ExpectRows(kRadian, {{"xtan(1)", "value", "0.785398163397448"}});
}

// Hyperbolic arguments are not angles: no AngleMode enters them or their inverses.
TEST(FunctionsHyperbolic, TakeXAndGiveUnconvertedValues) {
    for (const AngleMode mode : {kRadian, kDegrees, kCycle}) {
        ExpectRows(mode, {
                             {"cosh(0)", "value", "1"},
                             {"sinh(1)", "value", "1.1752011936438"},
                             {"tanh(1)", "value", "0.761594155955765"},
                             {"coth(1)", "value", "1.31303528549933"},
                             {"sech(1)", "value", "0.648054273663885"},
                             {"csch(1)", "value", "0.850918128239322"},
                             {"xsinh(1)", "value", "0.881373587019543"},
                             {"xsinh(-1)", "value", "-0.881373587019543"},
                             {"xsinh(1e11)", "value", "26.0215832034944"},
                             {"xcosh(2)", "value", "1.31695789692482"},
                             {"xcosh(1)", "value", "0"},
                             {"xcosh(0.5)", "invalid", kInvalid},
                             {"xcosh(1e11)", "value", "26.0215832034944"},
                             {"xtanh(0.5)", "value", "0.549306144334055"},
                             {"xtanh(1)", "value", "1.18973149535723E4932"},
                             {"xtanh(-2)", "value", "-1.18973149535723E4932"},
                             {"xcoth(2)", "value", "0.549306144334055"},
                             {"xsech(0.5)", "value", "1.31695789692482"},
                             {"xsech(2)", "invalid", kInvalid},
                             {"xcsch(1)", "value", "0.881373587019543"},
                             {"coth(0)", "divide", kDivide},
                             {"csch(0)", "divide", kDivide},
                             {"xcoth(0)", "divide", kDivide},
                             {"xcsch(0)", "divide", kDivide},
                             {"xsech(0)", "divide", kDivide},
                             {"cosh(1000)", "overflow", kOverflow},
                             {"sinh(-1000)", "overflow", kOverflow},
                             {"sech(1000)", "value", "0"},
                             {"csch(20000)", "value", "0"},
                             {"csch(-20000)", "value", "0"},
                         });
    }
}

TEST(FunctionsLogarithms, DoubleResultsAndTheirFaults) {
    VariableTable base_two = MakeStartVariableTable();
    base_two.values[12] = 2;
    ExpectRows(kDegrees,
               {
                   {"log(1000)", "value", "3"},
                   {"lin(1)", "value", "0"},
                   {"xlog(2)", "value", "100"},
                   {"exp(1)", "value", "2.71828182845905"},
                   {"logn(8)", "value", "3"},
                   {"logn(0)", "divide", kDivide},
                   {"logn(-8)", "invalid", kInvalid},
                   {"log(0)", "divide", kDivide},
                   {"lin(0)", "divide", kDivide},
                   {"log(-1)", "invalid", kInvalid},
                   {"lin(-1)", "invalid", kInvalid},
                   {"exp(100000)", "overflow", kOverflow},
                   {"xlog(400)", "overflow", kOverflow},
                   {"exp(-100000)", "value", "0"},
                   {"log(1e400)", "overflow", kOverflow},
               },
               base_two);
    // N holds 0 after a clear: the logarithm of the base divides by zero.
    ExpectRows(kDegrees, {{"logn(8)", "divide", kDivide}});
    VariableTable base_one = MakeStartVariableTable();
    base_one.values[12] = 1;
    ExpectRows(kDegrees, {{"logn(8)", "divide", kDivide}}, base_one);
    VariableTable negative_base = MakeStartVariableTable();
    negative_base.values[12] = -2;
    ExpectRows(kDegrees, {{"logn(8)", "invalid", kInvalid}}, negative_base);
}

TEST(FunctionsConversions, AngleUnitsIgnoreTheMode) {
    for (const AngleMode mode : {kRadian, kDegrees, 7}) {
        ExpectRows(mode, {
                             {"dtor(180)", "value", "3.14159265359"},
                             {"dtoc(360)", "value", "1"},
                             {"dtog(90)", "value", "100"},
                             {"rtod(1)", "value", "57.295779513082"},
                             {"rtoc(1)", "value", "0.159154943092"},
                             {"rtog(1)", "value", "63.661977236758"},
                             {"gtod(100)", "value", "90"},
                             {"gtoc(100)", "value", "0.25"},
                             {"gtor(200)", "value", "3.14159265359"},
                             {"ctor(1)", "value", "6.28318530718"},
                             {"ctog(1)", "value", "400"},
                             {"ctod(1)", "value", "360"},
                             {"dtor(6e8)", "value", "10471975.511966"},
                             {"rtod(2e5)", "value", "11459155.9026165"},
                             {"ctod(1e400)", "value", "3.6E402"},
                         });
    }
}

TEST(FunctionsOther, AbsHexAndNames) {
    ExpectRows(kDegrees, {
                             {"abs(-2.7)", "value", "2.7"},
                             {"abs(-3.99)", "value", "3.99"},
                             {"abs(4)", "value", "4"},
                             {"abs(-1e4000)", "value", "1E4000"},
                             {"abs(P)", "value", "3.14159265358979"},
                             {"hex(10)", "expression", "Function Error"},
                             {"hex(O)", "lookup", "Unable to find Value of O"},
                             {"Cos(0)", "expression", "Function Rong"},
                             {"sinx(1)", "expression", "Function Rong"},
                             {"xcoshh(1)", "expression", "Function Rong"},
                             {"ab(1)", "expression", "Function Rong"},
                             {"sin(O)", "lookup", "Unable to find Value of O"},
                         });
}

// Only a hand-edited settings file gives a mode outside the four.
TEST(FunctionsOther, UnknownAngleMode) {
    ExpectRows(9, {
                      {"xtan(1)", "expression", "Function error"},
                      {"sin(30)", "expression", "Function error"},
                      {"xcos(2)", "invalid", kInvalid},
                      {"cosh(0)", "value", "1"},
                      {"log(100)", "value", "2"},
                  });
}

TEST(FunctionCode, LengthThenExactName) {
    EXPECT_EQ(FunctionCode("hex"), 0);
    EXPECT_EQ(FunctionCode("cos"), 1);
    EXPECT_EQ(FunctionCode("xcosh"), 16);
    EXPECT_EQ(FunctionCode("xtanh"), 26);
    EXPECT_EQ(FunctionCode("logn"), 41);
    EXPECT_EQ(FunctionCode("abs"), 42);
    for (const char* name : {"", "c", "co", "COS", "cosine", "xcoshx"}) {
        EXPECT_THROW(FunctionCode(name), ExpressionError) << "input: " << name;
    }
}

TEST(RoundTo12, KeepsTwelveDecimals) {
    EXPECT_EQ(RoundTo12(0.1234567890126L), 0.123456789013);
    EXPECT_EQ(RoundTo12(-2.0000000000004L), -2.0);
    EXPECT_EQ(RoundTo12(1e-13L), 0.0);
    // Too large to round: the value comes back as it is, not narrowed to a double.
    EXPECT_EQ(RoundTo12(1e10L), 1e10L);
    EXPECT_EQ(RoundTo12(-9.3e6L), -9.3e6L);
    EXPECT_EQ(RoundTo12(1e400L), 1e400L);
    EXPECT_EQ(RoundTo12(0.1L + 1e10L), 0.1L + 1e10L);
}

}  // namespace
}  // namespace brisalto::testing
