// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Every picture the windows load by resource name is there and is a drawable SVG.
#include <QSvgRenderer>
#include <QTest>

#include "app/assets_resource.h"

class AssetsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { brisalto::InitAssets(); }
    void PicturesAreThere_data();
    void PicturesAreThere();
};

void AssetsTest::PicturesAreThere_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");  // empty: any size

    for (int tag = 0; tag < 42; ++tag) {
        const QString name = QStringLiteral(":/pad/keypad_%1.svg").arg(tag);
        QTest::newRow(qPrintable(name)) << name << QSize(32, 28);
    }
    for (int tag = 0; tag < 30; ++tag) {
        const QString name = QStringLiteral(":/pad/func_%1.svg").arg(tag);
        QTest::newRow(qPrintable(name)) << name << QSize(64, 22);
    }
    for (const char* key : {"first", "left", "right", "last", "delete"}) {
        const QString name = QStringLiteral(":/pad/%1.svg").arg(QLatin1String(key));
        QTest::newRow(qPrintable(name)) << name << QSize(32, 24);
    }
    for (const char* state : {"go", "go_hot", "go_down", "go_disabled"}) {
        const QString name = QStringLiteral(":/pad/%1.svg").arg(QLatin1String(state));
        QTest::newRow(qPrintable(name)) << name << QSize(42, 41);
    }
    QTest::newRow(":/pad/answer.svg") << QStringLiteral(":/pad/answer.svg") << QSize(64, 28);
    QTest::newRow(":/splash.svg") << QStringLiteral(":/splash.svg") << QSize(349, 250);
    QTest::newRow(":/about/icon.svg") << QStringLiteral(":/about/icon.svg") << QSize(69, 73);
    QTest::newRow(":/about/picture.svg") << QStringLiteral(":/about/picture.svg") << QSize(217, 49);
    QTest::newRow(":/app/brisalto-calculator.svg")
        << QStringLiteral(":/app/brisalto-calculator.svg") << QSize(256, 256);
}

void AssetsTest::PicturesAreThere() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QSvgRenderer renderer(name);
    QVERIFY2(renderer.isValid(), qPrintable(name));
    QCOMPARE(renderer.defaultSize(), size);
}

QTEST_GUILESS_MAIN(AssetsTest)
#include "assets_test.moc"
