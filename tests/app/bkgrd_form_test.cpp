// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The background-colours dialog and the colour values it offers: selection on opening, OK,
// Cancel, Esc and Reset, a colour the lists do not hold, and what each value looks like.
#include "app/bkgrd_form.h"

#include <QComboBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/color_value.h"

using brisalto::kAquaColor;
using brisalto::kWindowColor;
using brisalto::RgbColor;
using brisalto::SystemColor;
using brisalto::TBkgrdForm;
using brisalto::TColor;

namespace {

struct Outcome {
    bool ok;
    TColor cmd;
    TColor results;
};

// Opens the dialog on two colours, runs steps once it is on the screen, and gives what Run gave.
Outcome RunWith(TBkgrdForm& form, TColor cmd, TColor results, const std::function<void()>& steps) {
    QTimer::singleShot(0, &form, [&form, steps] {
        if (QTest::qWaitForWindowActive(&form)) steps();
        if (form.isVisible()) form.done(QDialog::Rejected);
    });
    const bool ok = form.Run(cmd, results);
    return {ok, cmd, results};
}

// Picks an entry as the keyboard does: one step at a time through the closed list.
void PickByKeyboard(QComboBox* box, const QString& name) {
    box->setFocus();
    const int target = box->findText(name);
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < target; ++i) QTest::keyClick(box, Qt::Key_Down);
}

}  // namespace

class BkgrdFormTest : public QObject {
    Q_OBJECT

  private slots:
    void SelectsCurrentColorsOnOpening_data();
    void SelectsCurrentColorsOnOpening();
    void OkAppliesPickedColors();
    void ResetThenCancelChangesNothing();
    void ResetThenOkGivesAquaAndWindow();
    void EscClosesAsCancel();
    void UnknownColorLeavesBoxEmptyAndIsKept();
    void ListsHoldEveryNamedColorOnce();
    void ColorValuesLookAsTheyStandFor_data();
    void ColorValuesLookAsTheyStandFor();
};

void BkgrdFormTest::SelectsCurrentColorsOnOpening_data() {
    QTest::addColumn<int>("cmd");
    QTest::addColumn<int>("results");
    QTest::addColumn<QString>("cmd_name");
    QTest::addColumn<QString>("results_name");
    QTest::newRow("settings defaults") << kWindowColor << kWindowColor << "Window"
                                       << "Window";
    QTest::newRow("reset colours") << kAquaColor << kWindowColor << "Aqua"
                                   << "Window";
    QTest::newRow("standard") << RgbColor(0xFF, 0, 0) << RgbColor(0, 0, 0x80) << "Red"
                              << "Navy";
    QTest::newRow("extended") << RgbColor(0xC0, 0xDC, 0xC0) << RgbColor(0xA0, 0xA0, 0xA4)
                              << "Money Green"
                              << "Medium Gray";
    QTest::newRow("system") << SystemColor(15) << SystemColor(30) << "Button Face"
                            << "Menu Bar";
}

void BkgrdFormTest::SelectsCurrentColorsOnOpening() {
    QFETCH(int, cmd);
    QFETCH(int, results);
    QFETCH(QString, cmd_name);
    QFETCH(QString, results_name);
    TBkgrdForm form;
    QString shown_cmd;
    QString shown_results;
    const Outcome outcome = RunWith(form, cmd, results, [&] {
        shown_cmd = form.CmdColorBox->currentText();
        shown_results = form.ResultsColorBox->currentText();
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    });
    QCOMPARE(shown_cmd, cmd_name);
    QCOMPARE(shown_results, results_name);
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.cmd, cmd);  // OK without a pick gives the same values back
    QCOMPARE(outcome.results, results);
}

void BkgrdFormTest::OkAppliesPickedColors() {
    TBkgrdForm form;
    const Outcome outcome = RunWith(form, kWindowColor, kWindowColor, [&] {
        PickByKeyboard(form.CmdColorBox, "Yellow");
        PickByKeyboard(form.ResultsColorBox, "Highlight");
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    });
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.cmd, RgbColor(0xFF, 0xFF, 0));
    QCOMPARE(outcome.results, SystemColor(13));
}

void BkgrdFormTest::ResetThenCancelChangesNothing() {
    TBkgrdForm form;
    const TColor red = RgbColor(0xFF, 0, 0);
    const TColor lime = RgbColor(0, 0xFF, 0);
    const Outcome outcome = RunWith(form, red, lime, [&] {
        QTest::mouseClick(form.Button3, Qt::LeftButton);
        QTest::mouseClick(form.CancelButton, Qt::LeftButton);
    });
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.cmd, red);
    QCOMPARE(outcome.results, lime);
}

