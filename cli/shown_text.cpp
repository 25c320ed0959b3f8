// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/shown_text.h"

#include <unistd.h>

#include <array>

namespace brisalto {
namespace {

constexpr unsigned char kDelete = 0x7f;
constexpr unsigned char kC1Lead = 0xc2;
constexpr unsigned char kC1First = 0x80;
constexpr unsigned char kC1Last = 0x9f;
constexpr int kDescriptorsAsked = 3;

bool IsC1(std::string_view text, std::size_t i) {
    if (static_cast<unsigned char>(text[i]) != kC1Lead || i + 1 >= text.size()) return false;
    const auto next = static_cast<unsigned char>(text[i + 1]);
    return next >= kC1First && next <= kC1Last;
}

bool NeedsEscape(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\n') || c == kDelete || IsC1(text, i)) return true;
    }
    return false;
}

}  // namespace

std::string ShownText(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n' || (c >= 0x20 && c != kDelete && !IsC1(text, i))) {
            shown.push_back(text[i]);
        } else if (c == kDelete) {
            shown += "^?";
        } else if (c < 0x20) {
            shown.push_back('^');
            shown.push_back(static_cast<char>(c + '@'));
        } else {
            const auto code = static_cast<unsigned char>(text[++i]);
            shown += "\\u00";
            shown.push_back(kHex[code >> 4]);
            shown.push_back(kHex[code & 0xf]);
        }
    }
    return shown;
}

bool IsTerminal(int fd) {
    // 0 unknown, 1 no, 2 yes.
    static std::array<int, kDescriptorsAsked> known{};
    if (fd < 0 || fd >= kDescriptorsAsked) return isatty(fd) == 1;
    if (known[fd] == 0) known[fd] = isatty(fd) == 1 ? 2 : 1;
    return known[fd] == 2;
}

std::string ForOutput(int fd, std::string_view text) {
    if (!IsTerminal(fd) || !NeedsEscape(text)) return std::string(text);
    return ShownText(text);
}

void WriteShown(std::FILE* stream, std::string_view text) {
    if (IsTerminal(fileno(stream)) && NeedsEscape(text)) {
        const std::string shown = ShownText(text);
        std::fwrite(shown.data(), 1, shown.size(), stream);
    } else {
        std::fwrite(text.data(), 1, text.size(), stream);
    }
}

}  // namespace brisalto
