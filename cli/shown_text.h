// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Text bound for a terminal with its control characters made visible, so that a typed or pasted
// line cannot clear the screen or set the title when it comes back in a message.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace brisalto {

// C0 controls but the line break as ^@..^_, DEL as ^?, the C1 controls of UTF-8 as \u0080..\u009f.
std::string ShownText(std::string_view text);

// Whether the descriptor is a terminal, asked once a descriptor.
bool IsTerminal(int fd);

// The text as it goes to fd: escaped on a terminal, unchanged into files and pipes.
std::string ForOutput(int fd, std::string_view text);

// Writes text to stream, escaped when the stream is a terminal.
void WriteShown(std::FILE* stream, std::string_view text);

}  // namespace brisalto
