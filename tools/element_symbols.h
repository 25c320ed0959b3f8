// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Element symbols as a formula writes them: the periodic table's captions (without the f-block
// marks) and the older symbols of the heaviest elements (Lw, Uun to Uuo).
#pragma once

#include <optional>
#include <string_view>

namespace brisalto {

// The element-table index of a symbol, matched with case (Co is cobalt, CO is no symbol).
// Lw and Uun to Uuo find the table's Lr, Ds, Rg, Cn, Nh, Fl, Mc, Lv, Ts and Og.
std::optional<int> FindElementBySymbol(std::string_view symbol);

// The table's symbol of an index: "La" for the button captioned "La*". Throws std::out_of_range
// for an index outside 0 to 117.
std::string_view ElementSymbol(int index);

}  // namespace brisalto
