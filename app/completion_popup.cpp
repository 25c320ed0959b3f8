// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/completion_popup.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <string>

#include "command/completion.h"

namespace brisalto {
namespace {

constexpr int kMostRowsShown = 8;

// The byte offset in the line's UTF-8 text of a position counted in its UTF-16 characters.
std::size_t Utf8Offset(const QString& text, int position) {
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

}  // namespace

CompletionPopup::CompletionPopup(QLineEdit* edit, QWidget* parent)
    : QListWidget(parent), edit_(edit) {
    setObjectName(QStringLiteral("CompletionList"));
    setAccessibleName(tr("completions"));
    setAccessibleDescription(
        tr("names that fit the word before the caret; Up and Down choose, Tab takes one"));
    // The line keeps the keyboard; a click takes a name and gives the line its caret back.
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(edit->font());
    hide();
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, [this] {
        if (typing_) {
            Refresh();
        } else {
            Close();
        }
    });
    connect(edit_, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
        if (IsOpen() && now != caret_) Close();
    });
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Take(row(item)); });
}

void CompletionPopup::SetActive(bool active) {
    active_ = active;
    if (!active_) Close();
}

void CompletionPopup::Refresh() {
    const QString text = edit_->text();
    const int caret = edit_->cursorPosition();
    const std::string line = text.toStdString();
    const CompletionOffer offer = CompletionAt(line, Utf8Offset(text, caret));
    if (!active_ || offer.candidates.empty() || edit_->hasSelectedText()) {
        Close();
        return;
    }
    // The word is ASCII letters: as many characters as bytes.
    word_start_ = caret - static_cast<int>(Utf8Offset(text, caret) - offer.start);
    caret_ = caret;
    chosen_ = false;
    clear();
    for (const std::string& name : offer.candidates) addItem(QString::fromStdString(name));
    setCurrentRow(-1);
    Place();
    show();
    raise();
}

void CompletionPopup::Place() {
    const int rows = std::min(count(), kMostRowsShown);
    const int row_height = std::max(sizeHintForRow(0), 1);
    const int height = rows * row_height + 2 * frameWidth();
    int width = sizeHintForColumn(0);
    width += 2 * frameWidth() +
             (count() > kMostRowsShown ? verticalScrollBar()->sizeHint().width() : 0) + row_height;
    QWidget* host = parentWidget();
    const QPoint word =
        edit_->mapTo(host, edit_->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft());
    const int x = std::clamp(word.x(), 0, std::max(0, host->width() - width));
    const QWidget* below = anchor_ != nullptr ? anchor_ : edit_;
    const int y = std::max(0, below->mapTo(host, QPoint(0, 0)).y() - height);
    setGeometry(x, y, width, height);
}

void CompletionPopup::Take(int chosen_row) {
    if (chosen_row < 0 || chosen_row >= count()) return;
    const std::string name = item(chosen_row)->text().toStdString();
    const QString text = edit_->text();
    const std::string line = text.toStdString();
    const std::size_t start = Utf8Offset(text, word_start_);
    const std::size_t caret = Utf8Offset(text, caret_);
    const Completed done = TakeCompletion(line, start, caret, name);
    const std::size_t rest = line.size() - caret;
    const QString inserted =
        QString::fromStdString(done.line.substr(start, done.line.size() - rest - start));
    Close();
    // The field's own editing keeps the completion one undoable step.
    edit_->setSelection(word_start_, caret_ - word_start_);
    edit_->insert(inserted);
    edit_->setCursorPosition(
        word_start_ +
        static_cast<int>(
            QString::fromStdString(done.line.substr(start, done.caret - start)).size()));
    edit_->setFocus(Qt::OtherFocusReason);
}

void CompletionPopup::Close() {
    chosen_ = false;
    hide();
}

bool CompletionPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_) return QListWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        typing_ = (!key->text().isEmpty() && key->text().front().isPrint()) ||
                  key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
    } else if (event->type() == QEvent::KeyRelease) {
        typing_ = false;
    }
    if (!IsOpen()) return false;
    if (event->type() == QEvent::FocusOut) {
        Close();
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!plain) return false;
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down: {
                const int step = key->key() == Qt::Key_Down ? 1 : -1;
                const int now = currentRow() < 0 ? (step > 0 ? 0 : count() - 1)
                                                 : (currentRow() + step + count()) % count();
                setCurrentRow(now);
                chosen_ = true;
                return true;
            }
            case Qt::Key_Tab:
                Take(std::max(currentRow(), 0));
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // Unless a name was chosen, Enter runs the line as typed.
                if (!chosen_) {
                    Close();
                    return false;
                }
                Take(currentRow());
                return true;
            case Qt::Key_Escape:
                Close();
                return true;
            default:
                break;
        }
    }
    return false;
}

}  // namespace brisalto
