#include "engine/functions.h"

#include <array>
#include <cmath>
#include <limits>

#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/expression_texts.h"
#include "engine/operands.h"

namespace brisalto {

namespace {

// Angle factors at full CalcValue precision.
constexpr CalcValue kPiOver180 = 0.0174532925199432957692369076848861271L;
constexpr CalcValue k180OverPi = 57.2957795130823208767981548141051703L;
constexpr CalcValue kPiOver200 = 0.0157079632679489661923132169163975144L;
constexpr CalcValue k200OverPi = 63.6619772367581343075535053490057448L;
constexpr CalcValue kTwoPi = 6.28318530717958647692528676655900577L;
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

struct NamedCode {
    std::string_view name;
    int code;
};

constexpr std::array<NamedCode, 11> kThreeLetterNames = {{
    {"cos", kCos},
    {"sin", kSin},
    {"hex", kHex},
    {"lin", kLin},
    {"tan", kTan},
    {"cot", kCot},
    {"abs", kAbs},
    {"exp", kExp},
    {"log", kLog},
    {"sec", kSec},
    {"csc", kCsc},
}};

constexpr std::array<NamedCode, 26> kFourLetterNames = {{
    {"cosh", kCosh}, {"coth", kCoth}, {"sinh", kSinh}, {"tanh", kTanh}, {"xlog", kXlog},
    {"sech", kSech}, {"xcos", kXcos}, {"xcot", kXcot}, {"xcsc", kXcsc}, {"xsec", kXsec},
    {"xsin", kXsin}, {"xtan", kXtan}, {"csch", kCsch}, {"dtor", kDtor}, {"dtoc", kDtoc},
    {"dtog", kDtog}, {"rtod", kRtod}, {"rtoc", kRtoc}, {"rtog", kRtog}, {"gtod", kGtod},
    {"gtoc", kGtoc}, {"gtor", kGtor}, {"ctor", kCtor}, {"ctog", kCtog}, {"ctod", kCtod},
    {"logn", kLogn},
}};

constexpr std::array<NamedCode, 6> kFiveLetterNames = {{
    {"xcosh", kXcosh},
    {"xcoth", kXcoth},
    {"xcsch", kXcsch},
    {"xsech", kXsech},
    {"xsinh", kXsinh},
    {"xtanh", kXtanh},
}};

template <std::size_t N>
int FindCode(const std::array<NamedCode, N>& names, std::string_view name) {
    for (const NamedCode& entry : names) {
        if (entry.name == name) return entry.code;
    }
    throw ExpressionError(kFunctionRong);
}

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

bool UsesTheta(int code) {
    switch (code) {
        case kCos:
        case kSin:
        case kTan:
        case kCot:
        case kSec:
        case kCsc:
            return true;
        default:
            return false;
    }
}

bool IsAngleOut(int code) {
    switch (code) {
        case kXcos:
        case kXcot:
        case kXcsc:
        case kXsec:
        case kXsin:
        case kXtan:
            return true;
        default:
            return false;
    }
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

CalcValue ApplyCode(int code, CalcValue x, CalcValue theta, const VariableTable& table) {
    switch (code) {
        case kHex:
            throw ExpressionError(kFunctionError);
        case kCos:
            return RoundTo12(std::cos(theta));
        case kSin:
            return RoundTo12(std::sin(theta));
        case kTan:
            return Divide(RoundTo12(std::sin(theta)), RoundTo12(std::cos(theta)));
        case kCot:
            return Divide(RoundTo12(std::cos(theta)), RoundTo12(std::sin(theta)));
        case kSec:
            return Divide(1.0L, RoundTo12(std::cos(theta)));
        case kCsc:
            return Divide(1.0L, RoundTo12(std::sin(theta)));
        case kCosh:
            return CheckedDouble(std::cosh(NarrowToDouble(x)), InfiniteMeans::kOverflow);
        case kSinh:
            return CheckedDouble(std::sinh(NarrowToDouble(x)), InfiniteMeans::kOverflow);
        case kTanh:
            return CheckedDouble(std::tanh(NarrowToDouble(x)), InfiniteMeans::kOverflow);
        case kCoth:
            return Divide(1.0L,
                          CheckedDouble(std::tanh(NarrowToDouble(x)), InfiniteMeans::kOverflow));
        case kSech: {
            // cosh beyond the double range still has a reciprocal: 0.
            const double c = std::cosh(NarrowToDouble(x));
            return std::isinf(c) ? 0.0L : Divide(1.0L, CheckedDouble(c, InfiniteMeans::kOverflow));
        }
        case kCsch:
            return Csch(x);
        case kLog:
            return CheckedDouble(std::log10(NarrowToDouble(x)), InfiniteMeans::kPole);
        case kLin:
            return CheckedDouble(std::log(NarrowToDouble(x)), InfiniteMeans::kPole);
        case kXlog:
            return CheckedDouble(std::pow(10.0, NarrowToDouble(x)), InfiniteMeans::kOverflow);
        case kExp:
            return CheckedDouble(std::exp(NarrowToDouble(x)), InfiniteMeans::kOverflow);
        case kXcos:
            return ArcCos(x);
        case kXsin:
            return ArcSin(x);
        case kXtan:
            return CheckedResult(std::atan(x));
        case kXcot:
            return CheckedResult(std::atan(Divide(1.0L, x)));
        case kXsec:
            return ArcCos(Divide(1.0L, x));
        case kXcsc:
            return ArcSin(Divide(1.0L, x));
        case kXcosh:
            return ArcCosh(x);
        case kXsinh:
            return ArcSinh(x);
        case kXtanh:
            return ArcTanh(x);
        case kXsech:
            return ArcCosh(Divide(1.0L, x));
        case kXcsch:
            return ArcSinh(Divide(1.0L, x));
        case kXcoth:
            return ArcTanh(Divide(1.0L, x));
        case kDtor:
            return RoundTo12(Multiply(x, kPiOver180));
        case kDtoc:
            return RoundTo12(Divide(Multiply(x, kPiOver180), kTwoPi));
        case kDtog:
            return RoundTo12(Multiply(Multiply(x, kPiOver180), k200OverPi));
        case kRtod:
            return RoundTo12(Multiply(x, k180OverPi));
        case kRtoc:
            return RoundTo12(Divide(x, kTwoPi));
        case kRtog:
            return RoundTo12(Multiply(x, k200OverPi));
        case kGtod:
            return RoundTo12(Multiply(Multiply(x, kPiOver200), k180OverPi));
        case kGtoc:
            return RoundTo12(Divide(Multiply(x, kPiOver200), kTwoPi));
        case kGtor:
            return RoundTo12(Multiply(x, kPiOver200));
        case kCtor:
            return RoundTo12(Multiply(x, kTwoPi));
        case kCtog:
            return RoundTo12(Multiply(Multiply(x, kTwoPi), k200OverPi));
        case kCtod:
            return RoundTo12(Multiply(Multiply(x, kTwoPi), k180OverPi));
        case kLogn: {
            const CalcValue log_x = BinaryLog(x);
            return Divide(log_x, BinaryLog(OperandValue("N", ftVariable, table)));
        }
        case kAbs:
            return std::fabs(x);
        default:
            throw ExpressionError(kFunctionRong);
    }
}

}  // namespace

std::vector<std::string_view> FunctionNames() {
    std::vector<std::string_view> names;
    for (const NamedCode& entry : kThreeLetterNames) names.push_back(entry.name);
    for (const NamedCode& entry : kFourLetterNames) names.push_back(entry.name);
    for (const NamedCode& entry : kFiveLetterNames) names.push_back(entry.name);
    return names;
}

int FunctionCode(std::string_view name) {
    switch (name.size()) {
        case 3:
            return FindCode(kThreeLetterNames, name);
        case 4:
            return FindCode(kFourLetterNames, name);
        case 5:
            return FindCode(kFiveLetterNames, name);
        default:
            throw ExpressionError(kFunctionRong);
    }
}

CalcValue ApplyFunction(std::string_view name, std::string_view argument, FuncTypes argument_type,
                        const VariableTable& table, AngleMode angle_mode) {
    const int code = FunctionCode(name);
    const CalcValue x = OperandValue(argument, argument_type, table);
    // Only the circular functions read x as an angle; converting it for the others could only
    // add a spurious overflow.
    const CalcValue theta = UsesTheta(code) ? ToRadians(x, angle_mode) : x;
    const CalcValue result = ApplyCode(code, x, theta, table);
    if (!IsAngleOut(code)) return result;
    if (!IsKnownMode(angle_mode)) throw ExpressionError(kFunctionErrorLower);
    return FromRadians(result, angle_mode);
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
