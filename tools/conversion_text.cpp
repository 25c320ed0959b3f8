// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/conversion_text.h"

#include "engine/number_text.h"

namespace brisalto {

std::optional<std::vector<std::string>> UnitNamesOfFamily(std::string_view family_name) {
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    const std::optional<TConvFamily> family = registry.FindFamilyByName(family_name);
    if (!family) return std::nullopt;
    std::vector<std::string> names;
    for (TConvType unit : registry.UnitsOfFamily(*family)) {
        names.push_back(registry.UnitDescription(unit));
    }
    return names;
}

std::string ConvValueText(std::string_view value_text, TConvType from, TConvType to) {
    try {
        CalcValue number = 0;
        try {
            number = TextToValue(value_text);
        } catch (const ConvertError&) {
            // The dialog takes anything that is not a number, the empty text included, as 0.
        }
        const double result =
            ConversionRegistry::Instance().ConvertValue(RoundToDouble(number), from, to);
        return ValueToText(result);
    } catch (const FloatError& error) {
        if (error.fault() != FloatFault::kOverflow) throw;
        return kFloatingPointOverFlowText;
    }
}

std::string ConvValueText(std::string_view value_text, std::string_view from_unit,
                          std::string_view to_unit) {
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    return ConvValueText(value_text, registry.FindUnitByName(from_unit).value_or(0),
                         registry.FindUnitByName(to_unit).value_or(0));
}

}  // namespace brisalto
