// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The keyboard on the periodic table, checked against the table as chemists draw it (atomic
// numbers below): every element's cell, every arrow, Home and End from every element, and
// type-ahead for every symbol. Numbers the element table lacks are gaps.
#include "tools/element_grid.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/element_symbols.h"

namespace brisalto {
namespace {

constexpr const char* kDrawnTable[kGridRows] = {
    "1   .   .   .   .   .   .   .   .   .   .   .   .   .   .   .   .   2",
    "3   4   .   .   .   .   .   .   .   .   .   .   5   6   7   8   9   10",
    "11  12  .   .   .   .   .   .   .   .   .   .   13  14  15  16  17  18",
    "19  20  21  22  23  24  25  26  27  28  29  30  31  32  33  34  35  36",
    "37  38  39  40  41  42  43  44  45  46  47  48  49  50  51  52  53  54",
    "55  56  57  72  73  74  75  76  77  78  79  80  81  82  83  84  85  86",
    "87  88  89  104 105 106 107 108 109 110 111 112 113 114 115 116 117 118",
    ".   .   .   58  59  60  61  62  63  64  65  66  67  68  69  70  71  .",
    ".   .   .   90  91  92  93  94  95  96  97  98  99  100 101 102 103 .",
};

// Atomic numbers by cell; 0 where the table has no element.
struct Drawn {
    int number[kGridRows][kGridColumns] = {};
    std::map<int, int> index_of_number;

    Drawn() {
        for (const ElementButton& element : ElementButtons())
            index_of_number[element.atomic_number] = element.index;
        for (int r = 0; r < kGridRows; ++r) {
            std::istringstream line(kDrawnTable[r]);
            std::string word;
            for (int c = 0; c < kGridColumns && line >> word; ++c)
                if (word != "." && index_of_number.count(std::stoi(word)))
                    number[r][c] = std::stoi(word);
        }
    }

