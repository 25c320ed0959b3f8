// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/functions.h"

#include <array>
#include <cmath>
#include <limits>
#include <span>

#include "engine/angle_factors.h"
#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/expression_texts.h"
#include "engine/operands.h"
#include "engine/translate_noop.h"

namespace brisalto {

namespace {

constexpr CalcValue kPiOver180 = kRadiansPerDegree;
constexpr CalcValue k180OverPi = kDegreesPerRadian;
constexpr CalcValue kPiOver200 = kRadiansPerGrad;
constexpr CalcValue k200OverPi = kGradsPerRadian;
constexpr CalcValue kTwoPi = kRadiansPerCycle;
constexpr CalcValue kLn2 = 0.693147180559945309417232121458176568L;

constexpr double kRoundFactor = 1e-12;
constexpr CalcValue kTwoTo63 = 9223372036854775808.0L;
// Past this the inverse hyperbolic functions use ln 2 + ln x, whose error is below the precision.
constexpr CalcValue kLargeArgument = 1e10L;

enum Code {
    kHex,
    kCos,
    kSin,
    kTan,
    kCot,
    kCosh,
    kCoth,
    kSinh,
    kTanh,
    kLog,
    kXlog,
    kExp,
    kLin,
    kSech,
    kSec,
    kXcos,
    kXcosh,
    kXcot,
    kXcoth,
    kXcsc,
    kXcsch,
    kXsec,
    kXsech,
    kXsin,
    kXtan,
    kXsinh,
    kXtanh,
    kCsc,
    kCsch,
    kDtor,
    kDtoc,
    kDtog,
    kRtod,
    kRtoc,
    kRtog,
    kGtod,
    kGtoc,
    kGtor,
    kCtor,
    kCtog,
    kCtod,
    kLogn,
    kAbs,
};

// What a non-finite result of a C library double function stands for.
enum class InfiniteMeans { kOverflow, kPole };

CalcValue CheckedDouble(double result, InfiniteMeans infinite) {
    if (std::isnan(result)) throw FloatError(FloatFault::kInvalidOperation);
    if (std::isinf(result)) {
        throw FloatError(infinite == InfiniteMeans::kPole ? FloatFault::kDivideByZero
                                                          : FloatFault::kOverflow);
    }
    return result;
}

bool IsKnownMode(AngleMode mode) { return mode >= kRadian && mode <= kCycle; }

CalcValue ToRadians(CalcValue x, AngleMode mode) {
    switch (mode) {
        case kRadian:
            return x;
        case kGrads:
            return Multiply(x, kPiOver200);
        case kDegrees:
            return Multiply(x, kPiOver180);
        case kCycle:
            return Multiply(x, kTwoPi);
        default:
            throw ExpressionError(kFunctionErrorLower);
    }
}

CalcValue FromRadians(CalcValue r, AngleMode mode) {
    switch (mode) {
        case kRadian:
            return r;
        case kGrads:
            return Multiply(r, k200OverPi);
        case kDegrees:
            return Multiply(r, k180OverPi);
        case kCycle:
            return Divide(r, kTwoPi);
        default:
            throw ExpressionError(kFunctionErrorLower);
    }
}

CalcValue ArcCos(CalcValue x) {
    return CheckedResult(std::atan2(SquareRoot(Subtract(1.0L, Multiply(x, x))), x));
}

CalcValue ArcSin(CalcValue x) {
    return CheckedResult(std::atan2(x, SquareRoot(Subtract(1.0L, Multiply(x, x)))));
}

// Below 1 the inverse hyperbolic cosine has no real value.
CalcValue ArcCosh(CalcValue x) {
    if (std::isnan(x) || x < 1.0L) throw FloatError(FloatFault::kInvalidOperation);
    if (x == 1.0L) return 0.0L;
    if (x > kLargeArgument) return Add(kLn2, NaturalLog(x));
    return NaturalLog(Add(x, SquareRoot(Multiply(Subtract(x, 1.0L), Add(x, 1.0L)))));
}

CalcValue ArcSinh(CalcValue x) {
    if (x == 0.0L) return 0.0L;
    const CalcValue a = std::fabs(x);
    CalcValue r;
    if (a > kLargeArgument) {
        r = Add(kLn2, NaturalLog(a));
    } else {
        const CalcValue a2 = Multiply(a, a);
        r = NaturalLog(Add(1.0L, Add(a, Divide(a2, Add(SquareRoot(Add(a2, 1.0L)), 1.0L)))));
    }
    return std::signbit(x) ? -r : r;
}

CalcValue ArcTanh(CalcValue x) {
    if (x == 0.0L) return 0.0L;
    const CalcValue a = std::fabs(x);
    const CalcValue r =
        a >= 1.0L
            ? std::numeric_limits<CalcValue>::max()
            : Multiply(0.5L, NaturalLog(Add(1.0L, Divide(Multiply(2.0L, a), Subtract(1.0L, a)))));
    return std::signbit(x) ? -r : r;
}

CalcValue Csch(CalcValue x) {
    const CalcValue e = std::exp(x);
    // 1/sinh x is then far below the smallest CalcValue: a silent underflow, not e^x's overflow
    // or a division by the vanished e^x / 2.
    if (std::isinf(e)) return 0.0L;
    const CalcValue half = e / 2.0L;
    // Here 0.25 / half would overflow although 1/sinh x, about -4 half, is merely subnormal.
    if (std::fabs(half) < 0.25L / std::numeric_limits<CalcValue>::max()) return -4.0L * half;
    return Divide(1.0L, Subtract(half, Divide(0.25L, half)));
}

using Arg = FunctionArgument;

CalcValue Hex(const Arg&) { throw ExpressionError(kFunctionError); }

CalcValue LogBaseN(const Arg& a) {
    const CalcValue log_x = BinaryLog(a.x);
    return Divide(log_x, BinaryLog(OperandValue("N", ftVariable, a.table)));
}

// In the order of the pad's function keys (the Tag); hex, which has no key, last.
constexpr std::array<FunctionInfo, kFunctionCount> kFunctions = {{
    {"cos", kCos, AngleUse::kAngleIn, [](const Arg& a) { return RoundTo12(std::cos(a.theta)); },
     "Cosine",
     QT_TRANSLATE_NOOP("FunctionHelp", "cos(x): cosine of x, x in the angle mode (now %1)")},
    {"sin", kSin, AngleUse::kAngleIn, [](const Arg& a) { return RoundTo12(std::sin(a.theta)); },
     "Sine", QT_TRANSLATE_NOOP("FunctionHelp", "sin(x): sine of x, x in the angle mode (now %1)")},
    {"tan", kTan, AngleUse::kAngleIn,
     [](const Arg& a) {
         return Divide(RoundTo12(std::sin(a.theta)), RoundTo12(std::cos(a.theta)));
     },
     "Tangent",
     QT_TRANSLATE_NOOP("FunctionHelp", "tan(x): tangent of x, x in the angle mode (now %1)")},
    {"cot", kCot, AngleUse::kAngleIn,
     [](const Arg& a) {
         return Divide(RoundTo12(std::cos(a.theta)), RoundTo12(std::sin(a.theta)));
     },
     "Cotangent",
     QT_TRANSLATE_NOOP("FunctionHelp", "cot(x): cotangent of x, x in the angle mode (now %1)")},
    {"sec", kSec, AngleUse::kAngleIn,
     [](const Arg& a) { return Divide(1.0L, RoundTo12(std::cos(a.theta))); }, "Secant",
     QT_TRANSLATE_NOOP("FunctionHelp", "sec(x): secant of x, x in the angle mode (now %1)")},
    {"csc", kCsc, AngleUse::kAngleIn,
     [](const Arg& a) { return Divide(1.0L, RoundTo12(std::sin(a.theta))); }, "Cosecant",
     QT_TRANSLATE_NOOP("FunctionHelp", "csc(x): cosecant of x, x in the angle mode (now %1)")},
    {"xcos", kXcos, AngleUse::kAngleOut, [](const Arg& a) { return ArcCos(a.x); }, "Arc Cosine",
     QT_TRANSLATE_NOOP("FunctionHelp",
                       "xcos(x): inverse cosine of x, given in the angle mode (now %1)")},
    {"xsin", kXsin, AngleUse::kAngleOut, [](const Arg& a) { return ArcSin(a.x); }, "Arc Sine",
     QT_TRANSLATE_NOOP("FunctionHelp",
                       "xsin(x): inverse sine of x, given in the angle mode (now %1)")},
    {"xtan", kXtan, AngleUse::kAngleOut, [](const Arg& a) { return CheckedResult(std::atan(a.x)); },
     "Arc Tangent",
     QT_TRANSLATE_NOOP("FunctionHelp",
                       "xtan(x): inverse tangent of x, given in the angle mode (now %1)")},
    {"xcot", kXcot, AngleUse::kAngleOut,
     [](const Arg& a) { return CheckedResult(std::atan(Divide(1.0L, a.x))); }, "Arc Cotangent",
     QT_TRANSLATE_NOOP("FunctionHelp",
                       "xcot(x): inverse cotangent of x, given in the angle mode (now %1)")},
    {"xsec", kXsec, AngleUse::kAngleOut, [](const Arg& a) { return ArcCos(Divide(1.0L, a.x)); },
     "Arc Secant",
     QT_TRANSLATE_NOOP("FunctionHelp",
                       "xsec(x): inverse secant of x, given in the angle mode (now %1)")},
    {"xcsc", kXcsc, AngleUse::kAngleOut, [](const Arg& a) { return ArcSin(Divide(1.0L, a.x)); },
     "Arc Cosecant",
     QT_TRANSLATE_NOOP("FunctionHelp",
                       "xcsc(x): inverse cosecant of x, given in the angle mode (now %1)")},
    {"cosh", kCosh, AngleUse::kNone,
     [](const Arg& a) {
         return CheckedDouble(std::cosh(NarrowToDouble(a.x)), InfiniteMeans::kOverflow);
     },
     "Hyperbolic Cosine", QT_TRANSLATE_NOOP("FunctionHelp", "cosh(x): hyperbolic cosine")},
    {"sinh", kSinh, AngleUse::kNone,
     [](const Arg& a) {
         return CheckedDouble(std::sinh(NarrowToDouble(a.x)), InfiniteMeans::kOverflow);
     },
     "Hyperbolic Sine", QT_TRANSLATE_NOOP("FunctionHelp", "sinh(x): hyperbolic sine")},
    {"tanh", kTanh, AngleUse::kNone,
     [](const Arg& a) {
         return CheckedDouble(std::tanh(NarrowToDouble(a.x)), InfiniteMeans::kOverflow);
     },
     "Hyperbolic Tangent", QT_TRANSLATE_NOOP("FunctionHelp", "tanh(x): hyperbolic tangent")},
    {"coth", kCoth, AngleUse::kNone,
     [](const Arg& a) {
         return Divide(1.0L,
                       CheckedDouble(std::tanh(NarrowToDouble(a.x)), InfiniteMeans::kOverflow));
     },
     "Hyperbolic Cotangent", QT_TRANSLATE_NOOP("FunctionHelp", "coth(x): hyperbolic cotangent")},
    {"sech", kSech, AngleUse::kNone,
     [](const Arg& a) {
         // cosh beyond the double range still has a reciprocal: 0.
         const double c = std::cosh(NarrowToDouble(a.x));
         return std::isinf(c) ? 0.0L : Divide(1.0L, CheckedDouble(c, InfiniteMeans::kOverflow));
     },
     "Hyperbolic Secant", QT_TRANSLATE_NOOP("FunctionHelp", "sech(x): hyperbolic secant")},
    {"csch", kCsch, AngleUse::kNone, [](const Arg& a) { return Csch(a.x); }, "Hyperbolic Cosecant",
     QT_TRANSLATE_NOOP("FunctionHelp", "csch(x): hyperbolic cosecant")},
    {"xcosh", kXcosh, AngleUse::kNone, [](const Arg& a) { return ArcCosh(a.x); },
     "Arc Hyperbolic Cosine",
     QT_TRANSLATE_NOOP("FunctionHelp", "xcosh(x): inverse hyperbolic cosine, for x of at least 1")},
    {"xsinh", kXsinh, AngleUse::kNone, [](const Arg& a) { return ArcSinh(a.x); },
     "Arc Hyperbolic Sine", QT_TRANSLATE_NOOP("FunctionHelp", "xsinh(x): inverse hyperbolic sine")},
    {"xtanh", kXtanh, AngleUse::kNone, [](const Arg& a) { return ArcTanh(a.x); },
     "Arc Hyperbolic Tangent",
     QT_TRANSLATE_NOOP("FunctionHelp", "xtanh(x): inverse hyperbolic tangent")},
    {"xcoth", kXcoth, AngleUse::kNone, [](const Arg& a) { return ArcTanh(Divide(1.0L, a.x)); },
     "Arc Hyperbolic Cotangent",
     QT_TRANSLATE_NOOP("FunctionHelp", "xcoth(x): inverse hyperbolic cotangent")},
    {"xsech", kXsech, AngleUse::kNone, [](const Arg& a) { return ArcCosh(Divide(1.0L, a.x)); },
     "Arc Hyperbolic Secant",
     QT_TRANSLATE_NOOP("FunctionHelp", "xsech(x): inverse hyperbolic secant")},
    {"xcsch", kXcsch, AngleUse::kNone, [](const Arg& a) { return ArcSinh(Divide(1.0L, a.x)); },
     "Arc Hyperbolic Cosecant",
     QT_TRANSLATE_NOOP("FunctionHelp", "xcsch(x): inverse hyperbolic cosecant")},
    {"log", kLog, AngleUse::kNone,
     [](const Arg& a) {
         return CheckedDouble(std::log10(NarrowToDouble(a.x)), InfiniteMeans::kPole);
     },
     "Logarithmic Base 10",
     QT_TRANSLATE_NOOP("FunctionHelp", "log(x): logarithm of x to the base 10")},
    {"xlog", kXlog, AngleUse::kNone,
     [](const Arg& a) {
         return CheckedDouble(std::pow(10.0, NarrowToDouble(a.x)), InfiniteMeans::kOverflow);
     },
     "10^X (inverse log base 10)", QT_TRANSLATE_NOOP("FunctionHelp", "xlog(x): 10 to the power x")},
    {"exp", kExp, AngleUse::kNone,
     [](const Arg& a) {
         return CheckedDouble(std::exp(NarrowToDouble(a.x)), InfiniteMeans::kOverflow);
     },
     "Exponential", QT_TRANSLATE_NOOP("FunctionHelp", "exp(x): e to the power x")},
    {"lin", kLin, AngleUse::kNone,
     [](const Arg& a) {
         return CheckedDouble(std::log(NarrowToDouble(a.x)), InfiniteMeans::kPole);
     },
     "Natural Logarithmic", QT_TRANSLATE_NOOP("FunctionHelp", "lin(x): natural logarithm of x")},
    {"logn", kLogn, AngleUse::kNone, LogBaseN, "Logarithmic Base N constant",
     QT_TRANSLATE_NOOP("FunctionHelp", "logn(x): logarithm of x to the base N (now N = %1)")},
    {"abs", kAbs, AngleUse::kNone, [](const Arg& a) { return std::fabs(a.x); }, "Absolute Value",
     QT_TRANSLATE_NOOP("FunctionHelp", "abs(x): magnitude of x (abs(-2.7) is 2.7)")},
    {"ctod", kCtod, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Multiply(Multiply(a.x, kTwoPi), k180OverPi)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "ctod(x): x cycles in degrees")},
    {"ctog", kCtog, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Multiply(Multiply(a.x, kTwoPi), k200OverPi)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "ctog(x): x cycles in grads")},
    {"ctor", kCtor, AngleUse::kNone, [](const Arg& a) { return RoundTo12(Multiply(a.x, kTwoPi)); },
     "", QT_TRANSLATE_NOOP("FunctionHelp", "ctor(x): x cycles in radians")},
    {"dtoc", kDtoc, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Divide(Multiply(a.x, kPiOver180), kTwoPi)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "dtoc(x): x degrees in cycles")},
    {"dtog", kDtog, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Multiply(Multiply(a.x, kPiOver180), k200OverPi)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "dtog(x): x degrees in grads")},
    {"dtor", kDtor, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Multiply(a.x, kPiOver180)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "dtor(x): x degrees in radians")},
    {"gtoc", kGtoc, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Divide(Multiply(a.x, kPiOver200), kTwoPi)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "gtoc(x): x grads in cycles")},
    {"gtod", kGtod, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Multiply(Multiply(a.x, kPiOver200), k180OverPi)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "gtod(x): x grads in degrees")},
    {"gtor", kGtor, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Multiply(a.x, kPiOver200)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "gtor(x): x grads in radians")},
    {"rtoc", kRtoc, AngleUse::kNone, [](const Arg& a) { return RoundTo12(Divide(a.x, kTwoPi)); },
     "", QT_TRANSLATE_NOOP("FunctionHelp", "rtoc(x): x radians in cycles")},
    {"rtod", kRtod, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Multiply(a.x, k180OverPi)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "rtod(x): x radians in degrees")},
    {"rtog", kRtog, AngleUse::kNone,
     [](const Arg& a) { return RoundTo12(Multiply(a.x, k200OverPi)); }, "",
     QT_TRANSLATE_NOOP("FunctionHelp", "rtog(x): x radians in grads")},
    {"hex", kHex, AngleUse::kNone, Hex, "",
     QT_TRANSLATE_NOOP("FunctionHelp",
                       "hex(x): has no function and always ends in \"Function Error\"")},
}};

}  // namespace

