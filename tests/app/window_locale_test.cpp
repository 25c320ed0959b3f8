// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The window under a German locale (run by with_locale.sh): results and the precision example
// show the user's separators, as brisalto-calc does, because both start the calculator alike.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "app/main_form.h"
#include "app/precision_form.h"
#include "command/result_format.h"

using brisalto::TMainForm;

class WindowLocaleTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const brisalto::NumberSeparators separators = brisalto::SeparatorsFromLocale();
        if (separators.decimal != ",") QSKIP("no German locale in this environment");
        QCOMPARE(QString::fromStdString(separators.thousands), QStringLiteral("."));
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    }

    void ResultsUseTheUsersSeparators_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("result");
        QTest::newRow("answer") << "1234.5"
                                << "Answer(A) = 1.234,5000000000   (1,2345000000000000E+03)";
        QTest::newRow("assignment") << "B=-1234567.25"
                                    << "B = -1.234.567,2500000000   (-1,2345672500000000E+06)";
        QTest::newRow("scientific only") << "1e20"
                                         << "Answer(A) = 1,0000000000000000E+20";
    }

    void ResultsUseTheUsersSeparators() {
        QFETCH(QString, line);
        QFETCH(QString, result);
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.findChild<QLineEdit*>("CmdEdit")->setText(line);
        QTest::keyClick(form.findChild<QLineEdit*>("CmdEdit"), Qt::Key_Return);
        const QTextBlock last =
            form.findChild<QPlainTextEdit*>("ResultsMemo")->document()->lastBlock();
        QCOMPARE(last.previous().text(), result);
    }

    void PrecisionExampleUsesTheWindowsSeparators() {
        TMainForm form;
        brisalto::TPrecisionForm dialog(form.calculator(), &form);
        QCOMPARE(dialog.ExampleLabel->text(), QStringLiteral("1,2345678910"));
    }

  private:
    QTemporaryDir config_;
};

QTEST_MAIN(WindowLocaleTest)
#include "window_locale_test.moc"
