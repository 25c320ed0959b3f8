// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/program_families.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "tools/conversion_registry.h"

namespace brisalto {
namespace {

ConversionRegistry& Registry() { return ConversionRegistry::Instance(); }

double Convert(double value, const char* from, const char* to) {
    return Registry().ConvertValue(value, Registry().FindUnitByName(from).value_or(0),
                                   Registry().FindUnitByName(to).value_or(0));
}

TEST(ProgramFamiliesTest, RegisteredOnceAfterTheStandardFamilies) {
    RegisterProgramFamilies();
    RegisterProgramFamilies();
    const struct {
        const char* family;
        TConvFamily number;
        std::size_t unit_count;
        TConvType first_unit;
    } rows[] = {
        {"pressure", 7, 6, 132},
        {"ENERGY", 8, 3, 138},
        {"Trigonometric", 9, 4, 141},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(Registry().FindFamilyByName(row.family), row.number) << row.family;
        const TConvTypeArray units = Registry().UnitsOfFamily(row.number);
        ASSERT_EQ(units.size(), row.unit_count) << row.family;
        EXPECT_EQ(units.front(), row.first_unit) << row.family;
    }
    EXPECT_GE(Registry().LastUnit(), 144);
    EXPECT_EQ(Registry().UnitDescription(144), "cycle");
    EXPECT_EQ(Registry().FamilyDescription(9), "trigonometric");
}

TEST(ProgramFamiliesTest, RegisteringAgainByHandIsRefused) {
    RegisterProgramFamilies();
    try {
        Registry().AddFamily("Pressure");
        ADD_FAILURE() << "registered twice";
    } catch (const EConversionError& error) {
        EXPECT_STREQ(error.what(), "Conversion family (Pressure) already registered");
    }
    try {
        Registry().AddFamily("Distance");
        ADD_FAILURE() << "registered twice";
    } catch (const EConversionError& error) {
        EXPECT_STREQ(error.what(), "Conversion family (Distance) already registered");
    }
}

TEST(ProgramFamiliesTest, Conversions) {
    RegisterProgramFamilies();
    const struct {
        double value;
        const char* from;
        const char* to;
        double expected;
    } rows[] = {
        {1, "atmosphere", "torr(mmHg)", 760.0000000000002},
        {1, "bar", "pascal", 100000},
        {1, "bar", "atmosphere", 0.9869232667160128},
        {1, "kilopascal", "pascal", 1000},
        {1, "pounds per square inch", "pascal", 6892.857142857138},
        {1, "calorie", "joule", 4.184},
        {1, "British thermal unit (btu)", "joule", 1055.06},
        {180, "degrees", "radian", std::numbers::pi},
        {200, "grad", "radian", std::numbers::pi},
        {1, "cycle", "degrees", 360},
        {1, "cycle", "grad", 400},
        {std::numbers::pi, "radian", "degrees", 180},
        {90, "degrees", "grad", 100},
        {0.5, "cycle", "radian", std::numbers::pi},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Convert(row.value, row.from, row.to), row.expected)
            << row.value << " " << row.from << " -> " << row.to;
    }
}

TEST(ProgramFamiliesTest, EveryUnitNameIsFoundWhateverItsCase) {
    RegisterProgramFamilies();
    for (TConvType unit = 1; unit <= 144; ++unit) {
        std::string name = Registry().UnitDescription(unit);
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(Registry().FindUnitByName(name), unit) << name;
    }
}

}  // namespace
}  // namespace brisalto
