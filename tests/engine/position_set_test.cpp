// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The position index against std::set under random inserts, erases and queries.
#include "engine/position_set.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace brisalto {
namespace {

TEST(PositionSet, AgreesWithStdSet) {
    std::mt19937 rng(5);
    for (const std::uint32_t size : {1u, 63u, 64u, 65u, 4095u, 4097u, 300000u}) {
        PositionSet fast(size);
        std::set<std::uint32_t> plain;
        std::uniform_int_distribution<std::uint32_t> position(0, size - 1);
        for (int step = 0; step < 20000; ++step) {
            const std::uint32_t p = position(rng);
            if (rng() % 2) {
                fast.Insert(p);
                plain.insert(p);
            } else {
                fast.Erase(p);
                plain.erase(p);
            }
            const std::uint32_t q = position(rng);
            const auto next = plain.lower_bound(q);
            ASSERT_EQ(fast.NextFrom(q), next == plain.end() ? PositionSet::kNone : *next)
                << "size " << size << " query " << q;
            ASSERT_EQ(fast.PrevBefore(q),
                      next == plain.begin() ? PositionSet::kNone : *std::prev(next))
                << "size " << size << " query " << q;
            ASSERT_EQ(fast.Contains(q), plain.count(q) == 1);
        }
        EXPECT_EQ(fast.First(), plain.empty() ? PositionSet::kNone : *plain.begin());
        EXPECT_EQ(fast.Last(), plain.empty() ? PositionSet::kNone : *plain.rbegin());
        EXPECT_EQ(fast.NextFrom(size), PositionSet::kNone);
    }
}

}  // namespace
}  // namespace brisalto
