// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// How brisalto-calc's results look on a terminal: the typed line stands where the results window
// echoes it, so the echo is left out, and separators are cut to the terminal's width.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

// Columns of the terminal on standard output; 0 when unknown.
int TerminalColumns();

// The separator line, no wider than the terminal.
std::string TerminalSeparator();

// One command's results lines as a terminal shows them: separators cut to width, and for a typed
// line a leading separator and "> " echo dropped (the prompt line already shows them).
void ShapeForTerminal(std::vector<std::string>& lines, int columns, bool typed = true);

// Clears the screen and puts the cursor at the top, as "cls" does to the results window.
inline constexpr std::string_view kClearScreen = "\x1b[H\x1b[2J";

}  // namespace brisalto
