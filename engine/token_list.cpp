// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/token_list.h"

#include "engine/errors.h"
#include "engine/expression_texts.h"

namespace brisalto {

namespace {

// Brackets and signs never join their neighbours of the same class.
bool AlwaysSingle(FuncTypes type) {
    return type == ftOpen || type == ftClose || type == ftPlus || type == ftMinus;
}

std::uint32_t CountTokens(std::string_view expression) {
    if (expression.size() >= TokenList::kMaxLineLength) throw ExpressionError(kLineTooLong);
    std::uint32_t count = 0;
    FuncTypes previous = ftNone;
    for (const char c : expression) {
        const CharClass cls = ClassifyChar(c);
        if (!cls.recognised) continue;
        if (count == 0 || cls.type != previous || AlwaysSingle(cls.type)) ++count;
        previous = cls.type;
    }
    return count == 0 ? 1 : count;
}

}  // namespace

TokenList::TokenList(std::string_view expression)
    : count_(CountTokens(expression)),
      opens_(count_),
      closes_(count_),
      factorials_(count_),
      powers_(count_),
      divides_(count_),
      multiplies_(count_),
      percents_(count_),
      pluses_(count_),
      minuses_(count_),
      unary_(count_),
      exponent_(count_) {
    pieces_.reserve(count_);
    type_.reserve(count_);
    buffer_.reserve(expression.size());
    FuncTypes previous = ftNone;
    for (const char c : expression) {
        const CharClass cls = ClassifyChar(c);
        if (!cls.recognised) continue;
        if (type_.empty() || cls.type != previous || AlwaysSingle(cls.type)) {
            pieces_.push_back({buffer_.size(), 0, kNone});
            type_.push_back(cls.type);
        }
        buffer_ += c;
        ++pieces_.back().length;
        previous = cls.type;
    }
    if (type_.empty()) {
        pieces_.push_back({0, 0, kNone});
        type_.push_back(ftNone);
    }

    tail_piece_.resize(count_);
    prev_.resize(count_);
    next_.resize(count_);
    for (Id t = 0; t < count_; ++t) {
        tail_piece_[t] = t;
        prev_[t] = t == 0 ? kNone : t - 1;
        next_[t] = t + 1 == count_ ? kNone : t + 1;
        if (PositionSet* set = MutableClassSet(type_[t])) set->Insert(t);
    }
    head_ = 0;
    tail_ = count_ - 1;
    for (Id t = 0; t < count_; ++t) RefreshOne(t);
}

TokenList::Span TokenList::SourceSpan(std::string_view expression, Id t) const {
    // Tokens are numbered in line order and a reduction only ever folds in the tokens to its
    // right, so t stands for tokens t to next_[t] - 1 of the line as it was cut.
    const bool to_end = next_[t] == kNone;
    const Id last = to_end ? kNone : next_[t] - 1;
    Span span;
    Id token = kNone;
    FuncTypes previous = ftNone;
    for (std::size_t i = 0; i < expression.size(); ++i) {
        const CharClass cls = ClassifyChar(expression[i]);
        if (!cls.recognised) continue;
        if (token == kNone || cls.type != previous || AlwaysSingle(cls.type)) {
            token = token == kNone ? 0 : token + 1;
            if (token == t) span.begin = i;
        }
        if (!to_end && token > last) break;
        if (token >= t) span.end = i + 1;
        previous = cls.type;
    }
    if (span.end < span.begin) span.end = span.begin;
    return span;
}

bool TokenList::IsExponentLetter(Id t) const {
    if (t == kNone || type_[t] != ftLetters || pieces_[t].length != 1) return false;
    const char c = buffer_[pieces_[t].offset];
    return c == 'e' || c == 'E';
}

std::string_view TokenList::Text(Id t, std::string& scratch) const {
    const Piece& first = pieces_[t];
    if (first.next == kNone) return std::string_view(buffer_).substr(first.offset, first.length);
    scratch.clear();
    for (Id p = t; p != kNone; p = pieces_[p].next) {
        scratch.append(buffer_, pieces_[p].offset, pieces_[p].length);
    }
    return scratch;
}

const PositionSet& TokenList::ClassSet(FuncTypes type) const {
    return *const_cast<TokenList*>(this)->MutableClassSet(type);
}

PositionSet* TokenList::MutableClassSet(FuncTypes type) {
    switch (type) {
        case ftOpen:
            return &opens_;
        case ftClose:
            return &closes_;
        case ftFactorial:
            return &factorials_;
        case ftPower:
            return &powers_;
        case ftDivide:
            return &divides_;
        case ftMultiply:
            return &multiplies_;
        case ftPercent:
            return &percents_;
        case ftPlus:
            return &pluses_;
        case ftMinus:
            return &minuses_;
        default:
            return nullptr;
    }
}

void TokenList::SetType(Id t, FuncTypes type) {
    if (PositionSet* set = MutableClassSet(type_[t])) set->Erase(t);
    type_[t] = type;
    if (PositionSet* set = MutableClassSet(type)) set->Insert(t);
}

void TokenList::SetNumber(Id t, std::string_view text) {
    // The token's old text is dead. The new one takes its first piece's place when it fits, so
    // a long line's reductions do not pile up in the buffer.
    Piece& piece = pieces_[t];
    if (text.size() <= piece.length) {
        buffer_.replace(piece.offset, text.size(), text);
        piece = {piece.offset, static_cast<std::uint32_t>(text.size()), kNone};
    } else {
        const std::size_t offset = buffer_.size();
        buffer_.append(text);
        piece = {offset, static_cast<std::uint32_t>(text.size()), kNone};
    }
    tail_piece_[t] = t;
    SetType(t, ftNumber);
}

void TokenList::JoinNextTwo(Id t) {
    const Id middle = next_[t];
    const Id last = next_[middle];
    pieces_[tail_piece_[t]].next = middle;
    pieces_[tail_piece_[middle]].next = last;
    tail_piece_[t] = tail_piece_[last];
    SetType(t, ftNumber);
    Remove(middle);
    Remove(last);
}

void TokenList::Remove(Id t) {
    if (PositionSet* set = MutableClassSet(type_[t])) set->Erase(t);
    unary_.Erase(t);
    exponent_.Erase(t);
    const Id before = prev_[t];
    const Id after = next_[t];
    if (before == kNone) {
        head_ = after;
    } else {
        next_[before] = after;
    }
    if (after == kNone) {
        tail_ = before;
    } else {
        prev_[after] = before;
    }
    --count_;
}

void TokenList::Refresh(Id t) {
    RefreshOne(prev_[t]);
    RefreshOne(t);
    RefreshOne(next_[t]);
}

void TokenList::RefreshOne(Id t) {
    if (t == kNone) return;
    const Id before = prev_[t];
    const Id after = next_[t];
    unary_.Assign(t, IsSign(t) && IsOperand(after) && !IsOperand(before));
    exponent_.Assign(t, IsExponentLetter(t) && IsOperand(before) && IsOperand(after));
}

}  // namespace brisalto
