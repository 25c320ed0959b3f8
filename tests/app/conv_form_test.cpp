// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The unit conversion dialog driven as a user would: the live result on every keystroke and
// pick, overflow as a result text, other errors inside the dialog, whole unit names in the lists,
// and what each way out returns.
#include "tools/gui/conv_form.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using brisalto::TConvForm;

namespace {

std::optional<QString> RunWith(TConvForm& form, const std::function<void()>& steps) {
    QTimer::singleShot(0, &form, [&form, steps] {
        if (QTest::qWaitForWindowActive(&form)) steps();
        if (form.isVisible()) form.done(QDialog::Rejected);
    });
    return form.Run();
}

// Picks an entry as the keyboard does, one step at a time through the closed list.
void Pick(QComboBox* list, const QString& text) {
    const int target = list->findText(text);
    QVERIFY2(target >= 0, qPrintable(text));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < target; ++i) QTest::keyClick(list, Qt::Key_Down);
}

void Type(TConvForm& form, const QString& text) {
    form.ConvValueEdit->setFocus();
    form.ConvValueEdit->selectAll();
    QTest::keyClick(form.ConvValueEdit, Qt::Key_Delete);
    QTest::keyClicks(form.ConvValueEdit, text);
}

}  // namespace

class ConvFormTest : public QObject {
    Q_OBJECT

  private slots:
    void FirstOpeningShowsAreaAndZero();
    void ConvertsLive_data();
    void ConvertsLive();
    void ResultFollowsEveryKeystroke();
    void FamilyChangeResetsBothListsToFirstUnit();
    void ErrorsShowInTheDialogAndResultKeepsText();
    void JulianDateTypedKeyByKey();
    void UnitNamesShowWholeInTheDropDowns();
    void KeepsFamilyAndValueBetweenShowings();
    void WaysOutReturnResultOrNothing_data();
    void WaysOutReturnResultOrNothing();
    void SecondDialogRegistersNothingTwice();
};

void ConvFormTest::FirstOpeningShowsAreaAndZero() {
    TConvForm form;
    QStringList families;
    for (int i = 0; i < form.FamilyComboBox->count(); ++i) {
        families << form.FamilyComboBox->itemText(i);
    }
    QCOMPARE(families, QStringList({"Area", "Distance", "Mass", "Volume", "Temperature", "Time",
                                    "Energy", "Pressure", "trigonometric"}));
    QStringList shown;
    QWidget* focused = nullptr;
    RunWith(form, [&] {
        shown << form.FamilyComboBox->currentText() << form.ConvFromComboBox->currentText()
              << form.ConvToComboBox->currentText() << form.ConvValueEdit->text()
              << form.ConvertedValueEdit->text();
        focused = form.focusWidget();
    });
    QCOMPARE(shown, QStringList({"Area", "SquareMillimeters", "SquareMillimeters", "", "0"}));
    QCOMPARE(focused, form.ConvValueEdit);
    QCOMPARE(form.ConvFromComboBox->count(), 16);
    QVERIFY(form.ConvertedValueEdit->isReadOnly());
}

void ConvFormTest::ConvertsLive_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("result");
    QTest::newRow("100 C to F") << "Temperature"
                                << "100"
                                << "Celsius"
                                << "Fahrenheit"
                                << "212";
    QTest::newRow("100 C to Reaumur") << "Temperature"
                                      << "100"
                                      << "Celsius"
                                      << "Reaumur"
                                      << "80";
    QTest::newRow("1 atm to torr") << "Pressure"
                                   << "1"
                                   << "atmosphere"
                                   << "torr(mmHg)"
                                   << "760";
    QTest::newRow("1 bar to Pa") << "Pressure"
                                 << "1"
                                 << "bar"
                                 << "pascal"
                                 << "100000";
    QTest::newRow("1 cal to J") << "Energy"
                                << "1"
                                << "calorie"
                                << "joule"
                                << "4.184";
    QTest::newRow("180 deg to rad") << "trigonometric"
                                    << "180"
                                    << "degrees"
                                    << "radian"
                                    << "3.14159265358979";
    QTest::newRow("1 km to miles") << "Distance"
                                   << "1"
                                   << "Kilometers"
                                   << "Miles"
                                   << "0.621371192237334";
    QTest::newRow("1 m to km") << "Distance"
                               << "0.01"
                               << "Meters"
                               << "Kilometers"
                               << "1E-5";
    QTest::newRow("abc as 0") << "Temperature"
                              << "abc"
                              << "Celsius"
                              << "Fahrenheit"
                              << "32";
    QTest::newRow("1e400 overflow") << "Area"
                                    << "1e400"
                                    << "SquareMillimeters"
                                    << "SquareMillimeters"
                                    << "Floating point over flow";
    QTest::newRow("1e400 overflow any units") << "Mass"
                                              << "1e400"
                                              << "Grams"
                                              << "Kilograms"
                                              << "Floating point over flow";
    QTest::newRow("1e308 km to mm overflow") << "Distance"
                                             << "1e308"
                                             << "Kilometers"
                                             << "Millimeters"
                                             << "Floating point over flow";
    QTest::newRow("0 DateTime to JulianDate") << "Time"
                                              << "0"
                                              << "DateTime"
                                              << "JulianDate"
                                              << "2415018.5";
}

