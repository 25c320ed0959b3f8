// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The periodic table picker driven as a user would: hovering and focusing show the two
// information lines, a click, Space or Enter returns the weight, Esc and the close box nothing;
// arrows and typed symbols move on the grid; names, colours and every text at every font size.
#include "tools/gui/mol_wt_form.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <cmath>
#include <functional>

#include "app/ui_language.h"
#include "contrast_helper.h"
#include "tools/element_grid.h"
#include "tools/element_symbols.h"
#include "tools/element_table.h"

using brisalto::TMolWtForm;

namespace {

std::optional<QString> RunWith(TMolWtForm& form, const std::function<void()>& steps) {
    QTimer::singleShot(0, &form, [&form, steps] {
        if (QTest::qWaitForWindowActive(&form)) steps();
        if (form.isVisible()) form.done(QDialog::Rejected);
    });
    return form.Run();
}

QPushButton* ButtonWithCaption(const TMolWtForm& form, const QString& caption) {
    for (int i = 0; i < static_cast<int>(brisalto::kElementCount); ++i) {
        if (form.AtmButton(i)->text() == caption) return form.AtmButton(i);
    }
    return nullptr;
}

int IndexOf(const QString& caption) {
    for (const brisalto::ElementButton& element : brisalto::ElementButtons())
        if (QString::fromUtf8(element.caption.data(), element.caption.size()) == caption)
            return element.index;
    return -1;
}

QString WeightOf(const QString& caption) {
    const auto weight = brisalto::ElementButtons()[IndexOf(caption)].weight;
    return QString::fromUtf8(weight.data(), weight.size());
}

// The first information line as the element table words it.
QString LinesOf(const QString& caption) {
    return QString::fromStdString(brisalto::HintLabelText(IndexOf(caption)));
}

// Every shown label and button whose text does not fit its contents rectangle, with where.
QStringList CutTexts(const QWidget& window) {
    QStringList cut;
    const auto check = [&](const QWidget* widget, const QString& text, const QRect& room,
                           int flags) {
        const QRect needed = widget->fontMetrics().boundingRect(room, flags, text);
        if (needed.width() > room.width() || needed.height() > room.height())
            cut << QString("\"%1\" needs %2x%3 in %4x%5")
                       .arg(text)
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height());
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().trimmed().isEmpty()) continue;
        const int inset = label->margin();
        check(label, label->text(), label->contentsRect().adjusted(inset, inset, -inset, -inset),
              int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisible()) continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton
                                                : QStyleOptionButton::None;
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        check(button, QString(button->text()).remove('&'), room,
              Qt::AlignCenter | Qt::TextShowMnemonic);
    }
    return cut;
}

}  // namespace

class MolWtFormTest : public QObject {
    Q_OBJECT

  private slots:
    void HoverShowsLinesAndTakesFocus_data();
    void HoverShowsLinesAndTakesFocus();
    void PressingReturnsWeight_data();
    void PressingReturnsWeight();
    void EscAndCloseBoxReturnNothing_data();
    void EscAndCloseBoxReturnNothing();
    void TabWalksTableThenFBlockRowsThenCancel();
    void OpensOnHydrogenThenOnLastElement();
    void LinesKeepLastElementBetweenShowings();
    void ButtonsSitInsideWindowWithoutOverlap();
    void KeysMoveOnTheGridAndEnterInserts_data();
    void KeysMoveOnTheGridAndEnterInserts();
    void EveryButtonHasItsOwnSpokenName();
    void InformationLinesReadInEveryPalette();
    void EveryTextFitsAtEveryFontSize();
    void EveryTextGoesThroughTranslation();
    void EveryElementComesIntoViewOnTheScreen();
};

void MolWtFormTest::HoverShowsLinesAndTakesFocus_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint_line");
    QTest::addColumn<QString>("number_line");
    QTest::newRow("He") << "He"
                        << "Helium  Atomic Weight: 4.002602 g/mol"
                        << "Atomic Number: 2";
    QTest::newRow("H") << "H"
                       << "Hydrogen  Atomic Weight: 1.00794 g/mol"
                       << "Atomic Number: 1";
    QTest::newRow("La*") << "La*"
                         << "Lanthanum  Atomic Weight: 138.9055 g/mol"
                         << "Atomic Number: 57";
    QTest::newRow("Ce") << "Ce"
                        << "Cerium  Atomic Weight: 140.115 g/mol"
                        << "Atomic Number: 58";
    QTest::newRow("Lr") << "Lr"
                        << "Lawrencium  Atomic Weight: 262 g/mol"
                        << "Atomic Number: 103";
    QTest::newRow("Cn") << "Cn"
                        << "Copernicium  Atomic Weight: 277 g/mol"
                        << "Atomic Number: 112";
    QTest::newRow("Og") << "Og"
                        << "Oganesson  Atomic Weight: 293 g/mol"
                        << "Atomic Number: 118";
    QTest::newRow("Mc") << "Mc"
                        << "Moscovium  Atomic Weight: 290 g/mol"
                        << "Atomic Number: 115";
}

