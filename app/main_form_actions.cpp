// TMainForm's action list, its menu bar and the handlers of the actions.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "app/about_form.h"
#include "app/bkgrd_form.h"
#include "app/error_report.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "app/precision_form.h"
#include "app/results_window_ops.h"
#include "command/command_processor.h"
#include "tools/constants_table.h"
#include "tools/gui/conv_form.h"
#include "tools/gui/mol_wt_form.h"
#include "tools/gui/molar_mass_form.h"

namespace brisalto {
namespace {

constexpr char kTagProperty[] = "Tag";
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

void TMainForm::OnTriggered(QAction* action, void (TMainForm::*handler)()) {
    connect(action, &QAction::triggered, this, [this, action, handler] {
        // Choosing an item does not toggle its check mark by itself; the handlers set it.
        if (action->isCheckable()) {
            action->setChecked(!action->isChecked());
        }
        RunGuardedHandler([this, handler] { (this->*handler)(); });
    });
}

void TMainForm::BuildActions() {
    const QKeySequence none;
    LastCmdAction = MakeAction("LastCmdAction", kViewCategory, Text("Last Commad"), Qt::Key_F3);
    OnTriggered(LastCmdAction, &TMainForm::LastCmdActionExecute);
    AboutAction = MakeAction("AboutAction", kNoCategory, Text("About... (about)"), none);
    OnTriggered(AboutAction, &TMainForm::AboutActionExecute);
    SaveAs =
        MakeAction("SaveAs", kNoCategory, Text("Save Result as... (save)"), Qt::CTRL | Qt::Key_S);
    OnTriggered(SaveAs, &TMainForm::SaveAsExecute);
    PrintSetupAction = MakeAction("PrintSetupAction", kNoCategory, Text("PrintSetup..."), none);
    OnTriggered(PrintSetupAction, &TMainForm::PrintSetupActionExecute);
    PrintAction =
        MakeAction("PrintAction", kNoCategory, Text("Print... (print)"), Qt::CTRL | Qt::Key_P);
    OnTriggered(PrintAction, &TMainForm::PrintActionExecute);
    ExitAction = MakeAction("ExitAction", kNoCategory, Text("Exit (exit)"), Qt::CTRL | Qt::Key_Q);
    OnTriggered(ExitAction, &TMainForm::ExitActionExecute);
    FontAction = MakeAction("FontAction", kNoCategory, Text("Results window Font..."), none);
    OnTriggered(FontAction, &TMainForm::FontActionExecute);
    CopyAction = MakeAction("CopyAction", kEditCategory, Text("Copy"), Qt::CTRL | Qt::Key_C);
    OnTriggered(CopyAction, &TMainForm::CopyActionExecute);
    CutAction = MakeAction("CutAction", kEditCategory, Text("Cut"), Qt::CTRL | Qt::Key_X);
    OnTriggered(CutAction, &TMainForm::CutActionExecute);
    PastAction = MakeAction("PastAction", kEditCategory, Text("Past"), Qt::CTRL | Qt::Key_V);
    OnTriggered(PastAction, &TMainForm::PastActionExecute);
    ContentsAction =
        MakeAction("ContentsAction", kNoCategory, Text("Contents... (help)"), Qt::Key_F1);
    OnTriggered(ContentsAction, &TMainForm::ContentsActionExecute);
    ClearAction = MakeAction("ClearAction", kEditCategory, Text("Clear Results"), none);
    OnTriggered(ClearAction, &TMainForm::ClearActionExecute);
    WordwrapAction = MakeAction("WordwrapAction", kEditCategory, Text("Word Wrap"), none);
    WordwrapAction->setCheckable(true);
    WordwrapAction->setChecked(true);
    OnTriggered(WordwrapAction, &TMainForm::WordwrapActionExecute);
    UndoAction = MakeAction("UndoAction", kEditCategory, Text("Undo"), Qt::CTRL | Qt::Key_Z);
    OnTriggered(UndoAction, &TMainForm::UndoActionExecute);
    MouseToolsAction =
        MakeAction("MouseToolsAction", kViewCategory, Text("Mouse Tools"), Qt::Key_F4);
    MouseToolsAction->setCheckable(true);
    OnTriggered(MouseToolsAction, &TMainForm::MouseToolsActionExecute);

    // The command actions; each Tag indexes CommandWords.
    struct CommandActionInfo {
        QAction** slot;
        const char* name;
        const char* category;
        const char* caption;
        int tag;
        bool checkable;
    };
    const CommandActionInfo command_actions[] = {
        {&VarShowValAction, "VarShowValAction", kVariablesCategory, "Show values (var)", 0, false},
        {&ClearAllVarAction, "ClearAllVarAction", kVariablesCategory, "Clear all variables (clear)",
         1, false},
        {&clsAction, "clsAction", kEditCategory, "cls", 2, false},
        {&cycAction, "cycAction", kModeCategory, "cyc", 3, true},
        {&degAction, "degAction", kModeCategory, "deg", 4, true},
        {&fixAction, "fixAction", kModeCategory, "fix", 5, true},
        {&grdAction, "grdAction", kModeCategory, "grd", 6, true},
        {&modAction, "modAction", kModeCategory, "mod", 7, false},
        {&radAction, "radAction", kModeCategory, "rad", 8, true},
        {&sciAction, "sciAction", kModeCategory, "sci", 9, true},
        {&autoAction, "autoAction", kModeCategory, "autoAction", 10, true},
    };
    for (const CommandActionInfo& info : command_actions) {
        QAction* action = MakeAction(info.name, info.category, Text(info.caption), none);
        action->setProperty(kTagProperty, info.tag);
        action->setCheckable(info.checkable);
        connect(action, &QAction::triggered, this, [this, action] {
            if (action->isCheckable()) {
                action->setChecked(!action->isChecked());
            }
            RunGuardedHandler([this, action] { CmdAction(action); });
        });
        *info.slot = action;
    }
    // The designed check marks agree with the designed mode line, "Degrees" and "Automatic".
    degAction->setChecked(true);
    autoAction->setChecked(true);

    BkgrdColor = MakeAction("BkgrdColor", kFormatCategory, Text("Background Colors..."), none);
    OnTriggered(BkgrdColor, &TMainForm::BkgrdColorExecute);
    SetPrecisionAction =
        MakeAction("SetPrecisionAction", kFormatCategory, Text("Precision..."), none);
    OnTriggered(SetPrecisionAction, &TMainForm::SetPrecisionActionExecute);
    const char* constants_category = kConstantsCategory.data();
    InsertAtmWtAction =
        MakeAction("InsertAtmWtAction", constants_category, Text("InsertAtmWtAction"), none);
    connect(InsertAtmWtAction, &QAction::triggered, this, [this] {
        RunGuardedHandler([this] {
            InsertAtmWtActionExecute(InsertAtmWtAction->property(kTagProperty).toInt());
        });
    });
    ConversionAction =
        MakeAction("ConversionAction", kToolsCategory, Text("Units Conversions..."), Qt::Key_F5);
    OnTriggered(ConversionAction, &TMainForm::ConversionActionExecute);

    // The constants, in Tag order, then Pi and the periodic table.
    const auto make_constant = [&](const ConstantAction& info) {
        const std::string name(info.name);
        QAction* action =
            MakeAction(name.c_str(), constants_category, Text(info.caption),
                       QKeySequence::fromString(Text(info.shortcut), QKeySequence::PortableText));
        action->setProperty(kTagProperty, info.tag);
        return action;
    };
    for (const ConstantAction& info : PhysicalConstants()) {
        QAction* action = make_constant(info);
        connect(action, &QAction::triggered, this,
                [this, action] { RunGuardedHandler([this, action] { ConstantExecute(action); }); });
        ConstantActions.push_back(action);
    }
    PiAction = make_constant(PiActionInfo());
    OnTriggered(PiAction, &TMainForm::PiActionExecute);
    AtmWtAction = make_constant(AtmWtActionInfo());
    OnTriggered(AtmWtAction, &TMainForm::AtmWtActionExecute);
    MolarMassAction = MakeAction("MolarMassAction", constants_category, Text("Molar Mass..."),
                                 Qt::CTRL | Qt::Key_M);
    OnTriggered(MolarMassAction, &TMainForm::MolarMassActionExecute);
}

void TMainForm::AddMenuItem(QMenu* menu, QAction* action, const QString& item_text) {
    // An item with a text of its own shows that text instead of the action's caption.
    if (!item_text.isEmpty()) {
        action->setText(item_text);
    }
    menu->addAction(action);
}

void TMainForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(Text("&File"));
    AddMenuItem(file, SaveAs);
    file->addSeparator();
    AddMenuItem(file, PrintAction);
    AddMenuItem(file, PrintSetupAction);
    file->addSeparator();
    AddMenuItem(file, ExitAction);

