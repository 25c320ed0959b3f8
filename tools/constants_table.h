// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The physical constants of the Constants menu: for each its action, caption, shortcut and the
// text it inserts, plus Pi and the menu's order, from which the main window builds the menu.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

struct ConstantAction {
    int tag;                         // index into ConstantValues; -1 for PiAction and AtmWtAction
    std::string_view name;           // the action's object name, e.g. "SpeedOfLight"
    std::string_view caption;        // also the menu item's text
    std::string_view shortcut;       // QKeySequence portable text, e.g. "Ctrl+Shift+F12"
    std::string_view inserted_text;  // empty for AtmWtAction, which opens the periodic table
};

inline constexpr std::size_t kConstantCount = 23;
inline constexpr std::string_view kConstantsCategory = "Constants";

// The 23 constants, index == tag.
std::span<const ConstantAction> PhysicalConstants();
// "Pi", Shift+Ctrl+F5, inserts "P".
const ConstantAction& PiActionInfo();
// "Atomic Weight...", Shift+F2: opens the periodic table.
const ConstantAction& AtmWtActionInfo();

// Action names of the Constants menu's 25 items, top to bottom.
std::span<const std::string_view> ConstantsMenuOrder();
// The action of that name among the 23 constants, PiAction and AtmWtAction; nullptr if none.
const ConstantAction* FindConstantAction(std::string_view name);

// The 23 inserted texts by tag: the main window's ConstantValues.
std::vector<std::string> MakeConstantValues();

}  // namespace brisalto
