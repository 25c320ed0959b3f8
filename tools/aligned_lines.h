// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// A table as brisalto-calc writes it: each row a line, the first column to the left, the others
// to the right, two spaces between, widths counted in characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

std::vector<std::string> AlignedLines(const std::vector<std::vector<std::string>>& rows,
                                      std::string_view indent = {});

}  // namespace brisalto
