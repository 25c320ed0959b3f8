// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/position_set.h"

#include <bit>

namespace brisalto {

PositionSet::PositionSet(std::uint32_t size) : size_(size) {
    std::uint64_t bits = size == 0 ? 1 : size;
    std::uint64_t total = 0;
    do {
        const std::uint64_t words = (bits + 63) / 64;
        offset_[levels_] = total;
        total += words;
        ++levels_;
        bits = words;
    } while (bits > 1);
    offset_[levels_] = total;
    if (total > 1) heap_.assign(total, 0);
}

void PositionSet::Insert(std::uint32_t position) {
    std::uint64_t index = position;
    for (std::size_t level = 0; level < levels_; ++level) {
        std::uint64_t& word = Word(level, index >> 6);
        const bool was_empty = word == 0;
        word |= std::uint64_t{1} << (index & 63);
        if (!was_empty) return;
        index >>= 6;
    }
}

void PositionSet::Erase(std::uint32_t position) {
    if (!Contains(position)) return;
    std::uint64_t index = position;
    for (std::size_t level = 0; level < levels_; ++level) {
        std::uint64_t& word = Word(level, index >> 6);
        word &= ~(std::uint64_t{1} << (index & 63));
        if (word != 0) return;
        index >>= 6;
    }
}

bool PositionSet::Contains(std::uint32_t position) const {
    return (Word(0, position >> 6) >> (position & 63)) & 1;
}

std::uint32_t PositionSet::NextFrom(std::uint32_t position) const {
    if (position >= size_) return kNone;
    std::uint64_t index = position;
    std::size_t level = 0;
    // Up until a word holds a member at or after index ...
    for (;; ++level) {
        if (level == levels_) return kNone;
        const std::uint64_t word_index = index >> 6;
        if (word_index >= LevelWords(level)) return kNone;
        const std::uint64_t bits = Word(level, word_index) & (~std::uint64_t{0} << (index & 63));
        if (bits != 0) {
            index = (word_index << 6) + static_cast<std::uint64_t>(std::countr_zero(bits));
            break;
        }
        index = word_index + 1;
    }
    // ... then down along the lowest members.
    while (level > 0) {
        --level;
        index = (index << 6) + static_cast<std::uint64_t>(std::countr_zero(Word(level, index)));
    }
    return static_cast<std::uint32_t>(index);
}

std::uint32_t PositionSet::PrevBefore(std::uint32_t position) const {
    if (position > size_) position = size_;
    if (position == 0) return kNone;
    std::uint64_t index = position - 1;
    std::size_t level = 0;
    for (;; ++level) {
        if (level == levels_) return kNone;
        const std::uint64_t word_index = index >> 6;
        const unsigned bit = index & 63;
        const std::uint64_t mask =
            bit == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (bit + 1)) - 1;
        const std::uint64_t bits = Word(level, word_index) & mask;
        if (bits != 0) {
            index = (word_index << 6) + 63 - static_cast<std::uint64_t>(std::countl_zero(bits));
            break;
        }
        if (word_index == 0) return kNone;
        index = word_index - 1;
    }
    while (level > 0) {
        --level;
        index =
            (index << 6) + 63 - static_cast<std::uint64_t>(std::countl_zero(Word(level, index)));
    }
    return static_cast<std::uint32_t>(index);
}

}  // namespace brisalto
