// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Checked CalcValue arithmetic: results and which fault each bad case raises.
#include "engine/calc_arith.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "engine/errors.h"

namespace brisalto {
namespace {

constexpr CalcValue kMax = std::numeric_limits<CalcValue>::max();

enum class Expect { kValue, kDivide, kOverflow, kInvalid };

struct Row {
    std::string name;
    std::function<CalcValue()> operation;
    Expect expect;
    CalcValue value = 0;
};

void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        try {
            const CalcValue got = row.operation();
            EXPECT_EQ(row.expect, Expect::kValue) << "input: " << row.name << " gave " << got;
            EXPECT_EQ(got, row.value) << "input: " << row.name;
        } catch (const FloatError& e) {
            const Expect got = e.fault() == FloatFault::kDivideByZero ? Expect::kDivide
                               : e.fault() == FloatFault::kOverflow   ? Expect::kOverflow
                                                                      : Expect::kInvalid;
            EXPECT_EQ(got, row.expect) << "input: " << row.name << ": " << e.what();
        }
    }
}

TEST(CalcArith, BasicOperationsAndTheirFaults) {
    ExpectRows({
        {"1+2", [] { return Add(1, 2); }, Expect::kValue, 3},
        {"max+max", [] { return Add(kMax, kMax); }, Expect::kOverflow},
        {"-max-max", [] { return Subtract(-kMax, kMax); }, Expect::kOverflow},
        {"max*2", [] { return Multiply(kMax, 2); }, Expect::kOverflow},
        {"tiny*tiny", [] { return Multiply(1e-3000L, 1e-3000L); }, Expect::kValue, 0},
        {"6/3", [] { return Divide(6, 3); }, Expect::kValue, 2},
        {"5/0", [] { return Divide(5, 0); }, Expect::kDivide},
        {"-5/0", [] { return Divide(-5, 0); }, Expect::kDivide},
        {"0/0", [] { return Divide(0, 0); }, Expect::kInvalid},
        {"max/1e-10", [] { return Divide(kMax, 1e-10L); }, Expect::kOverflow},
        {"sqrt(-1)", [] { return SquareRoot(-1); }, Expect::kInvalid},
        {"ln(0)", [] { return NaturalLog(0); }, Expect::kDivide},
        {"ln(-1)", [] { return NaturalLog(-1); }, Expect::kInvalid},
        {"log2(8)", [] { return BinaryLog(8); }, Expect::kValue, 3},
        {"exp(20000)", [] { return Exponential(20000); }, Expect::kOverflow},
        {"exp(-20000)", [] { return Exponential(-20000); }, Expect::kValue, 0},
    });
}

TEST(CalcArith, PowerRules) {
    ExpectRows({
        {"0^0", [] { return Power(0, 0); }, Expect::kValue, 1},
        {"0^3", [] { return Power(0, 3); }, Expect::kValue, 0},
        {"0^-1", [] { return Power(0, -1); }, Expect::kDivide},
        {"0^-0.5", [] { return Power(0, -0.5L); }, Expect::kDivide},
        {"2^10", [] { return Power(2, 10); }, Expect::kValue, 1024},
        {"2^-2", [] { return Power(2, -2); }, Expect::kValue, 0.25L},
        {"(-2)^3", [] { return Power(-2, 3); }, Expect::kValue, -8},
        {"(-2)^0.5", [] { return Power(-2, 0.5L); }, Expect::kInvalid},
        {"4^0.5", [] { return Power(4, 0.5L); }, Expect::kValue, 2},
        {"10^5000", [] { return Power(10, 5000); }, Expect::kOverflow},
        {"10^-5000", [] { return Power(10, -5000); }, Expect::kValue, 0},
        {"0.1^-5000", [] { return Power(0.1L, -5000); }, Expect::kOverflow},
        {"1^3e9", [] { return Power(1, 3e9L); }, Expect::kValue, 1},
        {"2^1e5000", [] { return Power(2, 1e4000L); }, Expect::kOverflow},
        {"(-2)^3e9", [] { return Power(-2, 3e9L); }, Expect::kInvalid},
    });
}

TEST(CalcArith, RemainderTakesTheSignOfA) {
    ExpectRows({
        {"-7%3", [] { return Remainder(-7, 3); }, Expect::kValue, -1},
        {"7%-3", [] { return Remainder(7, -3); }, Expect::kValue, 1},
        {"7.5%2", [] { return Remainder(7.5L, 2); }, Expect::kValue, 1.5L},
        {"0%5", [] { return Remainder(0, 5); }, Expect::kValue, 0},
        {"5%0", [] { return Remainder(5, 0); }, Expect::kDivide},
        {"0%0", [] { return Remainder(0, 0); }, Expect::kInvalid},
        // Past the 32-bit quotient the remainder is exact.
        {"1e12%7", [] { return Remainder(1e12L, 7); }, Expect::kValue, 1e12L - 142857142857.0L * 7},
        {"-2^70%3", [] { return Remainder(-1180591620717411303424.0L, 3); }, Expect::kValue, -1},
    });
}

TEST(CalcArith, NarrowingAndRounding) {
    EXPECT_EQ(NarrowToDouble(1.5L), 1.5);
    EXPECT_THROW(NarrowToDouble(1e400L), FloatError);
    EXPECT_EQ(NarrowToDouble(1e-400L), 0.0);
    EXPECT_EQ(RoundToInt64(2.5L), 2);
    EXPECT_EQ(RoundToInt64(3.5L), 4);
    EXPECT_EQ(RoundToInt64(-2.5L), -2);
    EXPECT_EQ(RoundToInt64(-9223372036854775808.0L), INT64_MIN);
    EXPECT_THROW(RoundToInt64(9223372036854775808.0L), FloatError);
    EXPECT_EQ(FloorToInt32(-1.5L), -2);
    EXPECT_EQ(CeilToInt32(-1.5L), -1);
    EXPECT_EQ(CeilToInt32(2147483646.5L), 2147483647);
    EXPECT_THROW(FloorToInt32(2147483648.0L), FloatError);
    EXPECT_THROW(CeilToInt32(-2147483649.5L), FloatError);
}

}  // namespace
}  // namespace brisalto
