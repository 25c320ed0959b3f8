// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/standard_families.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "tools/conversion_registry.h"

namespace brisalto {
namespace {

ConversionRegistry& Registry() { return ConversionRegistry::Instance(); }

TConvType Unit(const std::string& name) {
    const auto unit = Registry().FindUnitByName(name);
    EXPECT_TRUE(unit.has_value()) << name;
    return unit.value_or(0);
}

double Convert(double value, const std::string& from, const std::string& to) {
    return Registry().ConvertValue(value, Unit(from), Unit(to));
}

TEST(StandardFamiliesTest, FamiliesInTheirOrderWithTheirUnits) {
    const struct {
        const char* family;
        TConvFamily number;
        std::size_t unit_count;
        const char* first_unit;
        const char* last_unit;
        TConvType first_number;
    } rows[] = {
        {"Distance", 1, 31, "Micromicrons", "Points", 1},
        {"Area", 2, 16, "SquareMillimeters", "SquareRods", 32},
        {"Volume", 3, 48, "CubicMillimeters", "UKBushels", 48},
        {"Mass", 4, 16, "Nanograms", "Pounds", 96},
        {"Temperature", 5, 5, "Celsius", "Reaumur", 112},
        {"Time", 6, 15, "MilliSeconds", "ModifiedJulianDate", 117},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(Registry().FindFamilyByName(row.family), row.number) << row.family;
        EXPECT_EQ(Registry().FamilyDescription(row.number), row.family);
        const TConvTypeArray units = Registry().UnitsOfFamily(row.number);
        ASSERT_EQ(units.size(), row.unit_count) << row.family;
        EXPECT_EQ(Registry().UnitDescription(units.front()), row.first_unit) << row.family;
        EXPECT_EQ(Registry().UnitDescription(units.back()), row.last_unit) << row.family;
        EXPECT_EQ(units.front(), row.first_number) << row.family;
        for (std::size_t i = 1; i < units.size(); ++i) {
            EXPECT_EQ(units[i], units[i - 1] + 1) << row.family << " unit " << i;
        }
    }
}

TEST(StandardFamiliesTest, UnitOrderWithinAFamily) {
    const struct {
        const char* family;
        std::vector<std::string> units;
    } rows[] = {
        {"Temperature", {"Celsius", "Kelvin", "Fahrenheit", "Rankine", "Reaumur"}},
        {"Time",
         {"MilliSeconds", "Seconds", "Minutes", "Hours", "Days", "Weeks", "Fortnights", "Months",
          "Years", "Decades", "Centuries", "Millennia", "DateTime", "JulianDate",
          "ModifiedJulianDate"}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> names;
        for (TConvType unit : Registry().UnitsOfFamily(*Registry().FindFamilyByName(row.family))) {
            names.push_back(Registry().UnitDescription(unit));
        }
        EXPECT_EQ(names, row.units) << row.family;
    }
}

TEST(StandardFamiliesTest, FactorConversions) {
    const struct {
        double value;
        const char* from;
        const char* to;
        double expected;
    } rows[] = {
        {1, "Kilometers", "Miles", 0.62137119223733395},
        {1, "Miles", "Kilometers", 1.609344},
        {1, "Meters", "Angstroms", 1e10},
        {1, "LightYears", "Meters", 9460528404879358},
        {1, "Parsecs", "Meters", 3.0856802484953068e+16},
        {12, "Inches", "Feet", 1},
        {1, "SquareMiles", "Acres", 640},
        {1, "Hectares", "Ares", 100},
        {1, "Centares", "SquareMeters", 1},
        {1, "KiloLiters", "Steres", 1},
        {1, "Liters", "MilliLiters", 1000},
        {1, "FluidGallons", "FluidQuarts", 4},
        {1, "UKGallons", "UKPints", 8},
        {1, "Pounds", "Ounces", 16},
        {1, "Kilograms", "Grams", 1000},
        {1, "Years", "Days", 365.25},
        {1, "Months", "Days", 30.4375},
        {1, "Days", "Hours", 24},
        {1, "Weeks", "Days", 7},
        {1, "Millennia", "Years", 1000},
        {1, "DateTime", "Days", 1},
    };
    for (const auto& row : rows) {
        EXPECT_DOUBLE_EQ(Convert(row.value, row.from, row.to), row.expected)
            << row.value << " " << row.from << " -> " << row.to;
    }
    EXPECT_DOUBLE_EQ(Convert(86400, "Seconds", "Days"), 1);
    EXPECT_DOUBLE_EQ(Convert(1, "Hours", "MilliSeconds"), 3600000);
}

TEST(StandardFamiliesTest, Temperatures) {
    // tolerance 0: exact. Rankine rounds R - 459.67 to a double first, which leaves a trace.
    const struct {
        double value;
        const char* from;
        const char* to;
        double expected;
        double tolerance;
    } rows[] = {
        {100, "Celsius", "Fahrenheit", 212, 0},   {212, "Fahrenheit", "Celsius", 100, 0},
        {32, "Fahrenheit", "Celsius", 0, 0},      {-40, "Celsius", "Fahrenheit", -40, 0},
        {0, "Kelvin", "Celsius", -273.15, 0},     {0, "Celsius", "Kelvin", 273.15, 0},
        {80, "Reaumur", "Celsius", 100, 0},       {100, "Celsius", "Reaumur", 80, 0},
        {0, "Celsius", "Rankine", 491.67, 0},     {100, "Celsius", "Rankine", 671.67, 0},
        {491.67, "Rankine", "Celsius", 0, 1e-14}, {0, "Kelvin", "Fahrenheit", -459.67, 1e-12},
        {0, "Kelvin", "Rankine", 0, 1e-13},
    };
    for (const auto& row : rows) {
        const double result = Convert(row.value, row.from, row.to);
        if (row.tolerance == 0) {
            EXPECT_EQ(result, row.expected) << row.value << " " << row.from << " -> " << row.to;
        } else {
            EXPECT_NEAR(result, row.expected, row.tolerance)
                << row.value << " " << row.from << " -> " << row.to;
        }
    }
}

TEST(StandardFamiliesTest, JulianDates) {
    const struct {
        double value;
        const char* from;
        const char* to;
        double expected;
    } rows[] = {
        {0, "DateTime", "JulianDate", 2415018.5},
        {2415018.5, "JulianDate", "DateTime", 0},
        {0.25, "DateTime", "JulianDate", 2415018.75},
        // 2000-01-01 12:00 is serial 36526.5 and Julian Date 2451545.
        {36526.5, "DateTime", "JulianDate", 2451545},
        {2451545, "JulianDate", "DateTime", 36526.5},
        {2451545.75, "JulianDate", "DateTime", 36527.25},
        // Before day 0 the fraction keeps the serial's sign.
        {-1.25, "DateTime", "JulianDate", 2415017.25},
        {-693593, "DateTime", "JulianDate", 1721425.5},
        {1721425.5, "JulianDate", "DateTime", -693593},
        {5373483.75, "JulianDate", "DateTime", 2958465.25},
        {0, "DateTime", "ModifiedJulianDate", 15018},
        {0, "ModifiedJulianDate", "DateTime", -15018},
        {51544.5, "ModifiedJulianDate", "DateTime", 36526.5},
        {2415018.5, "JulianDate", "ModifiedJulianDate", 15018},
        {1, "Days", "JulianDate", 2415019.5},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Convert(row.value, row.from, row.to), row.expected)
            << row.value << " " << row.from << " -> " << row.to;
    }
}

TEST(StandardFamiliesTest, JulianDatesOutsideTheYearsOneTo9999) {
    const struct {
        double value;
        const char* from;
        const char* message;
    } rows[] = {
        {0, "JulianDate", "0.000000 Julian cannot be represented as a DateTime"},
        {-1, "JulianDate", "-1.000000 Julian cannot be represented as a DateTime"},
        {1721424.5, "JulianDate", "1721424.500000 Julian cannot be represented as a DateTime"},
        {5373484.5, "JulianDate", "5373484.500000 Julian cannot be represented as a DateTime"},
        {1e12, "JulianDate", "1000000000000.000000 Julian cannot be represented as a DateTime"},
        {-2400001, "ModifiedJulianDate", "-0.500000 Julian cannot be represented as a DateTime"},
        {3e6, "ModifiedJulianDate", "5400000.500000 Julian cannot be represented as a DateTime"},
    };
    for (const auto& row : rows) {
        try {
            Convert(row.value, row.from, "DateTime");
            ADD_FAILURE() << row.value << " " << row.from << ": nothing thrown";
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), row.message) << row.value << " " << row.from;
        }
    }
    EXPECT_THROW(Convert(-1e300, "JulianDate", "DateTime"), EConvertError);
    EXPECT_THROW(Convert(1e308, "JulianDate", "DateTime"), EConvertError);
}

TEST(StandardFamiliesTest, SerialsWithoutACalendarDate) {
    for (double serial : {1e300, -1e300, 1e18, std::nan("")}) {
        try {
            Convert(serial, "DateTime", "JulianDate");
            ADD_FAILURE() << serial << ": converted";
        } catch (const FloatError& error) {
            EXPECT_EQ(error.fault(), FloatFault::kInvalidOperation) << serial;
        }
    }
    // Far from the years 1 to 9999 there is still a calendar date to count from.
    EXPECT_EQ(Convert(1e15, "DateTime", "JulianDate"), 1e15 + 2415018.5);
    EXPECT_EQ(Convert(-1e6, "DateTime", "JulianDate"), -1e6 + 2415018.5);
}

}  // namespace
}  // namespace brisalto
