// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Colours derived from the palette for what it has no role for (an error's text) or where its own
// may not read (links on a dark theme), and the WCAG contrast ratio the choices are made by.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace brisalto {

inline double RelativeLuminance(const QColor& color) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

inline double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// wanted, made lighter on a dark background or darker on a light one until it reads there
// (4.5:1); the closest colour of its hue that does, so a theme's own choice is kept where it can
// be.
inline QColor ReadableOn(const QColor& background, QColor wanted) {
    const bool dark_background = RelativeLuminance(background) < 0.18;
    for (int step = 0; step < 40 && ContrastRatio(wanted, background) < 4.5; ++step) {
        wanted = dark_background ? wanted.lighter(110) : wanted.darker(110);
        // lighter() cannot pass full brightness; blend toward white from there.
        if (dark_background && wanted.value() >= 255) {
            wanted = QColor((wanted.red() + 255) / 2, (wanted.green() + 255) / 2,
                            (wanted.blue() + 255) / 2);
        }
    }
    return wanted;
}

// A red for an error's text on the window's background.
inline QColor ErrorTextColor(const QPalette& palette) {
    return ReadableOn(palette.color(QPalette::Window), QColor(220, 0, 0));
}

// Qt's placeholder is its text colour drawn half transparent, about 4:1 on a light field; the hint
// says how to use the field, so the colour as seen on the field is made to read as text does.
inline void MakePlaceholderReadable(QLineEdit* edit) {
    QPalette palette = edit->palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor hint = palette.color(QPalette::PlaceholderText);
    const double a = hint.alphaF();
    const auto mix = [a](int over, int under) { return qRound(over * a + under * (1 - a)); };
    const QColor seen(mix(hint.red(), base.red()), mix(hint.green(), base.green()),
                      mix(hint.blue(), base.blue()));
    palette.setColor(QPalette::PlaceholderText, ReadableOn(base, seen));
    edit->setPalette(palette);
}

}  // namespace brisalto
