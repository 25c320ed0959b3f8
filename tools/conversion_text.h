// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The unit conversion dialog's logic without its widgets: the families it lists, the units of a
// family, and the text its result field shows for a value text and two units.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/translate_noop.h"
#include "tools/conversion_registry.h"

namespace brisalto {

inline constexpr const char* kFloatingPointOverFlowText = "Floating point over flow";

// The family list of the dialog, top to bottom; each matches a registry family without regard
// to case ("Energy" is the family "energy").
inline constexpr std::array<std::string_view, 9> kConversionFamilyNames = {
    QT_TRANSLATE_NOOP("UnitFamilies", "Area"),
    QT_TRANSLATE_NOOP("UnitFamilies", "Distance"),
    QT_TRANSLATE_NOOP("UnitFamilies", "Mass"),
    QT_TRANSLATE_NOOP("UnitFamilies", "Volume"),
    QT_TRANSLATE_NOOP("UnitFamilies", "Temperature"),
    QT_TRANSLATE_NOOP("UnitFamilies", "Time"),
    QT_TRANSLATE_NOOP("UnitFamilies", "Energy"),
    QT_TRANSLATE_NOOP("UnitFamilies", "Pressure"),
    QT_TRANSLATE_NOOP("UnitFamilies", "trigonometric"),
};

// Unit descriptions of the family named (case ignored), in registration order; nothing when no
// family has that name.
std::optional<std::vector<std::string>> UnitNamesOfFamily(std::string_view family_name);

// The result field's text for value_text converted between two units of the process-wide
// registry: a text that is not a number counts as 0; an overflow gives
// kFloatingPointOverFlowText. Any other error is thrown, its what() being the error box's text.
std::string ConvValueText(std::string_view value_text, TConvType from, TConvType to);
// As above with units named by description (case ignored); a name not found stands for unit 0.
std::string ConvValueText(std::string_view value_text, std::string_view from_unit,
                          std::string_view to_unit);

}  // namespace brisalto
