// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The texts brisalto-calc shapes for its readers: numbers without an exponent for bc, checked
// against the C library's reading of the same value, and control characters made visible.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "cli/plain_number.h"
#include "cli/shown_text.h"
#include "engine/number_text.h"

namespace brisalto {
namespace {

// Every binary exponent of the range, each with a few mantissas and both signs: the plain text
// has no exponent and strtold reads the value the E form stands for.
TEST(PlainNumberText, SameValueWithoutExponentOverTheRange) {
    const long double mantissas[] = {1.0L, 1.5L, 1.2345678901234567L, 1.9999999999999L};
    for (int exponent = -16440; exponent <= 16383; exponent += 23) {
        for (long double m : mantissas) {
            for (int sign : {1, -1}) {
                const long double value = sign * std::ldexp(m, exponent);
                const std::string e_form = ValueToText(value);
                const std::string plain = PlainNumberText(e_form);
                ASSERT_EQ(plain.find_first_of("eE"), std::string::npos) << e_form;
                ASSERT_EQ(std::strtold(plain.c_str(), nullptr),
                          std::strtold(e_form.c_str(), nullptr))
                    << e_form << " -> " << plain;
                // bc reads no leading +, and a whole number ends without a point.
                ASSERT_NE(plain.front(), '+');
                ASSERT_NE(plain.back(), '.');
            }
        }
    }
    EXPECT_EQ(PlainNumberText("1.5E-20"), "0.000000000000000000015");
    EXPECT_EQ(PlainNumberText("1.15292150460685E18"), "1152921504606850000");
    EXPECT_EQ(PlainNumberText("Floating point over flow"), "Floating point over flow");
}

TEST(ShownText, NoControlCharacterLeftAndPrintableOnesKept) {
    for (int c = 0; c < 256; ++c) {
        for (const std::string& text :
             {std::string(1, static_cast<char>(c)), std::string("\xc2") + static_cast<char>(c)}) {
            const std::string shown = ShownText(text);
            for (std::size_t i = 0; i < shown.size(); ++i) {
                const auto b = static_cast<unsigned char>(shown[i]);
                ASSERT_TRUE((b >= 0x20 || b == '\n') && b != 0x7f) << c;
                if (b == 0xc2 && i + 1 < shown.size()) {
                    const auto next = static_cast<unsigned char>(shown[i + 1]);
                    ASSERT_FALSE(next >= 0x80 && next <= 0x9f) << c;
                }
            }
            if (c >= 0x20 && c < 0x7f && text.size() == 1) {
                EXPECT_EQ(shown, text);
            }
        }
    }
    EXPECT_EQ(ShownText("1+\x1b[2J\x7f\n\xc2\x9b\xc3\xa9"), "1+^[[2J^?\n\\u009b\xc3\xa9");
}

}  // namespace
}  // namespace brisalto
