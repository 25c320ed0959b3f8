#include "app/main_form.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>
#include <limits>

#include "app/assets_resource.h"
#include "app/color_value.h"
#include "app/error_report.h"
#include "app/settings_file.h"
#include "app/window_placement.h"
#include "command/calculator_start.h"
#include "command/cmd_edit_model.h"
#include "command/result_format.h"
#include "tools/constants_table.h"
#include "tools/element_table.h"

namespace brisalto {

TMainForm* MainForm = nullptr;

namespace {

const QColor kMediumGrey(160, 160, 164);
constexpr char kModeCaptionText[] = "Mode:";
constexpr char kDesignedModeText[] = "Degrees";
constexpr char kDesignedFormatText[] = "Automatic";
constexpr char kGoText[] = "Go";
constexpr char kResultsFontName[] = "Arial Rounded MT Bold";
constexpr char kLabelFontName[] = "Arial";
constexpr int kResultsFontPixels = 19;
constexpr int kModeFontPixels = 16;
constexpr int kCmdFontPixels = 21;
constexpr int kToolsFontPixels = 13;
constexpr int kDesignedLeft = 394;
constexpr int kDesignedTop = 114;
constexpr TColor kDesignedCmdColor = RgbColor(0xFF, 0xFF, 0xFF);
constexpr TColor kDesignedResultsColor = SystemColor(5);      // window background
constexpr TColor kDesignedResultsFontColor = SystemColor(8);  // window text

// The command line: receiving the focus keeps the caret and never selects the whole text, and
// every paste (keys, context menu, middle button) goes to on_paste, which runs pasted lines.
class CommandLineEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

    std::function<void(const QString& text)> on_paste;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        const int caret = cursorPosition();
        const bool had_selection = hasSelectedText();
        QLineEdit::focusInEvent(event);
        if (!had_selection && hasSelectedText()) {
            setCursorPosition(caret);
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event == QKeySequence::Paste && Paste(QClipboard::Clipboard)) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection()) {
            deselect();
            if (Paste(QClipboard::Selection)) {
                event->accept();
                return;
            }
        }
        QLineEdit::mouseReleaseEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        const std::unique_ptr<QMenu> menu(createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String("edit-paste")) {
                action->disconnect();
                connect(action, &QAction::triggered, this,
                        [this] { Paste(QClipboard::Clipboard); });
            }
        }
        menu->exec(event->globalPos());
    }

  private:
    bool Paste(QClipboard::Mode mode) {
        if (!on_paste || isReadOnly()) return false;
        on_paste(QGuiApplication::clipboard()->text(mode));
        return true;
    }
};

QFont PixelFont(const char* family, int pixels, bool bold = false, bool italic = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The four faces of GoBtn: up, hovered, pressed and disabled.
QIcon GoButtonIcon(QSize size) {
    QIcon icon;
    struct Face {
        QIcon::Mode mode;
        QIcon::State state;
        QColor fill;
        QColor text;
    };
    const Face faces[] = {
        {QIcon::Normal, QIcon::Off, QColor(0, 128, 0), Qt::white},
        {QIcon::Active, QIcon::Off, QColor(0, 160, 0), Qt::white},
        {QIcon::Selected, QIcon::Off, QColor(0, 96, 0), QColor(220, 220, 220)},
        {QIcon::Disabled, QIcon::Off, QColor(128, 128, 128), QColor(192, 192, 192)},
    };
    for (const Face& face : faces) {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(face.fill);
        painter.setPen(QPen(face.fill.darker(150), 1));
        painter.drawRoundedRect(QRectF(1.5, 1.5, size.width() - 3, size.height() - 3), 6, 6);
        painter.setPen(face.text);
        painter.setFont(PixelFont(kLabelFontName, 16, true));
        painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromLatin1(kGoText));
        painter.end();
        icon.addPixmap(pixmap, face.mode, face.state);
    }
    return icon;
}

QStringList ToStringList(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) {
        list.append(QString::fromStdString(text));
    }
    return list;
}

void SetBaseColor(QWidget* widget, TColor color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    widget->setPalette(palette);
}

// Programmatic output is not an edit the user can undo.
class UndoSuspended {
  public:
    explicit UndoSuspended(QTextDocument* document) : document_(document) {
        document_->setUndoRedoEnabled(false);
    }
    ~UndoSuspended() { document_->setUndoRedoEnabled(true); }
    UndoSuspended(const UndoSuspended&) = delete;
    UndoSuspended& operator=(const UndoSuspended&) = delete;

