// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/molar_mass.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/number_text.h"
#include "tools/aligned_lines.h"
#include "tools/element_table.h"

namespace brisalto {
namespace {

constexpr int kPercentDecimals = 3;

CalcValue AtomicWeight(int element) {
    return TextToValue(ElementButtons()[static_cast<std::size_t>(element)].weight);
}

// Fixed decimals without the C library's locale: the window runs with the user's.
std::string FixedText(CalcValue value, int decimals) {
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                      std::chars_format::fixed, decimals);
    if (error != std::errc()) return ValueToText(value);
    return std::string(buffer.data(), end);
}

}  // namespace

MolarMass ComputeMolarMass(std::string_view formula) {
    const std::vector<ElementCount> counts = ParseFormula(formula);
    MolarMass result{0, {}};
    result.composition.reserve(counts.size());
    try {
        for (const ElementCount& count : counts) {
            const CalcValue mass = Multiply(count.count, AtomicWeight(count.element));
            result.value = Add(result.value, mass);
            result.composition.push_back({count.element, count.symbol, count.count, mass, 0});
        }
        for (ElementShare& share : result.composition) {
            share.percent = Divide(Multiply(share.mass, 100), result.value);
        }
    } catch (const FloatError&) {
        throw FormulaError(FormulaErrorKind::kTooLarge, Message{kFormulaTooLargeText}, 0);
    }
    return result;
}

std::string MolarMassText(const MolarMass& molar_mass) { return ValueToText(molar_mass.value); }

std::vector<CompositionRow> CompositionRows(const MolarMass& molar_mass) {
    std::vector<CompositionRow> rows;
    rows.reserve(molar_mass.composition.size());
    for (const ElementShare& share : molar_mass.composition) {
        rows.push_back({share.symbol, ValueToText(share.count), ValueToText(share.mass),
                        FixedText(share.percent, kPercentDecimals)});
    }
    return rows;
}

std::vector<std::string> CompositionTable(const MolarMass& molar_mass, std::string_view indent) {
    std::vector<std::vector<std::string>> cells{
        {std::string(kElementColumnTitle), std::string(kCountColumnTitle),
         std::string(kMassColumnTitle), std::string(kPercentColumnTitle)}};
    for (const CompositionRow& row : CompositionRows(molar_mass)) {
        cells.push_back({row.symbol, row.count, row.mass, row.percent});
    }
    return AlignedLines(cells, indent);
}

}  // namespace brisalto
