// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The about box: caption, size, texts, the link, the selectable e-mail field, the OK button and
// its pictures.
#include "app/about_form.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using brisalto::TAboutForm;

class AboutFormTest : public QObject {
    Q_OBJECT

  private slots:
    void HasCaptionAndFixedSize();
    void ShowsVersionLinkAndEmail();
    void ShowsItsPictures();
    void OkIsTheDefaultAndCloses();
};

void AboutFormTest::HasCaptionAndFixedSize() {
    TAboutForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("About"));
    // Its size comes from its contents, and the user cannot change it.
    form.layout()->activate();
    QCOMPARE(form.minimumSize(), form.maximumSize());
}

void AboutFormTest::ShowsVersionLinkAndEmail() {
    TAboutForm form;
    QCOMPARE(form.VersionLabel()->text(), QStringLiteral("Version: 1.0.0"));
    QVERIFY(form.VersionLabel()->font().bold());
    QVERIFY(form.LinkLabel()->text().contains(QLatin1String(brisalto::kMakerWebAddress)));
    QVERIFY(form.LinkLabel()->openExternalLinks());
    QVERIFY(form.EmailEdit()->isReadOnly());
    QVERIFY(!form.EmailEdit()->hasFrame());
    QCOMPARE(form.EmailEdit()->text(), QLatin1String(brisalto::kMakerEmailAddress));
    form.EmailEdit()->selectAll();
    QCOMPARE(form.EmailEdit()->selectedText(), QLatin1String(brisalto::kMakerEmailAddress));
    bool calculator_text = false;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        calculator_text = calculator_text || label->text() == QStringLiteral("Calculator");
    }
    QVERIFY(calculator_text);
}

void AboutFormTest::ShowsItsPictures() {
    TAboutForm form;
    QList<QSize> sizes;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        const QPixmap pixmap = label->pixmap();
        if (pixmap.isNull()) continue;
        const QImage image = pixmap.toImage();
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y) {
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) != 0;
        }
        QVERIFY2(drawn, "a picture label holds an empty picture");
        sizes.append(pixmap.deviceIndependentSize().toSize());
    }
    QVERIFY(sizes.contains(QSize(217, 49)));
    QVERIFY(sizes.contains(QSize(69, 73)));
}

void AboutFormTest::OkIsTheDefaultAndCloses() {
    TAboutForm form;
    QCOMPARE(form.OKBtn()->text(), QStringLiteral("OK"));
    QVERIFY(form.OKBtn()->isDefault());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(&form, Qt::Key_Return);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

QTEST_MAIN(AboutFormTest)
#include "about_form_test.moc"
