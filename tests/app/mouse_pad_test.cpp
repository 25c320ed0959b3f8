// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The mouse pad's keys: every Tag once, the function hints, the pictures, and the groups' rows.
#include "app/mouse_pad.h"

#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <memory>

#include "command/cmd_edit_model.h"

using brisalto::MousePad;

class MousePadTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<MousePad> pad_;

    const std::vector<QToolButton*>& AllKeys() const { return pad_->AllKeys(); }
    QToolButton* Key(const char* name) const {
        return pad_->findChild<QToolButton*>(QString::fromLatin1(name));
    }

    QRect InPanel(const QToolButton* key) const {
        return QRect(key->mapTo(pad_.get(), QPoint(0, 0)), key->size());
    }

  private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(assets);
        QStringList texts, names, hints;
        for (const auto& t : brisalto::KeypadTexts()) texts << QString::fromStdString(t);
        for (const auto& t : brisalto::FunctionButtonNames()) names << QString::fromStdString(t);
        for (const auto& t : brisalto::FunctionButtonHints()) hints << QString::fromStdString(t);
        pad_ = std::make_unique<MousePad>(texts, names, hints);
        pad_->setFixedWidth(brisalto::kToolsPanelWidth);
    }

    void EveryKeyHasItsTagPictureAndOneTabStop() {
        QCOMPARE(AllKeys().size(), std::size_t{42 + 30 + 6});
        const auto& keypad = pad_->KeypadKeys();
        const auto& functions = pad_->FunctionKeys();
        QCOMPARE(keypad.size(), std::size_t{42});
        QCOMPARE(functions.size(), std::size_t{30});
        for (int tag = 0; tag < 42; ++tag) {
            QVERIFY2(keypad[tag] != nullptr, qPrintable(QString::number(tag)));
            QCOMPARE(keypad[tag]->accessibleDescription(),
                     "inserts " + QString::fromStdString(brisalto::KeypadTexts()[tag]));
            QVERIFY2(keypad[tag]->toolTip().isEmpty(), qPrintable(QString::number(tag)));
        }
        for (int tag = 0; tag < 30; ++tag) {
            QVERIFY(functions[tag]->accessibleDescription().endsWith(
                "inserts " + QString::fromStdString(brisalto::FunctionButtonNames()[tag]) + "()"));
            QCOMPARE(functions[tag]->toolTip(),
                     QString::fromStdString(brisalto::FunctionButtonHints()[tag]));
        }
        QCOMPARE(functions[25]->toolTip(), QStringLiteral("10^X (inverse log base 10)"));
        // The whole pad is one Tab stop; a click never takes the focus.
        int tab_stops = 0;
        for (QToolButton* key : AllKeys()) {
            QVERIFY(!key->icon().isNull());
            QVERIFY(!(key->focusPolicy() & Qt::ClickFocus));
            if (key->focusPolicy() & Qt::TabFocus) ++tab_stops;
        }
        QCOMPARE(tab_stops, 1);
    }

    void KeysFitThePanelWithoutOverlap() {
        const std::vector<QToolButton*>& all = AllKeys();
        const QRect panel(0, 0, brisalto::kToolsPanelWidth, brisalto::kToolsPanelHeight);
        for (std::size_t i = 0; i < all.size(); ++i) {
            QVERIFY(panel.contains(InPanel(all[i])));
            for (std::size_t j = i + 1; j < all.size(); ++j) {
                QVERIFY2(!InPanel(all[i]).intersects(InPanel(all[j])),
                         qPrintable(QStringLiteral("keys %1 and %2").arg(i).arg(j)));
            }
        }
    }

    void RowsReadLeftToRight_data() {
        QTest::addColumn<QList<int>>("tags");
        QTest::newRow("7 8 9 ! +") << QList<int>{10, 11, 12, 19, 14};
        QTest::newRow("4 5 6 ^ -") << QList<int>{7, 8, 9, 18, 15};
        QTest::newRow("1 2 3 * /") << QList<int>{4, 5, 6, 16, 17};
        QTest::newRow("E 0 . = %") << QList<int>{13, 0, 3, 21, 20};
        QTest::newRow("00 ( ) { }") << QList<int>{1, 22, 23, 24, 25};
        QTest::newRow("000 [ ] < >") << QList<int>{2, 28, 29, 26, 27};
        QTest::newRow("B C") << QList<int>{30, 31};
        QTest::newRow("M N") << QList<int>{40, 41};
    }

    void RowsReadLeftToRight() {
        QFETCH(QList<int>, tags);
        for (int i = 1; i < tags.size(); ++i) {
            const QRect before = InPanel(pad_->KeypadKeys()[tags[i - 1]]);
            const QRect key = InPanel(pad_->KeypadKeys()[tags[i]]);
            QCOMPARE(key.top(), before.top());
            QVERIFY(key.left() > before.left());
        }
    }

    void GroupsStandWhereTheyBelong() {
        // Caret row above the digits, the answer key above B, functions in the right half.
        const auto& keypad = pad_->KeypadKeys();
        const auto& functions = pad_->FunctionKeys();
        QVERIFY(InPanel(Key("FirstButton")).bottom() < InPanel(keypad[10]).top());
        QVERIFY(InPanel(Key("Button2")).left() > InPanel(Key("LastButton")).left());
        QVERIFY(InPanel(Key("Button29")).bottom() < InPanel(keypad[30]).top());
        QVERIFY(InPanel(Key("Button29")).width() > InPanel(keypad[30]).width());
        QVERIFY(InPanel(functions[0]).left() >= brisalto::kToolsPanelWidth / 2);
        QVERIFY(InPanel(functions[29]).top() > InPanel(functions[26]).top());
    }
};

QTEST_MAIN(MousePadTest)
#include "mouse_pad_test.moc"