    QMenu* edit = bar->addMenu(Text("Edit"));
    AddMenuItem(edit, UndoAction);
    edit->addSeparator();
    AddMenuItem(edit, CopyAction);
    AddMenuItem(edit, CutAction);
    AddMenuItem(edit, PastAction);
    AddMenuItem(edit, ClearAction, Text("Clear results window (cls)"));

    QMenu* view = bar->addMenu(Text("View"));
    AddMenuItem(view, LastCmdAction);
    AddMenuItem(view, MouseToolsAction);

    QMenu* format = bar->addMenu(Text("Format"));
    AddMenuItem(format, FontAction);
    AddMenuItem(format, WordwrapAction);
    AddMenuItem(format, BkgrdColor);
    format->addSeparator();
    AddMenuItem(format, autoAction, Text("Automatic format (auto)"));
    AddMenuItem(format, sciAction, Text("Scientific format (sci)"));
    AddMenuItem(format, fixAction, Text("Fixed format (fix)"));
    format->addSeparator();
    AddMenuItem(format, SetPrecisionAction);

    QMenu* mode = bar->addMenu(Text("Mode"));
    AddMenuItem(mode, modAction, Text("Current mode (mod)"));
    mode->addSeparator();
    AddMenuItem(mode, degAction, Text("Degrees mode (deg)"));
    AddMenuItem(mode, radAction, Text("Radian mode (rad)"));
    AddMenuItem(mode, grdAction, Text("Grads mode (grd)"));
    AddMenuItem(mode, cycAction, Text("Cycle mode (cyc)"));

