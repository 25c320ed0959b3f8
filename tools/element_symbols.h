// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Element symbols as a formula writes them: the periodic table's captions (without the f-block
// marks), its three-letter names, and the modern symbols of the elements it names the old way.
#pragma once

#include <optional>
#include <string_view>

namespace brisalto {

// The element-table index of a symbol, matched with case (Co is cobalt, CO is no symbol).
// Lr, Ds, Rg, Cn, Fl, Lv and Og find the table's Lw, Uun, Uuu, Uub, Uuq, Uuh and Uuo.
std::optional<int> FindElementBySymbol(std::string_view symbol);

// The table's symbol of an index: "La" for the button captioned "La*". Throws std::out_of_range
// for an index outside 0 to 114.
std::string_view ElementSymbol(int index);

}  // namespace brisalto
