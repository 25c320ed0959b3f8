// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// TMainForm, the calculator's main window: results window, mode line, command line and mouse pad
// under the full menu bar. It wires widgets and actions to the command core and computes nothing.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/mouse_pad.h"
#include "command/calculator.h"
#include "command/cmd_edit_model.h"
#include "command/history_file.h"
#include "command/history_navigator.h"
#include "command/line_outcome.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QToolButton;

namespace brisalto {

class CompletionPopup;
class HintLine;
class ResultsRecall;
class TAboutForm;
class TBkgrdForm;
class TConvForm;
class TMolWtForm;
class TMolarMassForm;
class TReactionForm;
class TSolutionForm;
class TPrecisionForm;

inline constexpr char kMainFormCaption[] = "Brisalto Calculator v 1.0.0";
inline constexpr int kClientWidth = 469;
inline constexpr int kClientHeight = 515;
inline constexpr int kModPanelHeight = 21;
inline constexpr int kCmdPanelHeight = 41;
// Qt's single-line field lays out its whole text at every change: a line of megabytes would hold
// the window for seconds, so a longer line is not placed in the command line.
inline constexpr qsizetype kLongestEditableLine = qsizetype{1} << 20;
// The menu bar's font size in pixels, and the smallest it may be made to fit the window.
inline constexpr int kMenuFontPixels = 13;
inline constexpr int kMinMenuFontPixels = 8;

// The dialogs the main window opens; created after it, in start-up order.
struct DialogForms {
    TBkgrdForm* bkgrd = nullptr;
    TPrecisionForm* precision = nullptr;
    TMolWtForm* mol_wt = nullptr;
    TConvForm* conv = nullptr;
    TAboutForm* about = nullptr;
    TMolarMassForm* molar_mass = nullptr;
    TReactionForm* reaction = nullptr;
    TSolutionForm* solution = nullptr;
};

class TMainForm : public QMainWindow {
    Q_OBJECT

  public:
    // Runs FormCreate: banner, start modes, text lists and the settings file.
    explicit TMainForm(QWidget* parent = nullptr);
    // FormDestroy: writes the settings file (once, whichever way the program ends).
    ~TMainForm() override;

    void SetDialogs(const DialogForms& dialogs) { dialogs_ = dialogs; }

    // The window's calculator: its variables, modes, precision and LastCommand.
    Calculator& calculator() { return calculator_; }
    const Calculator& calculator() const { return calculator_; }

    // What a processed line did, shown: standard output, the results lines, the mode line, then
    // the shell action it asked for.
    void RenderOutcome(const LineOutcome& outcome);
    // The mode line's captions, and with check_marks the mode actions, from the calculator.
    void ShowModeIndicators(bool check_marks);

    // The results window, as lines (UTF-8). While a paste runs its lines, appended lines
    // gather and reach the window in one append when it ends (or before an action that reads
    // the window): one append per line would lay out and scroll the window every time.
    void AppendLine(const std::string& line);
    void ClearLines();
    int LineCount() const;

    // Writes the settings file unless it has been written already in this run.
    void WriteSettingsFile();

    // Command line.
    void InsertAtCaret(const QString& text);
    void GoBtnClick();
    // A paste into CmdEdit: each complete line runs as if typed and entered, the rest stays.
    void PasteIntoCmdEdit(const QString& text);
    void ApplicationEvents1Idle();

    // Every action of the window, in creation order, and the one named so.
    const std::vector<QAction*>& Actions() const { return actions_; }
    QAction* FindAction(const QString& object_name) const;

    // The colours as the settings file keeps them (system colours stay system colours).
    std::int32_t CmdBkgrdColor() const { return cmd_bkgrd_color_; }
    std::int32_t ResultsBkgrdColor() const { return results_bkgrd_color_; }
    std::int32_t ResultsFontColor() const { return results_font_color_; }
    void SetCmdBkgrdColor(std::int32_t color);
    void SetResultsBkgrdColor(std::int32_t color);
    void SetResultsFontColor(std::int32_t color);

