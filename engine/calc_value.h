// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// CalcValue: the calculator's number, x87 80-bit extended precision.
#pragma once

#include <limits>

namespace brisalto {

using CalcValue = long double;

static_assert(std::numeric_limits<CalcValue>::digits == 64,
              "CalcValue needs the 80-bit extended format (64-bit significand)");

}  // namespace brisalto
