// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Where a failed line went wrong: the characters of the token the evaluator stopped at and what
// it wanted there. The error lines stay as they are; this only tells a front end what to mark.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brisalto {

enum class Expected {
    kOperandAfter,      // 2*   5-
    kOperandBefore,     // *2   !
    kClosingBracket,    // 2*(3+
    kOpeningBracket,    // 5)
    kSomethingInside,   // ()
    kOperatorBefore,    // 2A   2(3)   3!2
    kBracketAfterName,  // sin30   2*sin
    kOperandInstead,    // b=3   2*=
    kVariableBefore,    // =3   2+B=3
    kKnownFunction,     // foo(3)
    kWorkingFunction,   // hex(1)
    kKnownVariable,     // O+1
    kValidNumber,       // 1.2.3
    kWholeNumber,       // 2.5!
    kNonZeroDivisor,    // 5/0
    kValuesItTakes,     // xcos(2)   (-8)^(1/3)
    kSmallerValues,     // 1755!   exp(20000)
};

struct ErrorPlace {
    // Byte offsets into the line: [begin, end).
    std::size_t begin = 0;
    std::size_t end = 0;
    Expected expected = Expected::kOperandAfter;
    // The token's characters as typed: the %1 of the expectation.
    std::string token;

    bool operator==(const ErrorPlace&) const = default;
};

// The expectation as a person reads it, "%1" standing for the token; marked for translation in
// the context "ErrorPlace".
std::string_view ExpectedText(Expected expected);
// The same with the token filled in, untranslated.
std::string ExpectedMessage(const ErrorPlace& place);

}  // namespace brisalto
