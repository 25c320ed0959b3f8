// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/molar_mass.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/number_text.h"
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

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string PadRight(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
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
    const std::vector<CompositionRow> rows = CompositionRows(molar_mass);
    std::array<std::size_t, 4> width = {kElementColumnTitle.size(), kCountColumnTitle.size(),
                                        kMassColumnTitle.size(), kPercentColumnTitle.size()};
    for (const CompositionRow& row : rows) {
        width[0] = std::max(width[0], row.symbol.size());
        width[1] = std::max(width[1], row.count.size());
        width[2] = std::max(width[2], row.mass.size());
        width[3] = std::max(width[3], row.percent.size());
    }
    const auto line = [&](const std::string& symbol, const std::string& count,
                          const std::string& mass, const std::string& percent) {
        return std::string(indent) + PadRight(symbol, width[0]) + "  " + PadLeft(count, width[1]) +
               "  " + PadLeft(mass, width[2]) + "  " + PadLeft(percent, width[3]);
    };
    std::vector<std::string> lines;
    lines.reserve(rows.size() + 1);
    lines.push_back(line(std::string(kElementColumnTitle), std::string(kCountColumnTitle),
                         std::string(kMassColumnTitle), std::string(kPercentColumnTitle)));
    for (const CompositionRow& row : rows) {
        lines.push_back(line(row.symbol, row.count, row.mass, row.percent));
    }
    return lines;
}

}  // namespace brisalto
