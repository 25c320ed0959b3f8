// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/unit_symbols.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <sstream>
#include <string>

#include "tools/program_families.h"

namespace brisalto {
namespace {

ConversionRegistry& Registry() {
    RegisterProgramFamilies();
    return ConversionRegistry::Instance();
}

std::string DescriptionOf(std::string_view text) {
    const std::optional<TConvType> unit = FindUnitByNameOrSymbol(text);
    return unit ? Registry().UnitDescription(*unit) : "(none)";
}

// Every symbol a user may type, and the unit it must stand for: written out here rather than
// read from the table, so a symbol moved to the wrong row fails.
TEST(UnitSymbolsTest, EverySymbolFindsItsUnit) {
    const struct {
        const char* unit;
        const char* symbols;  // separated by |
    } rows[] = {
        {"Meters", "m"},
        {"Kilometers", "km"},
        {"Centimeters", "cm"},
        {"Millimeters", "mm"},
        {"Microns", "um|µm|μm"},
        {"Millimicrons", "nm"},
        {"Inches", "in"},
        {"Feet", "ft"},
        {"Yards", "yd"},
        {"Miles", "mi"},
        {"NauticalMiles", "nmi"},
        {"AstronomicalUnits", "AU"},
        {"LightYears", "ly"},
        {"Parsecs", "pc"},
        {"SquareMeters", "m2|m²"},
        {"SquareKilometers", "km2|km²"},
        {"Hectares", "ha"},
        {"Acres", "acre"},
        {"CubicMeters", "m3|m³"},
        {"Liters", "L|l"},
        {"MilliLiters", "mL|ml"},
        {"FluidGallons", "gal"},
        {"FluidQuarts", "qt"},
        {"FluidOunces", "floz"},
        {"Grams", "g"},
        {"Kilograms", "kg"},
        {"Milligrams", "mg"},
        {"Micrograms", "ug|µg|μg|mcg"},
        {"MetricTons", "t"},
        {"Pounds", "lb|lbs"},
        {"Ounces", "oz"},
        {"Grains", "gr"},
        {"Celsius", "C|degC|°C|℃"},
        {"Kelvin", "K"},
        {"Fahrenheit", "F|degF|°F|℉"},
        {"Rankine", "R|degR"},
        {"Reaumur", "Re"},
        {"Seconds", "s|sec|secs"},
        {"MilliSeconds", "ms"},
        {"Minutes", "min|mins"},
        {"Hours", "h|hr|hrs"},
        {"Days", "d"},
        {"Weeks", "wk|wks"},
        {"Years", "yr|yrs"},
        {"pascal", "Pa"},
        {"kilopascal", "kPa"},
        {"atmosphere", "atm"},
        {"torr(mmHg)", "torr|mmHg|Torr|mm Hg"},
        {"pounds per square inch", "psi"},
        {"bar", "bar"},
        {"joule", "J"},
        {"calorie", "cal"},
        {"British thermal unit (btu)", "btu|BTU|Btu"},
        {"radian", "rad"},
        {"degrees", "deg|°"},
        {"grad", "grad"},
        {"cycle", "cyc"},
        {"Micromicrons", "pm"},
        {"Angstroms", "Å|Å"},
        {"Decimeters", "dm"},
        {"SquareCentimeters", "cm2|cm²"},
        {"SquareMillimeters", "mm2|mm²"},
        {"SquareFeet", "ft2"},
        {"SquareInches", "in2"},
        {"CubicDecimeters", "dm3|dm³"},
        {"CubicCentimeters", "cm3|cm³|cc"},
        {"CubicMillimeters", "mm3|mm³|uL|ul|µL|µl|μL|μl"},
        {"CubicFeet", "ft3"},
        {"CubicInches", "in3"},
        {"CentiLiters", "cL|cl"},
        {"DeciLiters", "dL|dl"},
        {"HectoLiters", "hL|hl"},
        {"Nanograms", "ng"},
    };
    std::size_t table_symbols = 0;
    for (const UnitSymbols& entry : UnitSymbolTable()) {
        table_symbols += entry.symbols.size() + entry.spellings.size();
    }
    std::size_t written = 0;
    for (const auto& row : rows) {
        std::istringstream symbols(row.symbols);
        for (std::string symbol; std::getline(symbols, symbol, '|'); ++written) {
            EXPECT_EQ(DescriptionOf(symbol), row.unit) << symbol;
        }
    }
    EXPECT_EQ(table_symbols, written) << "a symbol without a row here";
}

// Case tells symbols apart (Mm would be megameters); descriptions still match in any case.
TEST(UnitSymbolsTest, SymbolsKeepTheirCaseDescriptionsDoNot) {
    const struct {
        const char* text;
        const char* unit;
    } rows[] = {
        {"Mm", "(none)"}, {"MM", "(none)"},     {"KM", "(none)"},
        {"c", "(none)"},  {"k", "(none)"},      {"PA", "(none)"},
        {"T", "(none)"},  {"meters", "Meters"}, {"KILOMETERS", "Kilometers"},
        {"BAR", "bar"},   {"Grad", "grad"},     {"", "(none)"},
    };
    for (const auto& row : rows) EXPECT_EQ(DescriptionOf(row.text), row.unit) << row.text;
}

// A symbol equal to another unit's description would never be reached; a symbol used twice
// would be ambiguous; a described unit must exist for its symbols to work at all.
TEST(UnitSymbolsTest, TableIsConsistentWithTheRegistry) {
    std::set<std::string_view> seen;
    for (const UnitSymbols& entry : UnitSymbolTable()) {
        EXPECT_TRUE(Registry().FindUnitByName(entry.description)) << entry.description;
        std::vector<std::string_view> all = entry.symbols;
        all.insert(all.end(), entry.spellings.begin(), entry.spellings.end());
        for (std::string_view symbol : all) {
            EXPECT_TRUE(seen.insert(symbol).second) << "twice: " << symbol;
            if (const std::optional<TConvType> unit = Registry().FindUnitByName(symbol)) {
                EXPECT_TRUE(SameDescription(Registry().UnitDescription(*unit), entry.description))
                    << symbol << " is the description of another unit";
            }
        }
    }
}

TEST(UnitSymbolsTest, AmbiguousNamesListUnitsAndAreNoSymbols) {
    for (const char* text : {"gallon", "quart", "pint", "pt", "ounce", "ton", "bu", "pk"}) {
        const std::vector<std::string_view> candidates = AmbiguousUnitNames(text);
        EXPECT_GE(candidates.size(), 2u) << text;
        EXPECT_FALSE(FindUnitByNameOrSymbol(text)) << text;
        for (std::string_view description : candidates) {
            EXPECT_TRUE(Registry().FindUnitByName(description)) << text << ": " << description;
        }
    }
    EXPECT_TRUE(AmbiguousUnitNames("gal").empty());
    EXPECT_EQ(SymbolsOfUnit("TORR(MMHG)"), (std::vector<std::string_view>{"torr", "mmHg"}));
    EXPECT_TRUE(SymbolsOfUnit("Cubits").empty());
}

// Words mean what their singular means, in any case and either spelling; a word standing for
// several units is refused in every form, but a description written exactly as listed is found.
TEST(UnitSymbolsTest, WordsSingularAndPlural) {
    const struct {
        const char* singular;
        const char* plural;
        const char* unit;  // "?" for refused as ambiguous
    } rows[] = {
        {"meter", "meters", "Meters"},
        {"Metre", "METRES", "Meters"},
        {"kilometre", "kilometres", "Kilometers"},
        {"litre", "litres", "Liters"},
        {"millilitre", "MilliLitres", "MilliLiters"},
        {"inch", "inches", "Inches"},
        {"foot", "feet", "Feet"},
        {"micron", "microns", "Microns"},
        {"angstrom", "angstroms", "Angstroms"},
        {"gram", "grams", "Grams"},
        {"pound", "pounds", "Pounds"},
        {"tonne", "tonnes", "MetricTons"},
        {"century", "centuries", "Centuries"},
        {"millennium", "millennia", "Millennia"},
        {"hour", "HOURS", "Hours"},
        {"kelvin", "kelvins", "Kelvin"},
        {"pascal", "pascals", "pascal"},
        {"atmosphere", "atmospheres", "atmosphere"},
        {"bar", "bars", "bar"},
        {"joule", "joules", "joule"},
        {"calorie", "calories", "calorie"},
        {"degree", "degrees", "degrees"},
        {"radian", "radians", "radian"},
        {"are", "ares", "Ares"},
        {"ton", "tons", "?"},
        {"TON", "TONS", "?"},
        {"ounce", "ounces", "?"},
        {"gallon", "gallons", "?"},
        {"quart", "quarts", "?"},
        {"pint", "pints", "?"},
        {"bushel", "bushels", "?"},
        {"peck", "pecks", "?"},
    };
    for (const auto& row : rows) {
        for (const char* text : {row.singular, row.plural}) {
            EXPECT_EQ(DescriptionOf(text), row.unit[0] == '?' ? "(none)" : row.unit) << text;
            EXPECT_EQ(AmbiguousUnitNames(text).empty(), row.unit[0] != '?') << text;
        }
        EXPECT_EQ(AmbiguousUnitNames(row.singular), AmbiguousUnitNames(row.plural));
    }
    for (const char* listed : {"Tons", "Ounces", "MetricTons", "FluidGallons", "UKPints"}) {
        EXPECT_EQ(DescriptionOf(listed), listed);
    }
    for (const char* unknown : {"bus", "pts", "metr", "es", "ies"}) {
        EXPECT_EQ(DescriptionOf(unknown), "(none)") << unknown;
    }
}

// Every listed description, in any case, is its unit or refused as ambiguous naming it.
TEST(UnitSymbolsTest, EveryDescriptionInAnyCase) {
    const ConversionRegistry& registry = Registry();
    for (TConvFamily family = 1; family <= 9; ++family) {
        for (TConvType unit : registry.UnitsOfFamily(family)) {
            const std::string listed = registry.UnitDescription(unit);
            EXPECT_EQ(FindUnitByNameOrSymbol(listed), unit) << listed;
            std::string lower = listed, upper = listed;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            for (const std::string& text : {lower, upper}) {
                const std::vector<std::string_view> candidates = AmbiguousUnitNames(text);
                if (candidates.empty()) {
                    EXPECT_EQ(FindUnitByNameOrSymbol(text), unit) << text;
                } else {
                    EXPECT_FALSE(FindUnitByNameOrSymbol(text)) << text;
                    EXPECT_NE(std::find(candidates.begin(), candidates.end(), listed),
                              candidates.end())
                        << text;
                }
            }
        }
    }
}

// Conversions by symbol against formulas written from the units' definitions.
TEST(UnitSymbolsTest, ConversionsBySymbolMatchIndependentFormulas) {
    constexpr double kPi = std::numbers::pi;
    const struct {
        const char* from;
        const char* to;
        std::function<double(double)> formula;
    } rows[] = {
        {"km", "mi", [](double v) { return v * 1000 / 1609.344; }},
        {"in", "cm", [](double v) { return v * 2.54; }},
        {"nmi", "m", [](double v) { return v * 1852; }},
        {"ly", "pc", [](double v) { return v * 9460528404879358.0 / 3.0856802484953068e16; }},
        {"AU", "km", [](double v) { return v * 149598000; }},
        {"acre", "ha", [](double v) { return v * 4046.8564224 / 10000; }},
        {"km2", "m2", [](double v) { return v * 1e6; }},
        {"gal", "L", [](double v) { return v * 3.785411784; }},
        {"floz", "mL", [](double v) { return v * 29.5735295625; }},
        {"qt", "gal", [](double v) { return v / 4; }},
        {"m3", "l", [](double v) { return v * 1000; }},
        {"lb", "kg", [](double v) { return v * 0.45359237; }},
        {"oz", "g", [](double v) { return v * 28.349523125; }},
        {"gr", "mg", [](double v) { return v * 64.79891; }},
        {"t", "lb", [](double v) { return v * 1e6 / 453.59237; }},
        {"ug", "mg", [](double v) { return v / 1000; }},
        {"degC", "degF", [](double v) { return v * 9 / 5 + 32; }},
        {"F", "K", [](double v) { return (v - 32) * 5 / 9 + 273.15; }},
        {"R", "C", [](double v) { return (v - 491.67) * 5 / 9; }},
        {"Re", "C", [](double v) { return v * 5 / 4; }},
        {"K", "R", [](double v) { return v * 9 / 5; }},
        {"h", "min", [](double v) { return v * 60; }},
        {"d", "s", [](double v) { return v * 86400; }},
        {"wk", "h", [](double v) { return v * 168; }},
        {"yr", "d", [](double v) { return v * 365.25; }},
        {"ms", "s", [](double v) { return v / 1000; }},
        {"atm", "Pa", [](double v) { return v * 101325; }},
        {"kPa", "bar", [](double v) { return v / 100; }},
        {"atm", "mmHg", [](double v) { return v * 101325 * 0.0075006168270417; }},
        {"psi", "Pa", [](double v) { return v / 0.000145077720207254; }},
        {"cal", "J", [](double v) { return v * 4.184; }},
        {"btu", "cal", [](double v) { return v * 1055.06 / 4.184; }},
        {"deg", "rad", [kPi](double v) { return v * kPi / 180; }},
        {"grad", "deg", [](double v) { return v * 0.9; }},
        {"cyc", "grad", [](double v) { return v * 400; }},
    };
    for (const auto& row : rows) {
        const TConvType from = FindUnitByNameOrSymbol(row.from).value_or(0);
        const TConvType to = FindUnitByNameOrSymbol(row.to).value_or(0);
        for (double v : {1.0, 2.5, -40.0, 1234.5, 1e-3}) {
            const double want = row.formula(v);
            const double got = Registry().ConvertValue(v, from, to);
            EXPECT_NEAR(got, want, std::abs(want) * 1e-12 + 1e-12)
                << v << " " << row.from << " to " << row.to;
        }
    }
}

}  // namespace
}  // namespace brisalto
