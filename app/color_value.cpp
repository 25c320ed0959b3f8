// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/color_value.h"

#include <QGuiApplication>
#include <array>

namespace brisalto {
namespace {

constexpr std::array<NamedColor, 16> kStandardColors = {{
    {RgbColor(0x00, 0x00, 0x00), "Black"},
    {RgbColor(0x80, 0x00, 0x00), "Maroon"},
    {RgbColor(0x00, 0x80, 0x00), "Green"},
    {RgbColor(0x80, 0x80, 0x00), "Olive"},
    {RgbColor(0x00, 0x00, 0x80), "Navy"},
    {RgbColor(0x80, 0x00, 0x80), "Purple"},
    {RgbColor(0x00, 0x80, 0x80), "Teal"},
    {RgbColor(0x80, 0x80, 0x80), "Gray"},
    {RgbColor(0xC0, 0xC0, 0xC0), "Silver"},
    {RgbColor(0xFF, 0x00, 0x00), "Red"},
    {RgbColor(0x00, 0xFF, 0x00), "Lime"},
    {RgbColor(0xFF, 0xFF, 0x00), "Yellow"},
    {RgbColor(0x00, 0x00, 0xFF), "Blue"},
    {RgbColor(0xFF, 0x00, 0xFF), "Fuchsia"},
    {RgbColor(0x00, 0xFF, 0xFF), "Aqua"},
    {RgbColor(0xFF, 0xFF, 0xFF), "White"},
}};

constexpr std::array<NamedColor, 4> kExtendedColors = {{
    {RgbColor(0xC0, 0xDC, 0xC0), "Money Green"},
    {RgbColor(0xA6, 0xCA, 0xF0), "Sky Blue"},
    {RgbColor(0xFF, 0xFB, 0xF0), "Cream"},
    {RgbColor(0xA0, 0xA0, 0xA4), "Medium Gray"},
}};

struct SystemColorRole {
    NamedColor color;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour 25 does not exist on the platform.
constexpr std::array<SystemColorRole, 30> kSystemColors = {{
    {{SystemColor(0), "Scroll Bar"}, QPalette::Active, QPalette::Button},
    {{SystemColor(1), "Background"}, QPalette::Active, QPalette::Window},
    {{SystemColor(2), "Active Caption"}, QPalette::Active, QPalette::Highlight},
    {{SystemColor(3), "Inactive Caption"}, QPalette::Active, QPalette::Mid},
    {{SystemColor(4), "Menu"}, QPalette::Active, QPalette::Window},
    {{SystemColor(5), "Window"}, QPalette::Active, QPalette::Base},
    {{SystemColor(6), "Window Frame"}, QPalette::Active, QPalette::Shadow},
    {{SystemColor(7), "Menu Text"}, QPalette::Active, QPalette::WindowText},
    {{SystemColor(8), "Window Text"}, QPalette::Active, QPalette::Text},
    {{SystemColor(9), "Caption Text"}, QPalette::Active, QPalette::HighlightedText},
    {{SystemColor(10), "Active Border"}, QPalette::Active, QPalette::Window},
    {{SystemColor(11), "Inactive Border"}, QPalette::Active, QPalette::Window},
    {{SystemColor(12), "Application Workspace"}, QPalette::Active, QPalette::Mid},
    {{SystemColor(13), "Highlight"}, QPalette::Active, QPalette::Highlight},
    {{SystemColor(14), "Highlight Text"}, QPalette::Active, QPalette::HighlightedText},
    {{SystemColor(15), "Button Face"}, QPalette::Active, QPalette::Button},
    {{SystemColor(16), "Button Shadow"}, QPalette::Active, QPalette::Dark},
    {{SystemColor(17), "Gray Text"}, QPalette::Disabled, QPalette::Text},
    {{SystemColor(18), "Button Text"}, QPalette::Active, QPalette::ButtonText},
    {{SystemColor(19), "Inactive Caption Text"}, QPalette::Inactive, QPalette::Text},
    {{SystemColor(20), "Button Highlight"}, QPalette::Active, QPalette::Light},
    {{SystemColor(21), "3D Dark Shadow"}, QPalette::Active, QPalette::Shadow},
    {{SystemColor(22), "3D Light"}, QPalette::Active, QPalette::Midlight},
    {{SystemColor(23), "Info Text"}, QPalette::Active, QPalette::ToolTipText},
    {{SystemColor(24), "Info Background"}, QPalette::Active, QPalette::ToolTipBase},
    {{SystemColor(26), "Hot Light"}, QPalette::Active, QPalette::Link},
    {{SystemColor(27), "Gradient Active Caption"}, QPalette::Active, QPalette::Highlight},
    {{SystemColor(28), "Gradient Inactive Caption"}, QPalette::Active, QPalette::Mid},
    {{SystemColor(29), "Menu Highlight"}, QPalette::Active, QPalette::Highlight},
    {{SystemColor(30), "Menu Bar"}, QPalette::Active, QPalette::Window},
}};

const std::array<NamedColor, kSystemColors.size()>& SystemColorNames() {
    static const auto names = [] {
        std::array<NamedColor, kSystemColors.size()> result{};
        for (std::size_t i = 0; i < kSystemColors.size(); ++i) result[i] = kSystemColors[i].color;
        return result;
    }();
    return names;
}

}  // namespace

std::span<const NamedColor> StandardColors() { return kStandardColors; }
std::span<const NamedColor> ExtendedColors() { return kExtendedColors; }
std::span<const NamedColor> SystemColors() { return SystemColorNames(); }

std::vector<NamedColor> ListedColors() {
    std::vector<NamedColor> colors(kStandardColors.begin(), kStandardColors.end());
    colors.insert(colors.end(), kExtendedColors.begin(), kExtendedColors.end());
    const auto& system = SystemColorNames();
    colors.insert(colors.end(), system.begin(), system.end());
    return colors;
}

QColor ToQColor(TColor value, const QPalette& palette) {
    if (!IsSystemColor(value)) {
        const auto bits = static_cast<std::uint32_t>(value);
        return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
    }
    for (const SystemColorRole& entry : kSystemColors) {
        if (entry.color.value == value) return palette.color(entry.group, entry.role);
    }
    return palette.color(QPalette::Active, QPalette::Base);
}

QColor ToQColor(TColor value) { return ToQColor(value, QGuiApplication::palette()); }

}  // namespace brisalto
