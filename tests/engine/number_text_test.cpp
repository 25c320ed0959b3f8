// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// TextToValue's grammar and limits, ValueToText's notation, TextToInt's range.
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/errors.h"

namespace brisalto {
namespace {

TEST(TextToValue, ReadsTheNumberTextGrammar) {
    const struct {
        std::string text;
        CalcValue value;
    } rows[] = {
        {"2.5E-3", 0.0025L},
        {"  -12.5  ", -12.5L},
        {"+7", 7},
        {".5", 0.5L},
        {"5.", 5},
        {".", 0},
        {"-.", 0},
        {"5e", 5},
        {"5E+", 5},
        {"1e0005", 100000},
        {"0.333333333333333", 0.333333333333333L},
        {"123456789012345678901234567890", 123456789012345678901234567890.0L},
        {"1e4000", 1e4000L},
        {"1e-4999", 0},
        {"1.18973149535723E4932", 1.18973149535723E4932L},
        {"0.000000000000000000000000000001", 1e-30L},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(TextToValue(row.text), row.value) << "input: " << row.text;
    }
    EXPECT_EQ(std::fpclassify(TextToValue("1e-4940")), FP_SUBNORMAL);
}

TEST(TextToValue, RejectsMalformedAndOutOfRangeTexts) {
    for (const std::string& text : std::vector<std::string>{
             "", " ", "e5", "1.2.3", "1e3e2", "1e5000", "1e-5000", "1e4999", "--1", "1 2", "1e+-2",
             "INF", "NAN", "0x10", "1,5", "\t1", std::string("1\0", 2), "1e500000"}) {
        try {
            TextToValue(text);
            ADD_FAILURE() << "no error for input: " << text;
        } catch (const ConvertError& e) {
            // C strings both, so a NUL inside the text cuts both alike.
            EXPECT_STREQ(e.what(), ("'" + text + "' is not a valid floating point value").c_str())
                << "input: " << text;
        }
    }
}

// A German locale compiled for the test into a folder of its own (LOCPATH), so that no machine
// set up by the README's commands lacks it.
TEST(TextToValue, IgnoresTheUsersDecimalSeparator) {
    char folder[] = "/tmp/brisalto-locale-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string make =
        std::string("localedef -i de_DE -f UTF-8 ") + folder + "/de_DE.UTF-8 >/dev/null 2>&1";
    std::system(make.c_str());
    const char* old_path = std::getenv("LOCPATH");
    const std::string saved_path = old_path != nullptr ? old_path : "";
    setenv("LOCPATH", folder, 1);
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    EXPECT_TRUE(german) << "localedef could not make de_DE.UTF-8 (the locales package)";
    if (german) {
        EXPECT_STREQ(std::localeconv()->decimal_point, ",");
        EXPECT_EQ(TextToValue("2.5"), 2.5L);
        EXPECT_EQ(ValueToText(2.5L), "2.5");
        EXPECT_EQ(ValueToText(1.0L / 3), "0.333333333333333");
    }
    std::setlocale(LC_ALL, saved.c_str());
    if (old_path != nullptr) {
        setenv("LOCPATH", saved_path.c_str(), 1);
    } else {
        unsetenv("LOCPATH");
    }
    std::system(("rm -rf " + std::string(folder)).c_str());
}

TEST(ValueToText, FifteenDigitsInFixedOrScientificForm) {
    const struct {
        CalcValue value;
        std::string text;
    } rows[] = {
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {1e15L, "1E15"},
        {999999999999999.0L, "999999999999999"},
        {9999999999999999.0L, "1E16"},
        {0.00001L, "1E-5"},
        {0.0001L, "0.0001"},
        {0.001234L, "0.001234"},
        {-2.5L, "-2.5"},
        {120, "120"},
        {0, "0"},
        {-0.0L, "0"},
        {std::numeric_limits<CalcValue>::denorm_min(), "0"},
        {3.141592653589793116L, "3.14159265358979"},
        {1234567890123456789.0L, "1.23456789012346E18"},
        {7.25741561530799E306L, "7.25741561530799E306"},
        {-1.5e-300L, "-1.5E-300"},
        {std::numeric_limits<CalcValue>::max(), "1.18973149535723E4932"},
        {std::numeric_limits<CalcValue>::infinity(), "INF"},
        {-std::numeric_limits<CalcValue>::infinity(), "-INF"},
        {std::numeric_limits<CalcValue>::quiet_NaN(), "NAN"},
        {-std::numeric_limits<CalcValue>::quiet_NaN(), "-NAN"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ValueToText(row.value), row.text) << "input: " << row.text;
    }
}

// The C library's %.15Lg with our exponent written E14, E-5: an independent answer for the
// notation and the rounding, at every size from 10^-7 to 10^18 and most of all in [10^14, 10^15],
// where 15 digits leave no decimals but the value still has some.
TEST(ValueToText, AgreesWithTheCLibraryAtEverySize) {
    const auto c_text = [](CalcValue v) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15Lg", v);
        std::string text = buffer;
        const std::size_t e = text.find('e');
        if (e != std::string::npos)
            text = text.substr(0, e) + "E" + std::to_string(std::stoi(text.substr(e + 1)));
        return text;
    };
    std::vector<CalcValue> values = {123456789012345.6L, 100000000000000.5L, 99999999999999.95L,
                                     999999999999999.4L, 999999999999999.5L, 999999999999999.9L,
                                     1e14L + 0.25L,      -314159265358979.3L};
    std::mt19937_64 rng(16);
    std::uniform_real_distribution<double> unit(1.0, 10.0);
    for (int e = -7; e <= 18; ++e) {
        for (int i = 0; i < (e == 14 ? 3000 : 200); ++i) {
            const CalcValue v = static_cast<CalcValue>(unit(rng)) * std::pow(10.0L, e);
            values.push_back(i % 2 ? v : -v);
        }
    }
    for (const CalcValue v : values) EXPECT_EQ(ValueToText(v), c_text(v)) << c_text(v);
}

TEST(ValueToText, ReadsBackAsTheValueRoundedToFifteenDigits) {
    for (const CalcValue v : {1.0L / 7, 123.456789L, -9.87654321e-200L, 6.02214076e23L,
                              1.7976931348623157e308L, 5e-4900L, 0.1L + 0.2L}) {
        const std::string text = ValueToText(v);
        EXPECT_EQ(ValueToText(TextToValue(text)), text) << "input: " << text;
        EXPECT_NEAR(static_cast<double>(TextToValue(text) / v), 1.0, 1e-14) << "input: " << text;
    }
}

TEST(TextToInt, SignAndDigitsInThe32BitRange) {
    EXPECT_EQ(TextToInt("6"), 6);
    EXPECT_EQ(TextToInt("-3"), -3);
    EXPECT_EQ(TextToInt("+12"), 12);
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
    for (const std::string& text :
         std::vector<std::string>{"", "-", "2.5", "1E15", " 1", "1 ", "2147483648", "-2147483649",
                                  "99999999999999999999"}) {
        try {
            TextToInt(text);
            ADD_FAILURE() << "no error for input: " << text;
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.what(), "'" + text + "' is not a valid integer value") << "input: " << text;
        }
    }
}

}  // namespace
}  // namespace brisalto

