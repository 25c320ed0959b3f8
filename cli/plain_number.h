// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Numbers for bc, which reads no exponent: 1.5E-20 written out as 0.000000000000000000015.
#pragma once

#include <string>
#include <string_view>

namespace brisalto {

// The number text with its exponent written out as digits, the same digits and value; a text
// without an exponent, or not a number, comes back unchanged.
std::string PlainNumberText(std::string_view text);

}  // namespace brisalto
