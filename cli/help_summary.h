// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The one-screen summary of the command language that "help" prints at a terminal.
#pragma once

#include <string_view>

namespace brisalto {

// At most 24 lines of at most 80 columns.
std::string_view HelpSummary();

}  // namespace brisalto
