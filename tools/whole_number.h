// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Whole numbers of any size for the reaction balancer, on GMP opened with dlopen at first use,
// so that a program that never balances a reaction does not pay for loading it.
#pragma once

#include <gmp.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tools/message.h"

namespace brisalto {

inline constexpr const char* kWholeNumberLibrary = "libgmp.so.10";

// Nothing once the library is loaded (loading it at the first call), or why it cannot be.
const std::optional<Message>& WholeNumberLoadError();

// For tests: the library to open instead; only before the first use of a WholeNumber.
void SetWholeNumberLibraryForTest(const char* soname);

// Every operation needs WholeNumberLoadError() to be nothing.
class WholeNumber {
  public:
    WholeNumber(long value = 0);  // NOLINT(google-explicit-constructor): reads as a number
    WholeNumber(const WholeNumber& other);
    WholeNumber(WholeNumber&& other) noexcept;
    WholeNumber& operator=(const WholeNumber& other);
    WholeNumber& operator=(WholeNumber&& other) noexcept;
    ~WholeNumber();

    int Sign() const { return mpz_sgn(value_); }
    // -1, 0 or 1 as this is less, equal or greater.
    int Compare(const WholeNumber& other) const;
    int Compare(long other) const;

    WholeNumber operator-() const;
    friend WholeNumber abs(const WholeNumber& a);
    friend WholeNumber operator+(const WholeNumber& a, const WholeNumber& b);
    friend WholeNumber operator-(const WholeNumber& a, const WholeNumber& b);
    friend WholeNumber operator*(const WholeNumber& a, const WholeNumber& b);
    // The quotient rounded toward zero.
    friend WholeNumber operator/(const WholeNumber& a, const WholeNumber& b);
    WholeNumber& operator/=(const WholeNumber& b);
    // Faster than / when b is known to divide a.
    void DivideExactly(const WholeNumber& b);
    friend WholeNumber gcd(const WholeNumber& a, const WholeNumber& b);
    friend WholeNumber lcm(const WholeNumber& a, const WholeNumber& b);

    std::string Text() const;
    bool FitsInt64() const;
    std::int64_t ToInt64() const;

    friend bool operator==(const WholeNumber& a, long b) { return a.Compare(b) == 0; }
    friend bool operator<(const WholeNumber& a, long b) { return a.Compare(b) < 0; }
    friend bool operator>(const WholeNumber& a, long b) { return a.Compare(b) > 0; }
    friend bool operator==(const WholeNumber& a, const WholeNumber& b) { return a.Compare(b) == 0; }
    friend bool operator<(const WholeNumber& a, const WholeNumber& b) { return a.Compare(b) < 0; }

  private:
    mpz_t value_;
};

}  // namespace brisalto
