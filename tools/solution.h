// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Quantities a chemist writes with their units (10 g, 25 mL, 0.1 M, 5 % w/v), the mass to weigh
// for a solution and its reverse, and dilution by C1·V1 = C2·V2.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_value.h"
#include "engine/translate_noop.h"
#include "tools/message.h"

namespace brisalto {

enum class QuantityKind {
    kMass,               // grams
    kAmount,             // moles
    kVolume,             // litres
    kMolarity,           // mol/L
    kMassConcentration,  // g/L
};

class QuantityError : public MessageError {
  public:
    using MessageError::MessageError;
};

struct Quantity {
    QuantityKind kind;
    CalcValue value;   // in the kind's base unit
    std::string unit;  // as written
    CalcValue factor;  // the written unit in base units
    std::size_t position = 1;
};

// One or more quantities, each a number and its unit: "25 mL 0.1 M". Throws QuantityError.
std::vector<Quantity> ParseQuantities(std::string_view text);
// Exactly one quantity of that kind, else QuantityError: a concentration is molar or by mass.
Quantity ParseVolume(std::string_view text);
Quantity ParseMass(std::string_view text);
Quantity ParseConcentration(std::string_view text);
inline constexpr const char* kNumbersTooLargeText =
    QT_TRANSLATE_NOOP("Chemistry", "the numbers are too large");

// Moles of a species of molar mass `molar_mass` g/mol from a mass, an amount, or a volume
// with a molarity.
CalcValue MolesOf(std::string_view text, CalcValue molar_mass);

// The grams to weigh of a substance of molar mass `molar_mass` for `volume` of `concentration`.
CalcValue MassToWeigh(CalcValue molar_mass, const Quantity& concentration, const Quantity& volume);

struct Concentrations {
    CalcValue molarity;  // mol/L
    CalcValue grams_per_litre;
};
Concentrations ConcentrationOf(CalcValue molar_mass, const Quantity& mass, const Quantity& volume);

// C1·V1 = C2·V2 with one of the four missing (nullopt); the two concentrations of one kind.
struct Dilution {
    Quantity c1, v1, c2, v2;  // all four, the computed one in the unit of its partner
    std::size_t computed;     // 0..3: which one
    CalcValue solvent;        // litres of solvent to add, V2 - V1
};
Dilution Dilute(const std::optional<Quantity>& c1, const std::optional<Quantity>& v1,
                const std::optional<Quantity>& c2, const std::optional<Quantity>& v2);

// A value in a quantity's written unit.
CalcValue InUnit(CalcValue base_value, const Quantity& unit_of);
// The volume in the most readable of L, mL, µL: "250 mL".
std::string VolumeText(CalcValue litres);

// A number with four significant digits, as a recipe writes it.
std::string ShortNumberText(CalcValue value);

// The recipe in a lab notebook's words.
Message SolutionRecipe(std::string_view formula, CalcValue grams, const Quantity& volume);

}  // namespace brisalto
