// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Is every text of a window readable? Grabs the shown window and, for each text's rectangle,
// measures its ink (the pixel farthest from the background) against its background (the most
// common colour there) by the WCAG contrast ratio; with three palettes to try it in.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTextEdit>
#include <cmath>

namespace contrast {

// WCAG 2, written out from its definition.
inline double Ratio(QRgb a, QRgb b) {
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of region's ink against its background; 1 when nothing is drawn on it.
inline double InkContrast(const QImage& image, const QRect& region) {
    QHash<QRgb, int> counts;
    const QRect inside = region.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) most = it.value(), background = it.key();
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, Ratio(it.key(), background));
    return best;
}

// Fusion's own light palette.
inline QPalette LightPalette() {
    return QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
}

// Like qt6ct's "darker" colour scheme.
inline QPalette DarkPalette() {
    QPalette dark = LightPalette();
    const struct {
        QPalette::ColorRole role;
        QRgb color;
    } roles[] = {
        {QPalette::WindowText, 0xffffff},    {QPalette::Button, 0x424245},
        {QPalette::Light, 0x979797},         {QPalette::Midlight, 0x5e5c5b},
        {QPalette::Dark, 0x302f2e},          {QPalette::Mid, 0x4a4947},
        {QPalette::Text, 0xffffff},          {QPalette::BrightText, 0xffffff},
        {QPalette::ButtonText, 0xffffff},    {QPalette::Base, 0x3d3d3d},
        {QPalette::Window, 0x222020},        {QPalette::Shadow, 0xe7e4e0},
        {QPalette::Highlight, 0x12608a},     {QPalette::HighlightedText, 0xf9f9f9},
        {QPalette::Link, 0x0986d3},          {QPalette::LinkVisited, 0xa70b06},
        {QPalette::AlternateBase, 0x5c5b5a}, {QPalette::ToolTipBase, 0x3f3f36},
        {QPalette::ToolTipText, 0xffffff},   {QPalette::PlaceholderText, 0xbdbdbd},
    };
    for (const auto& row : roles) {
        dark.setColor(QPalette::Active, row.role, QColor(row.color));
        dark.setColor(QPalette::Inactive, row.role, QColor(row.color));
    }
    return dark;
}

// Black on white, with yellow links and selections: a high-contrast scheme.
inline QPalette HighContrastPalette() {
    QPalette high(QColor(Qt::white), QColor(Qt::black));
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        high.setColor(group, QPalette::Window, Qt::black);
        high.setColor(group, QPalette::WindowText, Qt::white);
        high.setColor(group, QPalette::Base, Qt::black);
        high.setColor(group, QPalette::Text, Qt::white);
        high.setColor(group, QPalette::Button, Qt::black);
        high.setColor(group, QPalette::ButtonText, Qt::white);
        high.setColor(group, QPalette::Highlight, Qt::yellow);
        high.setColor(group, QPalette::HighlightedText, Qt::black);
        high.setColor(group, QPalette::Link, Qt::yellow);
        high.setColor(group, QPalette::PlaceholderText, Qt::lightGray);
    }
    return high;
}

struct Low {
    QString where;
    double ratio;
};

inline QString Describe(const QList<Low>& lows) {
    QStringList lines;
    for (const Low& low : lows)
        lines << QStringLiteral("%1: %2:1").arg(low.where).arg(low.ratio, 0, 'f', 2);
    return lines.join(QLatin1Char('\n'));
}

// Each visible, enabled text of a shown window whose contrast is below minimum (disabled
// controls are exempt, as WCAG has it).
inline QList<Low> LowContrastTexts(QWidget* window, double minimum = 4.5) {
    const QImage image = window->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    QList<Low> lows;
    const auto measure = [&](QWidget* widget, const QString& text, QRect local) {
        if (text.trimmed().isEmpty() || local.isEmpty()) return;
        const QRect place(widget->mapTo(window, local.topLeft()), local.size());
        const QRect pixels(QPoint(qFloor(place.left() * ratio), qFloor(place.top() * ratio)),
                           QPoint(qCeil(place.right() * ratio), qCeil(place.bottom() * ratio)));
        const double found = InkContrast(image, pixels);
        if (found < minimum)
            lows.append({QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('#') +
                             widget->objectName() + QStringLiteral(" \"") + text + QLatin1Char('"'),
                         found});
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() || widget->window() != window) continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->pixmap().isNull()) measure(label, label->text(), label->contentsRect());
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(push);
            measure(push, push->text(),
                    push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->icon().isNull()) measure(button, button->text(), button->rect());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            measure(box, box->title(),
                    box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                 QStyle::SC_GroupBoxLabel, box));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, combo);
            // The colour swatch is the user's colour, not text.
            if (!combo->itemIcon(combo->currentIndex()).isNull())
                field.setLeft(field.left() + combo->iconSize().width() + 4);
            measure(combo, combo->currentText(), field);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            measure(edit, edit->text().isEmpty() ? edit->placeholderText() : edit->text(),
                    edit->rect().adjusted(2, 2, -2, -2));
        } else if (auto* text = qobject_cast<QAbstractScrollArea*>(widget);
                   text != nullptr &&
                   (qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget))) {
            // The first lines shown, on the view's own background.
            const QWidget* view = text->viewport();
            measure(text, QStringLiteral("(first lines)"),
                    QRect(view->mapTo(text, QPoint(0, 0)),
                          QSize(view->width(),
                                std::min(view->height(), 3 * text->fontMetrics().lineSpacing()))));
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            for (int section = 0; section < header->count() && header->model(); ++section) {
                measure(header,
                        header->model()->headerData(section, header->orientation()).toString(),
                        QRect(header->sectionViewportPosition(section) + 1, 1,
                              header->sectionSize(section) - 2, header->height() - 2));
            }
        }
    }
    return lows;
}

}  // namespace contrast
