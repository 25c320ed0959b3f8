// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The fast digit path must give exactly what the exact printf conversion gives.
#include "engine/decimal_digits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace brisalto {
namespace {

std::string Printed(CalcValue v, int count) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%.*Le", count - 1, std::fabs(v));
    return buffer;
}

std::string FromDigits(const DecimalDigits& d) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%+03d", d.exponent - 1);
    return text + exponent;
}

TEST(LeadingDigits, MatchesTheExactConversion) {
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> exponent(-60.0, 60.0);
    std::uniform_int_distribution<int> digits(1, 19);
    for (int i = 0; i < 200000; ++i) {
        CalcValue v = std::pow(10.0L, static_cast<CalcValue>(exponent(random)));
        if (i % 3 == 0) {  // short decimals and their neighbours, where ties and carries live
            const int n = digits(random);
            v = static_cast<CalcValue>(random() % 100000000000000000ULL) /
                std::pow(10.0L, static_cast<CalcValue>(n));
            if (v == 0) continue;
            if (i % 2 == 0) v = std::nextafter(v, 0.0L);
        }
        if (i % 5 == 0) v = -v;
        for (const int count : {15, 18}) {
            ASSERT_EQ(FromDigits(LeadingDigits(v, count)), Printed(v, count))
                << "count " << count << " value " << Printed(v, 25);
        }
    }
}

// Values next to a rounding half: the decimal d1..dn5 (n = count) read to the nearest value and
// its neighbours, where the scaled product may fall on either side of the half.
TEST(LeadingDigits, NextToHalves) {
    std::mt19937_64 random(77);
    std::uniform_int_distribution<int> scale(-40, 40);
    for (const int count : {15, 18}) {
        for (int i = 0; i < 30000; ++i) {
            std::string text = std::to_string(1 + random() % 9);
            for (int k = 1; k < count; ++k) text += static_cast<char>('0' + random() % 10);
            text += "5e" + std::to_string(scale(random));
            CalcValue v = std::strtold(text.c_str(), nullptr);
            if (i % 3 == 1) v = std::nextafter(v, 0.0L);
            if (i % 3 == 2) v = std::nextafter(v, 1e4000L);
            ASSERT_EQ(FromDigits(LeadingDigits(v, count)), Printed(v, count))
                << "count " << count << " text " << text;
        }
    }
}

TEST(LeadingDigits, EdgesOfTheRange) {
    for (const CalcValue v :
         {0.5L, 9.999999999999995L, 999999999999999.5L, 1e-4L, 1e15L, 1e27L, 1e28L, 1e-30L,
          1.18973149535723176502e4932L, 3.3621e-4932L, 0.0000999999999999999950L, 5e-324L}) {
        for (const int count : {1, 15, 18}) {
            EXPECT_EQ(FromDigits(LeadingDigits(v, count)), Printed(v, count)) << Printed(v, 25);
        }
    }
}

}  // namespace
}  // namespace brisalto
