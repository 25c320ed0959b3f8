// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/completion.h"

#include <gtest/gtest.h>

#include <set>

#include "command/command_processor.h"
#include "engine/functions.h"

namespace brisalto {
namespace {

using Names = std::vector<std::string>;

TEST(CompletionTest, CandidatesOfAWord) {
    const struct {
        const char* word;
        bool keyword_place;
        Names candidates;
    } rows[] = {
        {"si", false, {"sin", "sinh"}},
        {"sin", false, {"sin", "sinh"}},
        {"sinh", false, {"sinh"}},
        {"sinhx", false, {}},
        {"xc", false, {"xcos", "xcosh", "xcot", "xcoth", "xcsc", "xcsch"}},
        {"lo", false, {"log", "logn"}},
        {"ra", true, {"rad"}},
        {"ra", false, {}},
        {"e", true, {"exit", "exp"}},
        {"e", false, {"exp"}},
        {"cl", true, {"clear", "cls"}},
        {"c",
         true,
         {"clear", "cls", "cos", "cosh", "cot", "coth", "csc", "csch", "ctod", "ctog", "ctor",
          "cyc"}},
        {"B", false, {"B"}},
        {"E", false, {}},
        {"O", false, {}},
        {"S", false, {}},
        {"SI", false, {}},
        {"RAD", true, {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CompletionCandidates(row.word, row.keyword_place), row.candidates)
            << row.word << (row.keyword_place ? " (whole line)" : "");
    }
}

// Every prefix of every name offers that name, and only names that start with it.
TEST(CompletionTest, EveryPrefixOfEveryNameFindsIt) {
    std::vector<std::string> names;
    for (const FunctionInfo& function : FunctionTable()) names.emplace_back(function.name);
    for (const Keyword& keyword : KeywordTable()) names.emplace_back(keyword.word);
    for (const std::string& name : names) {
        for (std::size_t length = 0; length <= name.size(); ++length) {
            const std::string prefix = name.substr(0, length);
            const Names candidates = CompletionCandidates(prefix, true);
            EXPECT_NE(std::find(candidates.begin(), candidates.end(), name), candidates.end())
                << prefix;
            for (const std::string& candidate : candidates) {
                EXPECT_EQ(candidate.rfind(prefix, 0), 0u) << prefix << ": " << candidate;
            }
        }
    }
}

TEST(CompletionTest, AnEmptyWordOffersEverything) {
    const Names all = CompletionCandidates("", true);
    EXPECT_EQ(all.size(), 43u + 14u + 16u);
    EXPECT_EQ(CompletionCandidates("", false).size(), 43u + 14u);
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size());
}

TEST(CompletionTest, WordStartIsAfterTheLastNonLetter) {
    const struct {
        const char* line;
        std::size_t caret;
        std::size_t start;
    } rows[] = {
        {"", 0, 0},         {"si", 2, 0},   {"2*si", 4, 2}, {"sin(30)+co", 10, 8},
        {"B=xc", 4, 2},     {"B=xc", 3, 2}, {"sin(", 4, 4}, {"1.5E", 4, 3},
        {"xcos(1) ", 8, 8}, {"si", 99, 0},  {"[lo", 3, 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CompletionWordStart(row.line, row.caret), row.start)
            << row.line << " at " << row.caret;
    }
}

TEST(CompletionTest, CommonPrefix) {
    EXPECT_EQ(CommonPrefix({}), "");
    EXPECT_EQ(CommonPrefix({"sin"}), "sin");
    EXPECT_EQ(CommonPrefix({"sin", "sinh"}), "sin");
    EXPECT_EQ(CommonPrefix({"xcos", "xcosh", "xcot"}), "xco");
    EXPECT_EQ(CommonPrefix({"exit", "exp"}), "ex");
    EXPECT_EQ(CommonPrefix({"B", "C"}), "");
}

}  // namespace
}  // namespace brisalto
