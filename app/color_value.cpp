// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/color_value.h"

#include <QGuiApplication>
#include <array>

namespace brisalto {
namespace {

constexpr std::array<NamedColor, 16> kStandardColors = {{
    {RgbColor(0x00, 0x00, 0x00), QT_TRANSLATE_NOOP("Colors", "Black")},
    {RgbColor(0x80, 0x00, 0x00), QT_TRANSLATE_NOOP("Colors", "Maroon")},
    {RgbColor(0x00, 0x80, 0x00), QT_TRANSLATE_NOOP("Colors", "Green")},
    {RgbColor(0x80, 0x80, 0x00), QT_TRANSLATE_NOOP("Colors", "Olive")},
    {RgbColor(0x00, 0x00, 0x80), QT_TRANSLATE_NOOP("Colors", "Navy")},
    {RgbColor(0x80, 0x00, 0x80), QT_TRANSLATE_NOOP("Colors", "Purple")},
    {RgbColor(0x00, 0x80, 0x80), QT_TRANSLATE_NOOP("Colors", "Teal")},
    {RgbColor(0x80, 0x80, 0x80), QT_TRANSLATE_NOOP("Colors", "Gray")},
    {RgbColor(0xC0, 0xC0, 0xC0), QT_TRANSLATE_NOOP("Colors", "Silver")},
    {RgbColor(0xFF, 0x00, 0x00), QT_TRANSLATE_NOOP("Colors", "Red")},
    {RgbColor(0x00, 0xFF, 0x00), QT_TRANSLATE_NOOP("Colors", "Lime")},
    {RgbColor(0xFF, 0xFF, 0x00), QT_TRANSLATE_NOOP("Colors", "Yellow")},
    {RgbColor(0x00, 0x00, 0xFF), QT_TRANSLATE_NOOP("Colors", "Blue")},
    {RgbColor(0xFF, 0x00, 0xFF), QT_TRANSLATE_NOOP("Colors", "Fuchsia")},
    {RgbColor(0x00, 0xFF, 0xFF), QT_TRANSLATE_NOOP("Colors", "Aqua")},
    {RgbColor(0xFF, 0xFF, 0xFF), QT_TRANSLATE_NOOP("Colors", "White")},
}};

constexpr std::array<NamedColor, 4> kExtendedColors = {{
    {RgbColor(0xC0, 0xDC, 0xC0), QT_TRANSLATE_NOOP("Colors", "Money Green")},
    {RgbColor(0xA6, 0xCA, 0xF0), QT_TRANSLATE_NOOP("Colors", "Sky Blue")},
    {RgbColor(0xFF, 0xFB, 0xF0), QT_TRANSLATE_NOOP("Colors", "Cream")},
    {RgbColor(0xA0, 0xA0, 0xA4), QT_TRANSLATE_NOOP("Colors", "Medium Gray")},
}};

struct SystemColorRole {
    NamedColor color;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour 25 does not exist on the platform.
constexpr std::array<SystemColorRole, 30> kSystemColors = {{
    {{SystemColor(0), QT_TRANSLATE_NOOP("Colors", "Scroll Bar")},
     QPalette::Active,
     QPalette::Button},
    {{SystemColor(1), QT_TRANSLATE_NOOP("Colors", "Background")},
     QPalette::Active,
     QPalette::Window},
    {{SystemColor(2), QT_TRANSLATE_NOOP("Colors", "Active Caption")},
     QPalette::Active,
     QPalette::Highlight},
    {{SystemColor(3), QT_TRANSLATE_NOOP("Colors", "Inactive Caption")},
     QPalette::Active,
     QPalette::Mid},
    {{SystemColor(4), QT_TRANSLATE_NOOP("Colors", "Menu")}, QPalette::Active, QPalette::Window},
    {{SystemColor(5), QT_TRANSLATE_NOOP("Colors", "Window")}, QPalette::Active, QPalette::Base},
    {{SystemColor(6), QT_TRANSLATE_NOOP("Colors", "Window Frame")},
     QPalette::Active,
     QPalette::Shadow},
    {{SystemColor(7), QT_TRANSLATE_NOOP("Colors", "Menu Text")},
     QPalette::Active,
     QPalette::WindowText},
    {{SystemColor(8), QT_TRANSLATE_NOOP("Colors", "Window Text")},
     QPalette::Active,
     QPalette::Text},
    {{SystemColor(9), QT_TRANSLATE_NOOP("Colors", "Caption Text")},
     QPalette::Active,
     QPalette::HighlightedText},
    {{SystemColor(10), QT_TRANSLATE_NOOP("Colors", "Active Border")},
     QPalette::Active,
     QPalette::Window},
    {{SystemColor(11), QT_TRANSLATE_NOOP("Colors", "Inactive Border")},
     QPalette::Active,
     QPalette::Window},
    {{SystemColor(12), QT_TRANSLATE_NOOP("Colors", "Application Workspace")},
     QPalette::Active,
     QPalette::Mid},
    {{SystemColor(13), QT_TRANSLATE_NOOP("Colors", "Highlight")},
     QPalette::Active,
     QPalette::Highlight},
    {{SystemColor(14), QT_TRANSLATE_NOOP("Colors", "Highlight Text")},
     QPalette::Active,
     QPalette::HighlightedText},
    {{SystemColor(15), QT_TRANSLATE_NOOP("Colors", "Button Face")},
     QPalette::Active,
     QPalette::Button},
    {{SystemColor(16), QT_TRANSLATE_NOOP("Colors", "Button Shadow")},
     QPalette::Active,
     QPalette::Dark},
    {{SystemColor(17), QT_TRANSLATE_NOOP("Colors", "Gray Text")},
     QPalette::Disabled,
     QPalette::Text},
    {{SystemColor(18), QT_TRANSLATE_NOOP("Colors", "Button Text")},
     QPalette::Active,
     QPalette::ButtonText},
    {{SystemColor(19), QT_TRANSLATE_NOOP("Colors", "Inactive Caption Text")},
     QPalette::Inactive,
     QPalette::Text},
    {{SystemColor(20), QT_TRANSLATE_NOOP("Colors", "Button Highlight")},
     QPalette::Active,
     QPalette::Light},
    {{SystemColor(21), QT_TRANSLATE_NOOP("Colors", "3D Dark Shadow")},
     QPalette::Active,
     QPalette::Shadow},
    {{SystemColor(22), QT_TRANSLATE_NOOP("Colors", "3D Light")},
     QPalette::Active,
     QPalette::Midlight},
    {{SystemColor(23), QT_TRANSLATE_NOOP("Colors", "Info Text")},
     QPalette::Active,
     QPalette::ToolTipText},
    {{SystemColor(24), QT_TRANSLATE_NOOP("Colors", "Info Background")},
     QPalette::Active,
     QPalette::ToolTipBase},
    {{SystemColor(26), QT_TRANSLATE_NOOP("Colors", "Hot Light")}, QPalette::Active, QPalette::Link},
    {{SystemColor(27), QT_TRANSLATE_NOOP("Colors", "Gradient Active Caption")},
     QPalette::Active,
     QPalette::Highlight},
    {{SystemColor(28), QT_TRANSLATE_NOOP("Colors", "Gradient Inactive Caption")},
     QPalette::Active,
     QPalette::Mid},
    {{SystemColor(29), QT_TRANSLATE_NOOP("Colors", "Menu Highlight")},
     QPalette::Active,
     QPalette::Highlight},
    {{SystemColor(30), QT_TRANSLATE_NOOP("Colors", "Menu Bar")},
     QPalette::Active,
     QPalette::Window},
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
