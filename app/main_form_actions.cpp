// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// TMainForm's action list, its menu bar and the handlers of the actions.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <cctype>

#include "app/about_form.h"
#include "app/bkgrd_form.h"
#include "app/error_report.h"
#include "app/help_window.h"
#include "app/hint_line.h"
#include "app/main_form.h"
#include "app/precision_form.h"
#include "app/results_window_ops.h"
#include "command/command_processor.h"
#include "tools/constants_table.h"
#include "tools/gui/conv_form.h"
#include "tools/gui/mol_wt_form.h"
#include "tools/gui/molar_mass_form.h"
#include "tools/gui/reaction_form.h"
#include "tools/gui/solution_form.h"

namespace brisalto {
namespace {

constexpr char kTagProperty[] = "Tag";

// What a dialog that gives a value gives; nothing when it is missing or cancelled.
template <class Dialog>
std::optional<QString> RunDialog(Dialog* dialog) {
    return dialog != nullptr ? dialog->Run() : std::nullopt;
}
constexpr char kCommandProperty[] = "Command";
constexpr char kCategoryProperty[] = "Category";
constexpr char kCaptionProperty[] = "Caption";

constexpr char kNoCategory[] = "";
constexpr char kViewCategory[] = "View";
constexpr char kEditCategory[] = "Edit";
constexpr char kVariablesCategory[] = "Variables";
constexpr char kModeCategory[] = "Mode";
constexpr char kFormatCategory[] = "Format";
constexpr char kToolsCategory[] = "Tools";

QString Text(const char* text) { return QString::fromUtf8(text); }
QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QAction* TMainForm::MakeAction(const char* name, const char* category, const QString& caption,
                               const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty(kCategoryProperty, QString::fromLatin1(category));
    action->setProperty(kCaptionProperty, caption);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    // Added to the window itself, so that its shortcut works wherever the focus is in it.
    addAction(action);
    actions_.push_back(action);
    return action;
}

QAction* TMainForm::FindAction(const QString& object_name) const {
    for (QAction* action : actions_) {
        if (action->objectName() == object_name) {
            return action;
        }
    }
    return nullptr;
}

void TMainForm::BuildActions() {
    // One row an action: its caption, shortcut and category, and what it runs. A row without a
    // handler is a command action: it runs its keyword through CmdAction.
    struct ActionRow {
        QAction* ActionSet::*slot;
        const char* name;
        const char* category;
        const char* caption;
        const char* shortcut;
        void (TMainForm::*handler)();
        const char* command = nullptr;
        bool checkable = false;
    };
    using A = ActionSet;
    using F = TMainForm;
    static const ActionRow kActions[] = {
        // clang-format off
        {&A::LastCmdAction,     "LastCmdAction",     kViewCategory,      QT_TR_NOOP("Last Commad"),                      "F3",     &F::LastCmdActionExecute},
        {&A::AboutAction,       "AboutAction",       kNoCategory,        QT_TR_NOOP("About... (about)"),                 "",       &F::AboutActionExecute},
        {&A::SaveAs,            "SaveAs",            kNoCategory,        QT_TR_NOOP("Save Result as... (save)"),         "Ctrl+S", &F::SaveAsExecute},
        {&A::PrintSetupAction,  "PrintSetupAction",  kNoCategory,        QT_TR_NOOP("PrintSetup..."),                    "",       &F::PrintSetupActionExecute},
        {&A::PrintAction,       "PrintAction",       kNoCategory,        QT_TR_NOOP("Print... (print)"),                 "Ctrl+P", &F::PrintActionExecute},
        {&A::ExitAction,        "ExitAction",        kNoCategory,        QT_TR_NOOP("Exit (exit)"),                      "Ctrl+Q", &F::ExitActionExecute},
        {&A::FontAction,        "FontAction",        kNoCategory,        QT_TR_NOOP("Results window Font..."),           "",       &F::FontActionExecute},
        {&A::CopyAction,        "CopyAction",        kEditCategory,      QT_TR_NOOP("Copy"),                             "Ctrl+C", &F::CopyActionExecute},
        {&A::CutAction,         "CutAction",         kEditCategory,      QT_TR_NOOP("Cut"),                              "Ctrl+X", &F::CutActionExecute},
        {&A::PastAction,        "PastAction",        kEditCategory,      QT_TR_NOOP("Past"),                             "Ctrl+V", &F::PastActionExecute},
        {&A::ContentsAction,    "ContentsAction",    kNoCategory,        QT_TR_NOOP("Contents... (help)"),               "F1",     &F::ContentsActionExecute},
        {&A::ClearAction,       "ClearAction",       kEditCategory,      QT_TR_NOOP("Clear Results"),                    "",       &F::ClearActionExecute},
        {&A::WordwrapAction,    "WordwrapAction",    kEditCategory,      QT_TR_NOOP("Word Wrap"),                        "",       &F::WordwrapActionExecute, nullptr, true},
        {&A::UndoAction,        "UndoAction",        kEditCategory,      QT_TR_NOOP("Undo"),                             "Ctrl+Z", &F::UndoActionExecute},
        {&A::MouseToolsAction,  "MouseToolsAction",  kViewCategory,      QT_TR_NOOP("Mouse Tools"),                      "F4",     &F::MouseToolsActionExecute, nullptr, true},
        {&A::VarShowValAction,  "VarShowValAction",  kVariablesCategory, QT_TR_NOOP("Show values (var)"),                "",       nullptr, "var"},
        {&A::ClearAllVarAction, "ClearAllVarAction", kVariablesCategory, QT_TR_NOOP("Clear all variables (clear)"),      "",       nullptr, "clear"},
        {&A::clsAction,         "clsAction",         kEditCategory,      "cls",                                          "",       nullptr, "cls"},
        {&A::cycAction,         "cycAction",         kModeCategory,      "cyc",                                          "",       nullptr, "cyc", true},
        {&A::degAction,         "degAction",         kModeCategory,      "deg",                                          "",       nullptr, "deg", true},
        {&A::fixAction,         "fixAction",         kModeCategory,      "fix",                                          "",       nullptr, "fix", true},
        {&A::grdAction,         "grdAction",         kModeCategory,      "grd",                                          "",       nullptr, "grd", true},
        {&A::modAction,         "modAction",         kModeCategory,      "mod",                                          "",       nullptr, "mod"},
        {&A::radAction,         "radAction",         kModeCategory,      "rad",                                          "",       nullptr, "rad", true},
        {&A::sciAction,         "sciAction",         kModeCategory,      "sci",                                          "",       nullptr, "sci", true},
        {&A::autoAction,        "autoAction",        kModeCategory,      "autoAction",                                   "",       nullptr, "auto", true},
        {&A::BkgrdColor,        "BkgrdColor",        kFormatCategory,    QT_TR_NOOP("Background Colors..."),             "",       &F::BkgrdColorExecute},
        {&A::SetPrecisionAction, "SetPrecisionAction", kFormatCategory,  QT_TR_NOOP("Precision..."),                     "",       &F::SetPrecisionActionExecute},
        {&A::InsertAtmWtAction, "InsertAtmWtAction", kConstantsCategory.data(), "InsertAtmWtAction",                            "",       &F::InsertAtmWtActionExecute},
        {&A::ConversionAction,  "ConversionAction",  kToolsCategory,     QT_TR_NOOP("Units Conversions..."),             "F5",     &F::ConversionActionExecute},
        {&A::ReactionAction,    "ReactionAction",    kToolsCategory,     QT_TR_NOOP("Reaction..."),                      "F6",     &F::ReactionActionExecute},
        {&A::SolutionAction,    "SolutionAction",    kToolsCategory,     QT_TR_NOOP("Solution..."),                      "F7",     &F::SolutionActionExecute},
        // clang-format on
    };
    for (const ActionRow& row : kActions) {
        // The command words' own captions ("cls", "deg") are never shown: their menu items are.
        const bool command_word = row.handler == nullptr && std::islower(row.caption[0]) != 0;
        QAction* action =
            MakeAction(row.name, row.category, command_word ? Text(row.caption) : tr(row.caption),
                       QKeySequence::fromString(QString::fromLatin1(row.shortcut),
                                                QKeySequence::PortableText));
        action->setCheckable(row.checkable);
        if (row.command != nullptr) action->setProperty(kCommandProperty, Text(row.command));
        const auto handler = row.handler;
        connect(action, &QAction::triggered, this, [this, action, handler] {
            // Choosing an item does not toggle its check mark by itself; the handlers set it.
            if (action->isCheckable()) action->setChecked(!action->isChecked());
            RunGuardedHandler([this, action, handler] {
                if (handler != nullptr) {
                    (this->*handler)();
                } else {
                    CmdAction(action);
                }
            });
        });
        act_.*row.slot = action;
    }
    // The designed check marks: word wrap on, and "Degrees" and "Automatic" as the mode line.
    act_.WordwrapAction->setChecked(true);
    act_.degAction->setChecked(true);
    act_.autoAction->setChecked(true);

    // The constants, in Tag order, then Pi, the periodic table and the molar mass.
    const char* constants_category = kConstantsCategory.data();
    const auto make_constant = [&](const ConstantAction& info) {
        const std::string name(info.name);
        QAction* action =
            MakeAction(name.c_str(), constants_category,
                       QCoreApplication::translate("Constants", std::string(info.caption).c_str()),
                       QKeySequence::fromString(Text(info.shortcut), QKeySequence::PortableText));
        action->setProperty(kTagProperty, info.tag);
        return action;
    };
    const auto run = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { RunGuardedHandler([this, handler] { (this->*handler)(); }); });
    };
    for (const ConstantAction& info : PhysicalConstants()) {
        QAction* action = make_constant(info);
        connect(action, &QAction::triggered, this,
                [this, action] { RunGuardedHandler([this, action] { ConstantExecute(action); }); });
        act_.ConstantActions.push_back(action);
    }
    act_.PiAction = make_constant(PiActionInfo());
    run(act_.PiAction, &TMainForm::PiActionExecute);
    act_.AtmWtAction = make_constant(AtmWtActionInfo());
    run(act_.AtmWtAction, &TMainForm::AtmWtActionExecute);
    act_.MolarMassAction = MakeAction("MolarMassAction", constants_category, tr("Molar Mass..."),
                                      Qt::CTRL | Qt::Key_M);
    run(act_.MolarMassAction, &TMainForm::MolarMassActionExecute);
}

