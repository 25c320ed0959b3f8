// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The whole numbers over the dlopened GMP checked against plain 128-bit arithmetic on random
// values of every width, and on known values far beyond it.
#include "tools/whole_number.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <utility>

namespace brisalto {
namespace {

__extension__ typedef __int128 Int;

std::string Decimal(Int v) {
    if (v == 0) return "0";
    std::string digits;
    const bool negative = v < 0;
    for (; v != 0; v /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + (negative ? -(v % 10) : v % 10)));
    return negative ? "-" + digits : digits;
}

Int Gcd(Int a, Int b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

WholeNumber Big(Int v) {
    // Built from two halves so that the reference need not trust the conversion it checks.
    return WholeNumber(static_cast<long>(v / (Int{1} << 32))) * WholeNumber(1L << 32) +
           WholeNumber(static_cast<long>(v % (Int{1} << 32)));
}

void ExpectSame(const WholeNumber& got, Int want, const std::string& what) {
    ASSERT_EQ(got.Text(), Decimal(want)) << what;
    const bool fits = want >= std::numeric_limits<std::int64_t>::min() &&
                      want <= std::numeric_limits<std::int64_t>::max();
    ASSERT_EQ(got.FitsInt64(), fits) << what;
    if (fits) {
        ASSERT_EQ(got.ToInt64(), static_cast<std::int64_t>(want)) << what;
    }
    ASSERT_EQ(got.Sign(), (want > 0) - (want < 0)) << what;
}

TEST(WholeNumberTest, AgreesWith128BitArithmeticOnRandomValuesOfEveryWidth) {
    ASSERT_FALSE(WholeNumberLoadError());
    std::mt19937_64 random(7);
    const auto draw = [&random] {
        // Up to 62 bits, so that every product and sum stays within 128.
        const int bits = static_cast<int>(random() % 63);
        const Int magnitude = bits == 0 ? 0 : static_cast<Int>(random() >> (64 - bits));
        return random() % 2 ? -magnitude : magnitude;
    };
    for (int round = 0; round < 20000; ++round) {
        const Int a = draw(), b = draw();
        const std::string what = Decimal(a) + ", " + Decimal(b);
        const WholeNumber x = Big(a), y = Big(b);
        ExpectSame(x, a, what);
        ExpectSame(-x, -a, what);
        ExpectSame(abs(x), a < 0 ? -a : a, what);
        ExpectSame(x + y, a + b, what);
        ExpectSame(x - y, a - b, what);
        ExpectSame(x * y, a * b, what);
        ASSERT_EQ(x.Compare(y), (a > b) - (a < b)) << what;
        ASSERT_EQ(x.Compare(static_cast<long>(b)), (a > b) - (a < b)) << what;
        ExpectSame(gcd(x, y), Gcd(a, b), what);
        const Int g = Gcd(a, b);
        ExpectSame(lcm(x, y), g == 0 ? 0 : (a / g * b < 0 ? -(a / g * b) : a / g * b), what);
        if (b == 0) continue;
        ExpectSame(x / y, a / b, what);  // both round toward zero
        WholeNumber quotient = x;
        quotient /= y;
        ExpectSame(quotient, a / b, what);
        WholeNumber product = x * y;
        product.DivideExactly(y);
        ExpectSame(product, a, what);
    }
}

TEST(WholeNumberTest, KnownValuesBeyond128Bits) {
    WholeNumber factorial = 1;
    for (long k = 2; k <= 30; ++k) factorial = factorial * WholeNumber(k);
    EXPECT_EQ(factorial.Text(), "265252859812191058636308480000000");
    const auto power = [](long base, int exponent) {
        WholeNumber p = 1;
        for (int k = 0; k < exponent; ++k) p = p * WholeNumber(base);
        return p;
    };
    const WholeNumber a = factorial * power(3, 50);
    const WholeNumber b = power(2, 90) * power(3, 20) * power(29, 7);
    EXPECT_EQ(gcd(a, b).Text(), "6785830064756883456");
    EXPECT_EQ(lcm(-a, b).Text(),
              "208944296491996136329308203269142698185293099564347689082985276877368167759872000"
              "0000");
    EXPECT_EQ((-a * b).Text(),
              "-141786048899486359851561292206914555183133938123514542069946165600255232114159425"
              "73902876974776320000000");
    EXPECT_EQ((a * b / b).Text(), a.Text());
    EXPECT_FALSE(a.FitsInt64());
    EXPECT_EQ(lcm(a, b).Compare(a), 1);
}

}  // namespace
}  // namespace brisalto