    // Walks from a cell by a step until an element or the edge, as a finger on the drawing.
    int Walk(int r, int c, int dr, int dc) const {
        for (r += dr, c += dc; r >= 0 && r < kGridRows && c >= 0 && c < kGridColumns;
             r += dr, c += dc)
            if (number[r][c] != 0) return number[r][c];
        return 0;
    }
};

const char* Symbol(int index) {
    return ElementButtons()[static_cast<std::size_t>(index)].caption.data();
}

TEST(ElementGridTest, EveryElementSitsWhereTheDrawingHasIt) {
    const Drawn drawn;
    for (const ElementButton& element : ElementButtons()) {
        const GridCell cell = CellOf(element);
        EXPECT_EQ(drawn.number[cell.row][cell.column], element.atomic_number) << element.caption;
    }
}

TEST(ElementGridTest, EveryKeyFromEveryElementFollowsTheDrawing) {
    const Drawn drawn;
    const struct {
        GridKey key;
        const char* name;
    } keys[] = {{GridKey::kUp, "Up"},       {GridKey::kDown, "Down"}, {GridKey::kLeft, "Left"},
                {GridKey::kRight, "Right"}, {GridKey::kHome, "Home"}, {GridKey::kEnd, "End"}};
    for (const ElementButton& element : ElementButtons()) {
        const GridCell at = CellOf(element);
        for (const auto& key : keys) {
            int number = 0;
            switch (key.key) {
                case GridKey::kUp:
                    number = drawn.Walk(at.row, at.column, -1, 0);
                    break;
                case GridKey::kDown:
                    number = drawn.Walk(at.row, at.column, 1, 0);
                    break;
                case GridKey::kLeft:
                    number = drawn.Walk(at.row, at.column, 0, -1);
                    break;
                case GridKey::kRight:
                    number = drawn.Walk(at.row, at.column, 0, 1);
                    break;
                case GridKey::kHome:
                    number = drawn.Walk(at.row, -1, 0, 1);
                    break;
                case GridKey::kEnd:
                    number = drawn.Walk(at.row, kGridColumns, 0, -1);
                    break;
            }
            const int expected = number == 0 ? element.index : drawn.index_of_number.at(number);
            EXPECT_EQ(Symbol(GridMove(element.index, key.key)), std::string(Symbol(expected)))
                << key.name << " from " << element.caption;
        }
    }
}

int IndexOf(std::string_view symbol) {
    for (const ElementButton& element : ElementButtons())
        if (ElementSymbol(element.index) == symbol) return element.index;
    return -1;
}

// The moves a user meets first: over the gaps of periods 1 to 3, into the f-block rows and out.
TEST(ElementGridTest, MovesOverGapsAndIntoTheFBlockRows) {
    const struct {
        const char* from;
        GridKey key;
        const char* to;
    } moves[] = {
        {"H", GridKey::kRight, "He"}, {"He", GridKey::kLeft, "H"},   {"He", GridKey::kDown, "Ne"},
        {"Be", GridKey::kRight, "B"}, {"B", GridKey::kUp, "B"},      {"He", GridKey::kRight, "He"},
        {"Sc", GridKey::kUp, "Sc"},   {"Mg", GridKey::kRight, "Al"}, {"Rf", GridKey::kDown, "Ce"},
        {"Ce", GridKey::kUp, "Rf"},   {"Ce", GridKey::kDown, "Th"},  {"Th", GridKey::kDown, "Th"},
        {"Fr", GridKey::kDown, "Fr"}, {"Ce", GridKey::kLeft, "Ce"},  {"Lu", GridKey::kRight, "Lu"},
        {"Xe", GridKey::kHome, "Rb"}, {"Rb", GridKey::kEnd, "Xe"},   {"Pr", GridKey::kEnd, "Lu"},
        {"Np", GridKey::kHome, "Th"}, {"H", GridKey::kEnd, "He"},
    };
    for (const auto& move : moves) {
        EXPECT_EQ(Symbol(GridMove(IndexOf(move.from), move.key)), std::string(move.to))
            << move.from << " " << static_cast<int>(move.key);
    }
}

TEST(ElementGridTest, TypingEverySymbolSelectsItsElement) {
    SymbolTypeAhead typing;
    std::int64_t now = 0;
    for (const ElementButton& element : ElementButtons()) {
        now += 5000;  // a pause before each symbol
        std::optional<int> selected;
        for (char letter : ElementSymbol(element.index)) selected = typing.Type(letter, now += 100);
        ASSERT_TRUE(selected.has_value()) << element.caption;
        EXPECT_EQ(*selected, element.index) << element.caption;
    }
}

TEST(ElementGridTest, TypeAheadCapitalsPausesAndStrayLetters) {
    const struct {
        const char* keys;  // a digit before a letter: that many pauses of half a second
        std::vector<std::string> selected;  // "" where nothing is selected
    } cases[] = {
        {"Cu", {"C", "Cu"}},
        {"CuU", {"C", "Cu", "U"}},
        {"CCl", {"C", "C", "Cl"}},
        {"C3u", {"C", ""}},    // the pause ends the symbol
        {"C1u", {"C", "Cu"}},  // a shorter one does not
        {"u", {""}},           // a small letter starts nothing
        {"cu", {"", ""}},
        {"Cx", {"C", ""}},
        {"La", {"Li", "La"}},  // "La*" by its symbol; L alone names no element, Li starts with it
        {"Q", {""}},
    };
    for (const auto& c : cases) {
        SymbolTypeAhead typing;
        std::int64_t now = 10000;
        std::vector<std::string> selected;
        for (const char* key = c.keys; *key != '\0'; ++key) {
            if (*key >= '0' && *key <= '9') {
                now += 500 * (*key - '0');
                continue;
            }
            const std::optional<int> index = typing.Type(*key, now += 50);
            selected.push_back(index ? std::string(ElementSymbol(*index)) : "");
        }
        EXPECT_EQ(selected, c.selected) << c.keys;
    }
}

}  // namespace
}  // namespace brisalto
