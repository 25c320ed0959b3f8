// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/constants_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/number_text.h"

namespace brisalto {
namespace {

TEST(ConstantsTableTest, TwentyThreeConstantsIndexedByTag) {
    const auto constants = PhysicalConstants();
    ASSERT_EQ(constants.size(), 23u);
    for (std::size_t i = 0; i < constants.size(); ++i) {
        EXPECT_EQ(constants[i].tag, static_cast<int>(i)) << constants[i].name;
    }
}

// Every constant and Pi: reference_tables_test.cpp against constants.txt.
TEST(ConstantsTableTest, AtomicWeightAction) {
    EXPECT_EQ(AtmWtActionInfo().caption, "Atomic Weight...");
    EXPECT_EQ(AtmWtActionInfo().shortcut, "Shift+F2");
}

TEST(ConstantsTableTest, ShortcutsNamesAndCaptionsAreUnique) {
    std::set<std::string_view> shortcuts;
    std::set<std::string_view> names;
    std::vector<const ConstantAction*> all;
    for (const ConstantAction& action : PhysicalConstants()) all.push_back(&action);
    all.push_back(&PiActionInfo());
    all.push_back(&AtmWtActionInfo());
    for (const ConstantAction* action : all) {
        EXPECT_TRUE(shortcuts.insert(action->shortcut).second) << action->shortcut;
        EXPECT_TRUE(names.insert(action->name).second) << action->name;
    }
    EXPECT_EQ(shortcuts.size(), 25u);
}

TEST(ConstantsTableTest, InsertedTextsAreNumbers) {
    const std::vector<std::string> values = MakeConstantValues();
    ASSERT_EQ(values.size(), 23u);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i], PhysicalConstants()[i].inserted_text);
        EXPECT_NO_THROW(TextToValue(values[i])) << values[i];
    }
}

TEST(ConstantsTableTest, MenuOrder) {
    const char* captions[] = {
        "Atomic Mass Unit (kg)",
        "Atomic Weight...",
        "Avogadro Constant (1/mol)",
        "Bohr Radius (m)",
        "Boltzmann Constant (J/K)",
        "Charg of an electron (C)",
        "Electron Rest Mass (amu)",
        "Electron Rest Mass (kg)",
        "Faraday Constant (C/mol)",
        "Gas Constant (J/K.mol)",
        "Gas Constant (bar.dm^3/K.mol)",
        "Gas Constant (atm.dm^3/K.mol)",
        "Molar Volume At STP atm  (dm^3/mol)",
        "Molar VolumeAt NSTP bar (dm^3/mol)",
        "Neutron Rest Mass (kg)",
        "Neutron Rest Mass (amu)",
        "Pi",
        "Planck constant (J.s)",
        "Proton Rest Mass (kg)",
        "Proton Rest Mass (amu)",
        "Permittivity Of Vacuum (C^2/N.m^-2) or (F/m)",
        "Coulomb Constant (N.m^2/C^2)",
        "Rydberg Constant (1/m)",
        "Speed Of Light (m/s)",
        "Standard acceleration of Gravity (m/s^2)",
    };
    const auto order = ConstantsMenuOrder();
    ASSERT_EQ(order.size(), std::size(captions));
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const ConstantAction* action = FindConstantAction(order[i]);
        ASSERT_NE(action, nullptr) << order[i];
        EXPECT_EQ(action->caption, captions[i]) << i;
        EXPECT_TRUE(seen.insert(order[i]).second) << order[i];
    }
    EXPECT_EQ(FindConstantAction("NoSuchAction"), nullptr);
}

}  // namespace
}  // namespace brisalto
