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

}  // namespace brisalto
