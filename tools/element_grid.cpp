// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/element_grid.h"

#include <array>

#include "tools/element_symbols.h"

namespace brisalto {
namespace {

constexpr int kNoElement = -1;

using Grid = std::array<std::array<int, kGridColumns>, kGridRows>;

Grid MakeGrid() {
    Grid grid;
    for (auto& row : grid) row.fill(kNoElement);
    for (const ElementButton& element : ElementButtons()) {
        const GridCell cell = CellOf(element);
        grid[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] =
            element.index;
    }
    return grid;
}

const Grid& TheGrid() {
    static const Grid grid = MakeGrid();
    return grid;
}

int At(int row, int column) {
    return TheGrid()[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

// The first element from (row, column) stepping by (d_row, d_column), the start excluded.
int FirstElement(GridCell from, int d_row, int d_column) {
    for (int r = from.row + d_row, c = from.column + d_column;
         r >= 0 && r < kGridRows && c >= 0 && c < kGridColumns; r += d_row, c += d_column) {
        if (At(r, c) != kNoElement) return At(r, c);
    }
    return kNoElement;
}

}  // namespace

GridCell CellOf(const ElementButton& element) {
    switch (element.row) {
        case ElementRow::kMainTable:
            return {element.period - 1, element.group - 1};
        case ElementRow::kLanthanides:
            return {7, kFBlockFirstColumn + element.place - 1};
        case ElementRow::kActinides:
            return {8, kFBlockFirstColumn + element.place - 1};
    }
    return {};
}

int GridMove(int from, GridKey key) {
    const GridCell cell = CellOf(ElementButtons()[static_cast<std::size_t>(from)]);
    int reached = kNoElement;
    switch (key) {
        case GridKey::kUp:
            reached = FirstElement(cell, -1, 0);
            break;
        case GridKey::kDown:
            reached = FirstElement(cell, 1, 0);
            break;
        case GridKey::kLeft:
            reached = FirstElement(cell, 0, -1);
            break;
        case GridKey::kRight:
            reached = FirstElement(cell, 0, 1);
            break;
        case GridKey::kHome:
            reached = FirstElement({cell.row, -1}, 0, 1);
            break;
        case GridKey::kEnd:
            reached = FirstElement({cell.row, kGridColumns}, 0, -1);
            break;
    }
    return reached == kNoElement ? from : reached;
}

std::optional<int> SymbolTypeAhead::Type(char letter, std::int64_t now_ms) {
    const bool capital = letter >= 'A' && letter <= 'Z';
    const bool small = letter >= 'a' && letter <= 'z';
    if (capital || now_ms - last_ms_ > pause_ms_) typed_.clear();
    last_ms_ = now_ms;
    if (!(capital || (small && !typed_.empty()))) {
        typed_.clear();
        return std::nullopt;
    }
    typed_ += letter;
    std::optional<int> first_with_prefix;
    for (const ElementButton& element : ElementButtons()) {
        const std::string_view symbol = ElementSymbol(element.index);
        if (symbol == typed_) return element.index;
        if (!first_with_prefix && symbol.starts_with(typed_)) first_with_prefix = element.index;
    }
    return first_with_prefix;
}

}  // namespace brisalto
