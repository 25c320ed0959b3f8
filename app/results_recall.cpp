// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/results_recall.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBlockUserData>

#include "app/results_lines.h"
#include "command/command_processor.h"
#include "command/line_outcome.h"
#include "engine/number_text.h"

namespace brisalto {
namespace {

// The value of an answer or assignment line travels with the line itself, so editing or
// clearing the window never points it at another line.
class ValueData : public QTextBlockUserData {
  public:
    explicit ValueData(QString value) : value(std::move(value)) {}
    QString value;
};

}  // namespace

ResultsRecall::ResultsRecall(QPlainTextEdit* memo, QObject* parent) : QObject(parent), memo_(memo) {
    memo_->installEventFilter(this);
    memo_->viewport()->installEventFilter(this);
}

void ResultsRecall::NoteOutcome(const LineOutcome& outcome) {
    const auto added = static_cast<long long>(outcome.lines.size());
    const bool valued =
        outcome.kind == OutcomeKind::kAnswer || outcome.kind == OutcomeKind::kAssignment;
    // The value line stands between two separator lines at the end of the block.
    if (valued && outcome.transcript && added >= 3) {
        pending_.push_back({ValueToText(outcome.value), noted_lines_ + added - 2});
    }
    noted_lines_ += added;
}

void ResultsRecall::Attach() {
    QTextDocument* document = memo_->document();
    // The lines noted are the window's last ones.
    const long long first = document->blockCount() - noted_lines_;
    for (const Pending& pending : pending_) {
        QTextBlock block = document->findBlockByNumber(static_cast<int>(first + pending.line));
        // A shortened line keeps its exact text there; its value is not offered.
        if (block.isValid() && block.userData() == nullptr) {
            block.setUserData(new ValueData(QString::fromStdString(pending.value)));
        }
    }
    pending_.clear();
    noted_lines_ = 0;
}

void ResultsRecall::Forget() {
    pending_.clear();
    noted_lines_ = 0;
}

QString ResultsRecall::LineValue(const QTextBlock& block) {
    const auto* data = dynamic_cast<const ValueData*>(block.userData());
    return data != nullptr ? data->value : QString();
}

bool ResultsRecall::Recallable(const QTextBlock& block) {
    return block.text().startsWith(QString::fromUtf8(kEchoPrefix.data(), kEchoPrefix.size())) ||
           !LineValue(block).isEmpty();
}

bool ResultsRecall::Recall(const QTextBlock& block) {
    if (!block.isValid()) return false;
    // A long command is shown shortened; its exact text is what comes back.
    const QString text = ResultsLineText(block);
    const QString echo = QString::fromUtf8(kEchoPrefix.data(), kEchoPrefix.size());
    if (text.startsWith(echo)) {
        if (replace_line) replace_line(text.mid(echo.size()));
        return true;
    }
    const QString value = LineValue(block);
    if (value.isEmpty()) return false;
    if (insert_value) insert_value(value);
    return true;
}

bool ResultsRecall::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Recall(memo_->cursorForPosition(mouse->position().toPoint()).block())) {
            return true;
        }
    } else if (watched == memo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            Recall(memo_->textCursor().block())) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace brisalto
