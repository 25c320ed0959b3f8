// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/main_form.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
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
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <utility>

#include "app/assets_resource.h"
#include "app/color_value.h"
#include "app/error_report.h"
#include "app/results_lines.h"
#include "app/results_recall.h"
#include "app/settings_file.h"
#include "app/window_placement.h"
#include "command/calculator_start.h"
#include "command/cmd_edit_model.h"
#include "command/result_format.h"
#include "tools/constants_table.h"
#include "tools/element_table.h"
#include "tools/gui/palette_colors.h"

namespace brisalto {

namespace {

const QColor kMediumGrey(160, 160, 164);
constexpr char kModeCaptionText[] = QT_TRANSLATE_NOOP("brisalto::TMainForm", "Mode:");
constexpr char kModeLineContext[] = "ModeLine";
constexpr char kResultsFontName[] = "Arial Rounded MT Bold";
constexpr char kLabelFontName[] = "Arial";
constexpr int kResultsFontPixels = 19;
constexpr int kModeFontPixels = 16;
constexpr int kModeLabelLeft = 64;
constexpr int kFormatLabelLeft = 145;
constexpr int kModeLabelGap = 8;
constexpr int kCmdFontPixels = 21;
constexpr int kToolsFontPixels = 13;
constexpr int kDesignedLeft = 394;
constexpr int kDesignedTop = 114;
// The menu bar's height and the title bar and frame around the window, as the design counts them.
constexpr int kMenuBarHeight = 22;
// The hint line under the window, in the status area.
constexpr int kHintLineHeight = 22;
constexpr QSize kFrameExtra(8, 32);
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

