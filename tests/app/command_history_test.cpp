// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The command history in the window, offscreen: Up and Down walking the lines run, the line
// being typed kept, a recalled line edited and run, F3 untouched, the history kept across two
// windows and shared with brisalto-calc typed at a pseudo-terminal, and a history file that
// cannot be used reported once without stopping anything.
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBlock>
#include <cstdio>
#include <memory>

#include "app/error_report.h"
#include "app/main_form.h"

using brisalto::TMainForm;

namespace {

// brisalto-calc at a pseudo-terminal of its own, typed into as a user would.
class TerminalCalc {
  public:
    static constexpr char kPrompt[] = "> ";

    bool Start() {
        winsize size{};
        size.ws_row = 24;
        size.ws_col = 80;
        pid_ = forkpty(&master_, nullptr, nullptr, &size);
        if (pid_ < 0) return false;
        if (pid_ == 0) {
            setenv("TERM", "xterm", 1);
            execl(BRISALTO_CALC_PATH, BRISALTO_CALC_PATH, static_cast<char*>(nullptr));
            _exit(127);
        }
        return true;
    }

    ~TerminalCalc() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }

    // Keys typed at the prompt, once the line editor holds the terminal: typed before, the
    // terminal's own line editing would take them (Ctrl+D would be lost).
    bool Type(const QByteArray& keys) { return WaitFor(kPrompt) && WaitForEditor() && Keys(keys); }

    bool Keys(const QByteArray& keys) {
        return write(master_, keys.constData(), static_cast<size_t>(keys.size())) == keys.size();
    }

    // Reads until the screen holds text after what was seen before (10 s at most).
    bool WaitFor(const QByteArray& text) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            const qsizetype found = screen_.indexOf(text, seen_);
            if (found >= 0) {
                seen_ = found + text.size();
                return true;
            }
            if (!ReadSome()) return false;
        }
        return false;
    }

    bool WaitForEditor() {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            termios mode{};
            if (tcgetattr(master_, &mode) != 0) return false;
            if ((mode.c_lflag & ICANON) == 0) return true;
            if (!ReadSome()) return false;
        }
        return false;
    }

    // Ctrl+D on an empty line ends the session.
    bool End() {
        if (!Type("\x04")) return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            ReadSome();  // a terminal that is not read can hold the program up
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) && WEXITSTATUS(status) == 0;
            }
        }
        return false;
    }

    const QByteArray& screen() const { return screen_; }

  private:
    // What the program wrote within a tenth of a second; false once it has closed the terminal.
    bool ReadSome() {
        pollfd fd{master_, POLLIN, 0};
        if (poll(&fd, 1, 100) <= 0) return true;
        char chunk[4096];
        const ssize_t got = read(master_, chunk, sizeof chunk);
        if (got <= 0) return false;
        screen_.append(chunk, got);
        return true;
    }

    pid_t pid_ = -1;
    int master_ = -1;
    QByteArray screen_;
    qsizetype seen_ = 0;
};

// Standard error of this process into a file while it lives.
class CapturedStandardError {
  public:
    CapturedStandardError() {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~CapturedStandardError() { Restore(); }
    QByteArray Text() {
        Restore();
        file_.seek(0);
        return file_.readAll();
    }

  private:
    void Restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_ = -1;
};

}  // namespace

class CommandHistoryTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> home_;
    QLineEdit* CmdEdit() const { return form_->findChild<QLineEdit*>(QStringLiteral("CmdEdit")); }
    QPlainTextEdit* ResultsMemo() const {
        return form_->findChild<QPlainTextEdit*>(QStringLiteral("ResultsMemo"));
    }

    std::unique_ptr<TMainForm> form_;
    QStringList reported_;

    QString HistoryPath() const { return home_->path() + "/state/brisalto/history"; }

    void Start() {
        form_ = std::make_unique<TMainForm>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        CmdEdit()->setFocus();
    }

    void Type(const QString& line) {
        QTest::keyClicks(CmdEdit(), line);
        QTest::keyClick(CmdEdit(), Qt::Key_Return);
    }

    QString Press(Qt::Key key) {
        QTest::keyClick(CmdEdit(), key);
        return CmdEdit()->text();
    }

    QStringList FileLines() const {
        QFile file(HistoryPath());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    bool MemoHas(const QString& line) const {
        for (QTextBlock b = ResultsMemo()->document()->begin(); b.isValid(); b = b.next()) {
            if (b.text() == line) return true;
        }
        return false;
    }

  private slots:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid());
        // Before the window is made: it reads the history path as it is created.
        qputenv("HOME", home_->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home_->path() + "/config").toLocal8Bit());
        qputenv("XDG_STATE_HOME", (home_->path() + "/state").toLocal8Bit());
        reported_.clear();
        brisalto::SetErrorReporter([this](const QString& message) { reported_ << message; });
    }

    void cleanup() {
        form_.reset();
        brisalto::SetErrorReporter({});
        QVERIFY2(reported_.isEmpty(), qPrintable(reported_.join('\n')));
    }

    void UpAndDownWalkTheLinesRun_data() {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<QString>("keys");  // U for Up, D for Down
        QTest::addColumn<QStringList>("shown");
        const QStringList three = {"3*3", "B=2", "1+1"};
        QTest::newRow("back, newest first") << ""
                                            << "UUU" << three;
        QTest::newRow("stops at the oldest") << ""
                                             << "UUUU" << (three + QStringList{"1+1"});
        QTest::newRow("forward to the empty line")
            << ""
            << "UUDDD" << QStringList{"3*3", "B=2", "3*3", "", ""};
        QTest::newRow("the line being typed comes back")
            << "7*("
            << "UUDD" << QStringList{"3*3", "B=2", "3*3", "7*("};
        QTest::newRow("Down first changes nothing") << "7*("
                                                    << "DU" << QStringList{"7*(", "3*3"};
    }

    void UpAndDownWalkTheLinesRun() {
        QFETCH(QString, draft);
        QFETCH(QString, keys);
        QFETCH(QStringList, shown);
        Start();
        for (const char* line : {"1+1", "B=2", "3*3"}) Type(QString::fromLatin1(line));
        QTest::keyClicks(CmdEdit(), draft);
        QStringList got;
        for (QChar key : keys) got << Press(key == 'U' ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(got, shown);
        QCOMPARE(CmdEdit()->cursorPosition(), CmdEdit()->text().size());
        QCOMPARE(FileLines(), QStringList({"1+1", "B=2", "3*3"}));
    }

    void EditedRecalledLineRunsAsEdited() {
        Start();
        Type("2+2");
        Type("B=5*3");
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("B=5*3"));
        QTest::keyClick(CmdEdit(), Qt::Key_Backspace);
        QTest::keyClicks(CmdEdit(), "4");
        QTest::keyClick(CmdEdit(), Qt::Key_Return);
        QVERIFY(MemoHas("> B=5*4"));
        QCOMPARE(form_->calculator().LastCommand(), std::string("B=5*4"));
        QCOMPARE(CmdEdit()->text(), QString());
        // The new line is the newest; the one it was made from is still there as it was.
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("B=5*4"));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("B=5*3"));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("2+2"));
        QCOMPARE(FileLines(), QStringList({"2+2", "B=5*3", "B=5*4"}));
        // Undo in the field goes back over the recalls, as over any edit.
        QVERIFY(CmdEdit()->isUndoAvailable());
    }

    void KeyF3KeepsItsMeaning() {
        Start();
        Type("1+1");
        Type(" 2+2");  // runs, but starts with a blank: not kept in the history
        QCOMPARE(FileLines(), QStringList({"1+1"}));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("1+1"));
        QTest::keyClick(CmdEdit(), Qt::Key_F3);
        QCOMPARE(CmdEdit()->text(), QStringLiteral(" 2+2"));
        QCOMPARE(CmdEdit()->cursorPosition(), 4);
        QVERIFY(MemoHas(">  2+2"));
    }

    void ModifiedArrowsAreNotTheHistory() {
        Start();
        Type("1+1");
        QTest::keyClicks(CmdEdit(), "5");
        QTest::keyClick(CmdEdit(), Qt::Key_Up, Qt::ControlModifier);
        QTest::keyClick(CmdEdit(), Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(CmdEdit()->text(), QStringLiteral("5"));
        QTest::keyClick(CmdEdit(), Qt::Key_Up, Qt::KeypadModifier);
        QCOMPARE(CmdEdit()->text(), QStringLiteral("1+1"));
    }

    void PastedLinesAndMenuCommandsAreKept() {
        Start();
        form_->PasteIntoCmdEdit("1+2\n3+4\n5");
        QCOMPARE(CmdEdit()->text(), QStringLiteral("5"));
        form_->FindAction(QStringLiteral("degAction"))->trigger();
        QCOMPARE(FileLines(), QStringList({"1+2", "3+4", "deg"}));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("deg"));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("3+4"));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("1+2"));
    }

    void SecondWindowRecallsTheFirstsLines() {
        Start();
        Type("C=5");
        Type("C*2");
        form_.reset();
        Start();
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("C*2"));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("C=5"));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("C=5"));
        QCOMPARE(Press(Qt::Key_Down), QStringLiteral("C*2"));
    }

    void UpInAFreshWindowRecallsTheLastLineTypedInBrisaltoCalc() {
        {
            TerminalCalc calc;
            QVERIFY(calc.Start());
            QVERIFY(calc.Type("2+2\r"));
            QVERIFY(calc.WaitFor("Answer(A) = 4"));
            QVERIFY(calc.Type("B=7*6\r"));
            QVERIFY2(calc.WaitFor("B = 42"), calc.screen().constData());
            QVERIFY(calc.End());
        }
        Start();
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("B=7*6"));
        QCOMPARE(Press(Qt::Key_Up), QStringLiteral("2+2"));
    }

    void BrisaltoCalcRecallsALineRunInTheWindow() {
        Start();
        Type("D=2+2");
        form_.reset();
        QCOMPARE(FileLines(), QStringList({"D=2+2"}));
        TerminalCalc calc;
        QVERIFY(calc.Start());
        QVERIFY(calc.Type("\x1b[A"));
        QVERIFY(calc.WaitFor("D=2+2"));
        QVERIFY(calc.Keys("\r"));
        QVERIFY2(calc.WaitFor("D = 4"), calc.screen().constData());
        QVERIFY(calc.End());
    }

    void UnusableHistoryFileNeverStopsTheWindow_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("recalled");
        QTest::addColumn<QString>("message");
        QTest::newRow("a folder in its place") << "folder" << QStringList() << "cannot read";
        QTest::newRow("unreadable") << "unreadable" << QStringList() << "cannot read";
        QTest::newRow("NUL bytes") << "nul" << QStringList({"2+2", "1+1"}) << "damaged lines";
        QTest::newRow("a file where the folder goes")
            << "blocked" << QStringList() << "cannot read";
        QTest::newRow("a FIFO") << "fifo" << QStringList() << "cannot read";
        QTest::newRow("a link to /dev/zero") << "zero" << QStringList() << "cannot read";
    }

    void UnusableHistoryFileNeverStopsTheWindow() {
        QFETCH(QString, damage);
        QFETCH(QStringList, recalled);
        QFETCH(QString, message);
        if (damage == "unreadable" && geteuid() == 0) QSKIP("root reads every file");
        QDir().mkpath(home_->path() + "/state/brisalto");
        QFile file(HistoryPath());
        if (damage == "folder") {
            QVERIFY(QDir().mkpath(HistoryPath()));
        } else if (damage == "unreadable") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("1+1\n");
            file.close();
            QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
        } else if (damage == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(HistoryPath()).constData(), 0600), 0);
        } else if (damage == "zero") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), HistoryPath()));
        } else if (damage == "nul") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("1+1\n\0\0\n2+2\n", 11));
            file.close();
        } else {
            QDir(home_->path() + "/state").removeRecursively();
            QFile blocker(home_->path() + "/state");
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        CapturedStandardError captured;
        Start();
        Type("6*7");
        Type("6*8");
        QVERIFY(MemoHas("> 6*8"));
        QStringList got;
        for (int i = 0; i < recalled.size() + 2; ++i) got << Press(Qt::Key_Up);
        QCOMPARE(got, QStringList({"6*8", "6*7"}) + recalled);
        // Said once in the window too, where a desktop user looks.
        const auto* notice = form_->findChild<QLabel*>(QStringLiteral("HistoryNotice"));
        QVERIFY2(notice != nullptr && notice->isVisible(), "no notice in the window");
        QVERIFY2(notice->toolTip().contains(message) && notice->toolTip().contains(HistoryPath()),
                 qPrintable(notice->toolTip()));
        QVERIFY(!notice->text().isEmpty());
        form_.reset();
        const QString errors = QString::fromLocal8Bit(captured.Text());
        QCOMPARE(errors.count("history file"), 1);
        QVERIFY2(errors.contains("brisalto-calculator: " + message), qPrintable(errors));
        QVERIFY2(errors.contains(HistoryPath()), qPrintable(errors));
    }
};

QTEST_MAIN(CommandHistoryTest)
#include "command_history_test.moc"
