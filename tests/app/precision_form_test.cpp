// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The precision dialog driven as a user would: the example follows the spin field at once, OK
// sets the precision, Cancel and Esc do not, and typed text is brought into 0..20.
#include "app/precision_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "command/calculator.h"
#include "command/result_format.h"

using brisalto::TPrecisionForm;

namespace {

// Runs steps once the modal dialog is on the screen; closes it should a step fail.
bool RunWith(TPrecisionForm& form, const std::function<void()>& steps) {
    QTimer::singleShot(0, &form, [&form, steps] {
        if (QTest::qWaitForWindowActive(&form)) steps();
        if (form.isVisible()) form.done(QDialog::Rejected);
    });
    return form.Run();
}

void TypeIntoSpin(TPrecisionForm& form, const QString& text) {
    form.PrecisionCSpinEdit->setFocus();
    form.PrecisionCSpinEdit->selectAll();
    QTest::keyClicks(form.PrecisionCSpinEdit, text);
}

}  // namespace

class PrecisionFormTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        calculator_ = brisalto::Calculator{};
        calculator_.SetPrecision(brisalto::kDefaultPrecision);
    }

    void OpensOnRestoredPrecision();
    void ExampleFollowsTypedPrecision_data();
    void ExampleFollowsTypedPrecision();
    void ArrowChangesExampleAtOnce();
    void OkSetsPrecision();
    void CancelKeepsPrecision();
    void EscDoesNotClose();
    void BringsTextIntoRangeOnLeaving_data();
    void BringsTextIntoRangeOnLeaving();
    void EnterWithOutOfRangeTextSetsClampedPrecision();

  private:
    brisalto::Calculator calculator_;
};

void PrecisionFormTest::OpensOnRestoredPrecision() {
    calculator_.SetPrecision(12);
    TPrecisionForm form(calculator_);
    QCOMPARE(form.ExampleLabel->text(), QString("1.234567891022"));  // replaced at creation
    calculator_.SetPrecision(10);
    QString spin_text;
    QString example;
    QVERIFY(!RunWith(form, [&] {
        spin_text = form.PrecisionCSpinEdit->text();
        example = form.ExampleLabel->text();
        QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    }));
    QCOMPARE(spin_text, QString("10"));
    QCOMPARE(example, QString("1.2345678910"));
}

void PrecisionFormTest::ExampleFollowsTypedPrecision_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("example");
    QTest::newRow("0") << "0"
                       << "1";
    QTest::newRow("1") << "1"
                       << "1.2";
    QTest::newRow("2") << "2"
                       << "1.23";
    QTest::newRow("3") << "3"
                       << "1.235";
    QTest::newRow("5") << "5"
                       << "1.23457";
    QTest::newRow("15") << "15"
                        << "1.234567891022365";
    QTest::newRow("17") << "17"
                        << "1.23456789102236542";
    QTest::newRow("20: zeros past 18 digits") << "20"
                                              << "1.23456789102236542000";
    QTest::newRow("25 while typing: as 20") << "25"
                                            << "1.23456789102236542000";
    QTest::newRow("abc while typing: as 0") << "abc"
                                            << "1";
    QTest::newRow("empty while typing: as 0") << ""
                                              << "1";
}

void PrecisionFormTest::ExampleFollowsTypedPrecision() {
    QFETCH(QString, typed);
    QFETCH(QString, example);
    TPrecisionForm form(calculator_);
    QString shown;
    RunWith(form, [&] {
        TypeIntoSpin(form, typed);
        if (typed.isEmpty()) QTest::keyClick(form.PrecisionCSpinEdit, Qt::Key_Delete);
        shown = form.ExampleLabel->text();
    });
    QCOMPARE(shown, example);
}

void PrecisionFormTest::ArrowChangesExampleAtOnce() {
    calculator_.SetPrecision(2);
    TPrecisionForm form(calculator_);
    QStringList examples;
    QVERIFY(!RunWith(form, [&] {
        examples << form.ExampleLabel->text();
        QTest::keyClick(form.PrecisionCSpinEdit, Qt::Key_Up);
        examples << form.ExampleLabel->text() << form.PrecisionCSpinEdit->text();
        QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    }));
    QCOMPARE(examples, QStringList({"1.23", "1.235", "3"}));
    QCOMPARE(calculator_.GetPrecision(), 2);
}

void PrecisionFormTest::OkSetsPrecision() {
    TPrecisionForm form(calculator_);
    QVERIFY(RunWith(form, [&] {
        TypeIntoSpin(form, "4");
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    }));
    QCOMPARE(calculator_.GetPrecision(), 4);
    QCOMPARE(calculator_.FixedPattern(), std::string("#,##0.0000"));
}

void PrecisionFormTest::CancelKeepsPrecision() {
    calculator_.SetPrecision(7);
    TPrecisionForm form(calculator_);
    QVERIFY(!RunWith(form, [&] {
        TypeIntoSpin(form, "3");
        QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    }));
    QCOMPARE(calculator_.GetPrecision(), 7);
    QString reopened;
    QString example;
    RunWith(form, [&] {
        reopened = form.PrecisionCSpinEdit->text();
        example = form.ExampleLabel->text();
    });
    QCOMPARE(reopened, QString("7"));
    QCOMPARE(example, QString("1.2345679"));
}

void PrecisionFormTest::EscDoesNotClose() {
    TPrecisionForm form(calculator_);
    bool open_after_esc = false;
    QVERIFY(RunWith(form, [&] {
        TypeIntoSpin(form, "6");
        QTest::keyClick(form.PrecisionCSpinEdit, Qt::Key_Escape);
        QTest::keyClick(&form, Qt::Key_Escape);
        open_after_esc = form.isVisible();
        QTest::keyClick(form.PrecisionCSpinEdit, Qt::Key_Return);  // OK is the default button
    }));
    QVERIFY(open_after_esc);
    QCOMPARE(calculator_.GetPrecision(), 6);
}

void PrecisionFormTest::BringsTextIntoRangeOnLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after_leaving");
    QTest::newRow("in range") << "13"
                              << "13";
    QTest::newRow("above range") << "25"
                                 << "20";
    QTest::newRow("far above range") << "99999999999"
                                     << "0";  // not a 32-bit whole number
    QTest::newRow("below range") << "-3"
                                 << "0";
    QTest::newRow("letters") << "abc"
                             << "0";
    QTest::newRow("decimal point") << "2.5"
                                   << "0";
    QTest::newRow("leading zero") << "07"
                                  << "7";
}

void PrecisionFormTest::BringsTextIntoRangeOnLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, after_leaving);
    TPrecisionForm form(calculator_);
    QString shown;
    QVERIFY(!RunWith(form, [&] {
        TypeIntoSpin(form, typed);
        form.OkButton->setFocus(Qt::TabFocusReason);
        shown = form.PrecisionCSpinEdit->text();
        QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    }));
    QCOMPARE(shown, after_leaving);
}

void PrecisionFormTest::EnterWithOutOfRangeTextSetsClampedPrecision() {
    TPrecisionForm form(calculator_);
    QVERIFY(RunWith(form, [&] {
        TypeIntoSpin(form, "25");
        QTest::keyClick(form.PrecisionCSpinEdit, Qt::Key_Enter);
    }));
    QCOMPARE(calculator_.GetPrecision(), 20);
}

QTEST_MAIN(PrecisionFormTest)
#include "precision_form_test.moc"