  signals:
    void settingsWritten();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The controls, each also found by its object name (the member's name).
    struct Widgets {
        QWidget* MasterPanel = nullptr;
        QWidget* MainPanel = nullptr;
        QWidget* ResultsPanel = nullptr;
        QPlainTextEdit* ResultsMemo = nullptr;
        QWidget* ModPanel = nullptr;
        QLabel* ModeCaptionLabel = nullptr;  // "Mode:", named Label1
        QLabel* ModeLabel = nullptr;
        QLabel* SciLabel = nullptr;
        QWidget* CmdPanel = nullptr;
        QLineEdit* CmdEdit = nullptr;
        QWidget* Panel4 = nullptr;
        QToolButton* GoBtn = nullptr;
        QPushButton* Button1 = nullptr;
        MousePad* ToolsPanel = nullptr;
    };

    struct ActionSet {
        QAction* LastCmdAction = nullptr;
        QAction* AboutAction = nullptr;
        QAction* SaveAs = nullptr;
        QAction* PrintSetupAction = nullptr;
        QAction* PrintAction = nullptr;
        QAction* ExitAction = nullptr;
        QAction* FontAction = nullptr;
        QAction* CopyAction = nullptr;
        QAction* CutAction = nullptr;
        QAction* PastAction = nullptr;
        QAction* ContentsAction = nullptr;
        QAction* ClearAction = nullptr;
        QAction* WordwrapAction = nullptr;
        QAction* UndoAction = nullptr;
        QAction* MouseToolsAction = nullptr;
        QAction* VarShowValAction = nullptr;
        QAction* ClearAllVarAction = nullptr;
        QAction* clsAction = nullptr;
        QAction* cycAction = nullptr;
        QAction* degAction = nullptr;
        QAction* fixAction = nullptr;
        QAction* grdAction = nullptr;
        QAction* modAction = nullptr;
        QAction* radAction = nullptr;
        QAction* sciAction = nullptr;
        QAction* autoAction = nullptr;
        QAction* BkgrdColor = nullptr;
        QAction* SetPrecisionAction = nullptr;
        QAction* InsertAtmWtAction = nullptr;
        QAction* ConversionAction = nullptr;
        QAction* AtmWtAction = nullptr;
        QAction* PiAction = nullptr;
        QAction* MolarMassAction = nullptr;
        QAction* ReactionAction = nullptr;
        QAction* SolutionAction = nullptr;
        std::vector<QAction*> ConstantActions;  // index = Tag into ConstantValues
    };

    // The text lists indexed by Tag, filled in FormCreate.
    struct TextLists {
        std::vector<std::string> ConstantValues;
        std::vector<std::string> AtomicWeights;
    };

    // A length of the design, in pixels of the window as drawn.
    int Px(int design_pixels) const { return qRound(design_pixels * scale_); }
    // The hint line's font, in design pixels: it keeps within the room the scale leaves it.
    static constexpr int kHintFontPixels = 12;

    void BuildControls();
    // Completion, the hint line and earlier lines at a click (main_form_typing.cpp).
    void BuildTypingHelp();
    void MoveToResults();
    void BuildActions();
    void BuildMenus();
    void FitMenuBarFont();
    void ConnectPad();
    void FormCreate();
    void FormShow();
    void ApplySettings();
    void RestackBottomPanels();
    void ScrollResultsToEnd();

    // Standard output and the mode line.
    void WriteStandardOutput(const std::string& text);
    void SetModeCaption(const std::string& caption);
    // The mode line's labels at their designed places, moved right as far as a longer
    // (translated) caption before them needs.
    void PlaceModeLabels();
    void SetFormatCaption(const std::string& caption);
    void CheckAngleAction(AngleMode mode);
    void CheckFormatAction(FormatKind kind);
    void RunAboutAction();
    void RunHelpAction();
    void RunPrintAction();
    void RunSaveAction();
    // "exit": ends the program with status 0 (settings written by the destructor).
    void ExitProgram();

    void Button1Click();
    void CmdEditKeyPress(QChar key);

    // Action handlers.
    void LastCmdActionExecute();
    void CmdAction(QAction* sender);
    void MouseToolsActionExecute();
    void ExitActionExecute();
    void ConstantExecute(QAction* sender);
    void PiActionExecute();
    void AtmWtActionExecute();
    void InsertAtmWtActionExecute();
    void ConversionActionExecute();
    void MolarMassActionExecute();
    void ReactionActionExecute();
    void SolutionActionExecute();
    void SetPrecisionActionExecute();
    void BkgrdColorExecute();
    void SaveAsExecute();
    void PrintActionExecute();
    void PrintSetupActionExecute();
    void UndoActionExecute();
    void CopyActionExecute();
    void CutActionExecute();
    void PastActionExecute();
    void ClearActionExecute();
    void WordwrapActionExecute();
    void FontActionExecute();
    void ContentsActionExecute();
    void AboutActionExecute();

    QAction* MakeAction(const char* name, const char* category, const QString& caption,
                        const QKeySequence& shortcut);
    void AddMenuItem(QMenu* menu, QAction* action, const QString& item_text = QString());

    // CmdEdit <-> CmdEditModel around one core operation.
    CmdEditModel EditModel() const;
    void ApplyEditModel(const CmdEditModel& model, bool focus);
    bool IsActionShortcut(const QKeyEvent& key) const;
    // The command history shared with brisalto-calc: loaded at start, each line run kept.
    void LoadHistory();
    void RememberCommandLine(const std::string& line);
    void CmdEditHistoryKey(bool back);
    void ReportHistoryProblem();
    void ShowHistoryProblem(const std::string& problem);
    QPrinter& Printer();
    void FlushGatheredLines();
    // One line through the calculator into the window and the history; model ends cleared.
    void RunCommandLine(CmdEditModel& model);
    // The end of a paste: its lines into the window and its command lines into the history file.
    // False when memory ran out on the way (what was gathered is dropped).
    bool EndGathering() noexcept;

    Widgets ui_;
    ActionSet act_;
    TextLists lists_;
    Calculator calculator_;
    LineOutcome outcome_;  // reused from line to line
    HistoryFile history_file_{HistoryFilePath()};
    HistoryNavigator history_;
    DialogForms dialogs_;
    std::vector<QAction*> actions_;
    std::unique_ptr<QPrinter> printer_;
    CompletionPopup* completion_ = nullptr;
    HintLine* hint_line_ = nullptr;
    ResultsRecall* recall_ = nullptr;
    std::int32_t cmd_bkgrd_color_ = 0;
    std::int32_t results_bkgrd_color_ = 0;
    std::int32_t results_font_color_ = 0;
    bool shown_once_ = false;
    double scale_ = 1.0;  // see DesignScale
    bool settings_written_ = false;
    // The lines of a running paste not yet in the window, joined by line breaks.
    bool gathering_lines_ = false;
    std::string gathered_lines_;
    std::vector<std::string> gathered_history_;
    bool settings_found_ = false;
    bool clipboard_has_text_ = false;
    bool exit_requested_ = false;
};

}  // namespace brisalto
