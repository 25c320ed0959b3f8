// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/element_table.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "engine/number_text.h"

namespace brisalto {
namespace {

TEST(ElementTableTest, OneHundredFifteenButtonsIndexedByTag) {
    const auto buttons = ElementButtons();
    ASSERT_EQ(buttons.size(), 115u);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].index, static_cast<int>(i)) << buttons[i].caption;
        const int expected =
            i < 112 ? static_cast<int>(i) + 1 : 114 + 2 * static_cast<int>(i - 112);
        EXPECT_EQ(buttons[i].atomic_number, expected) << buttons[i].caption;
    }
}

TEST(ElementTableTest, Entries) {
    const struct {
        int index;
        const char* caption;
        const char* hint;
        ElementRow row;
        int group;
        int period;
        int place;
        const char* weight;
    } rows[] = {
        {0, "H", "Hydrogen", ElementRow::kMainTable, 1, 1, 0, "1.00794"},
        {1, "He", "Helium", ElementRow::kMainTable, 18, 1, 0, "4.002602"},
        {10, "Na", "Sodium (Natrium)", ElementRow::kMainTable, 1, 3, 0, "22.989768"},
        {38, "Y", "Yittrium", ElementRow::kMainTable, 3, 5, 0, "88.90585"},
        {56, "La*", "Lanthanum", ElementRow::kMainTable, 3, 6, 0, "138.9055"},
        {57, "Ce", "Cerium", ElementRow::kLanthanides, 0, 0, 1, "140.115"},
        {70, "Lu", "Lutetium", ElementRow::kLanthanides, 0, 0, 14, "174.967"},
        {71, "Hf", "Hafnium", ElementRow::kMainTable, 4, 6, 0, "178.49"},
        {83, "Po", "Polnium", ElementRow::kMainTable, 16, 6, 0, "209"},
        {88, "Ac**", "Actinium", ElementRow::kMainTable, 3, 7, 0, "227"},
        {89, "Th", "Thorium", ElementRow::kActinides, 0, 0, 1, "232.0381"},
        {102, "Lw", "Lawrencium", ElementRow::kActinides, 0, 0, 14, "262"},
        {111, "Uub", "Ununbium", ElementRow::kMainTable, 12, 7, 0, "277"},
        {112, "Uuq", "Ununquadium", ElementRow::kMainTable, 14, 7, 0, "285"},
        {114, "Uuo", "Ununoctium", ElementRow::kMainTable, 18, 7, 0, "293"},
    };
    for (const auto& row : rows) {
        const ElementButton& b = ElementButtons()[static_cast<std::size_t>(row.index)];
        EXPECT_EQ(b.caption, row.caption) << row.index;
        EXPECT_EQ(b.hint, row.hint) << row.index;
        EXPECT_EQ(b.row, row.row) << row.index;
        EXPECT_EQ(b.group, row.group) << row.index;
        EXPECT_EQ(b.period, row.period) << row.index;
        EXPECT_EQ(b.place, row.place) << row.index;
        EXPECT_EQ(b.weight, row.weight) << row.index;
    }
}

TEST(ElementTableTest, PlacesAreUniqueAndWithinTheTable) {
    std::set<std::pair<int, int>> main_places;
    std::set<int> lanthanides;
    std::set<int> actinides;
    std::set<std::string_view> captions;
    for (const ElementButton& b : ElementButtons()) {
        EXPECT_TRUE(captions.insert(b.caption).second) << b.caption;
        switch (b.row) {
            case ElementRow::kMainTable:
                EXPECT_TRUE(b.group >= 1 && b.group <= 18 && b.period >= 1 && b.period <= 7)
                    << b.caption;
                EXPECT_TRUE(main_places.insert({b.period, b.group}).second) << b.caption;
                break;
            case ElementRow::kLanthanides:
                EXPECT_TRUE(lanthanides.insert(b.place).second) << b.caption;
                break;
            case ElementRow::kActinides:
                EXPECT_TRUE(actinides.insert(b.place).second) << b.caption;
                break;
        }
    }
    EXPECT_EQ(main_places.size(), 87u);
    EXPECT_EQ(lanthanides, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(actinides, lanthanides);
}

TEST(ElementTableTest, WeightsAreNumbers) {
    const std::vector<std::string> weights = MakeAtomicWeights();
    ASSERT_EQ(weights.size(), 115u);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        EXPECT_EQ(weights[i], ElementButtons()[i].weight) << i;
        EXPECT_GT(TextToValue(weights[i]), 0) << weights[i];
    }
}

TEST(ElementTableTest, InformationLines) {
    const struct {
        int index;
        const char* hint_label;
        const char* label35;
    } rows[] = {
        {0, "Hydrogen  Atomic Weight: 1.00794 g/mol", "Atomic Number: 1"},
        {1, "Helium  Atomic Weight: 4.002602 g/mol", "Atomic Number: 2"},
        {57, "Cerium  Atomic Weight: 140.115 g/mol", "Atomic Number: 58"},
        {111, "Ununbium  Atomic Weight: 277 g/mol", "Atomic Number: 112"},
        {112, "Ununquadium  Atomic Weight: 285 g/mol", "Atomic Number: 114"},
        {113, "Ununhexium  Atomic Weight: 289 g/mol", "Atomic Number: 116"},
        {114, "Ununoctium  Atomic Weight: 293 g/mol", "Atomic Number: 118"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(HintLabelText(row.index), row.hint_label) << row.index;
        EXPECT_EQ(Label35Text(row.index), row.label35) << row.index;
    }
    for (int index : {-1, 115, 1000}) {
        EXPECT_THROW(HintLabelText(index), std::out_of_range) << index;
        EXPECT_THROW(Label35Text(index), std::out_of_range) << index;
    }
}

TEST(ElementTableTest, TabOrderReadsTheTableThenTheTwoRows) {
    const std::vector<int> order = ElementTabOrder();
    ASSERT_EQ(order.size(), 115u);
    std::string captions;
    for (int index : order) {
        captions += ElementButtons()[static_cast<std::size_t>(index)].caption;
        captions += ' ';
    }
    EXPECT_EQ(captions.substr(0, 20), "H He Li Be B C N O F");
    EXPECT_NE(captions.find("Cs Ba La* Hf Ta"), std::string::npos);
    EXPECT_NE(captions.find("Mt Uun Uuu Uub Uuq Uuh Uuo Ce Pr"), std::string::npos);
    EXPECT_EQ(captions.substr(captions.size() - 9), "Md No Lw ");
}

}  // namespace
}  // namespace brisalto
