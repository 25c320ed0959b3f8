// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/element_symbols.h"

#include <array>
#include <stdexcept>

#include "tools/element_table.h"

namespace brisalto {
namespace {

struct SymbolAlias {
    std::string_view symbol;
    std::string_view table_symbol;
};

// Symbols of older tables, still read in formulas: lawrencium's first symbol and the
// systematic symbols used before the heaviest elements were named.
constexpr std::array<SymbolAlias, 10> kAliases = {{
    {"Lw", "Lr"},
    {"Uun", "Ds"},
    {"Uuu", "Rg"},
    {"Uub", "Cn"},
    {"Uut", "Nh"},
    {"Uuq", "Fl"},
    {"Uup", "Mc"},
    {"Uuh", "Lv"},
    {"Uus", "Ts"},
    {"Uuo", "Og"},
}};

std::string_view WithoutMarks(std::string_view caption) {
    const std::size_t mark = caption.find('*');
    return mark == std::string_view::npos ? caption : caption.substr(0, mark);
}

std::optional<int> FindTableSymbol(std::string_view symbol) {
    for (const ElementButton& button : ElementButtons()) {
        if (WithoutMarks(button.caption) == symbol) return button.index;
    }
    return std::nullopt;
}

// Symbols are one to three letters; a key of their bytes finds one in a direct table.
constexpr std::size_t kSlots = 26 * 27 * 27;

std::size_t SlotOf(std::string_view symbol) {
    if (symbol.empty() || symbol.size() > 3 || symbol[0] < 'A' || symbol[0] > 'Z') return kSlots;
    std::size_t slot = static_cast<std::size_t>(symbol[0] - 'A');
    for (std::size_t i = 1; i < 3; ++i) {
        std::size_t letter = 0;
        if (i < symbol.size()) {
            if (symbol[i] < 'a' || symbol[i] > 'z') return kSlots;
            letter = static_cast<std::size_t>(symbol[i] - 'a') + 1;
        }
        slot = slot * 27 + letter;
    }
    return slot;
}

struct SymbolIndex {
    std::array<short, kSlots> element;

    SymbolIndex() {
        element.fill(-1);
        for (const ElementButton& button : ElementButtons()) {
            element[SlotOf(WithoutMarks(button.caption))] = static_cast<short>(button.index);
        }
        for (const SymbolAlias& alias : kAliases) {
            element[SlotOf(alias.symbol)] =
                static_cast<short>(*FindTableSymbol(alias.table_symbol));
        }
    }
};

}  // namespace

std::optional<int> FindElementBySymbol(std::string_view symbol) {
    static const SymbolIndex index;
    const std::size_t slot = SlotOf(symbol);
    if (slot >= kSlots || index.element[slot] < 0) return std::nullopt;
    return index.element[slot];
}

std::string_view ElementSymbol(int index) {
    const auto buttons = ElementButtons();
    if (index < 0 || static_cast<std::size_t>(index) >= buttons.size()) {
        throw std::out_of_range("element index out of range");
    }
    return WithoutMarks(buttons[static_cast<std::size_t>(index)].caption);
}

}  // namespace brisalto