    // Dropped text with line breaks, or too long to edit, goes the way of a paste, from the drop
    // point; other drops stay the field's own, undoable edit.
    void dropEvent(QDropEvent* event) override {
        const QString text = event->mimeData() ? event->mimeData()->text() : QString();
        if (on_paste && !isReadOnly() &&
            (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
             text.size() > kLongestEditableLine)) {
            deselect();
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            on_paste(text);
            event->acceptProposedAction();
            return;
        }
        QLineEdit::dropEvent(event);
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
QIcon GoButtonIcon(QSize size, int font_pixels) {
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
    // Drawn at the screen's pixel density, so it stays sharp at a scale factor of 2.
    const qreal ratio = qApp->devicePixelRatio();
    for (const Face& face : faces) {
        QPixmap pixmap(size * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(face.fill);
        painter.setPen(QPen(face.fill.darker(150), 1));
        painter.drawRoundedRect(QRectF(1.5, 1.5, size.width() - 3, size.height() - 3), 6, 6);
        painter.setPen(face.text);
        painter.setFont(PixelFont(kLabelFontName, font_pixels, true));
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter,
                         QCoreApplication::translate("brisalto::TMainForm", "Go"));
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

// The desktop's text colour when it reads well on the fixed grey (4.5:1), else black or white,
// whichever reads better: a dark theme's light text is hard to read on medium grey.
QColor TextColorOn(const QColor& background, const QColor& preferred) {
    constexpr double kMinContrast = 4.5;
    if (ContrastRatio(preferred, background) >= kMinContrast) return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
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
    InitAssets();
    // The window keeps its designed proportions: a larger desktop font draws it larger, a small
    // screen smaller, so that nothing in it is cut or out of reach.
    scale_ = DesignScale(
        QFontInfo(QApplication::font()).pixelSize(),
        QSize(kClientWidth, kClientHeight + kMenuBarHeight + kHintLineHeight), kFrameExtra,
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                         : QRect());
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromLatin1(kMainFormCaption));
    BuildControls();
    BuildTypingHelp();
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
    // Memory running out on the way out is reported, never an abort from a throwing destructor.
    try {
        RunGuardedHandler([this] { WriteSettingsFile(); });
    } catch (...) {
    }
}

void TMainForm::BuildControls() {
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kMediumGrey);

    ui_.MasterPanel = new QWidget(this);
    ui_.MasterPanel->setFixedSize(Px(kClientWidth), Px(kClientHeight));
    ui_.MasterPanel->setPalette(grey);
    ui_.MasterPanel->setAutoFillBackground(true);
    setCentralWidget(ui_.MasterPanel);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    ui_.MainPanel = new QWidget(ui_.MasterPanel);
    ui_.MainPanel->setAutoFillBackground(true);
    auto* master_layout = new QVBoxLayout(ui_.MasterPanel);
    master_layout->setContentsMargins(0, 0, 0, 0);
    master_layout->addWidget(ui_.MainPanel);
    ui_.MainPanel->hide();

    ui_.ResultsPanel = new QWidget(ui_.MainPanel);
    ui_.ResultsMemo = new ResultsView(ui_.ResultsPanel);
    ui_.ResultsMemo->setFont(PixelFont(kResultsFontName, Px(kResultsFontPixels)));
    ui_.ResultsMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui_.ResultsMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_.ResultsMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ui_.ResultsMemo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Tab leaves the results window, so that a keyboard user is never trapped in it.
    ui_.ResultsMemo->setTabChangesFocus(true);
    auto* results_layout = new QVBoxLayout(ui_.ResultsPanel);
    results_layout->setContentsMargins(0, 0, 0, 0);
    results_layout->addWidget(ui_.ResultsMemo);

    ui_.ModPanel = new QWidget(ui_.MainPanel);
    ui_.ModPanel->setFixedHeight(Px(kModPanelHeight));
    const QFont mode_font = PixelFont(kLabelFontName, Px(kModeFontPixels), true, true);
    QPalette mode_palette = grey;
    mode_palette.setColor(QPalette::WindowText,
                          TextColorOn(kMediumGrey, grey.color(QPalette::WindowText)));
    ui_.ModPanel->setPalette(mode_palette);
    const auto make_label = [&](const char* name, const QString& text, int x) {
        auto* label = new QLabel(text, ui_.ModPanel);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(mode_font);
        label->move(Px(x), Px(1));
        label->adjustSize();
        return label;
    };
    ui_.ModeCaptionLabel = make_label("Label1", kModeCaptionText, 3);
    ui_.ModeCaptionLabel->setText(tr(kModeCaptionText));
    ui_.ModeCaptionLabel->adjustSize();
    ui_.ModeLabel =
        make_label("ModeLabel", QCoreApplication::translate("ModeLine", "Degrees"), kModeLabelLeft);
    ui_.SciLabel = make_label("SciLabel", QCoreApplication::translate("ModeLine", "Automatic"),
                              kFormatLabelLeft);
    PlaceModeLabels();

    ui_.CmdPanel = new QWidget(ui_.MainPanel);
    ui_.CmdPanel->setFixedHeight(Px(kCmdPanelHeight));
    auto* command_line = new CommandLineEdit(ui_.CmdPanel);
    command_line->on_paste = [this](const QString& text) {
        RunGuardedHandler([this, &text] { PasteIntoCmdEdit(text); });
    };
    ui_.CmdEdit = command_line;
    ui_.CmdEdit->setGeometry(Px(4), Px(6), Px(418), Px(32));
    ui_.CmdEdit->setFont(PixelFont(kLabelFontName, Px(kCmdFontPixels), true));
    // The line edit's default limit of 32767 would silently cut a long pasted line.
    ui_.CmdEdit->setMaxLength(std::numeric_limits<int>::max());
    ui_.CmdEdit->installEventFilter(this);
    ui_.Panel4 = new QWidget(ui_.CmdPanel);
    ui_.Panel4->setGeometry(Px(kClientWidth) - Px(44), 0, Px(44), Px(kCmdPanelHeight));
    ui_.GoBtn = new QToolButton(ui_.Panel4);
    ui_.GoBtn->setGeometry(Px(1), 0, Px(42), Px(41));
    ui_.GoBtn->setAutoRaise(true);
    // Reached by Tab; a click leaves the focus in the command line.
    ui_.GoBtn->setFocusPolicy(Qt::TabFocus);
    ui_.GoBtn->setIconSize(QSize(Px(40), Px(39)));
    ui_.GoBtn->setIcon(GoButtonIcon(QSize(Px(40), Px(39)), Px(16)));
    ui_.GoBtn->setToolTip(tr("Go"));
    ui_.Button1 = new QPushButton(ui_.Panel4);
    ui_.Button1->setGeometry(55, 8, 75, 25);
    ui_.Button1->setDefault(true);
    ui_.Button1->setFocusPolicy(Qt::NoFocus);
    // It only takes Enter's click; hidden, it is neither seen nor listed by assistive technology.
    ui_.Button1->hide();
    connect(ui_.GoBtn, &QToolButton::clicked, this,
            [this] { RunGuardedHandler([this] { GoBtnClick(); }); });
    connect(ui_.Button1, &QPushButton::clicked, this,
            [this] { RunGuardedHandler([this] { Button1Click(); }); });

    ui_.ResultsMemo->installEventFilter(this);

    ui_.ToolsPanel = new MousePad(ToStringList(KeypadTexts()), ToStringList(FunctionButtonNames()),
                                  ToStringList(FunctionButtonHints()), ui_.MainPanel, scale_);
    ui_.ToolsPanel->setFont(PixelFont(kResultsFontName, Px(kToolsFontPixels)));
    ui_.ToolsPanel->hide();

    auto* main_layout = new QVBoxLayout(ui_.MainPanel);
    main_layout->setContentsMargins(0, 0, 0, 0);
    main_layout->setSpacing(0);
    main_layout->addWidget(ui_.ResultsPanel, 1);
    main_layout->addWidget(ui_.ModPanel);
    main_layout->addWidget(ui_.CmdPanel);
    main_layout->addWidget(ui_.ToolsPanel);

    // Tab: command line, Go, results window, then the pad (one stop for all its keys).
    setTabOrder(ui_.CmdEdit, ui_.GoBtn);
    setTabOrder(ui_.GoBtn, ui_.ResultsMemo);
    setTabOrder(ui_.ResultsMemo, ui_.ToolsPanel->AllKeys().front());

    // The controls as the tests find them (object name) and as assistive technology reads
    // them (name and description), in the order of the window's tree.
    const struct {
        QWidget* control;
        const char* object_name;
        const char* name;
        const char* description;
    } controls[] = {
        {ui_.MasterPanel, "MasterPanel", "", ""},
        {ui_.MainPanel, "MainPanel", "", ""},
        {ui_.ResultsPanel, "ResultsPanel", "", ""},
        {ui_.ResultsMemo, "ResultsMemo", QT_TR_NOOP("results"),
         QT_TR_NOOP("every command line run, with its answer or error")},
        {ui_.ModPanel, "ModPanel", QT_TR_NOOP("mode line"),
         QT_TR_NOOP("the angle mode and the number format")},
        {ui_.CmdPanel, "CmdPanel", "", ""},
        {ui_.CmdEdit, "CmdEdit", QT_TR_NOOP("command line"),
         QT_TR_NOOP("an expression or a command; Enter runs it")},
        {ui_.Panel4, "Panel4", "", ""},
        {ui_.GoBtn, "GoBtn", QT_TR_NOOP("Go"), QT_TR_NOOP("runs the command line")},
        // Never seen; hidden, so assistive technology does not list it.
        {ui_.Button1, "Button1", QT_TR_NOOP("Enter"),
         QT_TR_NOOP("runs the command line, as Go does")},
        {ui_.ToolsPanel, "ToolsPanel", QT_TR_NOOP("mouse pad"),
         QT_TR_NOOP("keys that insert into the command line")},
    };
    for (const auto& row : controls) {
        row.control->setObjectName(QString::fromLatin1(row.object_name));
        row.control->setAccessibleName(*row.name ? tr(row.name) : QString());
        row.control->setAccessibleDescription(*row.description ? tr(row.description) : QString());
    }

    cmd_bkgrd_color_ = kDesignedCmdColor;
    results_bkgrd_color_ = kDesignedResultsColor;
    results_font_color_ = kDesignedResultsFontColor;
    SetBaseColor(ui_.CmdEdit, cmd_bkgrd_color_);
    move(kDesignedLeft, kDesignedTop);
}

void TMainForm::FormCreate() {
    // The precision comes with the settings; without a settings folder it stays at load time.
    StartOptions start;
    start.precision.reset();
    StartCalculator(calculator_, start, outcome_);
    RenderOutcome(outcome_);
    lists_.ConstantValues = MakeConstantValues();
    lists_.AtomicWeights = MakeAtomicWeights();
    LoadHistory();
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
    act_.MouseToolsAction->setChecked(settings->mouse_tools_checked);
    ui_.ToolsPanel->setVisible(settings->tools_panel_visible);
    act_.WordwrapAction->setChecked(settings->word_wrap);
    ui_.ResultsMemo->setLineWrapMode(act_.WordwrapAction->isChecked() ? QPlainTextEdit::WidgetWidth
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
    ui_.ResultsMemo->setFont(font);
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
    settings.mouse_tools_checked = act_.MouseToolsAction->isChecked();
    const QPoint frame = FramePosition(*this);
    settings.left = frame.x();
    settings.top = frame.y();
    settings.word_wrap = act_.WordwrapAction->isChecked();
    settings.tools_panel_visible = !ui_.ToolsPanel->isHidden();
    settings.cmd_bkgrd_color = cmd_bkgrd_color_;
    settings.results_bkgrd_color = results_bkgrd_color_;
    settings.precision = calculator_.GetPrecision();
    const QFont font = ui_.ResultsMemo->font();
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
    auto* main_layout = static_cast<QVBoxLayout*>(ui_.MainPanel->layout());
    main_layout->removeWidget(ui_.ModPanel);
    main_layout->removeWidget(ui_.CmdPanel);
    main_layout->insertWidget(1, ui_.ModPanel);
    main_layout->insertWidget(2, ui_.CmdPanel);
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
    ui_.MainPanel->show();
    ui_.CmdEdit->setFocus(Qt::OtherFocusReason);
}

void TMainForm::closeEvent(QCloseEvent* event) { event->accept(); }

void TMainForm::SetCmdBkgrdColor(std::int32_t color) {
    cmd_bkgrd_color_ = color;
    SetBaseColor(ui_.CmdEdit, color);
}

void TMainForm::SetResultsBkgrdColor(std::int32_t color) {
    results_bkgrd_color_ = color;
    SetBaseColor(ui_.ResultsMemo, color);
}

void TMainForm::SetResultsFontColor(std::int32_t color) {
    results_font_color_ = color;
    QPalette palette = ui_.ResultsMemo->palette();
    palette.setColor(QPalette::Text, ToQColor(color));
    ui_.ResultsMemo->setPalette(palette);
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
        recall_->NoteOutcome(outcome);
        if (!gathering_lines_) recall_->Attach();
    }
    if (outcome.modes_changed || outcome.refresh_indicators) {
        ShowModeIndicators(outcome.refresh_indicators);
    }
    // Print and save read the window; about and help show over it.
    if (outcome.action != ShellAction::kNone) FlushGatheredLines();
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
    if (gathering_lines_) {
        if (!gathered_lines_.empty()) gathered_lines_.push_back('\n');
        gathered_lines_ += line;
        return;
    }
    UndoSuspended no_undo(ui_.ResultsMemo->document());
    AppendResultsLines(*ui_.ResultsMemo, QString::fromStdString(line));
}

void TMainForm::FlushGatheredLines() {
    if (gathered_lines_.empty()) return;
    const bool gathering = std::exchange(gathering_lines_, false);
    AppendLine(gathered_lines_);
    recall_->Attach();
    gathered_lines_.clear();
    gathering_lines_ = gathering;
}

void TMainForm::ClearLines() {
    gathered_lines_.clear();
    recall_->Forget();
    ui_.ResultsMemo->clear();
}

int TMainForm::LineCount() const {
    const QTextDocument* document = ui_.ResultsMemo->document();
    return document->isEmpty() ? 0 : document->blockCount();
}

void TMainForm::WriteStandardOutput(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void TMainForm::SetModeCaption(const std::string& caption) {
    ui_.ModeLabel->setText(QCoreApplication::translate(kModeLineContext, caption.c_str()));
    ui_.ModeLabel->adjustSize();
    PlaceModeLabels();
}

void TMainForm::SetFormatCaption(const std::string& caption) {
    ui_.SciLabel->setText(QCoreApplication::translate(kModeLineContext, caption.c_str()));
    ui_.SciLabel->adjustSize();
}

void TMainForm::PlaceModeLabels() {
    const int mode_left =
        std::max(Px(kModeLabelLeft), ui_.ModeCaptionLabel->geometry().right() + Px(kModeLabelGap));
    ui_.ModeLabel->move(mode_left, ui_.ModeLabel->y());
    const int format_left =
        std::max(Px(kFormatLabelLeft), ui_.ModeLabel->geometry().right() + Px(kModeLabelGap));
    ui_.SciLabel->move(format_left, ui_.SciLabel->y());
}

void TMainForm::CheckAngleAction(AngleMode mode) {
    act_.radAction->setChecked(mode == kRadian);
    act_.grdAction->setChecked(mode == kGrads);
    act_.degAction->setChecked(mode == kDegrees);
    act_.cycAction->setChecked(mode == kCycle);
}

void TMainForm::CheckFormatAction(FormatKind kind) {
    act_.sciAction->setChecked(kind == FormatKind::kScientific);
    act_.fixAction->setChecked(kind == FormatKind::kFixed);
    act_.autoAction->setChecked(kind == FormatKind::kAutomatic);
}

void TMainForm::RunAboutAction() { act_.AboutAction->trigger(); }
void TMainForm::RunHelpAction() { act_.ContentsAction->trigger(); }
void TMainForm::RunPrintAction() { act_.PrintAction->trigger(); }
void TMainForm::RunSaveAction() { act_.SaveAs->trigger(); }

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