  private:
    QTextDocument* document_;
};

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint) {
    MainForm = this;
    InitAssets();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(kMainFormCaption));
    BuildControls();
    BuildActions();
    BuildMenus();
    ConnectPad();
    FormCreate();

    QClipboard* clipboard = QGuiApplication::clipboard();
    connect(clipboard, &QClipboard::dataChanged, this, [this] {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        clipboard_has_text_ = data != nullptr && data->hasText();
    });
    const QMimeData* data = clipboard->mimeData();
    clipboard_has_text_ = data != nullptr && data->hasText();
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TMainForm::ApplicationEvents1Idle);
    }
}

TMainForm::~TMainForm() {
    WriteSettingsFile();
    if (MainForm == this) {
        MainForm = nullptr;
    }
}

void TMainForm::BuildControls() {
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kMediumGrey);

    MasterPanel = new QWidget(this);
    MasterPanel->setObjectName(QStringLiteral("MasterPanel"));
    MasterPanel->setFixedSize(kClientWidth, kClientHeight);
    MasterPanel->setPalette(grey);
    MasterPanel->setAutoFillBackground(true);
    setCentralWidget(MasterPanel);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    MainPanel = new QWidget(MasterPanel);
    MainPanel->setObjectName(QStringLiteral("MainPanel"));
    MainPanel->setAutoFillBackground(true);
    auto* master_layout = new QVBoxLayout(MasterPanel);
    master_layout->setContentsMargins(0, 0, 0, 0);
    master_layout->addWidget(MainPanel);
    MainPanel->hide();

    ResultsPanel = new QWidget(MainPanel);
    ResultsPanel->setObjectName(QStringLiteral("ResultsPanel"));
    ResultsMemo = new QPlainTextEdit(ResultsPanel);
    ResultsMemo->setObjectName(QStringLiteral("ResultsMemo"));
    ResultsMemo->setFont(PixelFont(kResultsFontName, kResultsFontPixels));
    ResultsMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ResultsMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ResultsMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ResultsMemo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Tab leaves the results window, so that a keyboard user is never trapped in it.
    ResultsMemo->setTabChangesFocus(true);
    auto* results_layout = new QVBoxLayout(ResultsPanel);
    results_layout->setContentsMargins(0, 0, 0, 0);
    results_layout->addWidget(ResultsMemo);

    ModPanel = new QWidget(MainPanel);
    ModPanel->setObjectName(QStringLiteral("ModPanel"));
    ModPanel->setFixedHeight(kModPanelHeight);
    const QFont mode_font = PixelFont(kLabelFontName, kModeFontPixels, true, true);
    const auto make_label = [&](const char* name, const char* text, int x) {
        auto* label = new QLabel(QString::fromLatin1(text), ModPanel);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(mode_font);
        label->move(x, 1);
        label->adjustSize();
        return label;
    };
    ModeCaptionLabel = make_label("Label1", kModeCaptionText, 3);
    ModeLabel = make_label("ModeLabel", kDesignedModeText, 64);
    SciLabel = make_label("SciLabel", kDesignedFormatText, 145);

    CmdPanel = new QWidget(MainPanel);
    CmdPanel->setObjectName(QStringLiteral("CmdPanel"));
    CmdPanel->setFixedHeight(kCmdPanelHeight);
    auto* command_line = new CommandLineEdit(CmdPanel);
    command_line->on_paste = [this](const QString& text) {
        RunGuardedHandler([this, &text] { PasteIntoCmdEdit(text); });
    };
    CmdEdit = command_line;
    CmdEdit->setObjectName(QStringLiteral("CmdEdit"));
    CmdEdit->setGeometry(4, 6, 418, 32);
    CmdEdit->setFont(PixelFont(kLabelFontName, kCmdFontPixels, true));
    // The line edit's default limit of 32767 would silently cut a long pasted line.
    CmdEdit->setMaxLength(std::numeric_limits<int>::max());
    CmdEdit->installEventFilter(this);
    Panel4 = new QWidget(CmdPanel);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(kClientWidth - 44, 0, 44, kCmdPanelHeight);
    GoBtn = new QToolButton(Panel4);
    GoBtn->setObjectName(QStringLiteral("GoBtn"));
    GoBtn->setGeometry(1, 0, 42, 41);
    GoBtn->setAutoRaise(true);
    GoBtn->setFocusPolicy(Qt::NoFocus);
    GoBtn->setIconSize(QSize(40, 39));
    GoBtn->setIcon(GoButtonIcon(QSize(40, 39)));
    GoBtn->setToolTip(QString::fromLatin1(kGoText));
    Button1 = new QPushButton(Panel4);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(55, 8, 75, 25);
    Button1->setDefault(true);
    Button1->setFocusPolicy(Qt::NoFocus);
    connect(GoBtn, &QToolButton::clicked, this,
            [this] { RunGuardedHandler([this] { GoBtnClick(); }); });
    connect(Button1, &QPushButton::clicked, this,
            [this] { RunGuardedHandler([this] { Button1Click(); }); });

    ResultsMemo->installEventFilter(this);

    ToolsPanel = new QWidget(MainPanel);
    ToolsPanel->setObjectName(QStringLiteral("ToolsPanel"));
    ToolsPanel->setFixedHeight(kToolsPanelHeight);
    ToolsPanel->setFont(PixelFont(kResultsFontName, kToolsFontPixels));
    ToolsPanel->hide();
    PadKeys =
        BuildMousePad(ToolsPanel, ToStringList(KeypadTexts()), ToStringList(FunctionButtonNames()),
                      ToStringList(FunctionButtonHints()));

    auto* main_layout = new QVBoxLayout(MainPanel);
    main_layout->setContentsMargins(0, 0, 0, 0);
    main_layout->setSpacing(0);
    main_layout->addWidget(ResultsPanel, 1);
    main_layout->addWidget(ModPanel);
    main_layout->addWidget(CmdPanel);
    main_layout->addWidget(ToolsPanel);

    cmd_bkgrd_color_ = kDesignedCmdColor;
    results_bkgrd_color_ = kDesignedResultsColor;
    results_font_color_ = kDesignedResultsFontColor;
    SetBaseColor(CmdEdit, cmd_bkgrd_color_);
    move(kDesignedLeft, kDesignedTop);
}

