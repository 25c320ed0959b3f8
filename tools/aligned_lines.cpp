// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/aligned_lines.h"

#include <algorithm>

#include "tools/message.h"

namespace brisalto {

std::vector<std::string> AlignedLines(const std::vector<std::vector<std::string>>& rows,
                                      std::string_view indent) {
    // A · or a superscript takes one place, as on a terminal.
    const auto width = [](const std::string& text) {
        return CharacterPosition(text, text.size()) - 1;
    };
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], width(row[c]));
    }
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const auto& row : rows) {
        std::string line(indent);
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - width(row[c]), ' ');
            if (c > 0) line += "  ";
            line += c == 0 ? row[c] + pad : pad + row[c];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace brisalto