void TMainForm::AddMenuItem(QMenu* menu, QAction* action, const QString& item_text) {
    // An item with a text of its own shows that text instead of the action's caption.
    if (!item_text.isEmpty()) {
        action->setText(item_text);
    }
    menu->addAction(action);
}

void TMainForm::BuildMenus() {
    // The menu bar, title by title; an item without an action is a separator, and an item with
    // a text shows it instead of its action's caption. The constants follow their own table.
    struct MenuItem {
        QAction* ActionSet::*action;
        const char* text = nullptr;
    };
    struct MenuRow {
        const char* title;
        std::vector<MenuItem> items;
    };
    using A = ActionSet;
    const MenuItem separator{nullptr};
    const MenuRow menus[] = {
        {QT_TR_NOOP("&File"),
         {{&A::SaveAs},
          separator,
          {&A::PrintAction},
          {&A::PrintSetupAction},
          separator,
          {&A::ExitAction}}},
        {QT_TR_NOOP("Edit"),
         {{&A::UndoAction},
          separator,
          {&A::CopyAction},
          {&A::CutAction},
          {&A::PastAction},
          {&A::ClearAction, QT_TR_NOOP("Clear results window (cls)")}}},
        {QT_TR_NOOP("View"), {{&A::LastCmdAction}, {&A::MouseToolsAction}}},
        {QT_TR_NOOP("Format"),
         {{&A::FontAction},
          {&A::WordwrapAction},
          {&A::BkgrdColor},
          separator,
          {&A::autoAction, QT_TR_NOOP("Automatic format (auto)")},
          {&A::sciAction, QT_TR_NOOP("Scientific format (sci)")},
          {&A::fixAction, QT_TR_NOOP("Fixed format (fix)")},
          separator,
          {&A::SetPrecisionAction}}},
        {QT_TR_NOOP("Mode"),
         {{&A::modAction, QT_TR_NOOP("Current mode (mod)")},
          separator,
          {&A::degAction, QT_TR_NOOP("Degrees mode (deg)")},
          {&A::radAction, QT_TR_NOOP("Radian mode (rad)")},
          {&A::grdAction, QT_TR_NOOP("Grads mode (grd)")},
          {&A::cycAction, QT_TR_NOOP("Cycle mode (cyc)")}}},
        {QT_TR_NOOP("Variables"), {{&A::VarShowValAction}, {&A::ClearAllVarAction}}},
        {QT_TR_NOOP("Constants"), {}},
        {QT_TR_NOOP("Tools"), {{&A::ConversionAction}, {&A::ReactionAction}, {&A::SolutionAction}}},
        {QT_TR_NOOP("Help"), {{&A::ContentsAction}, {&A::AboutAction}}},
    };
    QMenuBar* bar = menuBar();
    for (const MenuRow& row : menus) {
        QMenu* menu = bar->addMenu(tr(row.title));
        for (const MenuItem& item : row.items) {
            if (item.action == nullptr) {
                menu->addSeparator();
            } else {
                AddMenuItem(menu, act_.*item.action,
                            item.text != nullptr ? tr(item.text) : QString());
            }
        }
        if (row.items.empty()) {
            for (std::string_view name : ConstantsMenuOrder()) {
                if (QAction* action = FindAction(Text(name))) {
                    AddMenuItem(menu, action);
                    // A formula's molar mass goes with the atomic weights it sums.
                    if (action == act_.AtmWtAction) AddMenuItem(menu, act_.MolarMassAction);
                }
            }
        }
    }
    FitMenuBarFont();
}