    QMenu* variables = bar->addMenu(Text("Variables"));
    AddMenuItem(variables, VarShowValAction);
    AddMenuItem(variables, ClearAllVarAction);

    QMenu* constants = bar->addMenu(Text("Constants"));
    for (std::string_view name : ConstantsMenuOrder()) {
        if (QAction* action = FindAction(Text(name))) {
            AddMenuItem(constants, action);
            // A formula's molar mass goes with the atomic weights it sums.
            if (action == AtmWtAction) AddMenuItem(constants, MolarMassAction);
        }
    }

    QMenu* tools = bar->addMenu(Text("Tools"));
    AddMenuItem(tools, ConversionAction);

    QMenu* help = bar->addMenu(Text("Help"));
    AddMenuItem(help, ContentsAction);
    AddMenuItem(help, AboutAction);

    FitMenuBarFont();
}

void TMainForm::FitMenuBarFont() {
    // The window's width is fixed, so the titles' font is too: in pixels, whatever the desktop's
    // font size or scale, the largest size up to kMenuFontPixels at which all nine titles fit
    // (a title that does not fit would hide behind the overflow arrow).
    QMenuBar* bar = menuBar();
    QFont font = bar->font();
    for (int pixels = kMenuFontPixels; pixels >= kMinMenuFontPixels; --pixels) {
        font.setPixelSize(pixels);
        bar->setFont(font);
        if (bar->sizeHint().width() <= kClientWidth) break;
    }
}

// ---- Handlers ----

void TMainForm::LastCmdActionExecute() {
    CmdEditModel model = EditModel();
    calculator_.RunLastCommandAction(model);
    ApplyEditModel(model, false);
}

void TMainForm::CmdAction(QAction* sender) {
    CmdEditModel model = EditModel();
    CmdEdit->setFocus(Qt::OtherFocusReason);
    calculator_.RunCommandAction(sender->property(kTagProperty).toInt(), model, outcome_);
    RememberCommandLine(calculator_.LastCommand());
    RenderOutcome(outcome_);
    ApplyEditModel(model, true);
    ScrollResultsToEnd();
}

void TMainForm::MouseToolsActionExecute() {
    ToolsPanel->setVisible(ToolsPanel->isHidden());
    MouseToolsAction->setChecked(!MouseToolsAction->isChecked());
    RestackBottomPanels();
}

void TMainForm::ExitActionExecute() { close(); }

void TMainForm::ConstantExecute(QAction* sender) {
    const int tag = sender->property(kTagProperty).toInt();
    if (tag >= 0 && tag < static_cast<int>(ConstantValues.size())) {
        InsertAtCaret(QString::fromStdString(ConstantValues[static_cast<std::size_t>(tag)]));
    }
}

void TMainForm::PiActionExecute() { InsertAtCaret(Text(PiActionInfo().inserted_text)); }

void TMainForm::AtmWtActionExecute() {
    if (dialogs_.mol_wt == nullptr) {
        return;
    }
    if (const std::optional<QString> weight = dialogs_.mol_wt->Run()) {
        InsertAtCaret(*weight);
    }
}

void TMainForm::InsertAtmWtActionExecute(int tag) {
    if (tag >= 0 && tag < static_cast<int>(AtomicWeights.size())) {
        InsertAtCaret(QString::fromStdString(AtomicWeights[static_cast<std::size_t>(tag)]));
    }
}

void TMainForm::ConversionActionExecute() {
    if (dialogs_.conv == nullptr) {
        return;
    }
    if (const std::optional<QString> converted = dialogs_.conv->Run()) {
        InsertAtCaret(*converted);
    }
}

void TMainForm::MolarMassActionExecute() {
    if (dialogs_.molar_mass == nullptr) {
        return;
    }
    if (const std::optional<QString> molar_mass = dialogs_.molar_mass->Run()) {
        InsertAtCaret(*molar_mass);
    }
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

void TMainForm::SaveAsExecute() { SaveResultsWithDialog(this, *ResultsMemo); }

void TMainForm::PrintActionExecute() { PrintResultsWithDialog(this, *ResultsMemo, Printer()); }

void TMainForm::PrintSetupActionExecute() { PrinterSetupWithDialog(this, Printer()); }

void TMainForm::UndoActionExecute() {
    if (ResultsMemo->hasFocus()) {
        ResultsMemo->undo();
    } else if (CmdEdit->hasFocus()) {
        CmdEdit->undo();
    }
}

void TMainForm::CopyActionExecute() {
    if (ResultsMemo->hasFocus()) {
        ResultsMemo->copy();
    } else if (CmdEdit->hasFocus()) {
        CmdEdit->copy();
    }
}

void TMainForm::CutActionExecute() {
    if (ResultsMemo->hasFocus()) {
        ResultsMemo->cut();
    } else if (CmdEdit->hasFocus()) {
        CmdEdit->cut();
    }
}

void TMainForm::PastActionExecute() {
    if (ResultsMemo->hasFocus()) {
        ResultsMemo->paste();
    } else if (CmdEdit->hasFocus()) {
        PasteIntoCmdEdit(QGuiApplication::clipboard()->text());
    }
}

void TMainForm::ClearActionExecute() { ResultsMemo->clear(); }

void TMainForm::WordwrapActionExecute() {
    const bool wrapping = ResultsMemo->lineWrapMode() != QPlainTextEdit::NoWrap;
    ResultsMemo->setLineWrapMode(wrapping ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    WordwrapAction->setChecked(!WordwrapAction->isChecked());
}

void TMainForm::FontActionExecute() {
    const ResultsFontChoice current{ResultsMemo->font(), results_font_color_};
    if (const std::optional<ResultsFontChoice> chosen = ChooseResultsFont(this, current)) {
        ResultsMemo->setFont(chosen->font);
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
