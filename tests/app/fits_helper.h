// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Does every text of a window fit where it is drawn? Walks a shown window's labels, buttons,
// check boxes, group titles, combo boxes (every item), line edits, table headers and menu bar,
// and compares each text's font metrics with the rectangle the style draws it in.
#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QToolButton>

namespace fits {

// The application font sizes, in points, every window is tried at.
inline const QList<int> kPointSizes = {8, 9, 10, 11, 12, 14, 16};

// Widgets made after this call take a font of that many points.
inline void SetApplicationPointSize(int points) {
    QFont font = QApplication::font();
    font.setPointSize(points);
    QApplication::setFont(font);
}

struct Cut {
    QString where;  // class and object name, or the text's owner
    QString text;
    QSize needed;
    QSize available;
};

inline QString Describe(const QList<Cut>& cuts) {
    QStringList lines;
    for (const Cut& cut : cuts) {
        lines << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                     .arg(cut.where, cut.text)
                     .arg(cut.needed.width())
                     .arg(cut.needed.height())
                     .arg(cut.available.width())
                     .arg(cut.available.height());
    }
    return lines.join(QLatin1Char('\n'));
}

namespace detail {

inline QString Name(const QWidget* widget) {
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char('#') +
           widget->objectName();
}

// The text as drawn: a single & marks a mnemonic and takes no room.
inline QString Shown(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

inline QSize TextSize(const QFontMetrics& metrics, const QString& text) {
    int width = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, static_cast<int>(lines.size()) * metrics.height());
}

inline void Check(QList<Cut>& cuts, const QString& where, const QString& text, QSize needed,
                  QRect available) {
    if (needed.width() > available.width() || needed.height() > available.height())
        cuts.append({where, text, needed, available.size()});
}

// A part of the widget its ancestors cut off (inside a scroll area, scrolling reaches it).
inline void CheckNotClipped(QList<Cut>& cuts, const QWidget* widget, const QString& text) {
    for (const QWidget* child = widget; !child->isWindow(); child = child->parentWidget()) {
        const QWidget* parent = child->parentWidget();
        if (qobject_cast<const QAbstractScrollArea*>(parent ? parent->parentWidget() : nullptr))
            return;
        const QRect place(widget->mapTo(parent, QPoint(0, 0)), widget->size());
        if (!parent->rect().contains(place)) {
            cuts.append({Name(widget) + QStringLiteral(" cut by ") + Name(parent), text,
                         place.size(), parent->rect().intersected(place).size()});
            return;
        }
    }
}

inline void CheckLabel(QList<Cut>& cuts, const QLabel* label) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) return;
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    if (rich) {
        document.setHtml(label->text());
    } else {
        document.setPlainText(label->buddy() ? Shown(label->text()) : label->text());
    }
    const QString plain = document.toPlainText();
    if (label->wordWrap()) {
        document.setTextWidth(room.width());
        Check(cuts, Name(label), plain,
              QSize(qCeil(document.idealWidth()), qCeil(document.size().height())), room);
    } else {
        const QSize needed =
            rich ? QSize(qCeil(document.idealWidth()), qCeil(document.size().height()))
                 : TextSize(label->fontMetrics(), plain);
        Check(cuts, Name(label), plain, needed, room);
    }
    CheckNotClipped(cuts, label, plain);
}

inline void CheckButton(QList<Cut>& cuts, QAbstractButton* button) {
    const QString text = Shown(button->text());
    if (text.isEmpty()) return;
    const QFontMetrics metrics = button->fontMetrics();
    QSize needed = TextSize(metrics, text);
    QRect room;
    if (auto* push = qobject_cast<QPushButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        room = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
        if (!push->icon().isNull()) needed.rwidth() += push->iconSize().width() + 4;
    } else if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
        room = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
    } else if (auto* tool = qobject_cast<QToolButton*>(button)) {
        // A key with a picture shows no text.
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull()) return;
        needed = tool->sizeHint();
        room = tool->rect();
    } else {
        return;
    }
    Check(cuts, Name(button), text, needed, room);
    CheckNotClipped(cuts, button, text);
}

inline void CheckGroupBox(QList<Cut>& cuts, const QGroupBox* box) {
    if (box->title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = box->alignment();
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QString text = Shown(box->title());
    Check(cuts, Name(box), text, TextSize(box->fontMetrics(), text),
          label.intersected(box->rect()));
    CheckNotClipped(cuts, box, text);
}

inline void CheckComboBox(QList<Cut>& cuts, const QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.iconSize = box->iconSize();
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    // The box may show any of its items.
    for (int i = 0; i < box->count(); ++i) {
        const QString text = box->itemText(i);
        QSize needed = TextSize(box->fontMetrics(), text);
        if (!box->itemIcon(i).isNull()) needed.rwidth() += box->iconSize().width() + 4;
        Check(cuts, Name(box), text, needed, field);
    }
    CheckNotClipped(cuts, box, box->currentText());
}

inline void CheckLineEdit(QList<Cut>& cuts, const QLineEdit* edit) {
    // A field the user types in scrolls; a read-only one and a placeholder are read as shown.
    const QString text = edit->text().isEmpty() ? edit->placeholderText()
                                                : (edit->isReadOnly() ? edit->text() : QString());
    if (text.isEmpty()) return;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect room = edit->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                           .adjusted(2, 0, -2, 0);
    Check(cuts, Name(edit), text, TextSize(edit->fontMetrics(), text), room);
    CheckNotClipped(cuts, edit, text);
}

inline void CheckHeader(QList<Cut>& cuts, const QHeaderView* header) {
    if (header->model() == nullptr) return;
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section)) continue;
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        const int start = header->sectionViewportPosition(section);
        const int size = header->sectionSize(section);
        const QRect room = header->orientation() == Qt::Horizontal
                               ? QRect(start, 0, size, header->height())
                               : QRect(0, start, header->width(), size);
        const QSize needed = TextSize(header->fontMetrics(), text) + QSize(2 * margin, 0);
        Check(cuts, Name(header), text, needed, room.intersected(header->rect()));
    }
}

inline void CheckMenuBar(QList<Cut>& cuts, const QMenuBar* bar) {
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        const QString text = Shown(action->text());
        if (action->isVisible() && !bar->rect().contains(place))
            cuts.append({Name(bar), text, place.size(), bar->rect().intersected(place).size()});
    }
}

}  // namespace detail

// Every text of window's visible widgets that its rectangle cuts, none when all fit.
inline QList<Cut> CutTexts(const QWidget* window) {
    QList<Cut> cuts;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != window) continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            detail::CheckLabel(cuts, label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            detail::CheckButton(cuts, button);
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            detail::CheckGroupBox(cuts, box);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            detail::CheckComboBox(cuts, combo);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // A combo box's or spin box's own editor is checked with its owner.
            if (!qobject_cast<QComboBox*>(edit->parentWidget())) detail::CheckLineEdit(cuts, edit);
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            detail::CheckHeader(cuts, header);
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            detail::CheckMenuBar(cuts, bar);
        }
    }
    return cuts;
}

}  // namespace fits
