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
    EXPECT_EQ(main_places.size(), 90u);
    EXPECT_EQ(lanthanides, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(actinides, lanthanides);
}

TEST(ElementTableTest, WeightsAreNumbers) {
    const std::vector<std::string> weights = MakeAtomicWeights();
    ASSERT_EQ(weights.size(), kElementCount);
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
        {111, "Copernicium  Atomic Weight: 277 g/mol", "Atomic Number: 112"},
        {114, "Oganesson  Atomic Weight: 293 g/mol", "Atomic Number: 118"},
        {115, "Nihonium  Atomic Weight: 286 g/mol", "Atomic Number: 113"},
        {117, "Tennessine  Atomic Weight: 294 g/mol", "Atomic Number: 117"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(HintLabelText(row.index), row.hint_label) << row.index;
        EXPECT_EQ(Label35Text(row.index), row.label35) << row.index;
    }
    for (int index : {-1, 118, 1000}) {
        EXPECT_THROW(HintLabelText(index), std::out_of_range) << index;
        EXPECT_THROW(Label35Text(index), std::out_of_range) << index;
    }
}

TEST(ElementTableTest, TabOrderReadsTheTableThenTheTwoRows) {
    const std::vector<int> order = ElementTabOrder();
    ASSERT_EQ(order.size(), kElementCount);
    std::string captions;
    for (int index : order) {
        captions += ElementButtons()[static_cast<std::size_t>(index)].caption;
        captions += ' ';
    }
    EXPECT_EQ(captions.substr(0, 20), "H He Li Be B C N O F");
    EXPECT_NE(captions.find("Cs Ba La* Hf Ta"), std::string::npos);
    EXPECT_NE(captions.find("Mt Ds Rg Cn Nh Fl Mc Lv Ts Og Ce Pr"), std::string::npos);
    EXPECT_EQ(captions.substr(captions.size() - 9), "Md No Lr ");
}

}  // namespace
}  // namespace brisalto
