// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Every window of the program at every desktop font size and in three palettes: each text fits
// where it is drawn and reads against its background. CTest runs it at scale factors 1, 1.5
// and 2 on a 1280x1024 screen, and tests/x11 once under a window manager; screenshots (11 pt,
// and 14 pt dark) go to the folder BRISALTO_SHOTS names, when it is set.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <functional>
#include <memory>

#include "app/about_form.h"
#include "app/bkgrd_form.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "app/precision_form.h"
#include "app/ui_language.h"
#include "command/calculator.h"
#include "contrast_helper.h"
#include "fits_helper.h"
#include "tools/gui/conv_form.h"
#include "tools/gui/molar_mass_form.h"
#include "tools/gui/reaction_form.h"
#include "tools/gui/solution_form.h"

namespace {

using Maker = std::function<std::unique_ptr<QWidget>()>;

struct Window {
    const char* name;
    Maker make;
    std::function<void(QWidget*)> after_show = {};
};

brisalto::Calculator& SharedCalculator() {
    static brisalto::Calculator calculator;
    return calculator;
}

// Every window the program owns, each made fresh so it takes the current font and palette.
const std::vector<Window>& Windows() {
    static const std::vector<Window> windows = {
        {"main", [] { return std::make_unique<brisalto::TMainForm>(); }},
        {"precision",
         [] { return std::make_unique<brisalto::TPrecisionForm>(SharedCalculator()); }},
        {"background colours", [] { return std::make_unique<brisalto::TBkgrdForm>(); }},
        {"unit conversions", [] { return std::make_unique<brisalto::TConvForm>(); }},
        {"unit conversions error", [] { return std::make_unique<brisalto::TConvForm>(); },
         [](QWidget* window) {
             // 0 Julian lies before the year 1: the dialog shows why it cannot convert.
             auto* form = static_cast<brisalto::TConvForm*>(window);
             form->FamilyComboBox->setCurrentText(QStringLiteral("Time"));
             form->FamilyComboBoxSelect();
             form->ConvFromComboBox->setCurrentText(QStringLiteral("JulianDate"));
             form->ConvValueEdit->setText(QStringLiteral("0"));
         }},
        {"molar mass error",
         [] {
             auto form = std::make_unique<brisalto::TMolarMassForm>();
             form->FormulaEdit->setText(QStringLiteral("Ca(OH2"));
             return form;
         }},
        {"molar mass",
         [] {
             auto form = std::make_unique<brisalto::TMolarMassForm>();
             form->FormulaEdit->setText(QStringLiteral("CuSO4·5H2O"));
             return form;
         }},
        {"reaction", [] { return std::make_unique<brisalto::TReactionForm>(); }},
        // Typed after showing, so no field shows a selection (the palette's own colours).
        {"reaction error", [] { return std::make_unique<brisalto::TReactionForm>(); },
         [](QWidget* window) {
             static_cast<brisalto::TReactionForm*>(window)->ReactionEdit->setText(
                 QStringLiteral("C + O2 = CO + CO2"));
         }},
        {"solution", [] { return std::make_unique<brisalto::TSolutionForm>(); }},
        {"solution error", [] { return std::make_unique<brisalto::TSolutionForm>(); },
         [](QWidget* window) {
             auto* form = static_cast<brisalto::TSolutionForm*>(window);
             form->FormulaEdit->setText(QStringLiteral("NaCl"));
             form->VolumeEdit->setText(QStringLiteral("5 g"));
         }},
        {"about", [] { return std::make_unique<brisalto::TAboutForm>(); }},
        {"help", [] { return std::make_unique<brisalto::THelpForm>(); }},
    };
    return windows;
}

std::unique_ptr<QWidget> ShowWindow(const Window& kind) {
    std::unique_ptr<QWidget> window = kind.make();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    if (kind.after_show) {
        kind.after_show(window.get());
        QCoreApplication::sendPostedEvents();  // the layout follows the change, as in the event
                                               // loop
    }
    return window;
}

void SaveShot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("BRISALTO_SHOTS");
    if (folder.isEmpty()) return;
    window->grab().save(QStringLiteral("%1/%2-scale%3.png")
                            .arg(folder, name, qEnvironmentVariable("QT_SCALE_FACTOR", "1"))
                            .replace(QLatin1Char(' '), QLatin1Char('-')));
}

}  // namespace

class WindowFitsTest : public QObject {
    Q_OBJECT

    QTemporaryDir config_;