void TMainForm::FormCreate() {
    // The precision comes with the settings; without a settings folder it stays at load time.
    StartOptions start;
    start.precision.reset();
    StartCalculator(calculator_, start, outcome_);
    RenderOutcome(outcome_);
    ConstantValues = MakeConstantValues();
    KeypadTextList = ToStringList(KeypadTexts());
    FunctionButtonNameList = ToStringList(FunctionButtonNames());
    AtomicWeights = MakeAtomicWeights();
    ApplySettings();
    RestackBottomPanels();
    PlaceWindowFrame(this, pos());
}

void TMainForm::ApplySettings() {
    const std::optional<CalculatorSettings> settings = ReadSettings(results_font_color_);
    if (!settings) {
        return;
    }
    move(settings->left, settings->top);
    MouseToolsAction->setChecked(settings->mouse_tools_checked);
    ToolsPanel->setVisible(settings->tools_panel_visible);
    WordwrapAction->setChecked(settings->word_wrap);
    ResultsMemo->setLineWrapMode(WordwrapAction->isChecked() ? QPlainTextEdit::WidgetWidth
                                                             : QPlainTextEdit::NoWrap);
    SetCmdBkgrdColor(settings->cmd_bkgrd_color);
    SetResultsBkgrdColor(settings->results_bkgrd_color);
    calculator_.SetPrecision(settings->precision);
    QFont font(settings->results_font_name);
    font.setBold(settings->results_font_bold);
    font.setItalic(settings->results_font_italic);
    font.setUnderline(settings->results_font_underline);
    font.setStrikeOut(settings->results_font_strike_out);
    SetResultsFontColor(settings->results_font_color);
    font.setPointSize(settings->results_font_size);
    ResultsMemo->setFont(font);
    calculator_.SetScientificFlag(settings->scientific);
    calculator_.SetAutomaticFlag(settings->automatic);
    calculator_.SetAngleMode(settings->mode);
    ShowModeIndicators(true);
}

void TMainForm::WriteSettingsFile() {
    if (settings_written_) {
        return;
    }
    settings_written_ = true;
    CalculatorSettings settings;
    settings.mouse_tools_checked = MouseToolsAction->isChecked();
    const QPoint frame = FramePosition(*this);
    settings.left = frame.x();
    settings.top = frame.y();
    settings.word_wrap = WordwrapAction->isChecked();
    settings.tools_panel_visible = !ToolsPanel->isHidden();
    settings.cmd_bkgrd_color = cmd_bkgrd_color_;
    settings.results_bkgrd_color = results_bkgrd_color_;
    settings.precision = calculator_.GetPrecision();
    const QFont font = ResultsMemo->font();
    settings.results_font_name = font.family();
    settings.results_font_bold = font.bold();
    settings.results_font_italic = font.italic();
    settings.results_font_underline = font.underline();
    settings.results_font_strike_out = font.strikeOut();
    settings.results_font_color = results_font_color_;
    settings.results_font_size =
        font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    settings.scientific = calculator_.scientific_flag();
    settings.automatic = calculator_.automatic_flag();
    settings.mode = calculator_.angle_mode();
    if (const std::optional<QString> failure = WriteSettings(settings)) {
        ReportError(*failure);
    }
    emit settingsWritten();
}

void TMainForm::RestackBottomPanels() {
    auto* main_layout = static_cast<QVBoxLayout*>(MainPanel->layout());
    main_layout->removeWidget(ModPanel);
    main_layout->removeWidget(CmdPanel);
    main_layout->insertWidget(1, ModPanel);
    main_layout->insertWidget(2, CmdPanel);
    main_layout->activate();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_once_) {
        shown_once_ = true;
        FormShow();
    }
}

