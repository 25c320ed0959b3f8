// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Properties of the fixed number format over every integer-part length and every precision:
// the separators only group the digits (by threes from the right), never change them. The
// expected digits come from a plain decimal string or from the C library's printf.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "command/result_format.h"

namespace brisalto {
namespace {

struct Separators {
    const char* name;
    const char* thousands;
    const char* decimal;
};

// The C locale's, a German one's, and a French one's narrow no-break space (three UTF-8 bytes).
const Separators kSeparatorSets[] = {
    {"C", ",", "."},
    {"German", ".", ","},
    {"French", "\u202f", ","},
};

constexpr int kMaxIntegerLength = 40;
// Any 18-digit decimal survives the trip through a 64-bit significand and back.
constexpr int kExactDigits = 18;

class NumberGroupingTest : public ::testing::Test {
  protected:
    static std::string Format(const Separators& s, int precision, CalcValue value) {
        return FormatNumber(FixedPatternFor(precision), value,
                            NumberSeparators{s.thousands, s.decimal});
    }
};

struct Split {
    bool negative = false;
    std::vector<std::string> groups;
    std::string fraction;
    bool has_point = false;
};

// Takes a fixed-format text apart by the separators alone; every piece must be digits only.
::testing::AssertionResult SplitText(std::string text, const Separators& s, Split& out) {
    if (!text.empty() && text[0] == '-') {
        out.negative = true;
        text.erase(0, 1);
    }
    const std::string decimal = s.decimal;
    const std::size_t point = text.find(decimal);
    std::string integer = text;
    if (point != std::string::npos) {
        out.has_point = true;
        integer = text.substr(0, point);
        out.fraction = text.substr(point + decimal.size());
    }
    const std::string thousands = s.thousands;
    std::size_t start = 0;
    while (true) {
        const std::size_t next = integer.find(thousands, start);
        out.groups.push_back(integer.substr(start, next - start));
        if (next == std::string::npos) break;
        start = next + thousands.size();
    }
    for (const std::string& piece : out.groups) {
        if (piece.empty() || piece.find_first_not_of("0123456789") != std::string::npos) {
            return ::testing::AssertionFailure() << "bad group '" << piece << "' in " << text;
        }
    }
    if (out.fraction.find_first_not_of("0123456789") != std::string::npos) {
        return ::testing::AssertionFailure() << "bad decimals in " << text;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult GroupedByThrees(const Split& split, const std::string& text) {
    const std::size_t head = split.groups.front().size();
    if (head < 1 || head > 3) {
        return ::testing::AssertionFailure() << "first group of " << head << " in " << text;
    }
    for (std::size_t i = 1; i < split.groups.size(); ++i) {
        if (split.groups[i].size() != 3) {
            return ::testing::AssertionFailure()
                   << "group " << i << " of " << split.groups[i].size() << " in " << text;
        }
    }
    return ::testing::AssertionSuccess();
}

std::string Joined(const std::vector<std::string>& groups) {
    std::string all;
    for (const std::string& g : groups) all += g;
    return all;
}

// A decimal of `length` integer digits whose first 18 significant digits are random and the rest
// zeros, cut after `decimals` decimals so that no rounding is involved.
struct PlainDecimal {
    std::string integer;
    std::string fraction;
};

PlainDecimal RandomDecimal(std::mt19937_64& random, int length, int decimals, char fill) {
    std::uniform_int_distribution<int> digit(0, 9);
    auto next = [&](int position) -> char {
        if (position >= kExactDigits) return '0';
        if (fill != 0) return fill;
        return static_cast<char>('0' + digit(random));
    };
    PlainDecimal d;
    for (int i = 0; i < length; ++i) d.integer.push_back(next(i));
    if (d.integer[0] == '0') d.integer[0] = '7';
    for (int i = 0; i < decimals; ++i) d.fraction.push_back(next(length + i));
    return d;
}

TEST_F(NumberGroupingTest, EveryLengthAndPrecisionKeepsTheDigitsOfAPlainDecimal) {
    std::mt19937_64 random(20261208);
    // Random digits, and runs of one digit (all nines, all ones) where a carry would show.
    const char fills[] = {0, 0, 0, '9', '1'};
    for (const Separators& s : kSeparatorSets) {
        for (int length = 1; length <= kMaxIntegerLength; ++length) {
            for (int precision = kMinPrecision; precision <= kMaxPrecision; ++precision) {
                for (const char fill : fills) {
                    const PlainDecimal d = RandomDecimal(random, length, precision, fill);
                    std::string source = d.integer;
                    if (!d.fraction.empty()) source += "." + d.fraction;
                    for (const bool negative : {false, true}) {
                        CalcValue value = std::strtold(source.c_str(), nullptr);
                        if (negative) value = -value;
                        const std::string text = Format(s, precision, value);
                        SCOPED_TRACE(std::string(s.name) + " precision " +
                                     std::to_string(precision) + " value " + (negative ? "-" : "") +
                                     source + " gives " + text);
                        Split split;
                        ASSERT_TRUE(SplitText(text, s, split));
                        EXPECT_EQ(split.negative, negative);
                        EXPECT_TRUE(GroupedByThrees(split, text));
                        EXPECT_EQ(split.groups.size(), static_cast<std::size_t>(length + 2) / 3);
                        EXPECT_EQ(Joined(split.groups), d.integer);
                        EXPECT_EQ(split.has_point, precision > 0);
                        EXPECT_EQ(split.fraction, d.fraction);
                    }
                }
            }
        }
    }
}

// Values with more digits than shown are rounded; printf rounds the same value to the same
// decimals by its own road. Short enough that the formatter's 18-digit step cannot matter.
TEST_F(NumberGroupingTest, RoundedValuesAgreeWithPrintf) {
    std::mt19937_64 random(4932);
    std::uniform_real_distribution<long double> mantissa(1.0L, 10.0L);
    constexpr int kShownDigits = 14;
    for (const Separators& s : kSeparatorSets) {
        for (int length = 1; length <= kShownDigits; ++length) {
            for (int precision = kMinPrecision; precision + length <= kShownDigits; ++precision) {
                for (int sample = 0; sample < 20; ++sample) {
                    const CalcValue value =
                        mantissa(random) *
                        std::strtold(("1e" + std::to_string(length - 1)).c_str(), nullptr);
                    char reference[128];
                    std::snprintf(reference, sizeof reference, "%.*Lf", precision, value);
                    std::string expected_integer = reference;
                    std::string expected_fraction;
                    if (const char* point = std::strchr(reference, '.')) {
                        expected_integer.assign(reference,
                                                static_cast<std::size_t>(point - reference));
                        expected_fraction = point + 1;
                    }
                    const std::string text = Format(s, precision, value);
                    SCOPED_TRACE(std::string(s.name) + " precision " + std::to_string(precision) +
                                 " printf " + reference + " gives " + text);
                    Split split;
                    ASSERT_TRUE(SplitText(text, s, split));
                    EXPECT_TRUE(GroupedByThrees(split, text));
                    EXPECT_EQ(Joined(split.groups), expected_integer);
                    EXPECT_EQ(split.fraction, expected_fraction);
                }
            }
        }
    }
}

// The digits printf gives for a whole value, cut to 18 significant digits as the formatter keeps
// them: "%.17Le" rounds to 18 digits, the positions after them are zeros.
std::string EighteenDigitReference(CalcValue value) {
    char exact[64];
    std::snprintf(exact, sizeof exact, "%.0Lf", value);
    if (std::strlen(exact) <= static_cast<std::size_t>(kExactDigits)) return exact;
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.17Le", value);
    std::string digits(1, scientific[0]);
    digits.append(scientific + 2, kExactDigits - 1);
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    digits.resize(static_cast<std::size_t>(exponent) + 1, '0');
    return digits;
}

// 10^k - 1, 10^k and 10^k + 1 cross from k to k + 1 digits and back, for every length up to 40.
TEST_F(NumberGroupingTest, PowersOfTenAndTheirNeighboursAgreeWithPrintf) {
    for (const Separators& s : kSeparatorSets) {
        CalcValue power = 1.0L;
        for (int k = 0; k < kMaxIntegerLength; ++k, power *= 10.0L) {
            for (const CalcValue value : {power - 1.0L, power, power + 1.0L}) {
                const std::string reference = EighteenDigitReference(value);
                const std::string text = Format(s, 0, value);
                SCOPED_TRACE(std::string(s.name) + " printf " + reference + " gives " + text);
                Split split;
                ASSERT_TRUE(SplitText(text, s, split));
                EXPECT_TRUE(GroupedByThrees(split, text));
                EXPECT_EQ(Joined(split.groups), reference);
                EXPECT_FALSE(split.has_point);
            }
        }
    }
}

}  // namespace
}  // namespace brisalto
