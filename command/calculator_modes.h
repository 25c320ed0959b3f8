// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The calculator's two modes as data: each AngleMode and NumberFormat with its indicator caption,
// its keyword and the line the keyword writes, and the captions and check marks the window shows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/angle_mode.h"
#include "engine/translate_noop.h"

namespace brisalto {

enum class FormatKind { kScientific, kFixed, kAutomatic };

struct AngleModeInfo {
    AngleMode mode;
    std::string_view caption;  // ModeLabel
    std::string_view keyword;
    std::string_view keyword_text;
};

struct FormatModeInfo {
    FormatKind kind;
    std::string_view caption;  // SciLabel
    std::string_view keyword;
    std::string_view keyword_text;
};

// Indexed by AngleMode.
inline constexpr std::array<AngleModeInfo, 4> kAngleModes = {{
    {kRadian, QT_TRANSLATE_NOOP("ModeLine", "Radian"), "rad", "Radian mode"},
    {kGrads, QT_TRANSLATE_NOOP("ModeLine", "Grads"), "grd", "Grads mode"},
    {kDegrees, QT_TRANSLATE_NOOP("ModeLine", "Degrees"), "deg", "Degrees mode"},
    {kCycle, QT_TRANSLATE_NOOP("ModeLine", "Cycle"), "cyc", "Cycle mode"},
}};

// Indexed by FormatKind.
inline constexpr std::array<FormatModeInfo, 3> kFormatModes = {{
    {FormatKind::kScientific, QT_TRANSLATE_NOOP("ModeLine", "Scientific"), "sci",
     "Scintific format     0.00000e+00"},
    {FormatKind::kFixed, QT_TRANSLATE_NOOP("ModeLine", "Fixed"), "fix",
     "Fixed format       0.00000000000"},
    {FormatKind::kAutomatic, QT_TRANSLATE_NOOP("ModeLine", "Automatic"), "auto",
     "Automatic format   0.00000000000 Or 0.00e+00"},
}};

// Nothing for a mode outside 0..3.
std::optional<std::string_view> AngleModeCaption(AngleMode mode);
std::string_view FormatCaption(FormatKind kind);

// What the mode line and the mode actions show. No angle caption for a mode outside 0..3: the
// window then leaves the angle side as it is.
struct ModeIndicators {
    std::optional<std::string_view> angle_caption;
    AngleMode angle_mode = kDegrees;
    std::string_view format_caption;
    FormatKind format_kind = FormatKind::kAutomatic;
};

}  // namespace brisalto
