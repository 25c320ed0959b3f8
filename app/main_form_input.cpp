// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// TMainForm's command line: composing it with the keyboard and the mouse pad, running it with
// Enter or Go, and keeping the edit actions enabled for the focused text control.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <new>
#include <optional>
#include <string>

#include "app/error_report.h"
#include "app/hint_line.h"
#include "app/main_form.h"
#include "command/command_processor.h"
#include "command/pasted_lines.h"

namespace brisalto {
namespace {

// The field keeps one undo step per character it inserts or removes: a change longer than
// this replaces the text outright, not undoable, rather than hold the window for seconds.
constexpr qsizetype kUndoableChangeLength = 65536;

}  // namespace

CmdEditModel TMainForm::EditModel() const {
    CmdEditModel model;
    model.SetText(ui_.CmdEdit->text().toStdU16String());
    if (ui_.CmdEdit->hasSelectedText()) {
        model.SetSelection(ui_.CmdEdit->selectionStart(), ui_.CmdEdit->selectionLength());
    } else {
        model.SetCaret(ui_.CmdEdit->cursorPosition());
    }
    return model;
}

void TMainForm::ApplyEditModel(const CmdEditModel& model, bool focus) {
    const QString text = QString::fromStdU16String(model.text());
    if (text != ui_.CmdEdit->text()) {
        if (text.size() > kUndoableChangeLength ||
            ui_.CmdEdit->text().size() > kUndoableChangeLength) {
            ui_.CmdEdit->setText(text);
        } else {
            // Replacing through the field's own editing keeps the change undoable.
            ui_.CmdEdit->selectAll();
            ui_.CmdEdit->insert(text);
        }
    }
    if (model.has_selection()) {
        ui_.CmdEdit->setSelection(model.selection_start(), model.selection_length());
    } else {
        ui_.CmdEdit->setCursorPosition(model.caret());
    }
    if (focus) {
        ui_.CmdEdit->setFocus(Qt::OtherFocusReason);
    }
}

void TMainForm::ScrollResultsToEnd() {
    QScrollBar* bar = ui_.ResultsMemo->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TMainForm::InsertAtCaret(const QString& text) {
    CmdEditModel model = EditModel();
    model.InsertAtCaret(text.toStdU16String());
    ApplyEditModel(model, true);
}

void TMainForm::GoBtnClick() {
    CmdEditModel model = EditModel();
    RunCommandLine(model);
    ApplyEditModel(model, true);
    ScrollResultsToEnd();
}

void TMainForm::RunCommandLine(CmdEditModel& model) {
    // Kept before it runs: a line that ends the program is still in the history.
    const std::string line = model.TextUtf8();
    RememberCommandLine(line);
    calculator_.RunGoAction(model, outcome_);
    hint_line_->NoteOutcome(line, outcome_);
    RenderOutcome(outcome_);
}

void TMainForm::LoadHistory() {
    history_.SetEntries(history_file_.Load());
    ReportHistoryProblem();
}

void TMainForm::RememberCommandLine(const std::string& line) {
    if (!history_.Add(line)) return;
    if (gathering_lines_) {
        gathered_history_.push_back(line);
        return;
    }
    history_file_.Append(line);
    ReportHistoryProblem();
}

bool TMainForm::EndGathering() noexcept {
    gathering_lines_ = false;
    try {
        FlushGatheredLines();
        ScrollResultsToEnd();
        if (!gathered_history_.empty()) {
            history_file_.AppendLines(gathered_history_);
            gathered_history_.clear();
            ReportHistoryProblem();
        }
        return true;
    } catch (...) {
        // Out of memory while the answers reach the window: what was gathered goes, so that
        // the window has room to go on.
        std::string().swap(gathered_lines_);
        std::vector<std::string>().swap(gathered_history_);
        return false;
    }
}

void TMainForm::CmdEditHistoryKey(bool back) {
    const std::string current = EditModel().TextUtf8();
    const std::optional<std::string> shown =
        back ? history_.Back(current) : history_.Forward(current);
    if (!shown) return;
    CmdEditModel model;
    model.SetTextUtf8(*shown);
    ApplyEditModel(model, false);
    hint_line_->LineRecalled();
}

void TMainForm::ReportHistoryProblem() {
    // The problem with the file comes last, so the notice keeps it.
    while (const std::optional<std::string> problem = history_file_.TakeProblem())
        ShowHistoryProblem(*problem);
}

void TMainForm::ShowHistoryProblem(const std::string& problem) {
    const QString text = QString::fromStdString(problem);
    ReportOnStandardError(text);
    // A desktop user never sees standard error: a line of the mode panel says it, and the
    // window goes on; the whole message is in its tool tip.
    auto* notice = ui_.ModPanel->findChild<QLabel*>(QStringLiteral("HistoryNotice"));
    if (notice == nullptr) {
        notice = new QLabel(ui_.ModPanel);
        notice->setObjectName(QStringLiteral("HistoryNotice"));
        notice->setFont(ui_.ModeLabel->font());
        notice->setAccessibleName(tr("History notice"));
    }
    const QString shown = tr("History: %1").arg(text);
    const int left = ui_.SciLabel->geometry().right() + Px(12);
    const int width = std::max(0, Px(kClientWidth) - left - Px(3));
    notice->setText(notice->fontMetrics().elidedText(shown, Qt::ElideRight, width));
    notice->setToolTip(shown);
    notice->setAccessibleDescription(shown);
    notice->setGeometry(left, Px(1), width, Px(kModPanelHeight) - Px(2));
    notice->show();
}

void TMainForm::PasteIntoCmdEdit(const QString& text) {
    const PasteOutcome outcome = PasteIntoCommandLine(EditModel(), text.toStdU16String());
    // A line too long to edit is refused with a word, before any of the paste runs, so the user
    // can paste it again with its line break; the clipboard still holds it.
    const auto remaining = static_cast<qsizetype>(outcome.remaining.text().size());
    if (remaining > kLongestEditableLine) {
        ReportError(tr("The pasted line has %L1 characters, too many to edit in the command line, "
                       "so nothing was pasted. Paste it with a line break at its end to run it.")
                        .arg(remaining));
        return;
    }
    if (outcome.lines_to_run.empty()) {
        if (text.size() <= kUndoableChangeLength) {
            // The field's own insert keeps a plain paste one undoable edit.
            ui_.CmdEdit->insert(text);
        } else {
            ApplyEditModel(outcome.remaining, true);
        }
        return;
    }
    // The answers of all the lines reach the window in one append, whatever happens; an
    // error on the way is reported once, by the caller's guard.
    gathering_lines_ = true;
    try {
        for (const std::u16string& line : outcome.lines_to_run) {
            // "exit" ends the program at once; the lines after it are not run.
            if (exit_requested_) break;
            // Run as if typed and entered; the command line shows only what remains.
            CmdEditModel model;
            model.SetText(line);
            RunCommandLine(model);
        }
    } catch (...) {
        EndGathering();
        throw;
    }
    if (!EndGathering()) throw std::bad_alloc();
    if (exit_requested_) return;
    ApplyEditModel(outcome.remaining, true);
}

void TMainForm::Button1Click() { ui_.GoBtn->click(); }

void TMainForm::CmdEditKeyPress(QChar key) {
    CmdEditModel model = EditModel();
    if (model.ApplyAnswerPrefix(key.unicode())) {
        ApplyEditModel(model, false);
    }
}

void TMainForm::ConnectPad() {
    MousePad* pad = ui_.ToolsPanel;
    // A key pressed from the keyboard leaves the focus on the pad, so that a keyboard user
    // can go on composing there; a click never moves the focus to the pad.
    const auto focus_line = [pad] {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr || !pad->isAncestorOf(focus);
    };
    const auto edit = [this, focus_line](auto change, bool focus) {
        RunGuardedHandler([&] {
            CmdEditModel model = EditModel();
            change(model);
            ApplyEditModel(model, focus && focus_line());
        });
    };
    connect(pad, &MousePad::textKey, this, [edit](const QString& text) {
        edit([&text](CmdEditModel& m) { m.KeypadText(text.toStdU16String()); }, true);
    });
    connect(pad, &MousePad::functionKey, this, [edit](const QString& name) {
        edit([&name](CmdEditModel& m) { m.FunctionName(name.toStdU16String()); }, true);
    });
    connect(pad, &MousePad::answerKey, this,
            [edit] { edit([](CmdEditModel& m) { m.AnswerKey(); }, true); });
    connect(pad, &MousePad::deleteKey, this,
            [edit] { edit([](CmdEditModel& m) { m.DeleteKey(); }, true); });
    // The caret keys leave the focus where it is.
    connect(pad, &MousePad::caretKey, this, [edit](CaretMove move) {
        edit(
            [move](CmdEditModel& m) {
                switch (move) {
                    case CaretMove::kFirst:
                        m.FirstKey();
                        break;
                    case CaretMove::kLeft:
                        m.LeftKey();
                        break;
                    case CaretMove::kRight:
                        m.RightKey();
                        break;
                    case CaretMove::kLast:
                        m.LastKey();
                        break;
                }
            },
            false);
    });
}

void TMainForm::ApplicationEvents1Idle() {
    QWidget* focus = QApplication::focusWidget();
    // An open menu holds the keyboard only for a moment; its items keep the states they had.
    if (QApplication::activePopupWidget() != nullptr || qobject_cast<QMenuBar*>(focus) != nullptr) {
        return;
    }
    if (focus == ui_.ResultsMemo) {
        const bool selected = ui_.ResultsMemo->textCursor().hasSelection();
        act_.PastAction->setEnabled(clipboard_has_text_);
        act_.CutAction->setEnabled(selected);
        act_.CopyAction->setEnabled(selected);
        act_.UndoAction->setEnabled(ui_.ResultsMemo->document()->isUndoAvailable());
    } else if (focus == ui_.CmdEdit) {
        const bool selected = ui_.CmdEdit->hasSelectedText();
        act_.PastAction->setEnabled(clipboard_has_text_);
        act_.CutAction->setEnabled(selected);
        act_.CopyAction->setEnabled(selected);
        act_.UndoAction->setEnabled(ui_.CmdEdit->isUndoAvailable());
    } else {
        act_.PastAction->setEnabled(false);
        act_.CutAction->setEnabled(false);
        act_.CopyAction->setEnabled(false);
    }
}

bool TMainForm::IsActionShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* action : actions_) {
        if (action->isEnabled() && !action->shortcut().isEmpty() &&
            action->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
            return true;
        }
    }
    return false;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.CmdEdit || watched == ui_.ResultsMemo) {
        if (event->type() == QEvent::ShortcutOverride) {
            // The text controls claim Ctrl+C, Ctrl+V and the like for themselves; the window's
            // actions take them instead and act on the focused control.
            if (IsActionShortcut(*static_cast<QKeyEvent*>(event))) {
                event->ignore();
                return true;
            }
        } else if (event->type() == QEvent::KeyPress && watched == ui_.CmdEdit) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Up and Down walk the history; the one-line field has no use for them.
            const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            if (plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
                const bool back = key->key() == Qt::Key_Up;
                RunGuardedHandler([this, back] { CmdEditHistoryKey(back); });
                return true;
            }
            if (key->text().size() == 1) {
                RunGuardedHandler([this, key] { CmdEditKeyPress(key->text().front()); });
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    // The window's default button: Enter in a control that does not use Enter itself.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        ui_.Button1->isEnabled()) {
        ui_.Button1->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace brisalto
