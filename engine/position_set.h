// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// An ordered set of token positions with next/previous queries in O(log64 n): the index that
// lets the reducer find each step's first candidate without rescanning the token list.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace brisalto {

class PositionSet {
  public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // Positions 0 .. size-1, all absent.
    explicit PositionSet(std::uint32_t size);

    void Insert(std::uint32_t position);
    void Erase(std::uint32_t position);
    void Assign(std::uint32_t position, bool present) {
        present ? Insert(position) : Erase(position);
    }
    bool Contains(std::uint32_t position) const;

    // Smallest member at or after position, or kNone.
    std::uint32_t NextFrom(std::uint32_t position) const;
    // Largest member strictly before position, or kNone.
    std::uint32_t PrevBefore(std::uint32_t position) const;
    std::uint32_t First() const { return NextFrom(0); }
    std::uint32_t Last() const { return PrevBefore(size_); }

  private:
    // 64^6 > 2^32 positions.
    static constexpr std::size_t kMaxLevels = 6;

    // Word i of level k; bits of level 0 are positions, a bit of level k+1 says that word of
    // level k is not 0.
    std::uint64_t& Word(std::size_t level, std::uint64_t i) { return Words()[offset_[level] + i]; }
    std::uint64_t Word(std::size_t level, std::uint64_t i) const {
        return Words()[offset_[level] + i];
    }
    std::uint64_t LevelWords(std::size_t level) const {
        return offset_[level + 1] - offset_[level];
    }
    // A set of up to 64 positions (a short line) lives in small_ and allocates nothing.
    std::uint64_t* Words() { return heap_.empty() ? &small_ : heap_.data(); }
    const std::uint64_t* Words() const { return heap_.empty() ? &small_ : heap_.data(); }

    std::uint32_t size_;
    std::size_t levels_ = 0;
    // Level k's words are offset_[k] .. offset_[k+1]-1 of the one storage.
    std::array<std::uint64_t, kMaxLevels + 1> offset_{};
    std::uint64_t small_ = 0;
    std::vector<std::uint64_t> heap_;
};

}  // namespace brisalto
