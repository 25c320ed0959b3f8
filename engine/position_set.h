// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// An ordered set of token positions with next/previous queries in O(log64 n): the index that
// lets the reducer find each step's first candidate without rescanning the token list.
#pragma once

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
    std::uint32_t size_;
    // levels_[0] holds one bit a position; a bit of level k+1 says that word of level k is not 0.
    std::vector<std::vector<std::uint64_t>> levels_;
};

}  // namespace brisalto