void ConvFormTest::ConvertsLive() {
    QFETCH(QString, family);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, result);
    TConvForm form;
    QString shown;
    RunWith(form, [&] {
        Pick(form.FamilyComboBox, family);
        Pick(form.ConvFromComboBox, from);
        Pick(form.ConvToComboBox, to);
        Type(form, value);
        shown = form.ConvertedValueEdit->text();
    });
    QCOMPARE(shown, result);
}

void ConvFormTest::ResultFollowsEveryKeystroke() {
    TConvForm form;
    QStringList results;
    RunWith(form, [&] {
        Pick(form.FamilyComboBox, "Temperature");
        Pick(form.ConvToComboBox, "Fahrenheit");
        results << form.ConvertedValueEdit->text();
        form.ConvValueEdit->setFocus();
        for (const char* key : {"1", "0", "0"}) {
            QTest::keyClicks(form.ConvValueEdit, key);
            results << form.ConvertedValueEdit->text();
        }
        Pick(form.ConvFromComboBox, "Kelvin");
        results << form.ConvertedValueEdit->text();
    });
    QCOMPARE(results, QStringList({"32", "33.8", "50", "212", "-279.67"}));
}

void ConvFormTest::FamilyChangeResetsBothListsToFirstUnit() {
    TConvForm form;
    QStringList shown;
    RunWith(form, [&] {
        Pick(form.FamilyComboBox, "Volume");
        Pick(form.ConvFromComboBox, "Liters");
        Pick(form.ConvToComboBox, "UKGallons");
        Pick(form.FamilyComboBox, "Energy");
        shown << form.ConvFromComboBox->currentText() << form.ConvToComboBox->currentText()
              << QString::number(form.ConvFromComboBox->count())
              << QString::number(form.ConvToComboBox->count());
    });
    QCOMPARE(shown, QStringList({"joule", "joule", "3", "3"}));
}

void ConvFormTest::ErrorsShowInTheDialogAndResultKeepsText() {
    TConvForm form;
    QString at_pick;
    QString after_typing;
    QString shown_error;
    QWidget* modal = nullptr;
    RunWith(form, [&] {
        Pick(form.FamilyComboBox, "Time");
        Type(form, "3");
        // Stepping down the list passes "DateTime" (3 days in milliseconds) just before
        // "JulianDate", where 3 Julian lies before the year 1.
        Pick(form.ConvFromComboBox, "JulianDate");
        at_pick = form.ConvertedValueEdit->text();
        Type(form, "0");
        after_typing = form.ConvertedValueEdit->text();
        shown_error = form.ErrorLabel->isVisible() ? form.ErrorLabel->text() : QString();
        modal = QApplication::activeModalWidget();
    });
    QCOMPARE(at_pick, QString("259200000"));
    QCOMPARE(after_typing, QString("259200000"));
    QVERIFY2(shown_error.startsWith("0") &&
                 shown_error.endsWith("Julian cannot be represented as a DateTime"),
             qPrintable(shown_error));
    QCOMPARE(modal, &form);
}

void ConvFormTest::JulianDateTypedKeyByKey() {
    TConvForm form;
    QStringList problems;
    QString result;
    bool error_left = true;
    RunWith(form, [&] {
        Pick(form.FamilyComboBox, "Time");
        Pick(form.ConvFromComboBox, "JulianDate");
        Pick(form.ConvToComboBox, "DateTime");
        form.ConvValueEdit->setFocus();
        for (const QChar key : QStringLiteral("2451545")) {
            // Each key goes where the keyboard is, as a user's would.
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
            if (const QString shots = qEnvironmentVariable("DESKTOP_SHOTS");
                !shots.isEmpty() && key == QLatin1Char('2')) {
                form.grab().save(shots + QStringLiteral("/conversion-error.png"));
            }
            if (QApplication::activeModalWidget() != &form ||
                QApplication::focusWidget() != form.ConvValueEdit) {
                problems << QStringLiteral("after %1 the keyboard left the value field").arg(key);
            }
        }
        result = form.ConvertedValueEdit->text();
        error_left = form.ErrorLabel->isVisible();
        problems << (form.ConvValueEdit->text() == "2451545" ? QString() : "value lost keys");
        problems.removeAll(QString());
    });
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QCOMPARE(result, QString("36526.5"));
    QVERIFY(!error_left);
}

