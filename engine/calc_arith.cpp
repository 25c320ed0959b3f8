// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/calc_arith.h"

#include <cmath>
#include <limits>

#include "engine/errors.h"

namespace brisalto {

namespace {

[[noreturn]] void Fail(FloatFault fault) { throw FloatError(fault); }

constexpr CalcValue kInt32Low = -2147483648.0L;
constexpr CalcValue kInt32High = 2147483647.0L;
constexpr CalcValue kInt64Bound = 9223372036854775808.0L;  // 2^63

// Integer power of a positive exponent; squares only while bits remain, so no spurious overflow.
CalcValue UncheckedIntPower(CalcValue base, std::uint32_t exponent) {
    CalcValue result = 1.0L;
    while (exponent != 0) {
        if (exponent & 1u) result *= base;
        exponent >>= 1;
        if (exponent != 0) base *= base;
    }
    return result;
}

}  // namespace

CalcValue CheckedResult(CalcValue v) {
    if (std::isnan(v)) Fail(FloatFault::kInvalidOperation);
    if (std::isinf(v)) Fail(FloatFault::kOverflow);
    return v;
}

CalcValue Add(CalcValue a, CalcValue b) { return CheckedResult(a + b); }

CalcValue Subtract(CalcValue a, CalcValue b) { return CheckedResult(a - b); }

CalcValue Multiply(CalcValue a, CalcValue b) { return CheckedResult(a * b); }

CalcValue Divide(CalcValue a, CalcValue b) {
    if (b == 0.0L)
        Fail(a == 0.0L || std::isnan(a) ? FloatFault::kInvalidOperation
                                        : FloatFault::kDivideByZero);
    return CheckedResult(a / b);
}

CalcValue Power(CalcValue a, CalcValue b) {
    if (std::isnan(a) || std::isnan(b)) Fail(FloatFault::kInvalidOperation);
    if (b == 0.0L) return 1.0L;
    if (a == 0.0L) {
        if (b > 0.0L) return 0.0L;
        Fail(FloatFault::kDivideByZero);
    }
    if (std::trunc(b) == b && std::fabs(b) <= kInt32High) {
        const auto magnitude = static_cast<std::uint32_t>(std::fabs(b));
        const CalcValue power = UncheckedIntPower(a, magnitude);
        if (b > 0.0L) return CheckedResult(power);
        // A positive power beyond the range has a reciprocal below it: that underflow is silent.
        if (std::isinf(power)) return std::signbit(power) ? -0.0L : 0.0L;
        // Likewise a positive power that underflowed stands for a reciprocal beyond the range.
        if (power == 0.0L) Fail(FloatFault::kOverflow);
        return Divide(1.0L, power);
    }
    return Exponential(Multiply(b, NaturalLog(a)));
}

CalcValue Remainder(CalcValue a, CalcValue b) {
    const CalcValue q = Divide(a, b);
    if (q == 0.0L) return 0.0L;
    if (q < kInt32Low || q > kInt32High) {
        // Past the 32-bit floor and ceiling the exact remainder keeps the rule's sign of a.
        return CheckedResult(std::fmod(a, b));
    }
    const CalcValue whole = q > 0.0L ? FloorToInt32(q) : CeilToInt32(q);
    return Subtract(a, Multiply(whole, b));
}

CalcValue ApplyOperator(FuncTypes kind, CalcValue a, CalcValue b) {
    switch (kind) {
        case ftPower:
            return Power(a, b);
        case ftDivide:
            return Divide(a, b);
        case ftMultiply:
            return Multiply(a, b);
        case ftPercent:
            return Remainder(a, b);
        case ftPlus:
            return Add(a, b);
        default:
            return Subtract(a, b);
    }
}

CalcValue SquareRoot(CalcValue v) {
    if (std::isnan(v) || v < 0.0L) Fail(FloatFault::kInvalidOperation);
    return CheckedResult(std::sqrt(v));
}

CalcValue NaturalLog(CalcValue v) {
    if (std::isnan(v) || v < 0.0L) Fail(FloatFault::kInvalidOperation);
    if (v == 0.0L) Fail(FloatFault::kDivideByZero);
    return CheckedResult(std::log(v));
}

CalcValue BinaryLog(CalcValue v) {
    if (std::isnan(v) || v < 0.0L) Fail(FloatFault::kInvalidOperation);
    if (v == 0.0L) Fail(FloatFault::kDivideByZero);
    return CheckedResult(std::log2(v));
}

CalcValue Exponential(CalcValue v) { return CheckedResult(std::exp(v)); }

double NarrowToDouble(CalcValue v) {
    if (std::isnan(v)) Fail(FloatFault::kInvalidOperation);
    const auto narrowed = static_cast<double>(v);
    if (std::isinf(narrowed)) Fail(FloatFault::kOverflow);
    return narrowed;
}

std::int64_t RoundToInt64(CalcValue v) {
    const CalcValue rounded = std::nearbyint(v);
    if (!(rounded >= -kInt64Bound && rounded < kInt64Bound)) Fail(FloatFault::kInvalidOperation);
    return static_cast<std::int64_t>(rounded);
}

std::int32_t FloorToInt32(CalcValue v) {
    const CalcValue f = std::floor(v);
    if (!(f >= kInt32Low && f <= kInt32High)) Fail(FloatFault::kInvalidOperation);
    return static_cast<std::int32_t>(f);
}

std::int32_t CeilToInt32(CalcValue v) {
    const CalcValue c = std::ceil(v);
    if (!(c >= kInt32Low && c <= kInt32High)) Fail(FloatFault::kInvalidOperation);
    return static_cast<std::int32_t>(c);
}

}  // namespace brisalto
