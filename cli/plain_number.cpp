// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/plain_number.h"

#include <charconv>
#include <cstdlib>

namespace brisalto {

std::string PlainNumberText(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    if (e == std::string_view::npos) return std::string(text);
    std::string_view mantissa = text.substr(0, e);
    std::string_view exponent_text = text.substr(e + 1);
    if (!exponent_text.empty() && exponent_text.front() == '+') exponent_text.remove_prefix(1);
    long exponent = 0;
    const auto [end, ec] = std::from_chars(exponent_text.data(),
                                           exponent_text.data() + exponent_text.size(), exponent);
    if (ec != std::errc() || end != exponent_text.data() + exponent_text.size()) {
        return std::string(text);
    }
    std::string sign;
    if (!mantissa.empty() && (mantissa.front() == '-' || mantissa.front() == '+')) {
        if (mantissa.front() == '-') sign = "-";
        mantissa.remove_prefix(1);
    }
    std::string digits;
    long point = -1;
    for (char c : mantissa) {
        if (c == '.' && point < 0) {
            point = static_cast<long>(digits.size());
        } else if (c >= '0' && c <= '9') {
            digits.push_back(c);
        } else {
            return std::string(text);
        }
    }
    if (digits.empty()) return std::string(text);
    if (point < 0) point = static_cast<long>(digits.size());
    point += exponent;
    std::string whole;
    std::string fraction;
    const auto size = static_cast<long>(digits.size());
    if (point <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= size) {
        whole = digits + std::string(static_cast<std::size_t>(point - size), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(point));
        fraction = digits.substr(static_cast<std::size_t>(point));
    }
    const std::size_t first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? "0" : whole.substr(first);
    const std::size_t last = fraction.find_last_not_of('0');
    fraction = last == std::string::npos ? "" : fraction.substr(0, last + 1);
    if (whole == "0" && fraction.empty()) sign.clear();
    return sign + whole + (fraction.empty() ? "" : "." + fraction);
}

}  // namespace brisalto
