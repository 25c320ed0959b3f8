// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Start-up and shutdown: the real message loop ended by the "exit" command and by Ctrl+Q, the
// splash window, and errors that escape a handler or the start-up.
#include "app/startup.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "app/about_form.h"
#include "app/error_report.h"
#include "app/main_form.h"
#include "app/splash_form.h"

using brisalto::TMainForm;

namespace {

// The program's main window, when it exists.
TMainForm* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<TMainForm*>(widget)) return form;
    }
    return nullptr;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private:
    QStringList reported_;

  private slots:
    void init() {
        reported_.clear();
        brisalto::SetErrorReporter([this](const QString& message) { reported_ << message; });
    }
    void cleanup() { brisalto::SetErrorReporter({}); }

    void WaysOutEndTheLoopWithStatusZeroAndWriteOnce_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("exit command") << "exit";
        QTest::newRow("EXIT in capitals") << "EXIT";
        QTest::newRow("Ctrl+Q") << "ctrl+q";
    }

    void WaysOutEndTheLoopWithStatusZeroAndWriteOnce() {
        QFETCH(QString, way);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        int writes = 0;
        bool dialogs_made = false;
        // The splash runs events before the windows exist: wait for the shown main window.
        QTimer poll;
        poll.start(5);
        QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
        connect(&poll, &QTimer::timeout, [&] {
            TMainForm* main_form = MainWindow();
            if (main_form == nullptr || !main_form->isActiveWindow()) {
                return;
            }
            auto* cmd_edit = main_form->findChild<QLineEdit*>("CmdEdit");
            poll.stop();
            QVERIFY(cmd_edit->hasFocus());
            dialogs_made = main_form->findChild<brisalto::TAboutForm*>() != nullptr;
            connect(main_form, &brisalto::TMainForm::settingsWritten, [&writes] { ++writes; });
            if (way == "ctrl+q") {
                QTest::keyClick(cmd_edit, Qt::Key_Q, Qt::ControlModifier);
            } else {
                cmd_edit->setText(way);
                QTest::keyClick(cmd_edit, Qt::Key_Return);
            }
        });
        const int status = brisalto::RunCalculator(*qApp);
        QCOMPARE(status, 0);
        QVERIFY(dialogs_made);
        QVERIFY(MainWindow() == nullptr);
        QCOMPARE(writes, 1);
        QVERIFY(QFile::exists(config.path() + "/Brisalto/Calculator.ini"));
        QVERIFY2(reported_.isEmpty(), qPrintable(reported_.join('\n')));
    }

    void SplashIsBorderlessOnTopAndCentred() {
        brisalto::TSplashForm splash;
        splash.ShowAndPaint();
        QCOMPARE(splash.size(), QSize(349, 250));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.geometry().center(), splash.screen()->geometry().center());
        QVERIFY(splash.isVisible());
    }

    void AnErrorInAHandlerIsShownAndTheProgramGoesOn() {
        QTimer::singleShot(0, [] { throw std::runtime_error("boom in a handler"); });
        bool later = false;
        QTimer::singleShot(5, [&later] { later = true; });
        QTRY_VERIFY(later);
        QCOMPARE(reported_, QStringList{"boom in a handler"});
    }

    void AnErrorEscapingStartUpGivesAFailureStatus_data() {
        QTest::addColumn<bool>("with_message");
        QTest::newRow("message") << true;
        QTest::newRow("no message") << false;
    }

    void AnErrorEscapingStartUpGivesAFailureStatus() {
        QFETCH(bool, with_message);
        const int status = brisalto::RunGuarded([with_message]() -> int {
            if (with_message) {
                throw std::runtime_error("cannot start");
            }
            throw 42;
        });
        QCOMPARE(status, brisalto::kFailureStatus);
        QCOMPARE(reported_, QStringList{with_message ? "cannot start" : ""});
    }
};

int main(int argc, char** argv) {
    brisalto::CalculatorApplication app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
