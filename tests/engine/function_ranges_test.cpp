// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The function library over whole ranges of its operand, checked against the C library's long
// double functions or plain long double arithmetic: where a hand-picked value says little.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "engine/errors.h"
#include "engine/functions.h"
#include "engine/number_text.h"
#include "engine/variable_table.h"

namespace brisalto {
namespace {

const AngleMode kAllModes[] = {kRadian, kGrads, kDegrees, kCycle};

// The exact text of a CalcValue, so the function sees the same x as the reference.
std::string ExactText(CalcValue x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", x);
    return text;
}

CalcValue Apply(std::string_view name, CalcValue x, AngleMode mode = kRadian) {
    return ApplyFunction(name, ExactText(x), ftNumber, MakeStartVariableTable(), mode);
}

// What an application gives, value or error, as one comparable text.
std::string OutcomeText(std::string_view name, std::string_view argument, AngleMode mode) {
    try {
        return ValueToText(ApplyFunction(name, argument, ftNumber, MakeStartVariableTable(), mode));
    } catch (const std::exception& error) {
        return std::string("error: ") + error.what();
    }
}

bool Close(CalcValue got, CalcValue expected, CalcValue relative) {
    if (got == expected) return true;
    return std::fabs(got - expected) <= relative * std::fabs(expected);
}

// Both signs, in quarter steps, across the whole range where e^x leaves the CalcValue range and
// past it: the reciprocal of sinh never fails, and below the smallest normal value it is 0.
TEST(FunctionRanges, CschNeverFailsAndAgreesWithTheCLibrary) {
    const CalcValue smallest_normal = std::numeric_limits<CalcValue>::min();
    for (int quarter = -12 * 4000; quarter <= 12 * 4000; ++quarter) {
        if (quarter == 0) continue;
        const CalcValue x = quarter / 4.0L;
        CalcValue got = 0;
        try {
            got = Apply("csch", x);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "csch(" << ExactText(x) << ") failed: " << error.what();
            continue;
        }
        const CalcValue expected = 1.0L / std::sinh(x);
        if (std::fabs(expected) < smallest_normal) {
            // Written "0" by every number text; the sign may follow x.
            EXPECT_LT(std::fabs(got), smallest_normal) << "csch(" << ExactText(x) << ")";
            EXPECT_EQ(ValueToText(got), "0") << "csch(" << ExactText(x) << ")";
        } else {
            EXPECT_TRUE(Close(got, expected, 1e-15L))
                << "csch(" << ExactText(x) << ") = " << ExactText(got) << ", C library "
                << ExactText(expected);
        }
    }
}

// Past 9223372.04 the twelve decimals no longer fit a 64-bit integer; the converted value is then
// the plain long double product, never a double's 16 digits.
TEST(FunctionRanges, ConversionsTooLargeToRoundKeepFullPrecision) {
    const long double pi = 3.141592653589793238462643383279502884L;
    struct Conversion {
        const char* name;
        long double factor;
    };
    const Conversion conversions[] = {
        {"dtor", pi / 180},     {"dtoc", 1 / 360.0L}, {"dtog", 200 / 180.0L}, {"rtod", 180 / pi},
        {"rtoc", 1 / (2 * pi)}, {"rtog", 200 / pi},   {"gtod", 180 / 200.0L}, {"gtoc", 1 / 400.0L},
        {"gtor", pi / 200},     {"ctor", 2 * pi},     {"ctog", 400.0L},       {"ctod", 360.0L},
    };
    std::mt19937_64 random(567789171);
    std::uniform_real_distribution<long double> exponent(7.0L, 4000.0L);
    for (const Conversion& c : conversions) {
        for (int sample = 0; sample < 2000; ++sample) {
            const CalcValue x = std::pow(10.0L, exponent(random)) * (sample % 2 ? -1 : 1);
            const CalcValue expected = x * c.factor;
            if (std::fabs(expected) < 9223372.04L) continue;
            const CalcValue got = Apply(c.name, x);
            // Three roundings of a 64-bit significand; a double's would be 2000 times coarser.
            EXPECT_TRUE(Close(got, expected, 1e-18L))
                << c.name << "(" << ExactText(x) << ") = " << ExactText(got) << ", expected "
                << ExactText(expected);
        }
    }
}

TEST(FunctionRanges, ConversionExamplesKeepTheirDigits) {
    struct Row {
        const char* name;
        CalcValue x;
        const char* text;
    };
    const Row rows[] = {
        {"rtog", 6230128, "396622266.918089"},
        {"dtor", 567789171, "9909790.4911191"},
        {"rtod", 250850554, "14372678032.7186"},
        // Just below the limit the twelve decimals still round.
        {"dtor", 528460000, "9223366.96508923"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ValueToText(Apply(row.name, row.x)), row.text)
            << row.name << "(" << ExactText(row.x) << ")";
    }
}

// Only the six circular functions read x as an angle; for every other function the mode cannot
// matter, also where x converted to radians would overflow.
TEST(FunctionRanges, OnlyCircularFunctionsDependOnTheMode) {
    const char* const mode_free[] = {
        "cosh", "coth",  "sinh",  "tanh",  "log",   "xlog",  "exp",   "lin",
        "sech", "xcosh", "xcoth", "xcsch", "xsech", "xsinh", "xtanh", "csch",
        "dtor", "dtoc",  "dtog",  "rtod",  "rtoc",  "rtog",  "gtod",  "gtoc",
        "gtor", "ctor",  "ctog",  "ctod",  "logn",  "abs",   "hex",
    };
    const char* const arguments[] = {"0",      "0.5",      "1",      "-1",     "2.5",
                                     "-30",    "1e10",     "-1e300", "2e4931", "-2e4931",
                                     "1e4932", "1.1e4932", "3E-4950"};
    for (const char* name : mode_free) {
        for (const char* argument : arguments) {
            const std::string radian = OutcomeText(name, argument, kRadian);
            for (const AngleMode mode : {kGrads, kDegrees, kCycle}) {
                EXPECT_EQ(OutcomeText(name, argument, mode), radian)
                    << name << "(" << argument << ") in mode " << mode;
            }
        }
    }
    EXPECT_EQ(OutcomeText("abs", "2e4931", kCycle), "2E4931");
    EXPECT_EQ(OutcomeText("abs", "-2e4931", kCycle), "2E4931");
}

// The inverse circular functions give an angle: it is converted into the mode, and a huge x
// is never converted itself.
TEST(FunctionRanges, InverseCircularOfHugeValuesGiveTheLimitAngle) {
    const char* const expected[] = {"1.5707963267949", "100", "90", "0.25"};
    for (const AngleMode mode : kAllModes) {
        EXPECT_EQ(OutcomeText("xtan", "1e4932", mode), expected[mode]) << "mode " << mode;
        EXPECT_EQ(OutcomeText("xcot", "1e-4932", mode), expected[mode]) << "mode " << mode;
    }
}

}  // namespace
}  // namespace brisalto