void ConvFormTest::UnitNamesShowWholeInTheDropDowns() {
    TConvForm form;
    QStringList cut;
    RunWith(form, [&] {
        for (int family = 0; family < form.FamilyComboBox->count(); ++family) {
            Pick(form.FamilyComboBox, form.FamilyComboBox->itemText(family));
            for (QComboBox* list : {form.ConvFromComboBox, form.ConvToComboBox}) {
                list->showPopup();
                QAbstractItemView* view = list->view();
                const QFontMetrics metrics(view->font());
                for (int row = 0; row < list->count(); ++row) {
                    const QString name = list->itemText(row);
                    const QRect item = view->visualRect(view->model()->index(row, 0));
                    const int visible = std::min(item.right(), view->viewport()->width() - 1);
                    if (visible - item.left() + 1 < metrics.horizontalAdvance(name)) cut << name;
                }
                list->hidePopup();
            }
        }
    });
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
}

void ConvFormTest::KeepsFamilyAndValueBetweenShowings() {
    TConvForm form;
    RunWith(form, [&] {
        Pick(form.FamilyComboBox, "Temperature");
        Type(form, "100");
        Pick(form.ConvToComboBox, "Fahrenheit");
        QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    });
    QStringList shown;
    RunWith(form, [&] {
        shown << form.FamilyComboBox->currentText() << form.ConvValueEdit->text()
              << form.ConvFromComboBox->currentText() << form.ConvToComboBox->currentText()
              << form.ConvertedValueEdit->text();
    });
    QCOMPARE(shown, QStringList({"Temperature", "100", "Celsius", "Celsius", "100"}));
}

void ConvFormTest::WaysOutReturnResultOrNothing_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("inserts");
    QTest::addColumn<QString>("result");
    QTest::newRow("Enter in value field") << "2"
                                          << "enter" << true << "0.02";
    QTest::newRow("Insert Value") << "5"
                                  << "insert" << true << "0.05";
    QTest::newRow("Enter on Cancel inserts") << "3"
                                             << "enter on cancel" << true << "0.03";
    QTest::newRow("overflow text inserted") << "1e400"
                                            << "insert" << true << "Floating point over flow";
    QTest::newRow("Esc") << "2"
                         << "esc" << false << "";
    QTest::newRow("Cancel") << "2"
                            << "cancel" << false << "";
    QTest::newRow("close box") << "2"
                               << "close" << false << "";
}

void ConvFormTest::WaysOutReturnResultOrNothing() {
    QFETCH(QString, value);
    QFETCH(QString, how);
    QFETCH(bool, inserts);
    QFETCH(QString, result);
    TConvForm form;
    bool closed = false;
    const std::optional<QString> returned = RunWith(form, [&] {
        Pick(form.FamilyComboBox, "Area");
        Pick(form.ConvToComboBox, "SquareCentimeters");
        Type(form, value);
        if (how == "enter") {
            QTest::keyClick(form.ConvValueEdit, Qt::Key_Return);
        } else if (how == "insert") {
            QTest::mouseClick(form.InsertButton, Qt::LeftButton);
        } else if (how == "enter on cancel") {
            form.CancelButton->setFocus(Qt::TabFocusReason);
            QTest::keyClick(form.CancelButton, Qt::Key_Enter);
        } else if (how == "esc") {
            QTest::keyClick(form.ConvValueEdit, Qt::Key_Escape);
        } else if (how == "cancel") {
            QTest::mouseClick(form.CancelButton, Qt::LeftButton);
        } else {
            form.close();
        }
        closed = !form.isVisible();
    });
    QVERIFY(closed);
    QCOMPARE(returned.has_value(), inserts);
    if (inserts) QCOMPARE(*returned, result);
}

void ConvFormTest::SecondDialogRegistersNothingTwice() {
    TConvForm first;
    TConvForm second;
    QString shown;
    RunWith(second, [&] {
        Pick(second.FamilyComboBox, "Pressure");
        shown = second.ConvFromComboBox->currentText();
    });
    QCOMPARE(shown, QString("pascal"));
    QCOMPARE(second.ConvFromComboBox->count(), 6);
}

QTEST_MAIN(ConvFormTest)
#include "conv_form_test.moc"
