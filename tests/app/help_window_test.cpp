// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The help window offscreen: F1, the Help menu and the "help" keyword open it with the manual,
// the compiled help file wins when it is in the current directory, the contents list and Back
// move through the manual, every link inside the manual has its target, and Ctrl+F finds text.
#include "app/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <memory>

#include "app/error_report.h"
#include "app/main_form.h"
#include "app/results_window_ops.h"

using brisalto::THelpForm;
using brisalto::TMainForm;

// Stands in for the desktop's file opener.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> urls;

  public slots:
    void Open(const QUrl& url) { urls << url; }
};

class HelpWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<TMainForm> form_;
    QStringList reported_;

    THelpForm* Help() const { return form_->findChild<THelpForm*>(); }

    static QString Manual() {
        QFile file(QStringLiteral(":/manual/index.html"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

  private slots:
    void init() {
        config_ = std::make_unique<QTemporaryDir>();
        QVERIFY(config_->isValid());
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", config_->path().toLocal8Bit());
        QDir::setCurrent(config_->path());
        reported_.clear();
        brisalto::SetErrorReporter([this](const QString& message) { reported_ << message; });
        form_ = std::make_unique<TMainForm>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void cleanup() {
        form_.reset();
        brisalto::SetErrorReporter({});
        QVERIFY2(reported_.isEmpty(), qPrintable(reported_.join('\n')));
    }

    void EveryRoadShowsTheManual_data() {
        QTest::addColumn<QString>("road");
        QTest::newRow("F1") << "F1";
        QTest::newRow("Help menu") << "menu";
        QTest::newRow("help keyword") << "keyword";
    }

    void EveryRoadShowsTheManual() {
        QFETCH(QString, road);
        QVERIFY(Help() == nullptr);
        if (road == QLatin1String("F1")) {
            QTest::keyClick(form_->findChild<QLineEdit*>("CmdEdit"), Qt::Key_F1);
        } else if (road == QLatin1String("menu")) {
            QMenu* help = nullptr;
            for (QAction* a : form_->menuBar()->actions()) {
                if (a->text() == QLatin1String("Help")) help = a->menu();
            }
            QVERIFY(help != nullptr);
            QCOMPARE(help->actions().first()->text(), QStringLiteral("Contents... (help)"));
            help->actions().first()->trigger();
        } else {
            form_->findChild<QLineEdit*>("CmdEdit")->setFocus();
            QTest::keyClicks(form_->findChild<QLineEdit*>("CmdEdit"), QStringLiteral("help"));
            QTest::keyClick(form_->findChild<QLineEdit*>("CmdEdit"), Qt::Key_Return);
        }
        THelpForm* help = Help();
        QVERIFY(help != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(help->windowTitle(), QStringLiteral("Brisalto Calculator Help"));
        QCOMPARE(help->Browser->documentTitle(), QStringLiteral("Brisalto Calculator Manual"));
        QVERIFY(help->Browser->toPlainText().contains(QStringLiteral("The sixteen keywords")));
        // Wholly on the screen, also where the screen is smaller than the usual size.
        const QRect free = help->screen()->availableGeometry();
        QVERIFY2(free.contains(help->geometry()),
                 qPrintable(QStringLiteral("%1x%2 at %3,%4 on %5x%6")
                                .arg(help->width())
                                .arg(help->height())
                                .arg(help->x())
                                .arg(help->y())
                                .arg(free.width())
                                .arg(free.height())));
        // A second request raises the same window.
        QTest::keyClick(form_->findChild<QLineEdit*>("CmdEdit"), Qt::Key_F1);
        QCOMPARE(form_->findChildren<THelpForm*>().size(), 1);
    }

    void HelpFileInTheCurrentDirectoryIsOpenedInstead() {
        QFile chm(QDir::current().filePath(QString::fromLatin1(brisalto::kHelpFileName)));
        QVERIFY(chm.open(QIODevice::WriteOnly));
        chm.close();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
        QTest::keyClick(form_->findChild<QLineEdit*>("CmdEdit"), Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toLocalFile(), QFileInfo(chm).absoluteFilePath());
        QVERIFY(Help() == nullptr);
    }

    void ContentsListAndBack() {
        THelpForm* help = brisalto::ShowHelpWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const QString manual = Manual();
        const int sections = static_cast<int>(manual.count(QStringLiteral("<h2 id=")) +
                                              manual.count(QStringLiteral("<h3 id=")));
        QVERIFY(sections >= 17);
        QCOMPARE(help->ContentsList->count(), sections);
        QVERIFY(!help->BackBtn->isEnabled());
        QScrollBar* bar = help->Browser->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        QListWidgetItem* last = help->ContentsList->item(help->ContentsList->count() - 1);
        QCOMPARE(last->text(), QStringLiteral("18. Files and where they live"));
        help->ContentsList->setCurrentItem(last);
        emit help->ContentsList->itemClicked(last);
        QTRY_VERIFY(bar->value() > 0);
        QVERIFY(help->BackBtn->isEnabled());
        QTest::mouseClick(help->BackBtn, Qt::LeftButton);
        QTRY_COMPARE(bar->value(), 0);
        QCOMPARE(help->ContentsList->currentRow(), -1);
    }

    // Every entry in turn, then Back and Forward over all of them: the marked entry is always
    // the section shown.
    void ContentsFollowBackAndForward() {
        THelpForm* help = brisalto::ShowHelpWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QListWidget* list = help->ContentsList;
        for (int row = 0; row < list->count(); ++row) emit list->itemClicked(list->item(row));
        QCOMPARE(list->currentRow(), list->count() - 1);
        for (int row = list->count() - 2; row >= -1; --row) {
            QTest::mouseClick(help->BackBtn, Qt::LeftButton);
            QCOMPARE(list->currentRow(), row);
        }
        QVERIFY(!help->BackBtn->isEnabled());
        for (int row = 0; row < list->count(); ++row) {
            QTest::mouseClick(help->ForwardBtn, Qt::LeftButton);
            QCOMPARE(list->currentRow(), row);
        }
        QVERIFY(!help->ForwardBtn->isEnabled());
    }

    // At its default size on a screen that holds it, nothing needs scrolling sideways.
    void NoHorizontalScrollBarAtTheDefaultSize() {
        THelpForm* help = brisalto::ShowHelpWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const QRect free = help->screen()->availableGeometry();
        if (help->width() >= free.width() * 9 / 10) QSKIP("the screen is too narrow to tell");
        QTRY_VERIFY(!help->Browser->horizontalScrollBar()->isVisible());
        QVERIFY(!help->ContentsList->horizontalScrollBar()->isVisible());
    }

    // A link to a section that does not exist would leave the reader where they are.
    void EveryLinkInsideTheManualHasItsTarget() {
        const QString manual = Manual();
        QSet<QString> ids;
        static const QRegularExpression id(QStringLiteral(" id=\"([^\"]+)\""));
        for (auto it = id.globalMatch(manual); it.hasNext();) ids << it.next().captured(1);
        static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        int links = 0;
        for (auto it = link.globalMatch(manual); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            QVERIFY2(ids.contains(target), qPrintable(target));
        }
        QVERIFY(links >= 20);
    }

    void FindBarSearches() {
        THelpForm* help = brisalto::ShowHelpWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(help));
        QVERIFY(!help->FindBar->isVisible());
        // The offscreen platform may hand the activation back to the main window.
        QApplication::setActiveWindow(help);
        QTRY_COMPARE(QApplication::activeWindow(), help);
        help->Browser->setFocus();
        QTest::keyClick(help->Browser, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(help->FindBar->isVisible());
        QVERIFY(help->FindEdit->hasFocus());
        QTest::keyClicks(help->FindEdit, QStringLiteral("PERIODIC"));
        QCOMPARE(help->Browser->textCursor().selectedText().toLower(), QStringLiteral("periodic"));
        const int first = help->Browser->textCursor().selectionStart();
        QTest::keyClick(help->FindEdit, Qt::Key_Return);
        QCOMPARE(help->Browser->textCursor().selectedText().toLower(), QStringLiteral("periodic"));
        QVERIFY(help->Browser->textCursor().selectionStart() != first);
        QVERIFY(help->FindStatus->text().isEmpty());
        help->FindEdit->clear();
        QTest::keyClicks(help->FindEdit, QStringLiteral("zqxzqx"));
        QCOMPARE(help->FindStatus->text(), QStringLiteral("Not found"));
        QTest::keyClick(help->FindEdit, Qt::Key_Escape);
        QVERIFY(!help->FindBar->isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
