// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/hint_line.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTextCharFormat>
#include <QToolButton>
#include <optional>

#include "command/calculator.h"
#include "command/hints.h"
#include "command/line_outcome.h"

namespace brisalto {
namespace {

// Enough failed lines for a session's worth of Up; past it they all go. A pasted line of
// megabytes is not kept: its place would cost more memory than it helps.
constexpr std::size_t kMostPlacesKept = 512;
constexpr std::size_t kLongestLineKept = 64 * 1024;

QString Translated(std::string_view context, std::string_view text) {
    const std::string c(context);
    const std::string t(text);
    return QCoreApplication::translate(c.c_str(), t.c_str());
}

QString HintText(const Hint& hint) {
    // The fill is a mode caption (translated as the mode line shows it) or a number, which
    // has no entry and so comes back as it is.
    return Translated(hint.context, hint.text)
        .replace(QStringLiteral("%1"), Translated("ModeLine", hint.fill));
}

int Utf16Position(const std::string& line, std::size_t bytes) {
    return static_cast<int>(
        QString::fromUtf8(line.data(), static_cast<qsizetype>(std::min(bytes, line.size())))
            .size());
}

}  // namespace

HintLine::HintLine(QLineEdit* edit, const Calculator& calculator, QWidget* parent)
    : QLabel(parent), edit_(edit), calculator_(calculator) {
    setObjectName(QStringLiteral("HintLine"));
    setAccessibleName(tr("hint"));
    setTextFormat(Qt::PlainText);
    // A long hint is cut at the window's edge rather than widening the window.
    setMinimumWidth(1);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    connect(edit_, &QLineEdit::cursorPositionChanged, this, [this] { Refresh(); });
    connect(edit_, &QLineEdit::textChanged, this, [this] { Refresh(); });
}

void HintLine::SetActive(bool active) {
    active_ = active;
    if (!active_) {
        SetMark(0, 0);
        marked_line_.clear();
    }
    Refresh();
}

void HintLine::NoteOutcome(const std::string& line, const LineOutcome& outcome) {
    if (outcome.kind != OutcomeKind::kError || !outcome.error_place ||
        line.size() > kLongestLineKept) {
        places_.erase(line);
        return;
    }
    if (places_.size() >= kMostPlacesKept) places_.clear();
    places_[line] = *outcome.error_place;
}

void HintLine::LineRecalled() {
    if (!active_) return;
    const QString text = edit_->text();
    const std::string line = text.toStdString();
    const auto found = places_.find(line);
    if (found == places_.end()) return;
    const ErrorPlace& place = found->second;
    const int start = Utf16Position(line, place.begin);
    const int end = Utf16Position(line, place.end);
    marked_line_ = text;
    mark_hint_ = Translated("ErrorPlace", ExpectedText(place.expected))
                     .replace(QStringLiteral("%1"), QString::fromStdString(place.token));
    SetMark(start, end - start);
    Refresh();
}

void HintLine::Refresh() {
    if (!active_) {
        Show(QString());
        return;
    }
    if (mark_length_ > 0 || !marked_line_.isEmpty()) {
        // The mark stays while the line is as it was recalled.
        if (edit_->text() == marked_line_) {
            Show(tr("Expected here: %1").arg(mark_hint_));
            return;
        }
        marked_line_.clear();
        SetMark(0, 0);
    }
    const QString text = edit_->text();
    const int caret = edit_->cursorPosition();
    const std::string line = text.toStdString();
    const std::optional<Hint> hint =
        HintAt(line, static_cast<std::size_t>(text.left(caret).toUtf8().size()), calculator_);
    Show(hint ? HintText(*hint) : QString());
}

void HintLine::Show(const QString& text) {
    if (text == this->text()) return;
    setText(text);
    setAccessibleDescription(text);
    edit_->setAccessibleDescription(text.isEmpty() ? tr("an expression or a command; Enter runs it")
                                                   : text);
    QAccessibleEvent changed(edit_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void HintLine::SetMark(int start, int length) {
    if (length == mark_length_ && start == mark_start_) return;
    mark_start_ = start;
    mark_length_ = length;
    // The line edit shows formats only through an input method event; no text changes.
    QList<QInputMethodEvent::Attribute> attributes;
    if (length > 0) {
        // Shown as a selection would be, from the palette, yet no selection that typing replaces.
        QTextCharFormat format;
        format.setBackground(edit_->palette().brush(QPalette::Highlight));
        format.setForeground(edit_->palette().brush(QPalette::HighlightedText));
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        attributes.append(QInputMethodEvent::Attribute(
            QInputMethodEvent::TextFormat, start - edit_->cursorPosition(), length, format));
    }
    QInputMethodEvent event(QString(), attributes);
    QCoreApplication::sendEvent(edit_, &event);
}

void HintLine::WatchFunctionKeys(const std::vector<QToolButton*>& keys, const QStringList& hints) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i]->setProperty("padHint", hints.value(static_cast<int>(i)));
        keys[i]->installEventFilter(this);
    }
}

bool HintLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (auto* key = qobject_cast<QToolButton*>(watched)) {
            const QString name = key->text();
            const std::string line = name.toStdString();
            const std::optional<Hint> hint = HintAt(line, line.size(), calculator_);
            const QString pad_hint = key->property("padHint").toString();
            key->setToolTip(hint ? pad_hint + QLatin1Char('\n') + HintText(*hint) : pad_hint);
        }
    }
    return QLabel::eventFilter(watched, event);
}

}  // namespace brisalto
