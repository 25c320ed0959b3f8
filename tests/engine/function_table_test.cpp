// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The one table of functions: every name found by the evaluator's lookup under its own code, the
// angle roles of the circular families, and the angle factors against a wider reference.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/angle_factors.h"
#include "engine/errors.h"
#include "engine/functions.h"

namespace brisalto {
namespace {

TEST(FunctionTable, NamesAndCodesAreOneToOne) {
    const auto table = FunctionTable();
    ASSERT_EQ(table.size(), static_cast<size_t>(kFunctionCount));
    std::set<std::string_view> names;
    std::set<int> codes;
    for (const FunctionInfo& f : table) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        EXPECT_TRUE(codes.insert(f.code).second) << f.name;
        EXPECT_EQ(FunctionCode(f.name), f.code) << f.name;
        EXPECT_GE(f.code, 0);
        EXPECT_LT(f.code, kFunctionCount);
        // The evaluator matches names exactly: a longer or a capitalised name is no function.
        std::string upper(f.name);
        upper[0] = static_cast<char>(upper[0] - 'a' + 'A');
        EXPECT_THROW(FunctionCode(upper), ExpressionError) << upper;
        EXPECT_THROW(FunctionCode(std::string(f.name) + "x"), ExpressionError) << f.name;
    }
    EXPECT_EQ(table.back().name, "hex");
}

TEST(FunctionTable, KeysHaveHintsAndTheCircularFamiliesTheirAngleRoles) {
    const std::set<std::string_view> angle_in = {"cos", "sin", "tan", "cot", "sec", "csc"};
    const std::set<std::string_view> angle_out = {"xcos", "xsin", "xtan", "xcot", "xsec", "xcsc"};
    int index = 0;
    for (const FunctionInfo& f : FunctionTable()) {
        EXPECT_EQ(!f.hint.empty(), index < kFunctionKeyCount) << f.name;
        const AngleUse expected = angle_in.count(f.name)    ? AngleUse::kAngleIn
                                  : angle_out.count(f.name) ? AngleUse::kAngleOut
                                                            : AngleUse::kNone;
        EXPECT_EQ(f.angle, expected) << f.name;
        ++index;
    }
}

// Each factor is the CalcValue nearest to its exact value, here from quadruple precision.
TEST(AngleFactors, AreCorrectlyRounded) {
    // pi as the CalcValue nearest to it plus the remainder: 113 bits, more than enough.
    const __float128 pi = static_cast<__float128>(3.14159265358979323851280895940618620L) +
                          static_cast<__float128>(-5.016557612668332023557327080330757e-20L);
    struct Row {
        const char* name;
        CalcValue factor;
        __float128 exact;
    };
    const Row rows[] = {
        {"radians per degree", kRadiansPerDegree, pi / 180},
        {"degrees per radian", kDegreesPerRadian, 180 / pi},
        {"radians per grad", kRadiansPerGrad, pi / 200},
        {"grads per radian", kGradsPerRadian, 200 / pi},
        {"radians per cycle", kRadiansPerCycle, 2 * pi},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.factor, static_cast<CalcValue>(row.exact)) << row.name;
    }
}

}  // namespace
}  // namespace brisalto
