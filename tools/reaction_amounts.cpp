// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/reaction_amounts.h"

#include <algorithm>
#include <array>

#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/number_text.h"
#include "tools/aligned_lines.h"
#include "tools/molar_mass.h"
#include "tools/solution.h"

namespace brisalto {
namespace {

constexpr CalcValue kElectronMolarMass = 5.48579909065e-4L;  // g/mol
constexpr const char* kNoEqualsText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 needs a species and an amount: 'H2O=10 g'");
constexpr const char* kNotInReactionText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 is not a species of the reaction");
constexpr const char* kTwiceText = QT_TRANSLATE_NOOP("Chemistry", "%1 is given twice");
constexpr const char* kMixedText =
    QT_TRANSLATE_NOOP("Chemistry", "give the amounts of reactants, or of one product, not both");
constexpr const char* kYieldProductText =
    QT_TRANSLATE_NOOP("Chemistry", "the actual yield is of a product: %1");

}  // namespace

CalcValue SpeciesMolarMass(const Species& species) {
    if (species.elements.empty()) return kElectronMolarMass;
    return ComputeMolarMass(species.formula).value;
}

GivenAmount ParseGivenAmount(const BalancedReaction& balanced, std::string_view text) {
    const std::size_t equals = text.rfind('=');
    if (equals == std::string_view::npos) {
        throw QuantityError(Message{kNoEqualsText, {std::string(text)}});
    }
    const std::string name(text.substr(0, equals));
    const int species = FindSpecies(balanced.reaction, name);
    if (species < 0) throw QuantityError(Message{kNotInReactionText, {name}});
    const std::string_view amount = text.substr(equals + 1);
    try {
        return {species,
                MolesOf(amount, SpeciesMolarMass(
                                    balanced.reaction.species[static_cast<std::size_t>(species)]))};
    } catch (const QuantityError& error) {
        // Positions count in the whole argument.
        const std::size_t position = error.position() == 0 ? 0 : error.position() + equals + 1;
        throw QuantityError(error.message(), position);
    }
}

Amounts ComputeAmounts(const BalancedReaction& balanced, const std::vector<GivenAmount>& given,
                       const std::optional<GivenAmount>& actual) {
    const std::vector<Species>& species = balanced.reaction.species;
    Amounts amounts;
    amounts.rows.resize(species.size());
    std::vector<std::optional<CalcValue>> given_moles(species.size());
    int reactants = 0;
    int products = 0;
    for (const GivenAmount& g : given) {
        const auto s = static_cast<std::size_t>(g.species);
        if (given_moles[s]) throw QuantityError(Message{kTwiceText, {species[s].text}});
        given_moles[s] = g.moles;
        (species[s].product ? products : reactants) += 1;
    }
    if ((reactants > 0 && products > 0) || products > 1) throw QuantityError(Message{kMixedText});
    try {
        // The extent of reaction: the smallest that any given reactant allows.
        CalcValue extent = -1;
        int reactants_given = 0;
        for (std::size_t s = 0; s < species.size(); ++s) {
            if (!given_moles[s]) continue;
            const CalcValue e =
                Divide(*given_moles[s], static_cast<CalcValue>(balanced.coefficients[s]));
            if (!species[s].product) ++reactants_given;
            if (extent < 0 || e < extent) {
                extent = e;
                amounts.limiting = static_cast<int>(s);
            }
        }
        if (reactants_given < 2) amounts.limiting = -1;
        if (extent < 0) extent = 0;
        for (std::size_t s = 0; s < species.size(); ++s) {
            AmountRow& row = amounts.rows[s];
            row.molar_mass = SpeciesMolarMass(species[s]);
            row.moles = Multiply(extent, static_cast<CalcValue>(balanced.coefficients[s]));
            row.grams = Multiply(row.moles, row.molar_mass);
            row.given = given_moles[s].has_value();
            if (row.given && !species[s].product) {
                row.left_moles = std::max<CalcValue>(Subtract(*given_moles[s], row.moles), 0);
                row.left_grams = Multiply(row.left_moles, row.molar_mass);
            }
        }
        if (actual) {
            const auto s = static_cast<std::size_t>(actual->species);
            if (!species[s].product) {
                throw QuantityError(Message{kYieldProductText, {species[s].text}});
            }
            amounts.yield_species = actual->species;
            amounts.percent_yield = amounts.rows[s].moles > 0 ? Divide(Multiply(actual->moles, 100),
                                                                       amounts.rows[s].moles)
                                                              : 0;
        }
    } catch (const FloatError&) {
        throw QuantityError(Message{kNumbersTooLargeText});
    }
    return amounts;
}

std::vector<std::vector<std::string>> AmountCells(const BalancedReaction& balanced,
                                                  const Amounts* amounts) {
    const std::vector<Species>& species = balanced.reaction.species;
    std::vector<std::vector<std::string>> cells;
    for (std::size_t s = 0; s < species.size(); ++s) {
        std::vector<std::string> row{species[s].text, std::to_string(balanced.coefficients[s])};
        if (amounts != nullptr) {
            const AmountRow& amount = amounts->rows[s];
            row.insert(row.end(), {ValueToText(amount.molar_mass), ValueToText(amount.moles),
                                   ValueToText(amount.grams)});
        } else {
            row.push_back(ValueToText(SpeciesMolarMass(species[s])));
        }
        cells.push_back(std::move(row));
    }
    return cells;
}

std::vector<Message> AmountsSummary(const BalancedReaction& balanced, const Amounts& amounts,
                                    std::string (*percent_text)(CalcValue)) {
    const std::vector<Species>& species = balanced.reaction.species;
    std::vector<Message> lines;
    if (amounts.limiting >= 0) {
        lines.push_back({QT_TRANSLATE_NOOP("Chemistry", "Limiting reactant: %1"),
                         {species[static_cast<std::size_t>(amounts.limiting)].text}});
        for (std::size_t s = 0; s < species.size(); ++s) {
            const AmountRow& row = amounts.rows[s];
            if (!row.given || species[s].product || static_cast<int>(s) == amounts.limiting) {
                continue;
            }
            lines.push_back(
                {QT_TRANSLATE_NOOP("Chemistry", "Left over: %1 %2 mol, %3 g"),
                 {species[s].text, ValueToText(row.left_moles), ValueToText(row.left_grams)}});
        }
    }
    if (amounts.yield_species >= 0) {
        lines.push_back({QT_TRANSLATE_NOOP("Chemistry", "Percent yield of %1: %2 %"),
                         {species[static_cast<std::size_t>(amounts.yield_species)].text,
                          percent_text(amounts.percent_yield)}});
    }
    return lines;
}

std::vector<std::string> AmountsLines(const BalancedReaction& balanced, const Amounts& amounts) {
    std::vector<std::vector<std::string>> cells{
        std::vector<std::string>(std::begin(kAmountColumnTitles), std::end(kAmountColumnTitles))};
    for (auto& row : AmountCells(balanced, &amounts)) cells.push_back(std::move(row));
    std::vector<std::string> lines = AlignedLines(cells);
    for (const Message& line :
         AmountsSummary(balanced, amounts, [](CalcValue v) { return ValueToText(v); })) {
        lines.push_back(line.Text());
    }
    return lines;
}

}  // namespace brisalto