void TMainForm::FitMenuBarFont() {
    // The window's width follows its scale, so the titles' font does too: in pixels, the largest
    // size up to the scaled kMenuFontPixels at which all nine titles fit (a title that does not
    // fit would hide behind the overflow arrow).
    QMenuBar* bar = menuBar();
    QFont font = bar->font();
    for (int pixels = Px(kMenuFontPixels); pixels >= kMinMenuFontPixels; --pixels) {
        font.setPixelSize(pixels);
        bar->setFont(font);
        if (bar->sizeHint().width() <= Px(kClientWidth)) break;
    }
}

// ---- Handlers ----

void TMainForm::LastCmdActionExecute() {
    CmdEditModel model = EditModel();
    calculator_.RunLastCommandAction(model);
    ApplyEditModel(model, false);
    hint_line_->LineRecalled();
}

void TMainForm::CmdAction(QAction* sender) {
    CmdEditModel model = EditModel();
    ui_.CmdEdit->setFocus(Qt::OtherFocusReason);
    calculator_.RunCommandAction(sender->property(kCommandProperty).toString().toStdString(), model,
                                 outcome_);
    RememberCommandLine(calculator_.LastCommand());
    RenderOutcome(outcome_);
    ApplyEditModel(model, true);
    ScrollResultsToEnd();
}