void MolWtFormTest::HoverShowsLinesAndTakesFocus() {
    QFETCH(QString, caption);
    QFETCH(QString, hint_line);
    QFETCH(QString, number_line);
    TMolWtForm form;
    QCOMPARE(form.HintLabel->text(), QString(" "));
    QCOMPARE(form.Label35->text(), QString(" "));
    QPushButton* button = ButtonWithCaption(form, caption);
    QVERIFY(button != nullptr);
    QWidget* focused = nullptr;
    QString hint;
    QString number;
    RunWith(form, [&] {
        QTest::mouseMove(button, QPoint(10, 10));
        QTest::mouseMove(button, QPoint(12, 12));
        focused = form.focusWidget();
        hint = form.HintLabel->text();
        number = form.Label35->text();
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    QCOMPARE(hint, hint_line);
    QCOMPARE(number, number_line);
    QCOMPARE(focused, button);
}

void MolWtFormTest::PressingReturnsWeight_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("weight");
    QTest::newRow("click Na") << "Na"
                              << "click"
                              << "22.989768";
    QTest::newRow("click Ce") << "Ce"
                              << "click"
                              << "140.115";
    QTest::newRow("click Mg keeps its zero") << "Mg"
                                             << "click"
                                             << "24.3050";
    QTest::newRow("Space on Fe") << "Fe"
                                 << "space"
                                 << "55.847";
    QTest::newRow("Enter on Th") << "Th"
                                 << "enter"
                                 << "232.0381";
    QTest::newRow("Return on Fl") << "Fl"
                                  << "return"
                                  << "285";
}

void MolWtFormTest::PressingReturnsWeight() {
    QFETCH(QString, caption);
    QFETCH(QString, how);
    QFETCH(QString, weight);
    TMolWtForm form;
    QPushButton* button = ButtonWithCaption(form, caption);
    QVERIFY(button != nullptr);
    bool closed = false;
    const std::optional<QString> result = RunWith(form, [&] {
        if (how == "click") {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            button->setFocus(Qt::TabFocusReason);
            const Qt::Key key = how == "space"   ? Qt::Key_Space
                                : how == "enter" ? Qt::Key_Enter
                                                 : Qt::Key_Return;
            QTest::keyClick(button, key);
        }
        closed = !form.isVisible();
    });
    QVERIFY(closed);
    QVERIFY(result.has_value());
    QCOMPARE(*result, weight);
}

void MolWtFormTest::EscAndCloseBoxReturnNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
    QTest::newRow("Alt+C") << "alt+c";
}

void MolWtFormTest::EscAndCloseBoxReturnNothing() {
    QFETCH(QString, how);
    TMolWtForm form;
    bool closed = false;
    const std::optional<QString> result = RunWith(form, [&] {
        QPushButton* na = ButtonWithCaption(form, "Na");
        QTest::mouseMove(na, QPoint(5, 5));
        if (how == "esc") {
            QTest::keyClick(na, Qt::Key_Escape);
        } else if (how == "close") {
            form.close();
        } else {
            QTest::keyClick(form.windowHandle(), Qt::Key_C, Qt::AltModifier);
        }
        // A mnemonic presses its button with a short animation.
        closed = QTest::qWaitFor([&] { return !form.isVisible(); }, 1000);
    });
    QVERIFY(closed);
    QVERIFY(!result.has_value());
}

