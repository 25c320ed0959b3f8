// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The 118 element buttons of the periodic table: caption, name, place, atomic number and
// weight text, and the two information lines the picker shows for a button.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

enum class ElementRow {
    kMainTable,    // group 1 to 18, period 1 to 7
    kLanthanides,  // the f-block row below the table, place 1 to 14
    kActinides,    // the second f-block row, place 1 to 14
};

struct ElementButton {
    int index;          // the button's Tag, its index into AtomicWeights
    int atomic_number;  // index + 1 up to Cn; the cells of index 112 on are out of order
    std::string_view caption;
    std::string_view hint;  // the element's name
    ElementRow row;
    int group;   // 1 to 18 in the main table, else 0
    int period;  // 1 to 7 in the main table, else 0
    int place;   // 1 to 14 in an f-block row, else 0
    std::string_view weight;
};

inline constexpr std::size_t kElementCount = 118;

// The 118 buttons, index == tag.
std::span<const ElementButton> ElementButtons();
// Button indices in Tab order: the main table in reading order, the lanthanides, the actinides.
std::vector<int> ElementTabOrder();

// The weight texts by index: the main window's AtomicWeights.
std::vector<std::string> MakeAtomicWeights();

// "Hydrogen  Atomic Weight: 1.00794 g/mol" for index 0. Throws std::out_of_range for an index
// outside 0 to 117.
std::string HintLabelText(int index);
// "Atomic Number: 1" for index 0. Throws std::out_of_range likewise.
std::string Label35Text(int index);

}  // namespace brisalto
