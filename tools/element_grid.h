// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The periodic table as it is drawn, for the keyboard: each element's cell, the element an
// arrow, Home or End reaches from another, and the element a typed symbol names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tools/element_table.h"

namespace brisalto {

// Rows 0 to 6 are periods 1 to 7, rows 7 and 8 the lanthanide and actinide rows; columns 0 to
// 17 are groups 1 to 18, and the f-block rows start under group 4.
struct GridCell {
    int row;
    int column;
    bool operator==(const GridCell&) const = default;
};

inline constexpr int kGridRows = 9;
inline constexpr int kGridColumns = 18;
inline constexpr int kFBlockFirstColumn = 3;

GridCell CellOf(const ElementButton& element);

enum class GridKey { kUp, kDown, kLeft, kRight, kHome, kEnd };

// The index of the element reached from the element of index `from`: the next element that
// way in its column or row, over gaps; `from` itself at an edge. Home and End reach the row's
// first and last element.
int GridMove(int from, GridKey key);

// Type-ahead over the symbols, case as the table writes them: a capital starts a symbol, a
// small letter extends it unless the pause since the last key was too long.
class SymbolTypeAhead {
  public:
    explicit SymbolTypeAhead(std::int64_t pause_ms = 1000) : pause_ms_(pause_ms) {}

    // The element to select after typing `letter` at `now_ms`: the one whose symbol is the
    // typed text, else the first whose symbol starts with it; nothing when none does.
    std::optional<int> Type(char letter, std::int64_t now_ms);

  private:
    std::int64_t pause_ms_;
    std::int64_t last_ms_ = 0;
    std::string typed_;
};

}  // namespace brisalto