std::span<const FunctionInfo> FunctionTable() { return kFunctions; }

const FunctionInfo* FindFunctionInfo(std::string_view name) {
    for (const FunctionInfo& entry : kFunctions) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

const FunctionInfo& FindFunction(std::string_view name) {
    const FunctionInfo* found = FindFunctionInfo(name);
    if (found == nullptr) throw ExpressionError(kFunctionRong);
    return *found;
}

int FunctionCode(std::string_view name) { return FindFunction(name).code; }

namespace {

CalcValue ApplyFound(const FunctionInfo& function, CalcValue x, const VariableTable& table,
                     AngleMode angle_mode) {
    // Only the circular functions read x as an angle; converting it for the others could only
    // add a spurious overflow.
    const CalcValue theta = function.angle == AngleUse::kAngleIn ? ToRadians(x, angle_mode) : x;
    const CalcValue result = function.apply({x, theta, table});
    if (function.angle != AngleUse::kAngleOut) return result;
    if (!IsKnownMode(angle_mode)) throw ExpressionError(kFunctionErrorLower);
    return FromRadians(result, angle_mode);
}

}  // namespace

CalcValue ApplyFunction(std::string_view name, std::string_view argument, FuncTypes argument_type,
                        const VariableTable& table, AngleMode angle_mode) {
    const FunctionInfo& function = FindFunction(name);
    return ApplyFound(function, OperandValue(argument, argument_type, table), table, angle_mode);
}

CalcValue ApplyFunctionToValue(std::string_view name, CalcValue x, const VariableTable& table,
                               AngleMode angle_mode) {
    return ApplyFound(FindFunction(name), x, table, angle_mode);
}

CalcValue ApplyFunctionToValue(const FunctionInfo& function, CalcValue x,
                               const VariableTable& table, AngleMode angle_mode) {
    return ApplyFound(function, x, table, angle_mode);
}

CalcValue RoundTo12(CalcValue v) {
    // From about 9223372.04 on, the twelfth decimals no longer fit a 64-bit integer: there is
    // nothing to round, and narrowing to a double would only lose digits (or overflow).
    if (std::fabs(v) >= kTwoTo63 * kRoundFactor) return v;
    const double narrowed = NarrowToDouble(v);
    const CalcValue quotient = static_cast<CalcValue>(narrowed) / kRoundFactor;
    if (!(std::fabs(std::nearbyint(quotient)) < kTwoTo63)) return v;
    const std::int64_t whole = RoundToInt64(quotient);
    return static_cast<double>(static_cast<CalcValue>(whole) * kRoundFactor);
}

}  // namespace brisalto
