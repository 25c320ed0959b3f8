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
        // µ is typed as the micro sign or the Greek mu, Å as a letter or as the angstrom sign.
        {"Microns", {"um"}, {"µm", "μm"}},
        {"Millimicrons", {"nm"}},
        {"Micromicrons", {"pm"}},
        {"Angstroms", {}, {"Å", "Å"}},
        {"Decimeters", {"dm"}},
        {"Inches", {"in"}},
        {"Feet", {"ft"}},
        {"Yards", {"yd"}},
        {"Miles", {"mi"}},
        {"NauticalMiles", {"nmi"}},
        {"AstronomicalUnits", {"AU"}},
        {"LightYears", {"ly"}},
        {"Parsecs", {"pc"}},
        // Area
        {"SquareMeters", {"m2"}, {"m²"}},
        {"SquareKilometers", {"km2"}, {"km²"}},
        {"SquareCentimeters", {"cm2"}, {"cm²"}},
        {"SquareMillimeters", {"mm2"}, {"mm²"}},
        {"SquareFeet", {"ft2"}},
        {"SquareInches", {"in2"}},
        {"Hectares", {"ha"}},
        {"Acres", {"acre"}},
        // Volume; gal, qt and floz are the US fluid measures
        {"CubicMeters", {"m3"}, {"m³"}},
        {"CubicDecimeters", {"dm3"}, {"dm³"}},
        {"CubicCentimeters", {"cm3"}, {"cm³", "cc"}},
        // A microlitre is a cubic millimetre.
        {"CubicMillimeters", {"mm3"}, {"mm³", "uL", "ul", "µL", "µl", "μL", "μl"}},
        {"CubicFeet", {"ft3"}},
        {"CubicInches", {"in3"}},
        {"Liters", {"L", "l"}},
        {"MilliLiters", {"mL", "ml"}},
        {"CentiLiters", {"cL", "cl"}},
        {"DeciLiters", {"dL", "dl"}},
        {"HectoLiters", {"hL", "hl"}},
        {"FluidGallons", {"gal"}},
        {"FluidQuarts", {"qt"}},
        {"FluidOunces", {"floz"}},
        // Mass; t is the metric ton
        {"Grams", {"g"}},
        {"Kilograms", {"kg"}},
        {"Milligrams", {"mg"}},
        {"Micrograms", {"ug"}, {"µg", "μg", "mcg"}},
        {"Nanograms", {"ng"}},
        {"MetricTons", {"t"}},
        {"Pounds", {"lb"}, {"lbs"}},
        {"Ounces", {"oz"}},
        {"Grains", {"gr"}},
        // Temperature
        {"Celsius", {"C", "degC"}, {"°C", "℃"}},
        {"Kelvin", {"K"}},
        {"Fahrenheit", {"F", "degF"}, {"°F", "℉"}},
        {"Rankine", {"R"}, {"degR"}},
        {"Reaumur", {"Re"}},
        // Time
        {"Seconds", {"s"}, {"sec", "secs"}},
        {"MilliSeconds", {"ms"}},
        {"Minutes", {"min"}, {"mins"}},
        {"Hours", {"h"}, {"hr", "hrs"}},
        {"Days", {"d"}},
        {"Weeks", {"wk"}, {"wks"}},
        {"Years", {"yr"}, {"yrs"}},
        // pressure
        {"pascal", {"Pa"}},
        {"kilopascal", {"kPa"}},
        {"atmosphere", {"atm"}},
        {"torr(mmHg)", {"torr", "mmHg"}, {"Torr", "mm Hg"}},
        {"pounds per square inch", {"psi"}},
        {"bar", {"bar"}},
        // energy
        {"joule", {"J"}},
        {"calorie", {"cal"}},
        {"British thermal unit (btu)", {"btu"}, {"BTU", "Btu"}},
        // trigonometric
        {"radian", {"rad"}},
        {"degrees", {"deg"}, {"°"}},
        {"grad", {"grad"}},
        {"cycle", {"cyc"}},
    };
    return table;
}

