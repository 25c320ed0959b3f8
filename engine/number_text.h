// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Conversions between CalcValue and the decimal texts the evaluator keeps in its tokens.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calc_value.h"

namespace brisalto {

// Throws ConvertError "'%s' is not a valid floating point value".
CalcValue TextToValue(std::string_view text);

// General notation with 15 significant digits, "." as decimal point.
std::string ValueToText(CalcValue value);
// Whether ValueToText writes value with an exponent, without writing it.
bool ValueTextHasExponent(CalcValue value);

// Optional sign and decimal digits within the 32-bit range; throws ConvertError
// "'%s' is not a valid integer value".
std::int32_t TextToInt(std::string_view text);

}  // namespace brisalto
