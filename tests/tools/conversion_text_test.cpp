// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/conversion_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/program_families.h"

namespace brisalto {
namespace {

class ConversionTextTest : public ::testing::Test {
  protected:
    void SetUp() override { RegisterProgramFamilies(); }
};

TEST_F(ConversionTextTest, ResultFieldTexts) {
    const struct {
        const char* value;
        const char* from;
        const char* to;
        const char* expected;
    } rows[] = {
        {"", "SquareMillimeters", "SquareMillimeters", "0"},
        {"1", "Kilometers", "Miles", "0.621371192237334"},
        {"1", "kilometers", "MILES", "0.621371192237334"},
        {"100", "Celsius", "Fahrenheit", "212"},
        {"100", "Celsius", "Reaumur", "80"},
        {"1", "atmosphere", "torr(mmHg)", "760"},
        {"1", "bar", "pascal", "100000"},
        {"180", "degrees", "radian", "3.14159265358979"},
        {"0.00001", "Meters", "Meters", "1E-5"},
        {"1e15", "Meters", "Meters", "1E15"},
        {"1", "Gigameters", "Micromicrons", "1E21"},
        {"-2.5", "Hours", "Minutes", "-150"},
        // Not a number: taken as 0.
        {"abc", "Kelvin", "Celsius", "-273.15"},
        {"1,5", "Meters", "Centimeters", "0"},
        {"nan", "Meters", "Centimeters", "0"},
        {"inf", "Meters", "Centimeters", "0"},
        {"1e99999", "Meters", "Centimeters", "0"},
        // Beyond the double range, before or after the conversion.
        {"1e400", "Meters", "Meters", "Floating point over flow"},
        {"-1e400", "Kelvin", "Celsius", "Floating point over flow"},
        {"1e308", "Kilometers", "Millimeters", "Floating point over flow"},
        {"1e4000", "Days", "JulianDate", "Floating point over flow"},
        // Below it: underflows quietly.
        {"1e-400", "Meters", "Meters", "0"},
        {"1e-320", "Micromicrons", "Meters", "0"},
        {"0", "DateTime", "JulianDate", "2415018.5"},
        {"2415018.5", "JulianDate", "DateTime", "0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ConvValueText(row.value, row.from, row.to), row.expected)
            << '"' << row.value << "\" " << row.from << " -> " << row.to;
    }
}

TEST_F(ConversionTextTest, ErrorsForTheErrorBox) {
    const struct {
        const char* value;
        const char* from;
        const char* to;
        const char* message;
    } rows[] = {
        {"0", "JulianDate", "DateTime", "0.000000 Julian cannot be represented as a DateTime"},
        {"", "JulianDate", "Days", "0.000000 Julian cannot be represented as a DateTime"},
        {"1", "Kilometers", "Grams", "Incompatible conversion types [Kilometers, Grams]"},
        {"1", "NoSuchUnit", "Grams", "Incompatible conversion types [Illegal type, Grams]"},
        {"1e300", "DateTime", "JulianDate", "Invalid floating point operation"},
    };
    for (const auto& row : rows) {
        try {
            const std::string text = ConvValueText(row.value, row.from, row.to);
            ADD_FAILURE() << '"' << row.value << "\" " << row.from << ": gave " << text;
        } catch (const std::exception& error) {
            EXPECT_STREQ(error.what(), row.message) << '"' << row.value << "\" " << row.from;
        }
    }
}

TEST_F(ConversionTextTest, FamiliesOfTheDialog) {
    const struct {
        const char* family;
        std::size_t unit_count;
        const char* first_unit;
    } rows[] = {
        {"Area", 16, "SquareMillimeters"},
        {"Distance", 31, "Micromicrons"},
        {"Mass", 16, "Nanograms"},
        {"Volume", 48, "CubicMillimeters"},
        {"Temperature", 5, "Celsius"},
        {"Time", 15, "MilliSeconds"},
        {"Energy", 3, "joule"},
        {"Pressure", 6, "pascal"},
        {"trigonometric", 4, "radian"},
    };
    ASSERT_EQ(std::size(rows), kConversionFamilyNames.size());
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(kConversionFamilyNames[i], rows[i].family) << i;
        const auto units = UnitNamesOfFamily(rows[i].family);
        ASSERT_TRUE(units.has_value()) << rows[i].family;
        EXPECT_EQ(units->size(), rows[i].unit_count) << rows[i].family;
        EXPECT_EQ(units->front(), rows[i].first_unit) << rows[i].family;
    }
    EXPECT_FALSE(UnitNamesOfFamily("Length").has_value());
    EXPECT_EQ(UnitNamesOfFamily("PRESSURE")->back(), "bar");
}

// Every value text between every pair of units of a family gives a text or one known error.
TEST_F(ConversionTextTest, AnyValueBetweenAnyUnitsGivesATextOrAClearError) {
    const char* values[] = {"",      "0",      "-0",     "1",         "-1",     "0.5",
                            "1e308", "-1e308", "1e-308", "5e-324",    "1e4932", "1e-4950",
                            "abc",   "1e",     "--1",    "2415018.5", "1e18",   "-2415018.5"};
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    int results = 0;
    int errors = 0;
    for (std::string_view family : kConversionFamilyNames) {
        const TConvTypeArray units = registry.UnitsOfFamily(*registry.FindFamilyByName(family));
        for (TConvType from : units) {
            for (TConvType to : units) {
                for (const char* value : values) {
                    try {
                        const std::string text = ConvValueText(value, from, to);
                        EXPECT_FALSE(text.empty()) << value;
                        EXPECT_EQ(text.find("NAN"), std::string::npos) << value;
                        EXPECT_EQ(text.find("INF"), std::string::npos) << value;
                        ++results;
                    } catch (const EConvertError& error) {
                        EXPECT_NE(std::string(error.what()).find("Julian"), std::string::npos);
                        ++errors;
                    } catch (const FloatError& error) {
                        EXPECT_EQ(error.fault(), FloatFault::kInvalidOperation)
                            << value << " " << registry.UnitDescription(from) << " -> "
                            << registry.UnitDescription(to);
                        ++errors;
                    }
                }
            }
        }
    }
    EXPECT_GT(results, 0);
    EXPECT_GT(errors, 0);
}

}  // namespace
}  // namespace brisalto
