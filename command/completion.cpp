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

CompletionOffer CompletionAt(std::string_view line, std::size_t caret) {
    caret = std::min(caret, line.size());
    CompletionOffer offer;
    offer.start = CompletionWordStart(line, caret);
    if (offer.start == caret) return offer;
    const std::string_view word = line.substr(offer.start, caret - offer.start);
    offer.candidates = CompletionCandidates(word, offer.start == 0 && caret == line.size());
    if (offer.candidates.size() == 1 && offer.candidates.front() == word) offer.candidates.clear();
    return offer;
}

Completed TakeCompletion(std::string_view line, std::size_t start, std::size_t caret,
                         std::string_view name) {
    caret = std::min(caret, line.size());
    start = std::min(start, caret);
    const bool function = FindFunctionInfo(name) != nullptr;
    const std::string_view rest = line.substr(caret);
    const bool bracket_follows =
        !rest.empty() && (rest[0] == '(' || rest[0] == '[' || rest[0] == '{' || rest[0] == '<');
    Completed done;
    done.line = std::string(line.substr(0, start)) + std::string(name);
    done.caret = done.line.size();
    if (function && !bracket_follows) {
        done.line += "()";
        done.caret += 1;
    }
    done.line += rest;
    return done;
}

}  // namespace brisalto