void MolWtFormTest::TabWalksTableThenFBlockRowsThenCancel() {
    TMolWtForm form;
    QStringList walked;
    QString lines_at_fe;
    RunWith(form, [&] {
        ButtonWithCaption(form, "H")->setFocus(Qt::TabFocusReason);
        walked << form.focusWidget()->objectName();
        for (int i = 0; i < static_cast<int>(brisalto::kElementCount); ++i) {
            QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
            walked << form.focusWidget()->objectName();
            if (walked.last() == "Fe") lines_at_fe = form.HintLabel->text();
        }
    });
    QCOMPARE(walked.size(), 119);
    QCOMPARE(walked.mid(0, 6), QStringList({"H", "He", "Li", "Be", "B", "C"}));
    QCOMPARE(walked.mid(54, 4), QStringList({"Cs", "Ba", "La*", "Hf"}));
    const int og = static_cast<int>(walked.indexOf("Og"));
    QCOMPARE(walked.mid(og - 6, 9),
             QStringList({"Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og", "Ce", "Pr"}));
    const int lu = static_cast<int>(walked.indexOf("Lu"));
    QCOMPARE(walked.mid(lu, 2), QStringList({"Lu", "Th"}));
    QCOMPARE(walked.mid(117, 2), QStringList({"Lr", "CancelButton"}));
    QCOMPARE(QSet<QString>(walked.begin(), walked.end()).size(), 119);
    QCOMPARE(lines_at_fe, QString("Iron  Atomic Weight: 55.847 g/mol"));
}

void MolWtFormTest::OpensOnHydrogenThenOnLastElement() {
    TMolWtForm form;
    QStringList seen;
    auto look = [&] {
        seen << (form.focusWidget() ? form.focusWidget()->objectName() : QString("none"))
             << form.HintLabel->text();
    };
    RunWith(form, [&] {
        look();
        QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(form.focusWidget(), Qt::Key_Escape);
    });
    RunWith(form, look);
    QCOMPARE(seen, QStringList({"H", "Hydrogen  Atomic Weight: 1.00794 g/mol", "He",
                                "Helium  Atomic Weight: 4.002602 g/mol"}));
}

void MolWtFormTest::LinesKeepLastElementBetweenShowings() {
    TMolWtForm form;
    RunWith(form, [&] { QTest::mouseClick(ButtonWithCaption(form, "Au"), Qt::LeftButton); });
    QString hint_on_reopening;
    RunWith(form, [&] { hint_on_reopening = form.HintLabel->text(); });
    QCOMPARE(hint_on_reopening, QString("Gold  Atomic Weight: 196.96654 g/mol"));
}

void MolWtFormTest::ButtonsSitInsideWindowWithoutOverlap() {
    TMolWtForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QString("Atomic Weight"));
    const QRect client = form.rect();
    std::vector<QRect> places;
    for (int i = 0; i < static_cast<int>(brisalto::kElementCount); ++i) {
        QPushButton* button = form.AtmButton(i);
        const QString name = button->text();
        QVERIFY2(button->size() == form.AtmButton(0)->size(), qPrintable(name));
        QCOMPARE(button->width(), button->height());
        QVERIFY2(client.contains(button->geometry()), qPrintable(name));
        QVERIFY2(!button->toolTip().isEmpty(), qPrintable(name));
        for (const QRect& other : places) {
            QVERIFY2(!other.intersects(button->geometry()), qPrintable(name));
        }
        places.push_back(button->geometry());
    }
    // Reading order: He at the right end of period 1, Ce below the table, under Hf.
    QVERIFY(ButtonWithCaption(form, "He")->x() > ButtonWithCaption(form, "Ne")->x() - 1);
    QCOMPARE(ButtonWithCaption(form, "Ce")->x(), ButtonWithCaption(form, "Hf")->x());
    QVERIFY(ButtonWithCaption(form, "Ce")->y() > ButtonWithCaption(form, "Fr")->y());
    QVERIFY(ButtonWithCaption(form, "Th")->y() > ButtonWithCaption(form, "Ce")->y());
    // The window holds the whole table where the screen does: no scroll bar.
    const auto* scroll = form.findChild<QScrollArea*>();
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    // Hovering the longest name keeps the window's size.
    const QSize before = form.size();
    QTest::mouseMove(ButtonWithCaption(form, "Na"), QPoint(5, 5));
    QTest::mouseMove(ButtonWithCaption(form, "Na"), QPoint(6, 6));
    QCOMPARE(form.HintLabel->text(), LinesOf("Na"));
    QCOMPARE(form.size(), before);
}

