// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The molar mass dialog driven as a user would: the molar mass and composition follow every
// keystroke, a bad formula's message stands in the dialog, Enter inserts into the main window's
// command line at the caret, and Esc, Cancel and the close box insert nothing.
#include "tools/gui/molar_mass_form.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>

#include "app/main_form.h"

using brisalto::TMainForm;
using brisalto::TMolarMassForm;

namespace {

std::optional<QString> RunWith(TMolarMassForm& form, const std::function<void()>& steps) {
    QTimer::singleShot(0, &form, [&form, steps] {
        if (QTest::qWaitForWindowActive(&form)) steps();
        if (form.isVisible()) form.done(QDialog::Rejected);
    });
    return form.Run();
}

QStringList TableRows(const TMolarMassForm& form) {
    QStringList rows;
    const QTableWidget* table = form.CompositionTable;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) cells << table->item(r, c)->text();
        rows << cells.join(' ');
    }
    return rows;
}

}  // namespace

class MolarMassFormTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> config_;

  private slots:
    void initTestCase() {
        // The main window writes its settings file on the way out; keep it away from the user's.
        config_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
    }

    void MolarMassFollowsEveryKeystroke() {
        TMolarMassForm form;
        QCOMPARE(form.windowTitle(), QString("Molar Mass"));
        QCOMPARE(form.MolarMassEdit->text(), QString());
        QCOMPARE(form.MessageLabel->text(), QString());
        QVERIFY(!form.InsertButton->isEnabled());
        QStringList shown;
        QStringList table;
        RunWith(form, [&] {
            for (const QString key : {"H", "2", "S", "O", "4"}) {
                QTest::keyClicks(form.FormulaEdit, key);
                shown << form.MolarMassEdit->text();
            }
            table = TableRows(form);
        });
        QCOMPARE(shown, QStringList({"1.00794 g/mol", "2.01588 g/mol", "34.08188 g/mol",
                                     "50.08128 g/mol", "98.07948 g/mol"}));
        QCOMPARE(table,
                 QStringList({"H 2 2.01588 2.055", "S 1 32.066 32.694", "O 4 63.9976 65.251"}));
        QCOMPARE(form.CompositionTable->horizontalHeaderItem(3)->text(), QString("Mass %"));
    }

    void BadFormulaIsShownInsideWhileTypingGoesOn() {
        TMolarMassForm form;
        QString message;
        QString mass;
        bool insert_enabled = true;
        bool still_open = false;
        QWidget* modal = nullptr;
        QWidget* focused = nullptr;
        QString message_after;
        QString mass_after;
        RunWith(form, [&] {
            QTest::keyClicks(form.FormulaEdit, "Ca(OH");
            message = form.MessageLabel->text();
            mass = form.MolarMassEdit->text();
            insert_enabled = form.InsertButton->isEnabled();
            modal = QApplication::activeModalWidget();
            focused = QApplication::focusWidget();
            // Enter on a bad formula inserts nothing and leaves the dialog open.
            QTest::keyClick(form.FormulaEdit, Qt::Key_Return);
            still_open = form.isVisible();
            QTest::keyClicks(form.FormulaEdit, ")2");
            message_after = form.MessageLabel->text();
            mass_after = form.MolarMassEdit->text();
        });
        QCOMPARE(message, QString("( is not closed (at character 3)"));
        QCOMPARE(mass, QString());
        QVERIFY(!insert_enabled);
        QCOMPARE(modal, &form);
        QCOMPARE(focused, form.FormulaEdit);
        QVERIFY(still_open);
        QCOMPARE(message_after, QString());
        QCOMPARE(mass_after, QString("74.09268 g/mol"));
    }

    void WaysOut_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("returned");
        QTest::newRow("Enter") << "CuSO4·5H2O"
                               << "enter"
                               << "249.686";
        QTest::newRow("Insert Value") << "(NH4)2SO4"
                                      << "insert"
                                      << "132.1406";
        QTest::newRow("Esc") << "H2O"
                             << "esc"
                             << "";
        QTest::newRow("Cancel") << "H2O"
                                << "cancel"
                                << "";
        QTest::newRow("close box") << "H2O"
                                   << "close"
                                   << "";
    }

    void WaysOut() {
        QFETCH(QString, formula);
        QFETCH(QString, how);
        QFETCH(QString, returned);
        TMolarMassForm form;
        bool closed = false;
        const std::optional<QString> result = RunWith(form, [&] {
            QTest::keyClicks(form.FormulaEdit, formula);
            if (how == "enter") {
                QTest::keyClick(form.FormulaEdit, Qt::Key_Return);
            } else if (how == "insert") {
                QTest::mouseClick(form.InsertButton, Qt::LeftButton);
            } else if (how == "esc") {
                QTest::keyClick(form.FormulaEdit, Qt::Key_Escape);
            } else if (how == "cancel") {
                QTest::mouseClick(form.CancelButton, Qt::LeftButton);
            } else {
                form.close();
            }
            closed = !form.isVisible();
        });
        QVERIFY(closed);
        QCOMPARE(result.has_value(), !returned.isEmpty());
        if (result) QCOMPARE(*result, returned);
    }

    void KeepsFormulaSelectedBetweenShowings() {
        TMolarMassForm form;
        RunWith(form, [&] {
            QTest::keyClicks(form.FormulaEdit, "H2O");
            QTest::keyClick(form.FormulaEdit, Qt::Key_Escape);
        });
        QString kept;
        QString selected;
        const std::optional<QString> result = RunWith(form, [&] {
            kept = form.FormulaEdit->text();
            selected = form.FormulaEdit->selectedText();
            QTest::keyClicks(form.FormulaEdit, "NaCl");
            QTest::keyClick(form.FormulaEdit, Qt::Key_Return);
        });
        QCOMPARE(kept, QString("H2O"));
        QCOMPARE(selected, QString("H2O"));
        QCOMPARE(result, std::optional<QString>("58.442468"));
    }

    // Placed as the other dialogs are: the window's frame decides the last few pixels.
    void CentredOnTheDesktop() {
        TMolarMassForm form;
        QPoint centre;
        RunWith(form, [&] { centre = form.frameGeometry().center(); });
        const QPoint desktop = form.screen()->availableGeometry().center();
        QVERIFY2(std::abs(centre.x() - desktop.x()) <= 4 && std::abs(centre.y() - desktop.y()) <= 4,
                 qPrintable(QString("%1,%2").arg(centre.x()).arg(centre.y())));
    }

    // The whole road: Ctrl+M in the main window, the formula, Enter, and the value at the caret.
    void CtrlMInsertsAtTheCaretOfTheCommandLine_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("line");
        QTest::newRow("Enter inserts") << "enter"
                                       << "2*249.686";
        QTest::newRow("Esc inserts nothing") << "esc"
                                             << "2*";
    }

    void CtrlMInsertsAtTheCaretOfTheCommandLine() {
        QFETCH(QString, key);
        QFETCH(QString, line);
        TMainForm main_form;
        auto* form = new TMolarMassForm(&main_form);
        brisalto::DialogForms dialogs;
        dialogs.molar_mass = form;
        main_form.SetDialogs(dialogs);
        main_form.show();
        QVERIFY(QTest::qWaitForWindowActive(&main_form));
        main_form.findChild<QLineEdit*>("CmdEdit")->setFocus();
        QTest::keyClicks(main_form.findChild<QLineEdit*>("CmdEdit"), "2*");

        bool opened = false;
        QTimer::singleShot(0, form, [&] {
            opened = QTest::qWaitForWindowActive(form);
            if (opened) {
                QTest::keyClicks(form->FormulaEdit, "CuSO4·5H2O");
                QTest::keyClick(form->FormulaEdit,
                                key == "enter" ? Qt::Key_Return : Qt::Key_Escape);
            }
            if (form->isVisible()) form->done(QDialog::Rejected);
        });
        QTest::keyClick(main_form.findChild<QLineEdit*>("CmdEdit"), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(opened);
        QCOMPARE(main_form.findChild<QLineEdit*>("CmdEdit")->text(), line);
        QCOMPARE(main_form.findChild<QLineEdit*>("CmdEdit")->cursorPosition(), line.size());
        QCOMPARE(main_form.focusWidget(), main_form.findChild<QLineEdit*>("CmdEdit"));
    }
};

QTEST_MAIN(MolarMassFormTest)
#include "molar_mass_form_test.moc"
