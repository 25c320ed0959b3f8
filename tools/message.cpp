// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/message.h"

namespace brisalto {

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& args) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            text += args[static_cast<std::size_t>(next - '1')];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string Message::Text() const { return FillPattern(pattern, args); }

std::string TextAt(const Message& message, std::size_t position) {
    if (position == 0) return message.Text();
    return FillPattern(kAtCharacterPattern, {message.Text(), std::to_string(position)});
}

}  // namespace brisalto