// Keys typed on the open table, then Enter: the weight of the element they reach.
void MolWtFormTest::KeysMoveOnTheGridAndEnterInserts_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("reached");
    const char* rows[][3] = {
        {"Right from H over the gap", "Right", "He"},
        {"Down from H", "Down Down", "Na"},
        {"End of period 1", "End Down", "Ne"},
        {"typed U", "U", "U"},
        {"typed Cu", "C u", "Cu"},
        {"typed Cu then Left", "C u Left", "Ni"},
        {"typed Hf, down into the f-block", "H f Down Down Right", "Pr"},
        {"typed La, nothing below Ac", "L a Down Down", "Ac**"},
        {"Home from Xe", "X e Home", "Rb"},
    };
    for (const auto& row : rows) QTest::newRow(row[0]) << row[1] << row[2];
}

void MolWtFormTest::KeysMoveOnTheGridAndEnterInserts() {
    QFETCH(QString, keys);
    QFETCH(QString, reached);
    TMolWtForm form;
    const std::optional<QString> result = RunWith(form, [&] {
        for (const QString& key : keys.split(' ')) {
            const QKeySequence sequence(key);
            if (key.size() == 1) {
                QTest::keyClicks(form.focusWidget(), key);
            } else {
                QTest::keyClick(form.focusWidget(), static_cast<Qt::Key>(sequence[0].key()));
            }
        }
        QTest::keyClick(form.focusWidget(), Qt::Key_Return);
    });
    QVERIFY(result.has_value());
    QCOMPARE(*result, WeightOf(reached));
}

void MolWtFormTest::EveryButtonHasItsOwnSpokenName() {
    TMolWtForm form;
    QSet<QString> names;
    for (const brisalto::ElementButton& element : brisalto::ElementButtons()) {
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(form.AtmButton(element.index));
        const QString name = button->text(QAccessible::Name);
        QVERIFY2(
            name.startsWith(QString::fromUtf8(element.hint.data(), element.hint.size()) + ", "),
            qPrintable(name));
        QVERIFY2(
            name.endsWith(", " + QString::fromUtf8(element.weight.data(), element.weight.size())),
            qPrintable(name));
        names.insert(name);
    }
    QCOMPARE(names.size(), static_cast<int>(brisalto::kElementCount));
    QCOMPARE(QAccessible::queryAccessibleInterface(form.AtmButton(0))->text(QAccessible::Name),
             QString("Hydrogen, H, 1.00794"));
}

// What is drawn, light at 11 pt and dark at 14 pt, also with the dark palette's link left at a
// light theme's blue: each information line's strongest pixel against the window. Under xcb
// the pixels come from the X server; $MOL_WT_SHOTS keeps them.
void MolWtFormTest::InformationLinesReadInEveryPalette() {
    const QPalette light = QApplication::style()->standardPalette();
    QPalette dark = light;
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(0x35, 0x35, 0x35));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    QPalette dark_blue_link = dark;
    dark_blue_link.setColor(QPalette::Link, Qt::blue);
    const struct {
        const char* name;
        QPalette palette;
        double points;
    } looks[] = {{"11pt-light", light, 11},
                 {"14pt-dark", dark, 14},
                 {"14pt-dark-blue-link", dark_blue_link, 14}};
    const QFont original_font = QApplication::font();
    const QPalette original_palette = QApplication::palette();
    for (const auto& look : looks) {
        QFont font = original_font;
        font.setPointSizeF(look.points);
        QApplication::setFont(font);
        QApplication::setPalette(look.palette);
        TMolWtForm form;
        form.show();
        // Focus moves, and the lines follow it, only in the active window.
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // By keys, which scroll the element into view where the screen is too small.
        form.AtmButton(0)->setFocus();
        QTest::keyClicks(form.AtmButton(0), "Na");
        QTRY_COMPARE(form.HintLabel->text(), LinesOf("Na"));
        // The weaker line's best contrast on the screen, once the repaint after the move is there.
        QString weakest;
        const auto reads = [&] {
            const QImage shot = form.screen()->grabWindow(form.winId()).toImage();
            if (!qEnvironmentVariableIsEmpty("MOL_WT_SHOTS"))
                shot.save(qEnvironmentVariable("MOL_WT_SHOTS") + "/periodic-table-" + look.name +
                          ".png");
            const qreal ratio = shot.devicePixelRatio();
            const QRgb window = shot.pixel(2, 2);
            for (const QLabel* line : {form.HintLabel, form.Label35}) {
                const QRect place =
                    QRect(line->mapTo(&form, QPoint()) * ratio, line->size() * ratio) & shot.rect();
                double best = 1;
                for (int y = place.top(); y <= place.bottom(); ++y)
                    for (int x = place.left(); x <= place.right(); ++x)
                        best = std::max(best, contrast::Ratio(shot.pixel(x, y), window));
                weakest = QString("%1 %2: %3:1").arg(look.name, line->objectName()).arg(best);
                if (best < 4.5) return false;
            }
            return true;
        };
        QTRY_VERIFY2(reads(), qPrintable(weakest));
    }
    QApplication::setFont(original_font);
    QApplication::setPalette(original_palette);
}

