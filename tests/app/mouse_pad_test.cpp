// The mouse pad's keys: every Tag once, the function hints, the pictures, and the groups' rows.
#include "app/mouse_pad.h"

#include <QTest>
#include <QToolButton>
#include <QWidget>

#include "command/cmd_edit_model.h"

using brisalto::MousePadKeys;

class MousePadTest : public QObject {
    Q_OBJECT

  private:
    QWidget panel_;
    MousePadKeys keys_;

    std::vector<QToolButton*> AllKeys() const {
        std::vector<QToolButton*> all = keys_.keypad;
        all.insert(all.end(), keys_.functions.begin(), keys_.functions.end());
        for (QToolButton* key :
             {keys_.first, keys_.left, keys_.right, keys_.last, keys_.del, keys_.answer}) {
            all.push_back(key);
        }
        return all;
    }

    QRect InPanel(const QToolButton* key) const {
        return QRect(key->mapTo(&panel_, QPoint(0, 0)), key->size());
    }

  private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(assets);
        panel_.setFixedSize(brisalto::kToolsPanelWidth, brisalto::kToolsPanelHeight);
        QStringList texts, names, hints;
        for (const auto& t : brisalto::KeypadTexts()) texts << QString::fromStdString(t);
        for (const auto& t : brisalto::FunctionButtonNames()) names << QString::fromStdString(t);
        for (const auto& t : brisalto::FunctionButtonHints()) hints << QString::fromStdString(t);
        keys_ = brisalto::BuildMousePad(&panel_, texts, names, hints);
    }

    void EveryKeyHasItsTagPictureAndNoFocus() {
        QCOMPARE(keys_.keypad.size(), std::size_t{42});
        QCOMPARE(keys_.functions.size(), std::size_t{30});
        for (int tag = 0; tag < 42; ++tag) {
            QVERIFY2(keys_.keypad[tag] != nullptr, qPrintable(QString::number(tag)));
            QCOMPARE(brisalto::PadKeyTag(keys_.keypad[tag]), tag);
            QVERIFY2(keys_.keypad[tag]->toolTip().isEmpty(), qPrintable(QString::number(tag)));
        }
        for (int tag = 0; tag < 30; ++tag) {
            QCOMPARE(brisalto::PadKeyTag(keys_.functions[tag]), tag);
            QCOMPARE(keys_.functions[tag]->toolTip(),
                     QString::fromStdString(brisalto::FunctionButtonHints()[tag]));
        }
        QCOMPARE(keys_.functions[25]->toolTip(), QStringLiteral("10^X (inverse log base 10)"));
        for (QToolButton* key : AllKeys()) {
            QVERIFY(!key->icon().isNull());
            QCOMPARE(key->focusPolicy(), Qt::NoFocus);
        }
    }

    void KeysFitThePanelWithoutOverlap() {
        const std::vector<QToolButton*> all = AllKeys();
        for (std::size_t i = 0; i < all.size(); ++i) {
            QVERIFY(panel_.rect().contains(InPanel(all[i])));
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
            const QRect before = InPanel(keys_.keypad[tags[i - 1]]);
            const QRect key = InPanel(keys_.keypad[tags[i]]);
            QCOMPARE(key.top(), before.top());
            QVERIFY(key.left() > before.left());
        }
    }

    void GroupsStandWhereTheyBelong() {
        // Caret row above the digits, the answer key above B, functions in the right half.
        QVERIFY(InPanel(keys_.first).bottom() < InPanel(keys_.keypad[10]).top());
        QVERIFY(InPanel(keys_.del).left() > InPanel(keys_.last).left());
        QVERIFY(InPanel(keys_.answer).bottom() < InPanel(keys_.keypad[30]).top());
        QVERIFY(InPanel(keys_.answer).width() > InPanel(keys_.keypad[30]).width());
        QVERIFY(InPanel(keys_.functions[0]).left() >= brisalto::kToolsPanelWidth / 2);
        QVERIFY(InPanel(keys_.functions[29]).top() > InPanel(keys_.functions[26]).top());
    }
};

QTEST_MAIN(MousePadTest)
#include "mouse_pad_test.moc"
