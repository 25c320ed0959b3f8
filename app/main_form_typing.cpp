// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// TMainForm's help while typing: the completion list over the command line, the hint line in the
// status area, and earlier lines of the results window brought back by a double-click or F8 and
// Enter.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStatusBar>
#include <QTextBlock>
#include <algorithm>

#include "app/completion_popup.h"
#include "app/error_report.h"
#include "app/hint_line.h"
#include "app/main_form.h"
#include "app/results_recall.h"

namespace brisalto {

void TMainForm::BuildTypingHelp() {
    // Made after the window's own filter on the line: the open list sees Up, Down and Enter first.
    completion_ = new CompletionPopup(ui_.CmdEdit, ui_.MainPanel);
    completion_->SetAnchor(ui_.ModPanel);

    hint_line_ = new HintLine(ui_.CmdEdit, calculator_, this);
    QFont hint_font = hint_line_->font();
    hint_font.setPixelSize(std::max(1, Px(kHintFontPixels)));
    hint_line_->setFont(hint_font);
    // The status area is as tall as its own font: the same font keeps it to the hint's height.
    statusBar()->setFont(hint_font);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(hint_line_, 1);
    QStringList hints;
    for (const std::string& hint : FunctionButtonHints()) hints << QString::fromStdString(hint);
    hint_line_->WatchFunctionKeys(ui_.ToolsPanel->FunctionKeys(), hints);

    recall_ = new ResultsRecall(ui_.ResultsMemo, this);
    recall_->replace_line = [this](const QString& command) {
        RunGuardedHandler([this, &command] {
            // One step Undo takes back, as a line recalled from the history.
            CmdEditModel model;
            model.SetText(command.toStdU16String());
            ApplyEditModel(model, true);
        });
    };
    recall_->insert_value = [this](const QString& value) {
        RunGuardedHandler([this, &value] { InsertAtCaret(value); });
    };

    // F8 moves between the command line and the results window (F6 and F7 open tools).
    auto* move_key = new QShortcut(QKeySequence(Qt::Key_F8), this);
    move_key->setObjectName(QStringLiteral("ResultsFocusShortcut"));
    connect(move_key, &QShortcut::activated, this, [this] {
        RunGuardedHandler([this] {
            if (ui_.ResultsMemo->hasFocus()) {
                ui_.CmdEdit->setFocus(Qt::ShortcutFocusReason);
            } else {
                MoveToResults();
            }
        });
    });
}

void TMainForm::MoveToResults() {
    FlushGatheredLines();
    // The caret lands on the last line there is to take: the newest answer or command.
    QTextBlock block = ui_.ResultsMemo->document()->lastBlock();
    while (block.isValid() && !ResultsRecall::Recallable(block)) block = block.previous();
    if (block.isValid()) {
        QTextCursor cursor(block);
        ui_.ResultsMemo->setTextCursor(cursor);
        ui_.ResultsMemo->ensureCursorVisible();
    }
    ui_.ResultsMemo->setFocus(Qt::ShortcutFocusReason);
}

}  // namespace brisalto