// At every font size a desktop ships, in English and in each translation (the element names
// and the information lines run longer), no text of the table is cut: each fits its contents
// rectangle by the font's metrics. Run again at scale factors 1.5 and 2.
void MolWtFormTest::EveryTextFitsAtEveryFontSize() {
    const QFont original = QApplication::font();
    for (const QString& language : QStringList{QString()} + brisalto::kUiLanguages) {
        QVERIFY(brisalto::InstallTranslators(*qApp, language));
        for (const double points : {8.0, 9.0, 10.0, 11.0, 12.0, 14.0, 16.0}) {
            QFont font = original;
            font.setPointSizeF(points);
            QApplication::setFont(font);
            TMolWtForm form;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QTest::mouseMove(ButtonWithCaption(form, "Na"), QPoint(4, 4));
            QTest::mouseMove(ButtonWithCaption(form, "Na"), QPoint(5, 5));
            const QStringList cut = CutTexts(form);
            QVERIFY2(cut.isEmpty(),
                     qPrintable(QString("%1 %2 pt: ").arg(language).arg(points) + cut.join("; ")));
            // A look at each language, when BRISALTO_SHOTS names a folder.
            const QString shots = qEnvironmentVariable("BRISALTO_SHOTS");
            if (!shots.isEmpty() && points == 11.0)
                form.grab().save(QString("%1/periodic-table-%2-11pt.png")
                                     .arg(shots, language.isEmpty() ? "en" : language));
        }
    }
    brisalto::RemoveTranslators(*qApp);
    QApplication::setFont(original);
}

// A translation that brackets every text it is asked for: a text a person reads without
// brackets was never translated. Symbols and period numbers stay as they are.
void MolWtFormTest::EveryTextGoesThroughTranslation() {
    struct Bracketing : QTranslator {
        QString translate(const char*, const char* source, const char*, int) const override {
            return '[' + QString::fromUtf8(source) + ']';
        }
        bool isEmpty() const override { return false; }
    } bracketing;
    QCoreApplication::installTranslator(&bracketing);
    TMolWtForm form;
    form.show();
    QTest::mouseMove(ButtonWithCaption(form, "Fe"), QPoint(4, 4));
    QTest::mouseMove(ButtonWithCaption(form, "Fe"), QPoint(5, 5));
    QCoreApplication::removeTranslator(&bracketing);
    QStringList untranslated;
    const auto expect = [&](const QString& text) {
        if (!text.startsWith('[')) untranslated << text;
    };
    expect(form.windowTitle());
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (!QRegularExpression("^[1-7]$").match(label->text()).hasMatch()) expect(label->text());
    }
    for (const QPushButton* button : form.findChildren<QPushButton*>()) {
        if (button->property("Tag").isValid()) {
            expect(button->toolTip());
            expect(button->accessibleName());
            expect(button->accessibleDescription());
        } else {
            expect(button->text());
        }
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(" | ")));
    QCOMPARE(form.HintLabel->text(), "[[Iron]  Atomic Weight: " + WeightOf("Fe") + " g/mol]");
}

// On a screen too small for the table (the test's own at scale 2), the window stays on the
// screen and every element, reached by typing its symbol, scrolls wholly into view.
void MolWtFormTest::EveryElementComesIntoViewOnTheScreen() {
    TMolWtForm form;
    QStringList hidden;
    RunWith(form, [&] {
        QVERIFY(form.screen()->availableGeometry().contains(form.frameGeometry()));
        for (const brisalto::ElementButton& element : brisalto::ElementButtons()) {
            const auto symbol = brisalto::ElementSymbol(element.index);
            QTest::keyClicks(form.focusWidget(), QString::fromLatin1(symbol.data(), symbol.size()));
            QWidget* focused = form.focusWidget();
            if (focused != form.AtmButton(element.index) ||
                focused->visibleRegion().boundingRect() != focused->rect())
                hidden << focused->objectName();
        }
    });
    QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(' ')));
}

QTEST_MAIN(MolWtFormTest)
#include "mol_wt_form_test.moc"
