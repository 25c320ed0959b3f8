// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Balancing without GMP's library: a clear refusal, not a crash; reactions with written
// coefficients, checked without it, still work. A program of its own, as the library loads once.
#include <gtest/gtest.h>

#include "tools/reaction.h"
#include "tools/whole_number.h"

namespace brisalto {
namespace {

TEST(WholeNumberMissingTest, BalancingRefusesWithTheLibraryNamed) {
    SetWholeNumberLibraryForTest("libgmp.so.0-absent");
    try {
        BalanceReaction("H2 + O2 = H2O");
        FAIL() << "balanced without the library";
    } catch (const ReactionError& error) {
        EXPECT_EQ(error.kind(), ReactionErrorKind::kLibraryMissing);
        EXPECT_STREQ(error.what(), "the whole-number library libgmp.so.0-absent cannot be loaded");
    }
    const BalancedReaction checked = BalanceReaction("2 H2 + O2 = 2 H2O");
    EXPECT_EQ(checked.coefficients, (std::vector<std::int64_t>{2, 1, 2}));
}

}  // namespace
}  // namespace brisalto
