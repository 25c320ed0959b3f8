// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Chemical formulas read into element counts: symbols with counts, brackets nested to any depth,
// a leading coefficient, hydrates and adducts after a dot. Each bad formula is one FormulaError.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_value.h"
#include "tools/message.h"

namespace brisalto {

// Counts and coefficients run from 1 to this.
inline constexpr int kMaxFormulaCount = 1000000;
inline constexpr const char* kFormulaTooLargeText =
    QT_TRANSLATE_NOOP("Chemistry", "the formula is too large to weigh");

enum class FormulaErrorKind {
    kEmpty,
    kUnknownElement,
    kLowerCaseStart,
    kUnclosedBracket,
    kUnopenedBracket,
    kMismatchedBracket,
    kEmptyBrackets,
    kCountZero,
    kCountTooLarge,
    kFractionalCount,
    kMisplacedCount,
    kMissingPart,
    kCharge,
    kUnexpectedCharacter,
    kTooLarge,
};

class FormulaError : public MessageError {
  public:
    FormulaError(FormulaErrorKind kind, Message message, std::size_t position)
        : MessageError(std::move(message), position), kind_(kind) {}

    FormulaErrorKind kind() const { return kind_; }

  private:
    FormulaErrorKind kind_;
};

struct ElementCount {
    int element;         // index into the element table
    std::string symbol;  // as first written in the formula (Lw, not the table's Lr)
    CalcValue count;     // whole, at least 1
};

// The elements of a formula in order of first appearance, each with its total count. Works in
// one pass with its own stack, so the time is linear and any depth of brackets is safe.
std::vector<ElementCount> ParseFormula(std::string_view formula);

}  // namespace brisalto