void BkgrdFormTest::ResetThenOkGivesAquaAndWindow() {
    TBkgrdForm form;
    QString after_reset_cmd;
    QString after_reset_results;
    bool open_after_reset = false;
    const Outcome outcome = RunWith(form, RgbColor(0xFF, 0, 0), RgbColor(0, 0xFF, 0), [&] {
        QTest::mouseClick(form.Button3, Qt::LeftButton);
        open_after_reset = form.isVisible();
        after_reset_cmd = form.CmdColorBox->currentText();
        after_reset_results = form.ResultsColorBox->currentText();
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    });
    QVERIFY(open_after_reset);
    QCOMPARE(after_reset_cmd, QString("Aqua"));
    QCOMPARE(after_reset_results, QString("Window"));
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.cmd, TColor(0x00FFFF00));
    QCOMPARE(outcome.results, TColor(-2147483643));  // 0x80000005
}

void BkgrdFormTest::EscClosesAsCancel() {
    TBkgrdForm form;
    const Outcome outcome = RunWith(form, kAquaColor, kWindowColor, [&] {
        PickByKeyboard(form.CmdColorBox, "Black");
        QTest::keyClick(form.CmdColorBox, Qt::Key_Escape);
    });
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.cmd, kAquaColor);
}

void BkgrdFormTest::UnknownColorLeavesBoxEmptyAndIsKept() {
    TBkgrdForm form;
    const TColor edited = 0x00123456;
    int cmd_index = 0;
    QString cmd_text;
    const Outcome outcome = RunWith(form, edited, kWindowColor, [&] {
        cmd_index = form.CmdColorBox->currentIndex();
        cmd_text = form.CmdColorBox->currentText();
        PickByKeyboard(form.ResultsColorBox, "Cream");
        QTest::mouseClick(form.OkButton, Qt::LeftButton);
    });
    QCOMPARE(cmd_index, -1);
    QVERIFY(cmd_text.isEmpty());
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.cmd, edited);
    QCOMPARE(outcome.results, RgbColor(0xFF, 0xFB, 0xF0));

    // The next opening on a listed colour selects it again.
    QString reopened;
    RunWith(form, kAquaColor, kWindowColor, [&] { reopened = form.CmdColorBox->currentText(); });
    QCOMPARE(reopened, QString("Aqua"));
}

void BkgrdFormTest::ListsHoldEveryNamedColorOnce() {
    QCOMPARE(brisalto::StandardColors().size(), std::size_t{16});
    QCOMPARE(brisalto::ExtendedColors().size(), std::size_t{4});
    QCOMPARE(brisalto::SystemColors().size(), std::size_t{30});  // 0 to 30 without 25
    TBkgrdForm form;
    QCOMPARE(form.CmdColorBox->count(), 50);
    QCOMPARE(form.ResultsColorBox->count(), 50);
    QCOMPARE(form.CmdColorBox->itemText(0), QString("Black"));
    QCOMPARE(form.CmdColorBox->itemText(15), QString("White"));
    QCOMPARE(form.CmdColorBox->itemText(16), QString("Money Green"));
    QCOMPARE(form.CmdColorBox->itemText(20), QString("Scroll Bar"));
    QVERIFY(!form.CmdColorBox->isEditable());
    QSet<int> values;
    QSet<QString> names;
    for (const brisalto::NamedColor& color : brisalto::ListedColors()) {
        values.insert(color.value);
        names.insert(color.name);
    }
    QCOMPARE(values.size(), 50);
    QCOMPARE(names.size(), 50);
    QVERIFY(!values.contains(SystemColor(25)));
}

void BkgrdFormTest::ColorValuesLookAsTheyStandFor_data() {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 5, 6));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(10, 11, 12));
    QTest::addColumn<int>("value");
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QColor>("color");
    QTest::newRow("aqua 0x00FFFF00") << kAquaColor << palette << QColor(0, 255, 255);
    QTest::newRow("maroon") << RgbColor(0x80, 0, 0) << palette << QColor(0x80, 0, 0);
    QTest::newRow("sky blue") << RgbColor(0xA6, 0xCA, 0xF0) << palette << QColor(0xA6, 0xCA, 0xF0);
    QTest::newRow("BGR order 0x00010203") << 0x00010203 << palette << QColor(3, 2, 1);
    QTest::newRow("window is base") << kWindowColor << palette << QColor(1, 2, 3);
    QTest::newRow("highlight") << SystemColor(13) << palette << QColor(4, 5, 6);
    QTest::newRow("gray text disabled") << SystemColor(17) << palette << QColor(7, 8, 9);
    QTest::newRow("info background") << SystemColor(24) << palette << QColor(10, 11, 12);
    QTest::newRow("unknown system 25") << SystemColor(25) << palette << QColor(1, 2, 3);
}

void BkgrdFormTest::ColorValuesLookAsTheyStandFor() {
    QFETCH(int, value);
    QFETCH(QPalette, palette);
    QFETCH(QColor, color);
    QCOMPARE(brisalto::ToQColor(value, palette), color);
}

QTEST_MAIN(BkgrdFormTest)
#include "bkgrd_form_test.moc"