void TMainForm::MouseToolsActionExecute() {
    ui_.ToolsPanel->setVisible(ui_.ToolsPanel->isHidden());
    act_.MouseToolsAction->setChecked(!act_.MouseToolsAction->isChecked());
    RestackBottomPanels();
}

void TMainForm::ExitActionExecute() { close(); }

void TMainForm::ConstantExecute(QAction* sender) {
    const int tag = sender->property(kTagProperty).toInt();
    if (tag >= 0 && tag < static_cast<int>(lists_.ConstantValues.size())) {
        InsertAtCaret(QString::fromStdString(lists_.ConstantValues[static_cast<std::size_t>(tag)]));
    }
}

void TMainForm::PiActionExecute() { InsertAtCaret(Text(PiActionInfo().inserted_text)); }

void TMainForm::AtmWtActionExecute() {
    if (const std::optional<QString> value = RunDialog(dialogs_.mol_wt)) InsertAtCaret(*value);
}

void TMainForm::InsertAtmWtActionExecute() {
    const int tag = act_.InsertAtmWtAction->property(kTagProperty).toInt();
    if (tag >= 0 && tag < static_cast<int>(lists_.AtomicWeights.size())) {
        InsertAtCaret(QString::fromStdString(lists_.AtomicWeights[static_cast<std::size_t>(tag)]));
    }
}

