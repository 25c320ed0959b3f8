// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The same command lines through the window and through brisalto-calc give the same results
// text. Run once in the C locale and once under a German one (with_locale.sh), so the user's
// separators are compared too. BRISALTO_CALC names the brisalto-calc to compare with.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "app/main_form.h"
#include "app/results_lines.h"

using brisalto::TMainForm;

namespace {

// Every kind of results line: answers and assignments in each format, grouping of many lengths,
// "Counter = " lines, listings, mode lines, each kind of error. Lines that open a window (about,
// help, print, save) or end the program have no transcript of their own.
const QStringList kLines = {"1234.5",
                            "B=-1234567.25",
                            "1e20",
                            "12345",
                            "16!",
                            "123456789012",
                            "C=2*sin(30)+4!",
                            "var",
                            "mod",
                            "sci",
                            "1/3",
                            "D=1.5e-20",
                            "mod",
                            "fix",
                            "2/3",
                            "1e300",
                            "auto",
                            "rad",
                            "sin(P/6)",
                            "grd",
                            "cyc",
                            "xtan(1)",
                            "deg",
                            "P=3",
                            "1/0",
                            "0/0",
                            "1e4000*1e4000",
                            "2*(3",
                            "x",
                            "O+1",
                            "1.2.3",
                            "3!2",
                            "B==3",
                            "clear",
                            "var",
                            "A*2",
                            "-0.000001",
                            "99999999999999999",
                            "logn(0)",
                            "ABS(-2)",
                            "MOD",
                            "abs(-2.5)"};

// The evaluator's own standard-output text: brisalto-calc writes it among the lines, the window
// has no standard output to show.
const QString kEvaluatorStdout = QStringLiteral("\n Function Error\n");

}  // namespace

class WindowCliSameTextTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        // A first run: no settings file, so both start alike.
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", config_.path().toLocal8Bit());
        calc_ = qEnvironmentVariable("BRISALTO_CALC");
        QVERIFY2(!calc_.isEmpty(), "BRISALTO_CALC names no program");
    }

    void WindowAndTerminalShowTheSameText() {
        QProcess process;
        process.start(calc_, {});
        QVERIFY(process.waitForStarted());
        process.write((kLines.join('\n') + '\n').toUtf8());
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(30000));
        QString terminal = QString::fromUtf8(process.readAllStandardOutput());
        terminal.remove(kEvaluatorStdout);

        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* cmd_edit = form.findChild<QLineEdit*>(QStringLiteral("CmdEdit"));
        auto* go_btn = form.findChild<QAbstractButton*>(QStringLiteral("GoBtn"));
        auto* results = form.findChild<QPlainTextEdit*>(QStringLiteral("ResultsMemo"));
        QVERIFY(cmd_edit != nullptr && go_btn != nullptr && results != nullptr);
        for (const QString& line : kLines) {
            cmd_edit->setText(line);
            go_btn->click();
        }

        const QStringList window = brisalto::ResultsText(*results).split('\n');
        QStringList lines = terminal.split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        for (qsizetype i = 0; i < std::min(window.size(), lines.size()); ++i) {
            if (window[i] != lines[i]) {
                QFAIL(qPrintable(QStringLiteral("line %1 differs:\n  window:        %2\n  "
                                                "brisalto-calc: %3")
                                     .arg(i + 1)
                                     .arg(window[i], lines[i])));
            }
        }
        QCOMPARE(window.size(), lines.size());
        // The run really had the locale's separators.
        const bool german = qEnvironmentVariable("LC_ALL").startsWith(QStringLiteral("de_DE"));
        QVERIFY(results->toPlainText().contains(
            german ? QStringLiteral("Answer(A) = 1.234,5000000000")
                   : QStringLiteral("Answer(A) = 1,234.5000000000")));
    }

  private:
    QTemporaryDir config_;
    QString calc_;
};

QTEST_MAIN(WindowCliSameTextTest)
#include "window_cli_same_text_test.moc"
