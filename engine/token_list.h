// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The evaluator's token list: tokens in their original order with removal from the middle, plus
// ordered position sets per token class and per reducer step, kept up to date at every rewrite.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/func_types.h"
#include "engine/position_set.h"

namespace brisalto {

class TokenList {
  public:
    using Id = std::uint32_t;
    static constexpr Id kNone = PositionSet::kNone;
    static constexpr std::size_t kMaxLineLength = std::numeric_limits<std::uint32_t>::max() / 2;

    // Cuts the expression into tokens. A line with no recognised character gives one empty
    // token of class 0. A line of kMaxLineLength characters or more throws ExpressionError
    // kLineTooLong: token numbers are 32-bit.
    explicit TokenList(std::string_view expression);

    std::uint32_t Count() const { return count_; }
    Id Head() const { return head_; }
    Id Tail() const { return tail_; }
    Id Next(Id t) const { return next_[t]; }
    Id Prev(Id t) const { return prev_[t]; }
    FuncTypes Type(Id t) const { return type_[t]; }
    bool IsOperand(Id t) const { return t != kNone && IsOperandType(type_[t]); }
    bool IsSign(Id t) const { return t != kNone && (type_[t] == ftPlus || type_[t] == ftMinus); }
    // A name token that is exactly "e" or "E".
    bool IsExponentLetter(Id t) const;

    // The token's text; scratch holds it when it was joined from several pieces.
    std::string_view Text(Id t, std::string& scratch) const;

    // The characters of the line that token t stands for now, [begin, end): its own, and those
    // of every token a reduction folded into it (always the tokens to its right). Found by
    // cutting the line again, so only a failure pays for it.
    struct Span {
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    Span SourceSpan(std::string_view expression, Id t) const;

    // Every token of that class, in order; only the classes the reducer searches have one.
    const PositionSet& ClassSet(FuncTypes type) const;
    // Signs that are unary by their neighbours: followed by an operand and not preceded by one.
    const PositionSet& UnaryCandidates() const { return unary_; }
    // "e" / "E" between two operands.
    const PositionSet& ExponentCandidates() const { return exponent_; }

    // Token t becomes a number token holding text; then Refresh(t) once all removals are done.
    void SetNumber(Id t, std::string_view text);
    // Token t becomes the number token of its text followed by the texts of the next two tokens,
    // which are removed.
    void JoinNextTwo(Id t);
    void Remove(Id t);
    // Re-derives the step candidates around t after its class or neighbours changed.
    void Refresh(Id t);

    static bool IsOperandType(FuncTypes type) { return type == ftNumber || type == ftVariable; }

  private:
    PositionSet* MutableClassSet(FuncTypes type);
    void SetType(Id t, FuncTypes type);
    void RefreshOne(Id t);

    // The buffer outgrows the line by the reductions' texts that did not fit in place, so its
    // offsets are 64-bit even where the line itself has fewer than 2^32 characters.
    struct Piece {
        std::size_t offset;
        std::uint32_t length;
        Id next;
    };
    static_assert(sizeof(Piece::offset) >= sizeof(std::string::size_type));

    // Token texts, and after them the texts of reductions that outgrew their token's place.
    std::string buffer_;
    // Piece t is the first piece of token t; joined tokens chain further pieces.
    std::vector<Piece> pieces_;
    std::vector<Id> tail_piece_;
    std::vector<FuncTypes> type_;
    std::vector<Id> prev_;
    std::vector<Id> next_;
    Id head_ = 0;
    Id tail_ = 0;
    std::uint32_t count_ = 0;

    PositionSet opens_, closes_, factorials_, powers_, divides_, multiplies_, percents_, pluses_,
        minuses_;
    PositionSet unary_, exponent_;
};

}  // namespace brisalto
