// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The molar mass of a chemical formula from the periodic table's weight texts, with its
// composition by element, and the texts the dialog and brisalto-calc show for them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_value.h"
#include "tools/formula_parser.h"

namespace brisalto {

inline constexpr std::string_view kGramsPerMoleUnit = " g/mol";
// Column titles of the composition table.
inline constexpr std::string_view kElementColumnTitle = "Element";
inline constexpr std::string_view kCountColumnTitle = "Count";
inline constexpr std::string_view kMassColumnTitle = "g/mol";
inline constexpr std::string_view kPercentColumnTitle = "Mass %";

struct ElementShare {
    int element;         // index into the element table
    std::string symbol;  // as first written
    CalcValue count;
    CalcValue mass;     // count times the atomic weight, g/mol
    CalcValue percent;  // of the molar mass
};

struct MolarMass {
    CalcValue value;                        // g/mol
    std::vector<ElementShare> composition;  // in order of first appearance
};

// Sums count times weight over the elements in order of first appearance, in CalcValue from
// the weight texts the periodic table inserts. Throws FormulaError.
MolarMass ComputeMolarMass(std::string_view formula);

// The molar mass as the calculator writes a number: "98.07948".
std::string MolarMassText(const MolarMass& molar_mass);

struct CompositionRow {
    std::string symbol;
    std::string count;    // "2"
    std::string mass;     // "2.01588"
    std::string percent;  // "2.055", three decimals
};

std::vector<CompositionRow> CompositionRows(const MolarMass& molar_mass);

// The composition as aligned text lines under a title line, each starting with `indent`.
std::vector<std::string> CompositionTable(const MolarMass& molar_mass, std::string_view indent);

}  // namespace brisalto
