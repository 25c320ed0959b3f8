// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Where a saved window position puts the frame: kept when the frame lies on the screens, brought
// wholly onto the nearest screen when it does not, whatever integer the file held.
#include "app/window_placement.h"

#include <QTest>
#include <climits>

using brisalto::FitFrameOnScreens;

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void Fits_data() {
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QPoint>("placed");
        // Two screens side by side, the right one lower and smaller; a 471 x 555 frame.
        QTest::newRow("top-left corner") << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("inside the left screen") << QPoint(394, 114) << QPoint(394, 114);
        QTest::newRow("across both screens") << QPoint(1700, 300) << QPoint(1700, 300);
        QTest::newRow("inside the right screen") << QPoint(2000, 400) << QPoint(2000, 400);
        QTest::newRow("past the right edge") << QPoint(3000, 400) << QPoint(2560 - 471, 400);
        QTest::newRow("below the right screen") << QPoint(2000, 5000) << QPoint(2000, 1300 - 555);
        QTest::newRow("above the right screen, not on the left one")
            << QPoint(2000, 0) << QPoint(2000, 200);
        QTest::newRow("title bar above the top") << QPoint(100, -20) << QPoint(100, 0);
        QTest::newRow("left of everything") << QPoint(-5000, 300) << QPoint(0, 300);
        QTest::newRow("hand-edited largest")
            << QPoint(INT_MAX, INT_MAX) << QPoint(2560 - 471, 1300 - 555);
        QTest::newRow("hand-edited smallest") << QPoint(INT_MIN, INT_MIN) << QPoint(0, 0);
        QTest::newRow("below the left screen, nearest is the left")
            << QPoint(300, 4000) << QPoint(300, 1080 - 555);
    }

    void Fits() {
        QFETCH(QPoint, wanted);
        QFETCH(QPoint, placed);
        const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 200, 640, 1100)};
        QCOMPARE(FitFrameOnScreens(wanted, QSize(471, 555), screens), placed);
    }

    void LargerThanTheScreenKeepsTheTitleBarVisible() {
        const QList<QRect> screens = {QRect(0, 0, 400, 300)};
        QCOMPARE(FitFrameOnScreens(QPoint(50, 60), QSize(471, 555), screens), QPoint(0, 0));
    }

    void NoScreensKeepsThePosition() {
        QCOMPARE(FitFrameOnScreens(QPoint(7, 9), QSize(471, 555), {}), QPoint(7, 9));
    }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
