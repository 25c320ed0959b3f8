// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Arbitrary bytes and huge lines: every input ends in a value or one of the engine's errors,
// without a crash, a hang or deep recursion.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/engine/outcome.h"

namespace brisalto::testing {
namespace {

bool IsEngineOutcome(const Outcome& o) { return o.kind != "other"; }

TEST(Robustness, RandomBytesEndInAValueOrAnEngineError) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 64);
    for (int i = 0; i < 20000; ++i) {
        std::string bytes;
        for (int k = length(rng); k > 0; --k) bytes += static_cast<char>(byte(rng));
        const Outcome got = Evaluate(bytes);
        ASSERT_TRUE(IsEngineOutcome(got)) << got;
    }
}

TEST(Robustness, BytesAboveAsciiAndNulAreIgnored) {
    EXPECT_EQ(Evaluate("2\xc3\xa9+\xff"
                       "3")
                  .text,
              "5");
    EXPECT_EQ(Evaluate(std::string("1\0"
                                   "2*2",
                                   5))
                  .text,
              "24");
    EXPECT_EQ(Evaluate("\x80\x81").text, "Function Rong");
}

TEST(Robustness, HugeLinesReduceCompletely) {
    const std::size_t depth = 1'000'000;
    EXPECT_EQ(Evaluate(std::string(depth, '(') + "1" + std::string(depth, ')')).text, "1");
    std::string sum = "1";
    for (int i = 1; i < 500'000; ++i) sum += "+1";
    EXPECT_EQ(Evaluate(sum).text, "500000");
    std::string calls;
    for (int i = 0; i < 100'000; ++i) calls += "abs(";
    calls += "-2" + std::string(100'000, ')');
    EXPECT_EQ(Evaluate(calls).text, "2");
}

TEST(Robustness, TenMegabytesOfBrackets) {
    EXPECT_EQ(Evaluate(std::string(10'000'000, '(')).text, "Statment Error");
    EXPECT_EQ(Evaluate(std::string(10'000'000, ')')).text, "Statment Error");
    std::string pairs;
    for (int i = 0; i < 5'000'000; ++i) pairs += "()";
    EXPECT_EQ(Evaluate(pairs).text, "Statment Error");
}

// Joins chain their texts without copying them again at every join.
TEST(Robustness, LongExponentChainIsLinear) {
    std::string chain = "1";
    for (int i = 0; i < 300'000; ++i) chain += "e1";
    const Outcome got = Evaluate(chain);
    EXPECT_EQ(got.kind, "convert");
    EXPECT_EQ(got.text.size(),
              chain.size() + std::string("'' is not a valid floating point value").size());
}

}  // namespace
}  // namespace brisalto::testing
