// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/unit_symbols.h"

#include <algorithm>

namespace brisalto {
namespace {

const std::vector<UnitSymbols>& Table() {
    static const std::vector<UnitSymbols> table = {
        // Distance
        {"Meters", {"m"}},
        {"Kilometers", {"km"}},
        {"Centimeters", {"cm"}},
        {"Millimeters", {"mm"}},
        {"Microns", {"um"}},
        {"Millimicrons", {"nm"}},
        {"Inches", {"in"}},
        {"Feet", {"ft"}},
        {"Yards", {"yd"}},
        {"Miles", {"mi"}},
        {"NauticalMiles", {"nmi"}},
        {"AstronomicalUnits", {"AU"}},
        {"LightYears", {"ly"}},
        {"Parsecs", {"pc"}},
        // Area
        {"SquareMeters", {"m2"}},
        {"SquareKilometers", {"km2"}},
        {"Hectares", {"ha"}},
        {"Acres", {"acre"}},
        // Volume; gal, qt and floz are the US fluid measures
        {"CubicMeters", {"m3"}},
        {"Liters", {"L", "l"}},
        {"MilliLiters", {"mL", "ml"}},
        {"FluidGallons", {"gal"}},
        {"FluidQuarts", {"qt"}},
        {"FluidOunces", {"floz"}},
        // Mass; t is the metric ton
        {"Grams", {"g"}},
        {"Kilograms", {"kg"}},
        {"Milligrams", {"mg"}},
        {"Micrograms", {"ug"}},
        {"MetricTons", {"t"}},
        {"Pounds", {"lb"}},
        {"Ounces", {"oz"}},
        {"Grains", {"gr"}},
        // Temperature
        {"Celsius", {"C", "degC"}},
        {"Kelvin", {"K"}},
        {"Fahrenheit", {"F", "degF"}},
        {"Rankine", {"R"}},
        {"Reaumur", {"Re"}},
        // Time
        {"Seconds", {"s"}},
        {"MilliSeconds", {"ms"}},
        {"Minutes", {"min"}},
        {"Hours", {"h"}},
        {"Days", {"d"}},
        {"Weeks", {"wk"}},
        {"Years", {"yr"}},
        // pressure
        {"pascal", {"Pa"}},
        {"kilopascal", {"kPa"}},
        {"atmosphere", {"atm"}},
        {"torr(mmHg)", {"torr", "mmHg"}},
        {"pounds per square inch", {"psi"}},
        {"bar", {"bar"}},
        // energy
        {"joule", {"J"}},
        {"calorie", {"cal"}},
        {"British thermal unit (btu)", {"btu"}},
        // trigonometric
        {"radian", {"rad"}},
        {"degrees", {"deg"}},
        {"grad", {"grad"}},
        {"cycle", {"cyc"}},
    };
    return table;
}

struct AmbiguousName {
    std::string_view text;
    std::vector<std::string_view> descriptions;
};

// Words users type for measures that exist in several systems; none is a symbol.
const std::vector<AmbiguousName>& AmbiguousTable() {
    static const std::vector<AmbiguousName> table = {
        {"gallon", {"FluidGallons", "DryGallons", "UKGallons"}},
        {"quart", {"FluidQuarts", "DryQuarts", "UKQuarts"}},
        {"pint", {"FluidPints", "DryPints", "UKPints"}},
        {"pt", {"FluidPints", "DryPints", "UKPints"}},
        {"ounce", {"Ounces", "FluidOunces", "UKOunces"}},
        {"ton", {"MetricTons", "Tons", "LongTons"}},
        {"bushel", {"DryBushels", "UKBushels"}},
        {"bu", {"DryBushels", "UKBushels"}},
        {"peck", {"DryPecks", "UKPecks"}},
        {"pk", {"DryPecks", "UKPecks"}},
    };
    return table;
}

}  // namespace

std::span<const UnitSymbols> UnitSymbolTable() { return Table(); }

std::vector<std::string_view> SymbolsOfUnit(std::string_view description) {
    for (const UnitSymbols& entry : Table()) {
        if (SameDescription(entry.description, description)) return entry.symbols;
    }
    return {};
}

std::vector<std::string_view> AmbiguousUnitNames(std::string_view text) {
    for (const AmbiguousName& entry : AmbiguousTable()) {
        if (SameDescription(entry.text, text)) return entry.descriptions;
    }
    return {};
}

std::optional<TConvType> FindUnitByNameOrSymbol(std::string_view text) {
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    if (std::optional<TConvType> unit = registry.FindUnitByName(text)) return unit;
    for (const UnitSymbols& entry : Table()) {
        if (std::find(entry.symbols.begin(), entry.symbols.end(), text) != entry.symbols.end()) {
            return registry.FindUnitByName(entry.description);
        }
    }
    return std::nullopt;
}

}  // namespace brisalto
