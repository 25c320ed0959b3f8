// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The main window offscreen: panel geometry with and without the pad, the menu bar, shortcuts
// and check marks, Enter and Go, last command, the pad on the command line, the edit actions
// and the settings written on the way out.
#include "app/main_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <algorithm>
#include <memory>

#include "app/error_report.h"
#include "command/calculator.h"
#include "command/command_processor.h"
#include "command/result_format.h"

using brisalto::TMainForm;

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<TMainForm> form_;
    QStringList reported_;

    // The window's parts, found as a user's tools find them: by object name.
    template <typename T>
    T* Find(const char* name) const {
        T* found = form_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no %s in the window", name);
        return found;
    }
    QLineEdit* CmdEdit() const { return Find<QLineEdit>("CmdEdit"); }
    QPlainTextEdit* ResultsMemo() const { return Find<QPlainTextEdit>("ResultsMemo"); }
    QToolButton* GoBtn() const { return Find<QToolButton>("GoBtn"); }
    QLabel* ModeLabel() const { return Find<QLabel>("ModeLabel"); }
    QLabel* SciLabel() const { return Find<QLabel>("SciLabel"); }
    QWidget* MasterPanel() const { return Find<QWidget>("MasterPanel"); }
    QWidget* ToolsPanel() const { return Find<QWidget>("ToolsPanel"); }
    QWidget* CmdPanel() const { return Find<QWidget>("CmdPanel"); }
    QWidget* ModPanel() const { return Find<QWidget>("ModPanel"); }
    QWidget* ResultsPanel() const { return Find<QWidget>("ResultsPanel"); }
    QPushButton* Button1() const { return Find<QPushButton>("Button1"); }
    QWidget* Panel4() const { return Find<QWidget>("Panel4"); }
    QAction* Action(const char* name) const {
        QAction* found = form_->FindAction(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no action %s", name);
        return found;
    }

    QString SettingsPath() const { return config_->path() + "/Brisalto/Calculator.ini"; }

    // A fresh window with a calculator of its own, shown and active.
    void Start() {
        form_ = std::make_unique<TMainForm>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    QStringList MemoLines() const {
        QStringList lines;
        for (QTextBlock b = ResultsMemo()->document()->begin(); b.isValid(); b = b.next()) {
            lines << b.text();
        }
        return lines;
    }

    void SetLine(const QString& text, int caret, int selection_start = -1,
                 int selection_length = 0) {
        CmdEdit()->setText(text);
        if (selection_start >= 0) {
            CmdEdit()->setSelection(selection_start, selection_length);
        } else {
            CmdEdit()->setCursorPosition(caret);
        }
    }

    void Type(const QString& line) {
        CmdEdit()->setFocus();
        QTest::keyClicks(CmdEdit(), line);
        QTest::keyClick(CmdEdit(), Qt::Key_Return);
    }

  private slots:
    void init() {
        config_ = std::make_unique<QTemporaryDir>();
        QVERIFY(config_->isValid());
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
        reported_.clear();
        brisalto::SetErrorReporter([this](const QString& message) { reported_ << message; });
        Start();
    }

    void cleanup() {
        form_.reset();
        brisalto::SetErrorReporter({});
        QVERIFY2(reported_.isEmpty(), qPrintable(reported_.join('\n')));
    }

    void CaptionSizeAndFirstRunState() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Brisalto Calculator v 1.0.0"));
        QCOMPARE(form_->centralWidget()->size(), QSize(469, 515));
        QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form_->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QCOMPARE(MasterPanel()->palette().color(QPalette::Window), QColor(160, 160, 164));
        QCOMPARE(form_->pos(), QPoint(0, 0));
        const QString separator = Text(brisalto::kSeparatorLine);
        QCOMPARE(MemoLines(),
                 QStringList({separator, QStringLiteral("Brisalto Calculator v 1.0"), separator}));
        QCOMPARE(ModeLabel()->text(), QStringLiteral("Degrees"));
        QCOMPARE(SciLabel()->text(), QStringLiteral("Automatic"));
        QCOMPARE(ResultsMemo()->font().family(), QStringLiteral("Arial"));
        QCOMPARE(ResultsMemo()->font().pointSize(), 10);
        QVERIFY(Action("MouseToolsAction")->isChecked());
        QVERIFY(Action("WordwrapAction")->isChecked());
        QCOMPARE(form_->calculator().GetPrecision(), 10);
        QVERIFY(CmdEdit()->hasFocus());
        QVERIFY(ResultsMemo()->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
        QVERIFY(ResultsMemo()->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);
    }

    void PanelGeometry_data() {
        QTest::addColumn<bool>("pad");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QRect>("rect");
        struct Row {
            bool pad;
            const char* panel;
            QRect rect;
        };
        const Row rows[] = {
            {true, "ResultsPanel", QRect(0, 0, 469, 213)},
            {true, "ModPanel", QRect(0, 213, 469, 21)},
            {true, "CmdPanel", QRect(0, 234, 469, 41)},
            {true, "ToolsPanel", QRect(0, 275, 469, 240)},
            {false, "ResultsPanel", QRect(0, 0, 469, 453)},
            {false, "ModPanel", QRect(0, 453, 469, 21)},
            {false, "CmdPanel", QRect(0, 474, 469, 41)},
            {true, "CmdEdit", QRect(4, 6, 418, 32)},
            {true, "Panel4", QRect(425, 0, 44, 41)},
            {true, "GoBtn", QRect(1, 0, 42, 41)},
            {true, "Label1", QRect(3, 1, -1, -1)},
            {true, "ModeLabel", QRect(64, 1, -1, -1)},
            {true, "SciLabel", QRect(145, 1, -1, -1)},
        };
        for (const Row& row : rows) {
            QTest::addRow("%s %s", row.pad ? "pad" : "no pad", row.panel)
                << row.pad << QString::fromLatin1(row.panel) << row.rect;
        }
    }

    void PanelGeometry() {
        QFETCH(bool, pad);
        QFETCH(QString, panel);
        QFETCH(QRect, rect);
        if (!pad) {
            Action("MouseToolsAction")->trigger();
        }
        QWidget* widget = form_->findChild<QWidget*>(panel);
        QVERIFY(widget != nullptr);
        QVERIFY(widget->isVisible());
        if (rect.width() < 0) {
            QCOMPARE(widget->pos(), rect.topLeft());
        } else {
            QCOMPARE(widget->geometry(), rect);
        }
        QCOMPARE(ToolsPanel()->isVisible(), pad);
    }

    void DefaultButtonLiesOutsideItsPanel() {
        QVERIFY(Button1()->isDefault());
        QVERIFY(!Panel4()->rect().intersects(Button1()->geometry()));
    }

    void MouseToolsTwiceRestoresTheLayout() {
        const QRect cmd = CmdPanel()->geometry();
        const QRect mode = ModPanel()->geometry();
        QTest::keyClick(CmdEdit(), Qt::Key_F4);
        QVERIFY(!ToolsPanel()->isVisible());
        QVERIFY(!Action("MouseToolsAction")->isChecked());
        QCOMPARE(ResultsPanel()->height(), 213 + 240);
        QTest::keyClick(ResultsMemo(), Qt::Key_F4);
        QVERIFY(ToolsPanel()->isVisible());
        QVERIFY(Action("MouseToolsAction")->isChecked());
        QCOMPARE(CmdPanel()->geometry(), cmd);
        QCOMPARE(ModPanel()->geometry(), mode);
        QCOMPARE(ModPanel()->geometry().bottom() + 1, CmdPanel()->y());
        QCOMPARE(CmdPanel()->geometry().bottom() + 1, ToolsPanel()->y());
    }

    void MenuBar_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");
        const QString sep = QStringLiteral("-");
        QTest::newRow("File") << "&File" << QStringList{"Save Result as... (save)",
                                                        sep,
                                                        "Print... (print)",
                                                        "PrintSetup...",
                                                        sep,
                                                        "Exit (exit)"};
        QTest::newRow("Edit") << "Edit"
                              << QStringList{"Undo", sep,    "Copy",
                                             "Cut",  "Past", "Clear results window (cls)"};
        QTest::newRow("View") << "View" << QStringList{"Last Commad", "Mouse Tools"};
        QTest::newRow("Format") << "Format"
                                << QStringList{"Results window Font...",
                                               "Word Wrap",
                                               "Background Colors...",
                                               sep,
                                               "Automatic format (auto)",
                                               "Scientific format (sci)",
                                               "Fixed format (fix)",
                                               sep,
                                               "Precision..."};
        QTest::newRow("Mode") << "Mode" << QStringList{"Current mode (mod)", sep,
                                                       "Degrees mode (deg)", "Radian mode (rad)",
                                                       "Grads mode (grd)",   "Cycle mode (cyc)"};
        QTest::newRow("Variables")
            << "Variables" << QStringList{"Show values (var)", "Clear all variables (clear)"};
        QTest::newRow("Constants") << "Constants"
                                   << QStringList{"Atomic Mass Unit (kg)",
                                                  "Atomic Weight...",
                                                  "Molar Mass...",
                                                  "Avogadro Constant (1/mol)",
                                                  "Bohr Radius (m)",
                                                  "Boltzmann Constant (J/K)",
                                                  "Charg of an electron (C)",
                                                  "Electron Rest Mass (amu)",
                                                  "Electron Rest Mass (kg)",
                                                  "Faraday Constant (C/mol)",
                                                  "Gas Constant (J/K.mol)",
                                                  "Gas Constant (bar.dm^3/K.mol)",
                                                  "Gas Constant (atm.dm^3/K.mol)",
                                                  "Molar Volume At STP atm  (dm^3/mol)",
                                                  "Molar VolumeAt NSTP bar (dm^3/mol)",
                                                  "Neutron Rest Mass (kg)",
                                                  "Neutron Rest Mass (amu)",
                                                  "Pi",
                                                  "Planck constant (J.s)",
                                                  "Proton Rest Mass (kg)",
                                                  "Proton Rest Mass (amu)",
                                                  "Permittivity Of Vacuum (C^2/N.m^-2) or (F/m)",
                                                  "Coulomb Constant (N.m^2/C^2)",
                                                  "Rydberg Constant (1/m)",
                                                  "Speed Of Light (m/s)",
                                                  "Standard acceleration of Gravity (m/s^2)"};
        QTest::newRow("Tools") << "Tools"
                               << QStringList{"Units Conversions...", "Reaction...", "Solution..."};
        QTest::newRow("Help") << "Help" << QStringList{"Contents... (help)", "About... (about)"};
    }

    void MenuBar() {
        QFETCH(QString, title);
        QFETCH(QStringList, items);
        QStringList titles;
        QMenu* menu = nullptr;
        for (QAction* action : form_->menuBar()->actions()) {
            titles << action->text();
            if (action->text() == title) {
                menu = action->menu();
            }
        }
        QCOMPARE(titles, QStringList({"&File", "Edit", "View", "Format", "Mode", "Variables",
                                      "Constants", "Tools", "Help"}));
        QVERIFY(menu != nullptr);
        QStringList shown;
        for (QAction* action : menu->actions()) {
            shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(shown, items);
    }

    void Shortcuts_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("category");
        const char* rows[][3] = {
            {"LastCmdAction", "F3", "View"},
            {"SaveAs", "Ctrl+S", ""},
            {"PrintAction", "Ctrl+P", ""},
            {"ExitAction", "Ctrl+Q", ""},
            {"CopyAction", "Ctrl+C", "Edit"},
            {"CutAction", "Ctrl+X", "Edit"},
            {"PastAction", "Ctrl+V", "Edit"},
            {"UndoAction", "Ctrl+Z", "Edit"},
            {"ContentsAction", "F1", ""},
            {"MouseToolsAction", "F4", "View"},
            {"ConversionAction", "F5", "Tools"},
            {"ReactionAction", "F6", "Tools"},
            {"SolutionAction", "F7", "Tools"},
            {"AtmWtAction", "Shift+F2", "Constants"},
            {"MolarMassAction", "Ctrl+M", "Constants"},
            {"PiAction", "Ctrl+Shift+F5", "Constants"},
            {"SpeedOfLight", "Ctrl+Shift+F12", "Constants"},
            {"AvogadroConstant", "Shift+F3", "Constants"},
            {"StandardAccelerationOfGravity", "Shift+Alt+F1", "Constants"},
            {"ClearAction", "", "Edit"},
            {"autoAction", "", "Mode"},
            {"SetPrecisionAction", "", "Format"},
            {"InsertAtmWtAction", "", "Constants"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << row[0] << row[1] << row[2];
        }
    }

    void Shortcuts() {
        QFETCH(QString, action);
        QFETCH(QString, shortcut);
        QFETCH(QString, category);
        QAction* found = form_->FindAction(action);
        QVERIFY(found != nullptr);
        QCOMPARE(found->shortcut(), QKeySequence::fromString(shortcut));
        QCOMPARE(found->property("Category").toString(), category);
    }

    void EveryShortcutIsUsedOnce() {
        QSet<QString> seen;
        for (QAction* action : form_->Actions()) {
            if (action->shortcut().isEmpty()) {
                continue;
            }
            const QString text = action->shortcut().toString();
            QVERIFY2(!seen.contains(text), qPrintable(text));
            seen.insert(text);
        }
        QCOMPARE(seen.size(), 13 + 25 + 1);
        // Nor do the chemist's tools take a key the text fields have a use for.
        for (const char* name : {"ReactionAction", "SolutionAction"}) {
            const QKeySequence shortcut = form_->FindAction(name)->shortcut();
            for (int key = QKeySequence::HelpContents; key <= QKeySequence::Cancel; ++key) {
                const auto bindings =
                    QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(key));
                QVERIFY2(!bindings.contains(shortcut), name);
            }
        }
    }

    // Each menu command runs its own keyword, named here apart from both lists the window binds.
    void EveryCommandActionRunsItsOwnKeyword() {
        const struct {
            const char* action;
            const char* word;
        } rows[] = {
            {"VarShowValAction", "var"}, {"ClearAllVarAction", "clear"}, {"clsAction", "cls"},
            {"cycAction", "cyc"},        {"degAction", "deg"},           {"fixAction", "fix"},
            {"grdAction", "grd"},        {"modAction", "mod"},           {"radAction", "rad"},
            {"sciAction", "sci"},        {"autoAction", "auto"}};
        for (const auto& row : rows) {
            Action(row.action)->trigger();
            QCOMPARE(form_->calculator().LastCommand(), std::string(row.word));
        }
        int commands = 0;
        for (QAction* action : form_->Actions()) commands += action->property("Command").isValid();
        QCOMPARE(commands, static_cast<int>(std::size(rows)));
    }

    void CheckMarksFollowMenuCommandsNotTypedOnes() {
        Type("rad");
        QCOMPARE(ModeLabel()->text(), QStringLiteral("Radian"));
        QVERIFY(Action("degAction")->isChecked());
        QVERIFY(!Action("radAction")->isChecked());
        Action("grdAction")->trigger();
        QCOMPARE(ModeLabel()->text(), QStringLiteral("Grads"));
        QVERIFY(Action("grdAction")->isChecked());
        QVERIFY(!Action("degAction")->isChecked() && !Action("radAction")->isChecked() &&
                !Action("cycAction")->isChecked());
        Action("grdAction")->trigger();  // choosing the checked entry again keeps it checked
        QVERIFY(Action("grdAction")->isChecked());
        Type("deg");
        QCOMPARE(ModeLabel()->text(), QStringLiteral("Degrees"));
        QVERIFY(Action("grdAction")->isChecked());

        Type("sci");
        QCOMPARE(SciLabel()->text(), QStringLiteral("Scientific"));
        QVERIFY(Action("autoAction")->isChecked());
        Action("fixAction")->trigger();
        QCOMPARE(SciLabel()->text(), QStringLiteral("Fixed"));
        QVERIFY(Action("fixAction")->isChecked());
        QVERIFY(!Action("autoAction")->isChecked() && !Action("sciAction")->isChecked());
        QCOMPARE(form_->calculator().LastCommand(), std::string("fix"));
        QVERIFY(CmdEdit()->text().isEmpty());
        QVERIFY(CmdEdit()->hasFocus());
    }

    void EnterAndGoRunTheLine() {
        const int before = form_->LineCount();
        Type("2+3");
        QStringList lines = MemoLines().mid(before);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[1], QStringLiteral("> 2+3"));
        QVERIFY2(lines[3].startsWith("Answer(A) = 5.0000000000"), qPrintable(lines[3]));
        QVERIFY(CmdEdit()->text().isEmpty());

        CmdEdit()->setText(QStringLiteral("2+3"));
        QTest::mouseClick(GoBtn(), Qt::LeftButton);
        QCOMPARE(MemoLines().mid(before + 5), lines);
        QVERIFY(CmdEdit()->hasFocus());

        const int count = form_->LineCount();
        QTest::mouseClick(GoBtn(), Qt::LeftButton);  // an empty line echoes nothing
        QCOMPARE(form_->LineCount(), count);
    }

    void EnterInTheResultsWindowBreaksTheLine() {
        CmdEdit()->setText(QStringLiteral("2+3"));
        ResultsMemo()->setFocus();
        const int count = ResultsMemo()->document()->blockCount();
        QTest::keyClick(ResultsMemo(), Qt::Key_Return);
        QCOMPARE(ResultsMemo()->document()->blockCount(), count + 1);
        QCOMPARE(CmdEdit()->text(), QStringLiteral("2+3"));
    }

    void LastCommandRecallsWithoutRunning() {
        Type("2+3");
        const int count = form_->LineCount();
        QTest::keyClick(CmdEdit(), Qt::Key_F3);
        QCOMPARE(CmdEdit()->text(), QStringLiteral("2+3"));
        QCOMPARE(CmdEdit()->cursorPosition(), 3);
        QCOMPARE(form_->LineCount(), count);
    }

    void ClsLeavesTheWindowEmpty() {
        Type("cls");
        QCOMPARE(form_->LineCount(), 0);
        QVERIFY(ResultsMemo()->toPlainText().isEmpty());
        Type("1/0");
        QCOMPARE(MemoLines().last(), QStringLiteral("Divide By Zero"));
        QCOMPARE(form_->LineCount(), 3);
    }

    void AnswerPrefixOnTypedCharacters_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("* on empty") << ""
                                    << "*"
                                    << "A*";
        QTest::newRow("+ on empty") << ""
                                    << "+"
                                    << "A+";
        QTest::newRow("! on empty") << ""
                                    << "!"
                                    << "A!";
        QTest::newRow("+ after space") << " "
                                       << "+"
                                       << " +";
        QTest::newRow("digit on empty") << ""
                                        << "7"
                                        << "7";
        QTest::newRow("= on empty") << ""
                                    << "="
                                    << "=";
        QTest::newRow("operator later") << "2"
                                        << "-"
                                        << "2-";
        QTest::newRow("two operators") << ""
                                       << "^-"
                                       << "A^-";
    }

    void AnswerPrefixOnTypedCharacters() {
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        SetLine(start, static_cast<int>(start.size()));
        CmdEdit()->setFocus();
        QTest::keyClicks(CmdEdit(), typed);
        QCOMPARE(CmdEdit()->text(), line);
        QCOMPARE(CmdEdit()->cursorPosition(), static_cast<int>(line.size()));
    }

    void PadKeysOnTheLine_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("sel_start");
        QTest::addColumn<int>("sel_length");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("caret_after");
        QTest::addColumn<bool>("focus_after");
        QTest::newRow("* on empty") << "" << 0 << -1 << 0 << "k16"
                                    << "A*" << 2 << true;
        QTest::newRow("- on empty") << "" << 0 << -1 << 0 << "k15"
                                    << "A-" << 2 << true;
        QTest::newRow("= on empty") << "" << 0 << -1 << 0 << "k21"
                                    << "=" << 1 << true;
        QTest::newRow("000 inside") << "12" << 1 << -1 << 0 << "k2"
                                    << "10002" << 4 << true;
        QTest::newRow("digit on selection") << "1234" << 0 << 1 << 2 << "k12"
                                            << "194" << 2 << true;
        QTest::newRow("cos on selection") << "2*sin" << 0 << 2 << 3 << "f0"
                                          << "2*cos()" << 6 << true;
        QTest::newRow("abs at end") << "5+" << 2 << -1 << 0 << "f29"
                                    << "5+abs()" << 6 << true;
        QTest::newRow("answer key") << "5*" << 2 << -1 << 0 << "answer"
                                    << "5*A" << 3 << true;
        QTest::newRow("delete at end") << "abc" << 3 << -1 << 0 << "delete"
                                       << "ab" << 2 << true;
        QTest::newRow("delete at 0") << "abc" << 0 << -1 << 0 << "delete"
                                     << "abc" << 0 << true;
        QTest::newRow("delete selection") << "abcd" << 0 << 1 << 2 << "delete"
                                          << "ad" << 1 << true;
        QTest::newRow("first") << "abc" << 2 << -1 << 0 << "first"
                               << "abc" << 0 << false;
        QTest::newRow("last") << "abc" << 1 << -1 << 0 << "last"
                              << "abc" << 3 << false;
        QTest::newRow("left at 0") << "abc" << 0 << -1 << 0 << "left"
                                   << "abc" << 0 << false;
        QTest::newRow("left of selection") << "abcd" << 0 << 2 << 2 << "left"
                                           << "abcd" << 1 << false;
        QTest::newRow("right at end") << "abc" << 3 << -1 << 0 << "right"
                                      << "abc" << 3 << false;
        QTest::newRow("right") << "abc" << 1 << -1 << 0 << "right"
                               << "abc" << 2 << false;
    }

    void PadKeysOnTheLine() {
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(int, sel_start);
        QFETCH(int, sel_length);
        QFETCH(QString, key);
        QFETCH(QString, line);
        QFETCH(int, caret_after);
        QFETCH(bool, focus_after);
        // A line edit drops its selection when it loses the focus: focus first, then the line.
        ResultsMemo()->setFocus();
        SetLine(start, caret, sel_start, sel_length);
        const auto* pad = form_->findChild<brisalto::MousePad*>();
        QToolButton* button = nullptr;
        bool numbered = false;
        const unsigned tag = key.mid(1).toUInt(&numbered);
        if (numbered && key.startsWith('k')) {
            button = pad->KeypadKeys()[tag];
        } else if (numbered && key.startsWith('f')) {
            button = pad->FunctionKeys()[tag];
        } else if (key == "answer") {
            button = pad->findChild<QToolButton*>("Button29");
        } else if (key == "delete") {
            button = pad->findChild<QToolButton*>("Button2");
        } else if (key == "first") {
            button = pad->findChild<QToolButton*>("FirstButton");
        } else if (key == "last") {
            button = pad->findChild<QToolButton*>("LastButton");
        } else if (key == "left") {
            button = pad->findChild<QToolButton*>("LeftButton");
        } else if (key == "right") {
            button = pad->findChild<QToolButton*>("RightButton");
        }
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(CmdEdit()->text(), line);
        QCOMPARE(CmdEdit()->cursorPosition(), caret_after);
        QVERIFY(!CmdEdit()->hasSelectedText());
        QCOMPARE(CmdEdit()->hasFocus(), focus_after);
    }

    void ConstantsInsertAtTheCaret_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("sel_start");
        QTest::addColumn<int>("sel_length");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("line");
        QTest::newRow("Avogadro after 2*")
            << "2*" << -1 << 0 << QKeySequence("Shift+F3") << "2*6.02214e23";
        QTest::newRow("Pi on selection")
            << "2x3" << 1 << 1 << QKeySequence("Ctrl+Shift+F5") << "2P3";
        QTest::newRow("no answer prefix")
            << "" << -1 << 0 << QKeySequence("Shift+Ctrl+F12") << "2.998e8";
        QTest::newRow("gravity") << "" << -1 << 0 << QKeySequence("Shift+Alt+F1") << "9.807";
        QTest::newRow("electron amu") << "" << -1 << 0 << QKeySequence("Shift+F7") << "5.48580e-4";
    }

    void ConstantsInsertAtTheCaret() {
        QFETCH(QString, start);
        QFETCH(int, sel_start);
        QFETCH(int, sel_length);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, line);
        ResultsMemo()->setFocus();
        SetLine(start, static_cast<int>(start.size()), sel_start, sel_length);
        QTest::keySequence(form_.get(), keys);
        QCOMPARE(CmdEdit()->text(), line);
        QCOMPARE(CmdEdit()->cursorPosition(),
                 static_cast<int>(line.size()) - (sel_start >= 0 ? 1 : 0));
        QVERIFY(CmdEdit()->hasFocus());
    }

    void CopyFollowsTheFocusedControl() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        SetLine(QStringLiteral("12345"), 0, 1, 3);
        CmdEdit()->setFocus();
        form_->ApplicationEvents1Idle();
        QVERIFY(Action("CopyAction")->isEnabled());
        QTest::keyClick(CmdEdit(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("234"));

        ResultsMemo()->setFocus();
        QTextCursor cursor = ResultsMemo()->textCursor();
        cursor.movePosition(QTextCursor::Start);
        cursor.movePosition(QTextCursor::NextBlock);
        cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        ResultsMemo()->setTextCursor(cursor);
        form_->ApplicationEvents1Idle();
        QTest::keyClick(ResultsMemo(), Qt::Key_C, Qt::ControlModifier);
        const QString copied = clipboard->text();
        QCOMPARE(copied.trimmed(), QStringLiteral("Brisalto"));

        // Past into the command line replaces its selection.
        SetLine(QStringLiteral("1+9"), 0, 1, 1);
        CmdEdit()->setFocus();
        form_->ApplicationEvents1Idle();
        QVERIFY(Action("PastAction")->isEnabled());
        QTest::keyClick(CmdEdit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(CmdEdit()->text(), "1" + copied + "9");
    }

    void IdleUpdateOfTheEditActions() {
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        QCoreApplication::processEvents();
        SetLine(QStringLiteral("abc"), 3);
        CmdEdit()->setFocus();
        form_->ApplicationEvents1Idle();
        QVERIFY(!Action("CopyAction")->isEnabled());
        QVERIFY(!Action("CutAction")->isEnabled());
        QVERIFY(Action("PastAction")->isEnabled());

        QGuiApplication::clipboard()->clear();
        QCoreApplication::processEvents();
        form_->ApplicationEvents1Idle();
        QVERIFY(!Action("PastAction")->isEnabled());

        CmdEdit()->selectAll();
        form_->ApplicationEvents1Idle();
        QVERIFY(Action("CopyAction")->isEnabled());
        QVERIFY(Action("CutAction")->isEnabled());

        QTest::keyClicks(CmdEdit(), QStringLiteral("z"));
        form_->ApplicationEvents1Idle();
        QVERIFY(Action("UndoAction")->isEnabled());

        // Neither text control focused: Undo keeps its state, the other three are off.
        CmdEdit()->clearFocus();
        form_->ApplicationEvents1Idle();
        QVERIFY(!Action("CopyAction")->isEnabled());
        QVERIFY(!Action("CutAction")->isEnabled());
        QVERIFY(!Action("PastAction")->isEnabled());
        QVERIFY(Action("UndoAction")->isEnabled());
    }

    void AnOpenMenuKeepsTheEditStates() {
        SetLine(QStringLiteral("abc"), 0, 0, 2);
        CmdEdit()->setFocus();
        form_->ApplicationEvents1Idle();
        QVERIFY(Action("CopyAction")->isEnabled());
        QMenu* edit = form_->menuBar()->actions().at(1)->menu();
        edit->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(edit));
        form_->ApplicationEvents1Idle();
        QVERIFY(Action("CopyAction")->isEnabled());
        edit->close();
    }

    void ARefusedSettingsWriteIsReported() {
        // A file where the folder should be: the write cannot succeed.
        QFile blocker(config_->path() + "/Brisalto");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        form_.reset();
        QCOMPARE(reported_.size(), 1);
        QVERIFY2(reported_[0].startsWith("Unable to write to "), qPrintable(reported_[0]));
        reported_.clear();
    }

    void OutputIsNotUndoneButUserEditsAre() {
        Type("2+3");
        ResultsMemo()->setFocus();
        QVERIFY(!ResultsMemo()->document()->isUndoAvailable());
        QTest::keyClicks(ResultsMemo(), QStringLiteral("x"));
        QVERIFY(ResultsMemo()->document()->isUndoAvailable());
    }

    void PastedLinesRunOneByOne_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("echoed");
        QTest::addColumn<QString>("left");
        QTest::newRow("three lines") << "1+1\n2+2\n3+3" << QStringList{"> 1+1", "> 2+2"} << "3+3";
        QTest::newRow("CR LF, final break") << "1+1\r\n2+2\r\n"
                                            << QStringList{"> 1+1", "> 2+2"} << "";
        QTest::newRow("keywords carry over") << "rad\nB=2\nB*3\n"
                                             << QStringList{"> rad", "> B=2", "> B*3"} << "";
        QTest::newRow("one line stays") << "7*6" << QStringList{} << "7*6";
    }

    void PastedLinesRunOneByOne() {
        QFETCH(QString, pasted);
        QFETCH(QStringList, echoed);
        QFETCH(QString, left);
        QGuiApplication::clipboard()->setText(pasted);
        CmdEdit()->setFocus();
        QTest::keySequence(CmdEdit(), QKeySequence::Paste);
        QStringList echoes;
        for (const QString& line : MemoLines()) {
            if (line.startsWith("> ")) echoes << line;
        }
        QCOMPARE(echoes, echoed);
        QCOMPARE(CmdEdit()->text(), left);
        QCOMPARE(CmdEdit()->cursorPosition(), left.size());
        if (pasted.startsWith("rad")) {
            QVERIFY(
                MemoLines().contains(QStringLiteral("Answer(A) = 6.0000000000   "
                                                    "(6.0000000000000000E+00)")));
            QCOMPARE(ModeLabel()->text(), QStringLiteral("Radian"));
        }
    }

    // A paste puts its answers into the window in one append at its end; the window must read
    // as if each line had been typed ("cls" in the middle included) and stay without undo.
    void APasteShowsWhatTypingShows() {
        const QStringList session = {"2+3",  "B=4!", "1/0", "var",     "cls",
                                     "(1+2", "mod",  "B*2", "sin(30)", "P=3"};
        form_->PasteIntoCmdEdit(session.join('\n') + '\n');
        const QStringList pasted = MemoLines();
        QVERIFY(!ResultsMemo()->document()->isUndoAvailable());
        QCOMPARE(CmdEdit()->text(), QString());
        form_.reset();
        Start();
        for (const QString& line : session) Type(line);
        QCOMPARE(pasted, MemoLines());
        QVERIFY(!pasted.contains(QStringLiteral("> 2+3")));
        QVERIFY(pasted.contains(QStringLiteral("> P=3")));
    }

    // Dropped text: lines run as in a paste, from the drop point; one line is just inserted.
    void DroppedLinesRunLikeAPaste() {
        const auto drop = [this](const QString& text) {
            QMimeData data;
            data.setText(text);
            // A drop reaches the widget that accepted the drag's entry.
            const QPoint at = CmdEdit()->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(CmdEdit(), &enter);
            QDropEvent event(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(CmdEdit(), &event);
        };
        drop(QStringLiteral("6*7\n2^10\n3"));
        QStringList echoes;
        for (const QString& line : MemoLines()) {
            if (line.startsWith("> ")) echoes << line;
        }
        QCOMPARE(echoes, QStringList({"> 6*7", "> 2^10"}));
        QVERIFY(MemoLines().contains(
            QStringLiteral("Answer(A) = 1,024.0000000000   (1.0240000000000000E+03)")));
        QCOMPARE(CmdEdit()->text(), QStringLiteral("3"));
        const int lines = MemoLines().size();
        CmdEdit()->clear();
        drop(QStringLiteral("4+4"));
        QCOMPARE(CmdEdit()->text(), QStringLiteral("4+4"));
        QCOMPARE(MemoLines().size(), lines);
    }

    void ALongLineIsEvaluatedWhole() {
        // 1000000+1+1+...+1: 100,001 characters; a line cut anywhere gives another answer.
        QString line = QStringLiteral("1000000");
        line += QStringLiteral("+1").repeated(49997);
        QCOMPARE(line.size(), 100001);
        QGuiApplication::clipboard()->setText(line);
        CmdEdit()->setFocus();
        Action("PastAction")->trigger();
        QCOMPARE(CmdEdit()->text().size(), line.size());
        QTest::keyClick(CmdEdit(), Qt::Key_Return);
        QCOMPARE(MemoLines().at(MemoLines().size() - 2),
                 QStringLiteral("Answer(A) = 1,049,997.0000000000   (1.0499970000000000E+06)"));
    }

    void TabLeavesTheResultsWindow() {
        ResultsMemo()->setFocus();
        const QString before = ResultsMemo()->toPlainText();
        QTest::keyClick(ResultsMemo(), Qt::Key_Tab);
        QVERIFY(!ResultsMemo()->hasFocus());
        QCOMPARE(ResultsMemo()->toPlainText(), before);
    }

    void EveryMenuTitleFits_data() {
        QTest::addColumn<int>("points");
        for (int points = 8; points <= 14; ++points) QTest::addRow("%d pt", points) << points;
        QTest::addRow("24 pt") << 24;
    }

    void EveryMenuTitleFits() {
        QFETCH(int, points);
        const QFont desktop = QApplication::font();
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(points);
        QApplication::setFont(font);
        form_.reset();
        Start();
        QApplication::setFont(desktop);
        QMenuBar* bar = form_->menuBar();
        QStringList hidden;
        for (QAction* title : bar->actions()) {
            const QRect place = bar->actionGeometry(title);
            if (place.isEmpty() || !bar->rect().contains(place)) hidden << title->text();
        }
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(", ")));
        QCOMPARE(bar->actions().size(), 9);
        auto* overflow = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(overflow == nullptr || !overflow->isVisible());
        // The desktop tests keep a picture of each size to look at.
        if (const QString shots = qEnvironmentVariable("DESKTOP_SHOTS"); !shots.isEmpty()) {
            const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
            form_->grab().save(
                QStringLiteral("%1/menus-%2pt-scale%3.png").arg(shots).arg(points).arg(scale));
        }
    }

    void WordWrapTwiceRestores() {
        QCOMPARE(ResultsMemo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        Action("WordwrapAction")->trigger();
        QCOMPARE(ResultsMemo()->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(!Action("WordwrapAction")->isChecked());
        Action("WordwrapAction")->trigger();
        QCOMPARE(ResultsMemo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(Action("WordwrapAction")->isChecked());
    }

    void ClearActionEmptiesTheWindow() {
        Action("ClearAction")->trigger();
        QCOMPARE(form_->LineCount(), 0);
    }

    void ExitPathsWriteTheSettingsOnce_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("close box") << "close";
        QTest::newRow("Ctrl+Q") << "ctrl+q";
        QTest::newRow("Exit item") << "action";
    }

    void ExitPathsWriteTheSettingsOnce() {
        QFETCH(QString, path);
        QSignalSpy written(form_.get(), &TMainForm::settingsWritten);
        QTest::keyClick(CmdEdit(), Qt::Key_F4);  // pad hidden: Tools=0
        Type("rad");
        if (path == "close") {
            form_->close();
        } else if (path == "ctrl+q") {
            QTest::keyClick(CmdEdit(), Qt::Key_Q, Qt::ControlModifier);
        } else {
            Action("ExitAction")->trigger();
        }
        QVERIFY(!form_->isVisible());
        QCOMPARE(written.count(), 0);
        QVERIFY(!QFile::exists(SettingsPath()));
        form_.reset();
        QCOMPARE(written.count(), 1);
        QFile file(SettingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains("Tools=0"), qPrintable(text));
        QVERIFY2(text.contains("Mode=0"), qPrintable(text));

        // The next start finds the pad hidden and the angle mode restored.
        Start();
        QVERIFY(!ToolsPanel()->isVisible());
        QVERIFY(!Action("MouseToolsAction")->isChecked());
        QCOMPARE(ModeLabel()->text(), QStringLiteral("Radian"));
        QVERIFY(Action("radAction")->isChecked());
        QCOMPARE(ResultsPanel()->height(), 453);
    }

    void HandEditedSettingsApply() {
        form_.reset();
        QFile file(SettingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(
            "[View]\nTools=0\nLeft=0x20\nRight=40\nCmdBkgrdColor=65535\n"
            "ResultsFontName=Liberation Serif\nResultsFontSize=12\nResultsFontStyleBold=1\n"
            "[Format]\nWordWrap=0\nPrecision=3\n[Mode]\nScientific=0\nAutomatic=0\nMode=3\n");
        file.close();
        Start();
        QCOMPARE(form_->pos(), QPoint(32, 40));
        QVERIFY(!ToolsPanel()->isVisible());
        QVERIFY(!Action("WordwrapAction")->isChecked());
        QCOMPARE(ResultsMemo()->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(form_->CmdBkgrdColor(), 65535);
        QCOMPARE(CmdEdit()->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(ResultsMemo()->font().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(ResultsMemo()->font().pointSize(), 12);
        QVERIFY(ResultsMemo()->font().bold());
        QCOMPARE(form_->calculator().GetPrecision(), 3);
        QCOMPARE(ModeLabel()->text(), QStringLiteral("Cycle"));
        QCOMPARE(SciLabel()->text(), QStringLiteral("Fixed"));
        QVERIFY(Action("cycAction")->isChecked() && !Action("degAction")->isChecked());
        QVERIFY(Action("fixAction")->isChecked() && !Action("autoAction")->isChecked());
    }

    void NoSettingsFolderKeepsTheDesignedValues() {
        form_.reset();
        QVERIFY(QFile::remove(SettingsPath()));
        const QByteArray home = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", "");
        qunsetenv("HOME");
        Start();
        qputenv("HOME", home);
        // The designed place, moved left only as far as a narrow screen needs.
        const QRect screen = form_->screen()->availableGeometry();
        QCOMPARE(form_->pos(),
                 QPoint(std::min(394, screen.right() + 1 - form_->frameGeometry().width()), 114));
        QVERIFY(!ToolsPanel()->isVisible());
        QCOMPARE(ResultsMemo()->font().pixelSize(), 19);
        QCOMPARE(CmdEdit()->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(ModeLabel()->text(), QStringLiteral("Degrees"));
        QVERIFY(Action("degAction")->isChecked() && Action("autoAction")->isChecked());
        qunsetenv("HOME");
        form_.reset();
        qputenv("HOME", home);
        QVERIFY(!QFile::exists(SettingsPath()));
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
