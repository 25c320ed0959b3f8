// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/error_place.h"

#include "engine/translate_noop.h"

namespace brisalto {

std::string_view ExpectedText(Expected expected) {
    switch (expected) {
        case Expected::kOperandAfter:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a number or a bracket after %1");
        case Expected::kOperandBefore:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a number or a bracket before %1");
        case Expected::kClosingBracket:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a closing bracket for this %1");
        case Expected::kOpeningBracket:
            return QT_TRANSLATE_NOOP("ErrorPlace", "an opening bracket for this %1");
        case Expected::kSomethingInside:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a number or an expression inside the brackets");
        case Expected::kOperatorBefore:
            return QT_TRANSLATE_NOOP("ErrorPlace", "an operator before %1");
        case Expected::kBracketAfterName:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a bracket after %1, as in %1(x)");
        case Expected::kOperandInstead:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a number or a variable instead of %1");
        case Expected::kVariableBefore:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a variable before %1, as in B=2");
        case Expected::kKnownFunction:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a function name: there is no function %1");
        case Expected::kWorkingFunction:
            return QT_TRANSLATE_NOOP("ErrorPlace", "another function: %1 computes nothing");
        case Expected::kKnownVariable:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a variable A to N or P: there is no %1");
        case Expected::kValidNumber:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a number such as 1.5 or 2E-3 instead of %1");
        case Expected::kWholeNumber:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a whole number before ! instead of %1");
        case Expected::kNonZeroDivisor:
            return QT_TRANSLATE_NOOP("ErrorPlace", "a divisor other than 0 after %1");
        case Expected::kValuesItTakes:
            return QT_TRANSLATE_NOOP("ErrorPlace", "values that %1 can take");
        case Expected::kSmallerValues:
            return QT_TRANSLATE_NOOP("ErrorPlace", "smaller values: the result of %1 is too large");
    }
    return {};
}

std::string ExpectedMessage(const ErrorPlace& place) {
    std::string message(ExpectedText(place.expected));
    for (std::size_t at = message.find("%1"); at != std::string::npos;
         at = message.find("%1", at + place.token.size())) {
        message.replace(at, 2, place.token);
    }
    return message;
}

}  // namespace brisalto