void TMainForm::ConversionActionExecute() {
    if (const std::optional<QString> value = RunDialog(dialogs_.conv)) InsertAtCaret(*value);
}

void TMainForm::MolarMassActionExecute() {
    if (const std::optional<QString> value = RunDialog(dialogs_.molar_mass)) InsertAtCaret(*value);
}

void TMainForm::ReactionActionExecute() {
    if (const std::optional<QString> value = RunDialog(dialogs_.reaction)) InsertAtCaret(*value);
}

void TMainForm::SolutionActionExecute() {
    if (const std::optional<QString> value = RunDialog(dialogs_.solution)) InsertAtCaret(*value);
}

void TMainForm::SetPrecisionActionExecute() {
    if (dialogs_.precision != nullptr) {
        dialogs_.precision->Run();
    }
}

void TMainForm::BkgrdColorExecute() {
    if (dialogs_.bkgrd == nullptr) {
        return;
    }
    TColor cmd_color = cmd_bkgrd_color_;
    TColor results_color = results_bkgrd_color_;
    if (dialogs_.bkgrd->Run(cmd_color, results_color)) {
        SetCmdBkgrdColor(cmd_color);
        SetResultsBkgrdColor(results_color);
    }
}

void TMainForm::SaveAsExecute() { SaveResultsWithDialog(this, *ui_.ResultsMemo); }

void TMainForm::PrintActionExecute() { PrintResultsWithDialog(this, *ui_.ResultsMemo, Printer()); }

void TMainForm::PrintSetupActionExecute() { PrinterSetupWithDialog(this, Printer()); }

void TMainForm::UndoActionExecute() {
    if (ui_.ResultsMemo->hasFocus()) {
        ui_.ResultsMemo->undo();
    } else if (ui_.CmdEdit->hasFocus()) {
        ui_.CmdEdit->undo();
    }
}

void TMainForm::CopyActionExecute() {
    if (ui_.ResultsMemo->hasFocus()) {
        ui_.ResultsMemo->copy();
    } else if (ui_.CmdEdit->hasFocus()) {
        ui_.CmdEdit->copy();
    }
}

void TMainForm::CutActionExecute() {
    if (ui_.ResultsMemo->hasFocus()) {
        ui_.ResultsMemo->cut();
    } else if (ui_.CmdEdit->hasFocus()) {
        ui_.CmdEdit->cut();
    }
}

void TMainForm::PastActionExecute() {
    if (ui_.ResultsMemo->hasFocus()) {
        ui_.ResultsMemo->paste();
    } else if (ui_.CmdEdit->hasFocus()) {
        PasteIntoCmdEdit(QGuiApplication::clipboard()->text());
    }
}

void TMainForm::ClearActionExecute() { ui_.ResultsMemo->clear(); }

void TMainForm::WordwrapActionExecute() {
    const bool wrapping = ui_.ResultsMemo->lineWrapMode() != QPlainTextEdit::NoWrap;
    ui_.ResultsMemo->setLineWrapMode(wrapping ? QPlainTextEdit::NoWrap
                                              : QPlainTextEdit::WidgetWidth);
    act_.WordwrapAction->setChecked(!act_.WordwrapAction->isChecked());
}

void TMainForm::FontActionExecute() {
    const ResultsFontChoice current{ui_.ResultsMemo->font(), results_font_color_};
    if (const std::optional<ResultsFontChoice> chosen = ChooseResultsFont(this, current)) {
        ui_.ResultsMemo->setFont(chosen->font);
        SetResultsFontColor(chosen->color);
    }
}

void TMainForm::ContentsActionExecute() { ShowHelp(this); }

void TMainForm::AboutActionExecute() {
    if (dialogs_.about != nullptr) {
        dialogs_.about->exec();
    }
}

}  // namespace brisalto
