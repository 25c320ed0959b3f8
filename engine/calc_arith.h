// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Checked arithmetic on CalcValue: the one place where invalid operation, division by zero and
// overflow become FloatErrors. Underflow, denormals and inexact results stay silent.
#pragma once

#include <cstdint>

#include "engine/calc_value.h"
#include "engine/func_types.h"

namespace brisalto {

// Raises the fault a non-finite result stands for: NaN is an invalid operation, an infinity an
// overflow. Returns v otherwise.
CalcValue CheckedResult(CalcValue v);

CalcValue Add(CalcValue a, CalcValue b);
CalcValue Subtract(CalcValue a, CalcValue b);
CalcValue Multiply(CalcValue a, CalcValue b);
// b = 0 is a division by zero, or an invalid operation when a is 0 too.
CalcValue Divide(CalcValue a, CalcValue b);
// The calculator's ^: integer powers by repeated squaring, otherwise exp(b ln a).
CalcValue Power(CalcValue a, CalcValue b);
// The calculator's %: the remainder takes the sign of a.
CalcValue Remainder(CalcValue a, CalcValue b);
// One of the six above by its token class: ^ / * % + (and - for any other class).
CalcValue ApplyOperator(FuncTypes kind, CalcValue a, CalcValue b);
// Negative is an invalid operation.
CalcValue SquareRoot(CalcValue v);
// Natural and binary logarithms: 0 is a division by zero, negative an invalid operation.
CalcValue NaturalLog(CalcValue v);
CalcValue BinaryLog(CalcValue v);
CalcValue Exponential(CalcValue v);

// A finite value beyond the double range is an overflow.
double NarrowToDouble(CalcValue v);
// Round to nearest, ties to even; a value that does not fit is an invalid operation.
std::int64_t RoundToInt64(CalcValue v);
// Floor and ceiling as 32-bit integers; a value that does not fit is an invalid operation.
std::int32_t FloorToInt32(CalcValue v);
std::int32_t CeilToInt32(CalcValue v);

}  // namespace brisalto