  private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QApplication::setStyle(QStringLiteral("Fusion"));
    }

    void cleanup() {
        brisalto::RemoveTranslators(*qApp);
        fits::SetApplicationPointSize(9);
        QApplication::setPalette(contrast::LightPalette());
    }

    void EveryTextFits_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("points");
        for (int w = 0; w < static_cast<int>(Windows().size()); ++w)
            for (int points : fits::kPointSizes)
                QTest::addRow("%s %d pt", Windows()[w].name, points) << w << points;
    }

    void EveryTextFits() {
        QFETCH(int, window);
        QFETCH(int, points);
        fits::SetApplicationPointSize(points);
        const std::unique_ptr<QWidget> shown = ShowWindow(Windows()[window]);
        QVERIFY(shown);
        const QList<fits::Cut> cuts = fits::CutTexts(shown.get());
        QVERIFY2(cuts.isEmpty(), qPrintable(fits::Describe(cuts)));
        if (points == 11)
            SaveShot(shown.get(),
                     QStringLiteral("%1-%2pt").arg(Windows()[window].name).arg(points));
    }

    // Translations run longer than the English texts (German most): every window again in each
    // language at the common sizes.
    void EveryTextFitsInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("points");
        for (const QString& language : brisalto::kUiLanguages)
            for (int w = 0; w < static_cast<int>(Windows().size()); ++w)
                for (int points : {9, 11, 14})
                    QTest::addRow("%s %s %d pt", qPrintable(language), Windows()[w].name, points)
                        << language << w << points;
    }

    void EveryTextFitsInEveryLanguage() {
        QFETCH(QString, language);
        QFETCH(int, window);
        QFETCH(int, points);
        QVERIFY(brisalto::InstallTranslators(*qApp, language));
        fits::SetApplicationPointSize(points);
        const std::unique_ptr<QWidget> shown = ShowWindow(Windows()[window]);
        QVERIFY(shown);
        const QList<fits::Cut> cuts = fits::CutTexts(shown.get());
        QVERIFY2(cuts.isEmpty(), qPrintable(fits::Describe(cuts)));
        if (points == 11)
            SaveShot(
                shown.get(),
                QStringLiteral("%1-%2-%3pt").arg(language, Windows()[window].name).arg(points));
    }

    void EveryTextReads_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<QPalette>("palette");
        const std::pair<const char*, QPalette> palettes[] = {
            {"light", contrast::LightPalette()},
            {"dark", contrast::DarkPalette()},
            {"high contrast", contrast::HighContrastPalette()},
        };
        for (int w = 0; w < static_cast<int>(Windows().size()); ++w)
            for (const auto& [name, palette] : palettes)
                QTest::addRow("%s %s", Windows()[w].name, name) << w << palette;
    }

    void EveryTextReads() {
        QFETCH(int, window);
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        fits::SetApplicationPointSize(14);
        const std::unique_ptr<QWidget> shown = ShowWindow(Windows()[window]);
        QVERIFY(shown);
        const QList<contrast::Low> lows = contrast::LowContrastTexts(shown.get());
        QVERIFY2(lows.isEmpty(), qPrintable(contrast::Describe(lows)));
        if (palette == contrast::DarkPalette())
            SaveShot(shown.get(), QStringLiteral("%1-14pt-dark").arg(Windows()[window].name));
    }

    // The manual's examples, tables and links as the help window draws them.
    void ManualReads_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << contrast::LightPalette();
        QTest::newRow("dark") << contrast::DarkPalette();
        QTest::newRow("high contrast") << contrast::HighContrastPalette();
    }

    void ManualReads() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        brisalto::THelpForm help;
        help.resize(900, 640);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTextBrowser* browser = help.Browser;
        int examples = 0;
        int links = 0;
        for (QTextBlock block = browser->document()->begin(); block.isValid();
             block = block.next()) {
            const bool example =
                block.blockFormat().nonBreakableLines() && !block.text().trimmed().isEmpty();
            const bool link =
                block.charFormat().isAnchor() || block.begin().fragment().charFormat().isAnchor();
            if (!example && !(link && links < 5)) continue;
            if (example && examples >= 40) continue;
            QTextCursor cursor(block);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            QCoreApplication::processEvents();
            // The first line's text from its first to its last character, on its own background.
            QTextCursor end(block);
            end.movePosition(QTextCursor::EndOfLine);
            const QRect first = browser->cursorRect(cursor);
            const QRect region(first.left(), first.top(),
                               browser->cursorRect(end).right() - first.left(), first.height());
            const QImage image = browser->viewport()->grab().toImage();
            const qreal r = image.devicePixelRatio();
            const double found = contrast::InkContrast(
                image, QRect(QPoint(region.left() * r, region.top() * r), region.size() * r));
            QVERIFY2(found >= 4.5,
                     qPrintable(QStringLiteral("\"%1\": %2:1").arg(block.text()).arg(found)));
            examples += example;
            links += link;
        }
        QVERIFY2(examples > 10, "the manual's examples were not found");
    }

    // At the design's font the window keeps its size; a larger font draws it larger; on a
    // small screen it is drawn smaller, whole on the screen.
    void MainWindowFollowsFontAndScreen_data() {
        QTest::addColumn<int>("points");
        for (int points : fits::kPointSizes) QTest::addRow("%d pt", points) << points;
    }

    void MainWindowFollowsFontAndScreen() {
        QFETCH(int, points);
        fits::SetApplicationPointSize(points);
        const std::unique_ptr<QWidget> shown = ShowWindow(Windows()[0]);
        QVERIFY(shown);
        const QSize client = static_cast<QMainWindow*>(shown.get())->centralWidget()->size();
        const QRect free = shown->screen()->availableGeometry();
        const bool small_screen = free.height() < 600;
        if (!small_screen && points <= 9) QCOMPARE(client, QSize(469, 515));
        if (!small_screen && points >= 11) QVERIFY(client.width() > 469 && client.height() > 515);
        // Under a window manager the frame is measured once it is drawn; offscreen has none, so
        // room for one is counted.
        QSize whole = shown->size() + QSize(8, 32);
        if (QGuiApplication::platformName() == QLatin1String("xcb") &&
            QTest::qWaitFor([&] { return shown->frameGeometry() != shown->geometry(); }, 3000))
            whole = shown->frameGeometry().size();
        QVERIFY2(whole.width() <= free.width() && whole.height() <= free.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                .arg(whole.width())
                                .arg(whole.height())
                                .arg(free.width())
                                .arg(free.height())));
        // The client keeps the design's proportions.
        QVERIFY(std::abs(client.width() * 515.0 / (client.height() * 469.0) - 1.0) < 0.02);
    }
};

QTEST_MAIN(WindowFitsTest)
#include "window_fits_test.moc"
