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

std::size_t CharacterPosition(std::string_view text, std::size_t at) {
    std::size_t position = 1;
    for (std::size_t k = 0; k < at && k < text.size(); ++k) {
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) ++position;
    }
    return position;
}

std::string Message::Text() const { return FillPattern(pattern, args); }

std::string TextAt(const Message& message, std::size_t position) {
    if (position == 0) return message.Text();
    return FillPattern(kAtCharacterPattern, {message.Text(), std::to_string(position)});
}

}  // namespace brisalto
