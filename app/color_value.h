// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// TColor, the colour value kept by the settings file and the background-colours dialog
// (0x00BBGGRR, or 0x80000000 + n for system colour n), its named lists and its QColor.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>
#include <span>
#include <vector>

namespace brisalto {

using TColor = std::int32_t;

struct NamedColor {
    TColor value;
    const char* name;  // English; the window shows QCoreApplication::translate("Colors", name)
};

inline constexpr std::uint32_t kSystemColorBit = 0x80000000u;

constexpr TColor SystemColor(int n) {
    return static_cast<TColor>(kSystemColorBit + static_cast<std::uint32_t>(n));
}

constexpr TColor RgbColor(int red, int green, int blue) {
    return static_cast<TColor>(static_cast<std::uint32_t>(red) |
                               (static_cast<std::uint32_t>(green) << 8) |
                               (static_cast<std::uint32_t>(blue) << 16));
}

constexpr bool IsSystemColor(TColor value) {
    return (static_cast<std::uint32_t>(value) & kSystemColorBit) != 0;
}

inline constexpr TColor kAquaColor = RgbColor(0x00, 0xFF, 0xFF);  // 0x00FFFF00
inline constexpr TColor kWindowColor = SystemColor(5);            // the window background

// The 16 standard colours, the 4 extended colours and the system colours, each in list order.
std::span<const NamedColor> StandardColors();
std::span<const NamedColor> ExtendedColors();
std::span<const NamedColor> SystemColors();

// All three lists in the order a colour box offers them.
std::vector<NamedColor> ListedColors();

// The colour a value stands for now: an RGB value as it is, a system colour through the
// palette role that stands for it. An unknown system colour gives the palette's base colour.
QColor ToQColor(TColor value, const QPalette& palette);
QColor ToQColor(TColor value);  // with the application's current palette

}  // namespace brisalto
