// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Completion of the word before the caret of a command line: function names and variable letters
// anywhere, keywords only as the whole line (a keyword is only one there). Never file names.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

// Where the word that ends at the caret starts: the letters just before it.
std::size_t CompletionWordStart(std::string_view line, std::size_t caret);

// The names the word could become, sorted, without repeats. keyword_place: the word is the
// whole line so far, where a keyword may stand.
std::vector<std::string> CompletionCandidates(std::string_view word, bool keyword_place);

// The longest text every candidate starts with.
std::string CommonPrefix(const std::vector<std::string>& candidates);

// What the window's list offers at the caret: the word [start, caret) and what it could become.
// Nothing when no letter is typed, or when the word is already the only name it could be.
struct CompletionOffer {
    std::size_t start = 0;
    std::vector<std::string> candidates;
};
CompletionOffer CompletionAt(std::string_view line, std::size_t caret);

// The line with the word [start, caret) replaced by name, and the caret after it. A function
// comes with its brackets and the caret between them, unless a bracket follows already.
struct Completed {
    std::string line;
    std::size_t caret = 0;
};
Completed TakeCompletion(std::string_view line, std::size_t start, std::size_t caret,
                         std::string_view name);

}  // namespace brisalto
