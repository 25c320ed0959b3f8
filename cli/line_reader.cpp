// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/line_reader.h"

namespace brisalto {

bool StreamLineReader::ReadLine(std::string& line) {
    return static_cast<bool>(std::getline(in_, line));
}

bool StreamLineReader::MoreInputWaiting() { return in_.rdbuf()->in_avail() > 0; }

}  // namespace brisalto
