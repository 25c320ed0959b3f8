// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/completion.h"

#include <algorithm>

#include "command/command_processor.h"
#include "engine/functions.h"
#include "engine/variable_table.h"

namespace brisalto {
namespace {

bool IsNameLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::size_t CompletionWordStart(std::string_view line, std::size_t caret) {
    caret = std::min(caret, line.size());
    std::size_t start = caret;
    while (start > 0 && IsNameLetter(line[start - 1])) --start;
    return start;
}

std::vector<std::string> CompletionCandidates(std::string_view word, bool keyword_place) {
    std::vector<std::string> candidates;
    auto offer = [&](std::string_view name) {
        if (name.substr(0, word.size()) == word) candidates.emplace_back(name);
    };
    for (const FunctionInfo& function : FunctionTable()) offer(function.name);
    for (const std::string& name : MakeStartVariableTable().names) offer(name);
    if (keyword_place) {
        for (const Keyword& keyword : KeywordTable()) offer(keyword.word);
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    return candidates;
}

std::string CommonPrefix(const std::vector<std::string>& candidates) {
    if (candidates.empty()) return {};
    std::string prefix = candidates.front();
    for (const std::string& candidate : candidates) {
        std::size_t same = 0;
        while (same < prefix.size() && same < candidate.size() && prefix[same] == candidate[same]) {
            ++same;
        }
        prefix.resize(same);
    }
    return prefix;
}

}  // namespace brisalto
