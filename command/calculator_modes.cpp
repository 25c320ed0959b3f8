// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/calculator_modes.h"

namespace brisalto {

std::optional<std::string_view> AngleModeCaption(AngleMode mode) {
    if (mode < 0 || mode >= static_cast<AngleMode>(kAngleModes.size())) return std::nullopt;
    return kAngleModes[static_cast<std::size_t>(mode)].caption;
}

std::string_view FormatCaption(FormatKind kind) {
    return kFormatModes[static_cast<std::size_t>(kind)].caption;
}

}  // namespace brisalto
