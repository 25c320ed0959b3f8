// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// How the circular functions read and give angles.
#pragma once

namespace brisalto {

// A whole number, so that a hand-edited settings file can hold a value outside the four.
using AngleMode = int;
inline constexpr AngleMode kRadian = 0;
inline constexpr AngleMode kGrads = 1;
inline constexpr AngleMode kDegrees = 2;
inline constexpr AngleMode kCycle = 3;

}  // namespace brisalto