// The exponent is appended to the working copy after the digits; lengths around the string's
// growth steps once made the digit view dangle.
namespace brisalto {
namespace {

TEST(TextToValue, LongDigitRunsWithAnExponent) {
    for (std::size_t length = 1; length <= 130; ++length) {
        const std::string text = "1" + std::string(length - 1, '0') + "e3";
        const CalcValue expected = std::strtold(text.c_str(), nullptr);
        EXPECT_EQ(TextToValue(text), expected) << text;
    }
}

}  // namespace
// The exponent test against the text itself, over the whole range and around every edge of the
// plain form (10^-4, 10^15, whole numbers near 10^15, values that round up to the next power).
TEST(ValueTextHasExponent, AgreesWithTheText) {
    std::vector<CalcValue> values = {0.0L,
                                     -0.0L,
                                     1e15L,
                                     1e15L - 1,
                                     999999999999999.5L,
                                     0.001L,
                                     0.0001L,
                                     0.00099999999999999995L,
                                     1e-4950L,
                                     std::numeric_limits<CalcValue>::max(),
                                     std::numeric_limits<CalcValue>::infinity(),
                                     std::numeric_limits<CalcValue>::quiet_NaN()};
    for (int e = -40; e <= 40; ++e) {
        const CalcValue p = std::pow(10.0L, static_cast<CalcValue>(e));
        for (const CalcValue f : {1.0L, 0.9999999999999996L, 0.99999999999999949L, 1.5L, 9.99L}) {
            values.push_back(p * f);
            values.push_back(-p * f);
        }
    }
    std::mt19937_64 rng(11);
    for (int i = 0; i < 30000; ++i) {
        values.push_back(std::ldexp(static_cast<CalcValue>(rng()), (i % 32900) - 16510));
    }
    for (const CalcValue v : values) {
        const std::string text = ValueToText(v);
        EXPECT_EQ(ValueTextHasExponent(v), text.find_first_of("eE") != std::string::npos) << text;
    }
}

// Digits with a point anywhere, 1 to 30 of them, or a small number behind up to 39 zeros:
// correctly rounded, as strtold reads them.
TEST(TextToValue, PlainDecimalsAsStrtoldReadsThem) {
    std::mt19937_64 rng(29);
    for (int i = 0; i < 60000; ++i) {
        const int length = 1 + static_cast<int>(rng() % 30);
        std::string text;
        for (int k = 0; k < length; ++k) text += static_cast<char>('0' + rng() % 10);
        if (i % 5 == 1) {
            text = "0." + std::string(rng() % 40, '0') + text.substr(0, 1 + rng() % 19);
        } else if (i % 4 != 0) {
            text.insert(rng() % (text.size() + 1), 1, '.');
        }
        const CalcValue want = std::strtold(text.c_str(), nullptr);
        const CalcValue got = TextToValue(text);
        ASSERT_EQ(std::memcmp(&got, &want, 10), 0) << text;
    }
}

}  // namespace brisalto