struct AmbiguousName {
    std::string_view text;
    std::vector<std::string_view> descriptions;
};

// Words users type for measures that exist in several systems; none is a symbol. Their plurals
// (gallons, tons) are as ambiguous.
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

// Unit words whose description is not their plural.
struct UnitWord {
    std::string_view word;
    std::string_view description;
};
constexpr UnitWord kUnitWords[] = {
    {"foot", "Feet"},
    {"millennium", "Millennia"},
    {"tonne", "MetricTons"},
    {"tonnes", "MetricTons"},
};

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() > tail.size() &&
           SameDescription(text.substr(text.size() - tail.size()), tail);
}

// What a plural's singular may be ("inches", "centuries", "meters"); none without a final s.
std::vector<std::string> SingularForms(std::string_view text) {
    std::vector<std::string> forms;
    if (EndsWith(text, "ies")) forms.push_back(std::string(text.substr(0, text.size() - 3)) + "y");
    if (EndsWith(text, "es")) forms.emplace_back(text.substr(0, text.size() - 2));
    if (EndsWith(text, "s")) forms.emplace_back(text.substr(0, text.size() - 1));
    return forms;
}

// The British spellings metre and litre, as the registry writes them (meter, liter).
std::string AmericanSpelling(std::string_view text) {
    std::string spelled(text);
    for (const char* from : {"metre", "litre"}) {
        for (std::size_t at = 0; at + 5 <= spelled.size(); ++at) {
            // Descriptions match in any case, so the swapped letters may be lower case.
            if (SameDescription(std::string_view(spelled).substr(at, 5), from)) {
                spelled[at + 3] = 'e';
                spelled[at + 4] = 'r';
            }
        }
    }
    return spelled;
}

// A unit named in words: its description in any case, singular or plural, metre or meter.
std::optional<TConvType> FindUnitByWord(const ConversionRegistry& registry, std::string_view text) {
    const std::string word = AmericanSpelling(text);
    if (std::optional<TConvType> unit = registry.FindUnitByName(word)) return unit;
    for (const UnitWord& entry : kUnitWords) {
        if (SameDescription(entry.word, word)) return registry.FindUnitByName(entry.description);
    }
    for (const char* plural : {"s", "es"}) {
        if (std::optional<TConvType> unit = registry.FindUnitByName(word + plural)) return unit;
    }
    if (EndsWith(word, "y")) {
        if (auto unit = registry.FindUnitByName(word.substr(0, word.size() - 1) + "ies"))
            return unit;
    }
    for (const std::string& singular : SingularForms(word)) {
        if (std::optional<TConvType> unit = registry.FindUnitByName(singular)) return unit;
    }
    return std::nullopt;
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
    std::vector<std::string> forms = {std::string(text)};
    // Plurals of the words only: "bus" is no plural of "bu".
    for (std::string& singular : SingularForms(text)) {
        if (singular.size() > 2) forms.push_back(std::move(singular));
    }
    for (const AmbiguousName& entry : AmbiguousTable()) {
        for (const std::string& form : forms) {
            if (SameDescription(entry.text, form)) return entry.descriptions;
        }
    }
    return {};
}

std::optional<TConvType> FindUnitByNameOrSymbol(std::string_view text) {
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    const std::optional<TConvType> described = registry.FindUnitByName(text);
    // A description exactly as listed names its unit, even one whose word is ambiguous: "Tons"
    // is the unit of that name, "tons" any of three.
    if (described && registry.UnitDescription(*described) == text) return described;
    if (!AmbiguousUnitNames(text).empty()) return std::nullopt;
    if (described) return described;
    for (const UnitSymbols& entry : Table()) {
        for (const auto* list : {&entry.symbols, &entry.spellings}) {
            if (std::find(list->begin(), list->end(), text) != list->end()) {
                return registry.FindUnitByName(entry.description);
            }
        }
    }
    return FindUnitByWord(registry, text);
}

}  // namespace brisalto
