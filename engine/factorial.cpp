// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/evaluator.h"

namespace brisalto {

CalcValue Factorial(std::int32_t n) {
    // A negative whole number has no factorial.
    if (n < 0) throw FloatError(FloatFault::kInvalidOperation);
    CalcValue product = 1.0L;
    // Overflow ends the loop long before i could wrap: 1755! is already beyond the range.
    for (std::int32_t i = 1; i <= n; ++i) product = Multiply(product, static_cast<CalcValue>(i));
    return product;
}

}  // namespace brisalto
