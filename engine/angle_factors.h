// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The factors between radians and the other angle units, at full CalcValue precision, shared by
// the function library and the trigonometric conversion family.
#pragma once

#include "engine/calc_value.h"

namespace brisalto {

inline constexpr CalcValue kRadiansPerDegree = 0.0174532925199432957692369076848861271L;
inline constexpr CalcValue kDegreesPerRadian = 57.2957795130823208767981548141051703L;
inline constexpr CalcValue kRadiansPerGrad = 0.0157079632679489661923132169163975144L;
inline constexpr CalcValue kGradsPerRadian = 63.6619772367581343075535053490057448L;
inline constexpr CalcValue kRadiansPerCycle = 6.28318530717958647692528676655900577L;

}  // namespace brisalto