void TMainForm::FormShow() {
    MainPanel->show();
    CmdEdit->setFocus(Qt::OtherFocusReason);
}

void TMainForm::closeEvent(QCloseEvent* event) { event->accept(); }

void TMainForm::SetCmdBkgrdColor(std::int32_t color) {
    cmd_bkgrd_color_ = color;
    SetBaseColor(CmdEdit, color);
}

void TMainForm::SetResultsBkgrdColor(std::int32_t color) {
    results_bkgrd_color_ = color;
    SetBaseColor(ResultsMemo, color);
}

void TMainForm::SetResultsFontColor(std::int32_t color) {
    results_font_color_ = color;
    QPalette palette = ResultsMemo->palette();
    palette.setColor(QPalette::Text, ToQColor(color));
    ResultsMemo->setPalette(palette);
}

// ---- Outcomes of the calculator ----

void TMainForm::RenderOutcome(const LineOutcome& outcome) {
    if (!outcome.standard_output.empty()) {
        WriteStandardOutput(outcome.standard_output);
    }
    if (outcome.clear_window) {
        ClearLines();
    }
    // One append for the whole block: each append lays out and scrolls the window again.
    if (!outcome.lines.empty()) {
        std::size_t size = 0;
        for (const std::string& line : outcome.lines) size += line.size() + 1;
        std::string block;
        block.reserve(size);
        for (const std::string& line : outcome.lines) {
            if (&line != &outcome.lines.front()) block.push_back('\n');
            block += line;
        }
        AppendLine(block);
    }
    if (outcome.modes_changed || outcome.refresh_indicators) {
        ShowModeIndicators(outcome.refresh_indicators);
    }
    switch (outcome.action) {
        case ShellAction::kNone:
            break;
        case ShellAction::kAbout:
            RunAboutAction();
            break;
        case ShellAction::kHelp:
            RunHelpAction();
            break;
        case ShellAction::kPrint:
            RunPrintAction();
            break;
        case ShellAction::kSave:
            RunSaveAction();
            break;
        case ShellAction::kExit:
            ExitProgram();
            break;
    }
}

void TMainForm::ShowModeIndicators(bool check_marks) {
    const ModeIndicators indicators = calculator_.RefreshModeIndicators();
    SetFormatCaption(std::string(indicators.format_caption));
    if (check_marks) {
        CheckFormatAction(indicators.format_kind);
    }
    // A mode outside the four leaves the angle side as it is.
    if (indicators.angle_caption) {
        SetModeCaption(std::string(*indicators.angle_caption));
        if (check_marks) {
            CheckAngleAction(indicators.angle_mode);
        }
    }
}

void TMainForm::AppendLine(const std::string& line) {
    UndoSuspended no_undo(ResultsMemo->document());
    ResultsMemo->appendPlainText(QString::fromStdString(line));
}

void TMainForm::ClearLines() { ResultsMemo->clear(); }

int TMainForm::LineCount() const {
    const QTextDocument* document = ResultsMemo->document();
    return document->isEmpty() ? 0 : document->blockCount();
}

void TMainForm::WriteStandardOutput(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void TMainForm::SetModeCaption(const std::string& caption) {
    ModeLabel->setText(QString::fromStdString(caption));
    ModeLabel->adjustSize();
}

void TMainForm::SetFormatCaption(const std::string& caption) {
    SciLabel->setText(QString::fromStdString(caption));
    SciLabel->adjustSize();
}

void TMainForm::CheckAngleAction(AngleMode mode) {
    radAction->setChecked(mode == kRadian);
    grdAction->setChecked(mode == kGrads);
    degAction->setChecked(mode == kDegrees);
    cycAction->setChecked(mode == kCycle);
}

void TMainForm::CheckFormatAction(FormatKind kind) {
    sciAction->setChecked(kind == FormatKind::kScientific);
    fixAction->setChecked(kind == FormatKind::kFixed);
    autoAction->setChecked(kind == FormatKind::kAutomatic);
}

void TMainForm::RunAboutAction() { AboutAction->trigger(); }
void TMainForm::RunHelpAction() { ContentsAction->trigger(); }
void TMainForm::RunPrintAction() { PrintAction->trigger(); }
void TMainForm::RunSaveAction() { SaveAs->trigger(); }

void TMainForm::ExitProgram() {
    exit_requested_ = true;
    // The window is not closed first; leaving the loop ends the program, and the window's
    // destruction then writes the settings as on every other way out.
    QCoreApplication::exit(0);
}

QPrinter& TMainForm::Printer() {
    // Made on first use: looking up the printers is slow and not needed to start.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

}  // namespace brisalto
