// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The amounts around a balanced reaction: from the given amounts of some species, the moles and
// grams of every species, the limiting reactant, what is left over, and the percent yield.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_value.h"
#include "engine/translate_noop.h"
#include "tools/reaction.h"

namespace brisalto {

// Column titles of the amounts table.
inline constexpr const char* kAmountColumnTitles[] = {
    QT_TRANSLATE_NOOP("Reaction", "Species"), QT_TRANSLATE_NOOP("Reaction", "Coefficient"),
    QT_TRANSLATE_NOOP("Reaction", "g/mol"), QT_TRANSLATE_NOOP("Reaction", "mol"),
    QT_TRANSLATE_NOOP("Reaction", "g")};

struct GivenAmount {
    int species;      // index into the reaction
    CalcValue moles;  // at least 0
};

struct AmountRow {
    CalcValue molar_mass;  // g/mol
    CalcValue moles;       // that react, or that form
    CalcValue grams;
    bool given = false;
    CalcValue left_moles = 0;  // of a given reactant, what the limiting one leaves
    CalcValue left_grams = 0;
};

struct Amounts {
    std::vector<AmountRow> rows;  // one a species, in the reaction's order
    int limiting = -1;            // with two or more reactants given
    int yield_species = -1;
    CalcValue percent_yield = 0;
};

// Reads "SPECIES=AMOUNT" (10 g, 0.5 mol, 25 mL 0.1 M) against the reaction. Throws
// QuantityError naming the species or the amount.
GivenAmount ParseGivenAmount(const BalancedReaction& balanced, std::string_view text);

// The molar mass of a species; the electron weighs its own small mass.
CalcValue SpeciesMolarMass(const Species& species);

// Reactants or one product given; `actual` an amount of a product for the percent yield.
// Throws QuantityError.
Amounts ComputeAmounts(const BalancedReaction& balanced, const std::vector<GivenAmount>& given,
                       const std::optional<GivenAmount>& actual = std::nullopt);

// The table's cells, a row a species: its text, coefficient and molar mass, then with amounts
// its moles and grams.
std::vector<std::vector<std::string>> AmountCells(const BalancedReaction& balanced,
                                                  const Amounts* amounts);

// The limiting reactant, what each other given reactant leaves, and the percent yield, each a
// line; `percent_text` writes the yield's number.
std::vector<Message> AmountsSummary(const BalancedReaction& balanced, const Amounts& amounts,
                                    std::string (*percent_text)(CalcValue));

// The table as aligned text lines, then the summary, in English.
std::vector<std::string> AmountsLines(const BalancedReaction& balanced, const Amounts& amounts);

}  // namespace brisalto
