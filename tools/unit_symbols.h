// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The symbols and short names a user types for units (km, degF, psi), beside the registry's
// descriptions, and the lookup of a unit by either. Symbols are matched with their case (mm is
// not Mm); a text that could stand for several units is no symbol, the description is needed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/conversion_registry.h"

namespace brisalto {

struct UnitSymbols {
    std::string_view description;                  // as registered
    std::vector<std::string_view> symbols;         // listed beside the unit
    std::vector<std::string_view> spellings = {};  // understood too, not listed (°C, µm, cc)
};

// Every unit that has symbols, in no particular order.
std::span<const UnitSymbols> UnitSymbolTable();

// The listed symbols of the unit described, empty when it has none (case of the description
// ignored).
std::vector<std::string_view> SymbolsOfUnit(std::string_view description);

// The descriptions a text such as "gallon", "gallons" or "pt" could mean, empty when it is not
// one of them.
std::vector<std::string_view> AmbiguousUnitNames(std::string_view text);

// A unit of the process-wide registry: by description exactly as listed; refused when the text
// stands for several units; else by description in any case, by symbol or spelling, or by a
// description's singular, plural or British spelling (meter, metres, inch, centuries).
std::optional<TConvType> FindUnitByNameOrSymbol(std::string_view text);

}  // namespace brisalto
