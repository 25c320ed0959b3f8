// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/conversion_registry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace brisalto {
namespace {

// Runs fn and returns the message of the E it throws; fails the test if it throws nothing.
template <typename E, typename Fn>
std::string MessageOf(Fn&& fn) {
    try {
        fn();
    } catch (const E& error) {
        return error.what();
    }
    ADD_FAILURE() << "nothing thrown";
    return {};
}

class RegistryTest : public ::testing::Test {
  protected:
    ConversionRegistry registry_;
};

TEST_F(RegistryTest, NumbersStartAtOneAndRunAcrossFamilies) {
    const TConvFamily length = registry_.AddFamily("Length");
    const TConvFamily weight = registry_.AddFamily("Weight");
    EXPECT_EQ(length, 1);
    EXPECT_EQ(weight, 2);
    EXPECT_EQ(registry_.AddFactorUnit(length, "m", 1), 1);
    EXPECT_EQ(registry_.AddFactorUnit(weight, "g", 1), 2);
    EXPECT_EQ(registry_.AddFactorUnit(length, "km", 1000), 3);
    EXPECT_EQ(registry_.UnitsOfFamily(length), (TConvTypeArray{1, 3}));
    EXPECT_EQ(registry_.UnitsOfFamily(weight), (TConvTypeArray{2}));
    EXPECT_TRUE(registry_.UnitsOfFamily(0).empty());
    EXPECT_TRUE(registry_.UnitsOfFamily(77).empty());
}

TEST_F(RegistryTest, ArraysGrowToTheNewNumberPlusSixteen) {
    EXPECT_EQ(registry_.FamilySlotCount(), 0u);
    EXPECT_EQ(registry_.UnitSlotCount(), 0u);
    // {numbers registered so far, expected length}
    const struct {
        int count;
        std::size_t length;
    } rows[] = {{1, 17}, {16, 17}, {17, 33}, {32, 33}, {33, 49}};
    int registered = 0;
    TConvFamily family = 0;
    for (const auto& row : rows) {
        while (registered < row.count) {
            ++registered;
            family = registry_.AddFamily("F" + std::to_string(registered));
            registry_.AddFactorUnit(family, "U" + std::to_string(registered), 1);
        }
        EXPECT_EQ(registry_.FamilySlotCount(), row.length) << row.count << " families";
        EXPECT_EQ(registry_.UnitSlotCount(), row.length) << row.count << " units";
    }
    EXPECT_EQ(registry_.LastFamily(), 33);
    EXPECT_EQ(registry_.LastUnit(), 33);
}

TEST_F(RegistryTest, DescriptionsOfNumbers) {
    const TConvFamily family = registry_.AddFamily("Length");
    const TConvType unit = registry_.AddFactorUnit(family, "Meters", 1);
    const struct {
        unsigned number;
        const char* unit_text;
        const char* family_text;
    } rows[] = {
        {0, "Illegal type", "Illegal family"}, {1, "Meters", "Length"},
        {2, "[00000002]", "[00000002]"},       {42, "[0000002a]", "[0000002a]"},
        {0xFFFF, "[0000ffff]", "[0000ffff]"},
    };
    for (const auto& row : rows) {
        const auto number = static_cast<std::uint16_t>(row.number);
        EXPECT_EQ(registry_.UnitDescription(number), row.unit_text) << row.number;
        EXPECT_EQ(registry_.FamilyDescription(number), row.family_text) << row.number;
    }
    EXPECT_EQ(unit, 1);
}

TEST_F(RegistryTest, LookupsIgnoreCase) {
    const TConvFamily energy = registry_.AddFamily("energy");
    const TConvType joule = registry_.AddFactorUnit(energy, "joule", 1);
    const struct {
        const char* text;
        bool family_found;
        bool unit_found;
    } rows[] = {
        {"energy", true, false}, {"ENERGY", true, false}, {"Energy", true, false},
        {"joule", false, true},  {"JOULE", false, true},  {"jOuLe", false, true},
        {"energ", false, false}, {"", false, false},      {"joule ", false, false},
    };
    for (const auto& row : rows) {
        const auto family = registry_.FindFamilyByName(row.text);
        const auto unit = registry_.FindUnitByName(row.text);
        EXPECT_EQ(family.has_value(), row.family_found) << row.text;
        EXPECT_EQ(unit.has_value(), row.unit_found) << row.text;
        EXPECT_EQ(family.value_or(energy), energy) << row.text;
        EXPECT_EQ(unit.value_or(joule), joule) << row.text;
    }
}

TEST_F(RegistryTest, TwoUnitsOfOneNameAreNotFound) {
    const TConvFamily a = registry_.AddFamily("A");
    const TConvFamily b = registry_.AddFamily("B");
    registry_.AddFactorUnit(a, "Same", 1);
    EXPECT_TRUE(registry_.FindUnitByName("same").has_value());
    registry_.AddFactorUnit(b, "SAME", 2);
    EXPECT_FALSE(registry_.FindUnitByName("same").has_value());
}

TEST_F(RegistryTest, RefusedRegistrationsLeaveTheRegistryUnchanged) {
    const TConvFamily family = registry_.AddFamily("Distance");
    registry_.AddFactorUnit(family, "Meters", 1);
    const struct {
        const char* name;
        std::function<std::string()> attempt;
        std::string message;
    } rows[] = {
        {"family twice",
         [&] { return MessageOf<EConversionError>([&] { registry_.AddFamily("Distance"); }); },
         "Conversion family (Distance) already registered"},
        {"family twice, other case",
         [&] { return MessageOf<EConversionError>([&] { registry_.AddFamily("DISTANCE"); }); },
         "Conversion family (DISTANCE) already registered"},
        {"unit of family 0",
         [&] { return MessageOf<EConversionError>([&] { registry_.AddFactorUnit(0, "X", 1); }); },
         "Unknown conversion family [00000000]"},
        {"unit of an unknown family",
         [&] { return MessageOf<EConversionError>([&] { registry_.AddFactorUnit(300, "X", 1); }); },
         "Unknown conversion family [0000012c]"},
        {"formula unit of an unknown family",
         [&] {
             return MessageOf<EConversionError>([&] {
                 registry_.AddFormulaUnit(
                     9, "X", [](double v) { return CalcValue{v}; },
                     [](double v) { return CalcValue{v}; });
             });
         },
         "Unknown conversion family [00000009]"},
        {"unit twice",
         [&] {
             return MessageOf<EConversionError>(
                 [&] { registry_.AddFactorUnit(family, "meters", 2); });
         },
         "Conversion type (meters) already registered in Distance"},
        {"formula unit twice",
         [&] {
             return MessageOf<EConversionError>([&] {
                 registry_.AddFormulaUnit(
                     family, "METERS", [](double v) { return CalcValue{v}; },
                     [](double v) { return CalcValue{v}; });
             });
         },
         "Conversion type (METERS) already registered in Distance"},
        {"factor zero",
         [&] { return MessageOf<EZeroDivide>([&] { registry_.AddFactorUnit(family, "Nil", 0); }); },
         "Nil has a factor of zero"},
        {"factor minus zero",
         [&] {
             return MessageOf<EZeroDivide>([&] { registry_.AddFactorUnit(family, "Nil", -0.0); });
         },
         "Nil has a factor of zero"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.attempt(), row.message) << row.name;
        EXPECT_EQ(registry_.LastFamily(), 1) << row.name;
        EXPECT_EQ(registry_.LastUnit(), 1) << row.name;
        EXPECT_EQ(registry_.UnitsOfFamily(family), (TConvTypeArray{1})) << row.name;
        EXPECT_EQ(registry_.FamilySlotCount(), 17u) << row.name;
        EXPECT_EQ(registry_.UnitSlotCount(), 17u) << row.name;
    }
    // The next registrations take the next numbers, as if nothing had been refused.
    EXPECT_EQ(registry_.AddFamily("Mass"), 2);
    EXPECT_EQ(registry_.AddFactorUnit(family, "Kilometers", 1000), 2);
}

TEST_F(RegistryTest, SameUnitNameInAnotherFamilyIsAccepted) {
    const TConvFamily a = registry_.AddFamily("A");
    const TConvFamily b = registry_.AddFamily("B");
    EXPECT_EQ(registry_.AddFactorUnit(a, "unit", 1), 1);
    EXPECT_EQ(registry_.AddFactorUnit(b, "unit", 1), 2);
}

TEST_F(RegistryTest, RemovedFamilyFreesItsNumbersForGood) {
    const TConvFamily a = registry_.AddFamily("A");
    const TConvFamily b = registry_.AddFamily("B");
    const TConvType a1 = registry_.AddFactorUnit(a, "a1", 1);
    const TConvType b1 = registry_.AddFactorUnit(b, "b1", 1);
    const TConvType a2 = registry_.AddFactorUnit(a, "a2", 2);
    registry_.RemoveFamily(a);

    EXPECT_FALSE(registry_.FindFamilyByName("A"));
    EXPECT_FALSE(registry_.FindUnitByName("a1"));
    EXPECT_TRUE(registry_.UnitsOfFamily(a).empty());
    EXPECT_EQ(registry_.UnitDescription(a1), "[00000001]");
    EXPECT_EQ(registry_.UnitDescription(a2), "[00000003]");
    EXPECT_EQ(registry_.FamilyDescription(a), "[00000001]");
    EXPECT_EQ(registry_.UnitsOfFamily(b), (TConvTypeArray{b1}));
    EXPECT_EQ(MessageOf<EConversionError>([&] { registry_.ConvertValue(1, a1, a2); }),
              "Incompatible conversion types [[00000001], [00000003]]");
    EXPECT_EQ(MessageOf<EConversionError>([&] { registry_.AddFactorUnit(a, "a3", 1); }),
              "Unknown conversion family [00000001]");

    // The description is free again, the numbers are not.
    EXPECT_EQ(registry_.AddFamily("A"), 3);
    EXPECT_EQ(registry_.AddFactorUnit(3, "a1", 1), 4);
    registry_.RemoveFamily(a);
    registry_.RemoveFamily(0);
    EXPECT_EQ(registry_.UnitsOfFamily(3), (TConvTypeArray{4}));
}

TEST_F(RegistryTest, ClearFreesEverythingButKeepsTheCounters) {
    const TConvFamily a = registry_.AddFamily("A");
    registry_.AddFactorUnit(a, "a1", 1);
    registry_.Clear();
    EXPECT_EQ(registry_.FamilySlotCount(), 0u);
    EXPECT_EQ(registry_.UnitSlotCount(), 0u);
    EXPECT_FALSE(registry_.FindFamilyByName("A"));
    EXPECT_EQ(registry_.AddFamily("A"), 2);
}

TEST_F(RegistryTest, IncompatibleConversions) {
    const TConvFamily length = registry_.AddFamily("Length");
    const TConvFamily weight = registry_.AddFamily("Weight");
    const TConvType km = registry_.AddFactorUnit(length, "Kilometers", 1000);
    const TConvType g = registry_.AddFactorUnit(weight, "Grams", 1);
    const struct {
        TConvType from;
        TConvType to;
        const char* message;
    } rows[] = {
        {km, g, "Incompatible conversion types [Kilometers, Grams]"},
        {g, km, "Incompatible conversion types [Grams, Kilometers]"},
        {0, km, "Incompatible conversion types [Illegal type, Kilometers]"},
        {km, 0, "Incompatible conversion types [Kilometers, Illegal type]"},
        {0, 0, "Incompatible conversion types [Illegal type, Illegal type]"},
        {km, 99, "Incompatible conversion types [Kilometers, [00000063]]"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MessageOf<EConversionError>([&] { registry_.ConvertValue(1, row.from, row.to); }),
                  row.message)
            << row.from << " -> " << row.to;
    }
}

TEST_F(RegistryTest, ConversionGoesThroughTheBaseUnitInExtendedPrecision) {
    const TConvFamily length = registry_.AddFamily("Length");
    const TConvType m = registry_.AddFactorUnit(length, "m", 1);
    const TConvType third = registry_.AddFactorUnit(length, "third", 1.0 / 3);
    const TConvType huge = registry_.AddFactorUnit(length, "huge", 1e300);
    const TConvType offset = registry_.AddFormulaUnit(
        length, "offset", [](double v) { return v - 0.5L; }, [](double v) { return v + 0.5L; });
    const struct {
        double value;
        TConvType from;
        TConvType to;
        double expected;
    } rows[] = {
        {3, m, third, 9},
        {9, third, m, 3},
        {1, m, m, 1},
        {2, offset, m, 1.5},
        {1.5, m, offset, 2},
        {1, huge, m, 1e300},
        {1e300, m, huge, 1},
        // 1e-300 / 1e300 underflows quietly to zero.
        {1e-300, m, huge, 0},
        {-0.0, m, m, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(registry_.ConvertValue(row.value, row.from, row.to), row.expected)
            << row.value << " " << registry_.UnitDescription(row.from) << " -> "
            << registry_.UnitDescription(row.to);
    }
    // 1e300 * 1e300 is fine in extended precision but too large for a double.
    for (double value : {1e300, 1e10, -1e10, std::numeric_limits<double>::infinity()}) {
        try {
            registry_.ConvertValue(value, huge, m);
            ADD_FAILURE() << value << ": no overflow";
        } catch (const FloatError& error) {
            EXPECT_EQ(error.fault(), FloatFault::kOverflow) << value;
        }
    }
    try {
        registry_.ConvertValue(std::nan(""), m, third);
        ADD_FAILURE() << "NaN converted";
    } catch (const FloatError& error) {
        EXPECT_EQ(error.fault(), FloatFault::kInvalidOperation);
    }
}

TEST(RoundToDoubleTest, EdgeOfTheDoubleRange) {
    const CalcValue max = std::numeric_limits<double>::max();
    EXPECT_EQ(RoundToDouble(max), std::numeric_limits<double>::max());
    // Just below half a last place above DBL_MAX still rounds down to it.
    EXPECT_EQ(RoundToDouble(max + std::ldexp(1.0L, 969)), std::numeric_limits<double>::max());
    for (CalcValue value :
         {max + std::ldexp(1.0L, 970), -(max + std::ldexp(1.0L, 970)), 1e309L,
          std::numeric_limits<CalcValue>::max(), -std::numeric_limits<CalcValue>::infinity()}) {
        try {
            RoundToDouble(value);
            ADD_FAILURE() << value << ": no overflow";
        } catch (const FloatError& error) {
            EXPECT_EQ(error.fault(), FloatFault::kOverflow);
        }
    }
    EXPECT_EQ(RoundToDouble(1e-400L), 0.0);
}

}  // namespace
}  // namespace brisalto
