// TMainForm's command line: composing it with the keyboard and the mouse pad, running it with
// Enter or Go, and keeping the edit actions enabled for the focused text control.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <optional>
#include <string>

#include "app/error_report.h"
#include "app/main_form.h"
#include "command/command_processor.h"
#include "command/pasted_lines.h"

namespace brisalto {

CmdEditModel TMainForm::EditModel() const {
    CmdEditModel model;
    model.SetText(CmdEdit->text().toStdU16String());
    if (CmdEdit->hasSelectedText()) {
        model.SetSelection(CmdEdit->selectionStart(), CmdEdit->selectionLength());
    } else {
        model.SetCaret(CmdEdit->cursorPosition());
    }
    return model;
}

void TMainForm::ApplyEditModel(const CmdEditModel& model, bool focus) {
    const QString text = QString::fromStdU16String(model.text());
    if (text != CmdEdit->text()) {
        // Replacing through the field's own editing keeps the change undoable.
        CmdEdit->selectAll();
        CmdEdit->insert(text);
    }
    if (model.has_selection()) {
        CmdEdit->setSelection(model.selection_start(), model.selection_length());
    } else {
        CmdEdit->setCursorPosition(model.caret());
    }
    if (focus) {
        CmdEdit->setFocus(Qt::OtherFocusReason);
    }
}

void TMainForm::ScrollResultsToEnd() {
    QScrollBar* bar = ResultsMemo->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TMainForm::InsertAtCaret(const QString& text) {
    CmdEditModel model = EditModel();
    model.InsertAtCaret(text.toStdU16String());
    ApplyEditModel(model, true);
}

void TMainForm::GoBtnClick() {
    CmdEditModel model = EditModel();
    // Kept before it runs: a line that ends the program is still in the history.
    RememberCommandLine(model.TextUtf8());
    calculator_.RunGoAction(model, outcome_);
    RenderOutcome(outcome_);
    ApplyEditModel(model, true);
    ScrollResultsToEnd();
}

void TMainForm::LoadHistory() {
    history_.SetEntries(history_file_.Load());
    ReportHistoryProblem();
}

void TMainForm::RememberCommandLine(const std::string& line) {
    if (history_.Add(line)) {
        history_file_.Append(line);
        ReportHistoryProblem();
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
}

void TMainForm::ReportHistoryProblem() {
    if (const std::optional<std::string> problem = history_file_.TakeProblem()) {
        ReportOnStandardError(QString::fromStdString(*problem));
    }
}

void TMainForm::PasteIntoCmdEdit(const QString& text) {
    const PasteOutcome outcome = PasteIntoCommandLine(EditModel(), text.toStdU16String());
    if (outcome.lines_to_run.empty()) {
        // The field's own insert keeps a plain paste one undoable edit.
        CmdEdit->insert(text);
        return;
    }
    for (const std::u16string& line : outcome.lines_to_run) {
        // "exit" ends the program at once; the lines after it are not run.
        if (exit_requested_) return;
        CmdEditModel model;
        model.SetText(line);
        ApplyEditModel(model, true);
        GoBtnClick();
    }
    ApplyEditModel(outcome.remaining, true);
}

void TMainForm::Button1Click() { GoBtn->click(); }

void TMainForm::CmdEditKeyPress(QChar key) {
    CmdEditModel model = EditModel();
    if (model.ApplyAnswerPrefix(key.unicode())) {
        ApplyEditModel(model, false);
    }
}

void TMainForm::NumBtnClick(int tag) {
    CmdEditModel model = EditModel();
    model.KeypadKey(tag);
    ApplyEditModel(model, true);
}

void TMainForm::FuncBtnClick(int tag) {
    CmdEditModel model = EditModel();
    model.FunctionKey(tag);
    ApplyEditModel(model, true);
}

void TMainForm::Button29Click() {
    CmdEditModel model = EditModel();
    model.AnswerKey();
    ApplyEditModel(model, true);
}

void TMainForm::Button2Click() {
    CmdEditModel model = EditModel();
    model.DeleteKey();
    ApplyEditModel(model, true);
}

void TMainForm::FirstButtonClick() {
    CmdEditModel model = EditModel();
    model.FirstKey();
    ApplyEditModel(model, false);
}

void TMainForm::LeftButtonClick() {
    CmdEditModel model = EditModel();
    model.LeftKey();
    ApplyEditModel(model, false);
}

void TMainForm::RightButtonClick() {
    CmdEditModel model = EditModel();
    model.RightKey();
    ApplyEditModel(model, false);
}

void TMainForm::LastButtonClick() {
    CmdEditModel model = EditModel();
    model.LastKey();
    ApplyEditModel(model, false);
}

void TMainForm::ConnectPad() {
    const auto on_click = [this](QToolButton* key, auto handler) {
        connect(key, &QToolButton::clicked, this,
                [this, handler] { RunGuardedHandler([this, handler] { handler(this); }); });
    };
    for (std::size_t tag = 0; tag < PadKeys.keypad.size(); ++tag) {
        const int t = static_cast<int>(tag);
        on_click(PadKeys.keypad[tag], [t](TMainForm* form) { form->NumBtnClick(t); });
    }
    for (std::size_t tag = 0; tag < PadKeys.functions.size(); ++tag) {
        const int t = static_cast<int>(tag);
        on_click(PadKeys.functions[tag], [t](TMainForm* form) { form->FuncBtnClick(t); });
    }
    on_click(PadKeys.answer, [](TMainForm* form) { form->Button29Click(); });
    on_click(PadKeys.del, [](TMainForm* form) { form->Button2Click(); });
    on_click(PadKeys.first, [](TMainForm* form) { form->FirstButtonClick(); });
    on_click(PadKeys.left, [](TMainForm* form) { form->LeftButtonClick(); });
    on_click(PadKeys.right, [](TMainForm* form) { form->RightButtonClick(); });
    on_click(PadKeys.last, [](TMainForm* form) { form->LastButtonClick(); });
}

void TMainForm::ApplicationEvents1Idle() {
    QWidget* focus = QApplication::focusWidget();
    // An open menu holds the keyboard only for a moment; its items keep the states they had.
    if (QApplication::activePopupWidget() != nullptr || qobject_cast<QMenuBar*>(focus) != nullptr) {
        return;
    }
    if (focus == ResultsMemo) {
        const bool selected = ResultsMemo->textCursor().hasSelection();
        PastAction->setEnabled(clipboard_has_text_);
        CutAction->setEnabled(selected);
        CopyAction->setEnabled(selected);
        UndoAction->setEnabled(ResultsMemo->document()->isUndoAvailable());
    } else if (focus == CmdEdit) {
        const bool selected = CmdEdit->hasSelectedText();
        PastAction->setEnabled(clipboard_has_text_);
        CutAction->setEnabled(selected);
        CopyAction->setEnabled(selected);
        UndoAction->setEnabled(CmdEdit->isUndoAvailable());
    } else {
        PastAction->setEnabled(false);
        CutAction->setEnabled(false);
        CopyAction->setEnabled(false);
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
    if (watched == CmdEdit || watched == ResultsMemo) {
        if (event->type() == QEvent::ShortcutOverride) {
            // The text controls claim Ctrl+C, Ctrl+V and the like for themselves; the window's
            // actions take them instead and act on the focused control.
            if (IsActionShortcut(*static_cast<QKeyEvent*>(event))) {
                event->ignore();
                return true;
            }
        } else if (event->type() == QEvent::KeyPress && watched == CmdEdit) {
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
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && Button1->isEnabled()) {
        Button1->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace brisalto
