// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Conversions between the UTF-8 of the core's texts and the UTF-16 code units the window's line
// edit counts in. Broken input becomes U+FFFD, never an error.
#pragma once

#include <string>
#include <string_view>

namespace brisalto {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace brisalto
