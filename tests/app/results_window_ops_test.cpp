// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Results-window operations: saved bytes, the empty-window message, line breaking like the
// results window, printing to PDF with copies and page breaks, the font dialog and help.
#include "app/results_window_ops.h"

#include <sys/stat.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF written by Qt ("/Type /Pages" is the page tree, not a page).
int PdfPageCount(const QString& path) {
    const QByteArray pdf = ReadAll(path);
    return static_cast<int>(pdf.count("/Type /Page")) - static_cast<int>(pdf.count("/Type /Pages"));
}

void PreparePdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// Lines a shown, word-wrapping QPlainTextEdit lays its text out in.
QStringList LaidOutLines(QPlainTextEdit& memo) {
    QStringList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        memo.document()->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.append(block.text().mid(line.textStart(), line.textLength()));
        }
    }
    return lines;
}

// Runs action on the next modal dialog once it is open.
void OnNextDialog(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            OnNextDialog(action);
            return;
        }
        action(dialog);
    });
}

}  // namespace

class ResultsWindowOpsTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void SavedBytes_data();
    void SavedBytes();
    void SaveReplacesAndReportsFailure();
    void SavedTextHasHardBreaksOnly();
    void EmptyWindowIsNotSaved();
    void BreaksLinesLikeTheResultsWindow_data();
    void BreaksLinesLikeTheResultsWindow();
    void PrintsCopiesAndPages_data();
    void PrintsCopiesAndPages();
    void PrintsTheResultsWindowWithItsCopyCount();
    void CancelledFontDialogChangesNothing();
    void ConfirmedFontDialogGivesItsChoice();
    void HelpIsTheBareNameInTheCurrentFolder();
    void SaveRefusesWhatIsNotARegularFile_data();
    void SaveRefusesWhatIsNotARegularFile();
    void FontDialogKeysEndTheWholeDialog_data();
    void FontDialogKeysEndTheWholeDialog();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void ResultsWindowOpsTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void ResultsWindowOpsTest::SavedBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("one line") << QStringLiteral("> 2+3") << QByteArray("> 2+3");
    QTest::newRow("lines") << QStringLiteral("a\nb\nc") << QByteArray("a\r\nb\r\nc");
    QTest::newRow("final break") << QStringLiteral("a\n") << QByteArray("a\r\n");
    QTest::newRow("empty lines") << QStringLiteral("\n\n") << QByteArray("\r\n\r\n");
    QTest::newRow("already CR LF") << QStringLiteral("a\r\nb") << QByteArray("a\r\nb");
    QTest::newRow("non-ASCII") << QStringLiteral("1\u00b75 \u00b0C")
                               << QByteArray(
                                      "1\xC2\xB7"
                                      "5 \xC2\xB0"
                                      "C");
}

void ResultsWindowOpsTest::SavedBytes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(brisalto::ResultsFileContent(text), bytes);
    const QString path = dir_->filePath(QStringLiteral("r.txt"));
    QVERIFY(!brisalto::SaveResultsToFile(path, text).has_value());
    QCOMPARE(ReadAll(path), bytes);
}

void ResultsWindowOpsTest::SaveReplacesAndReportsFailure() {
    const QString path = dir_->filePath(QStringLiteral("r.txt"));
    QVERIFY(
        !brisalto::SaveResultsToFile(path, QStringLiteral("a much longer first text")).has_value());
    QVERIFY(!brisalto::SaveResultsToFile(path, QStringLiteral("short")).has_value());
    QCOMPARE(ReadAll(path), QByteArray("short"));

    const QString bad = dir_->filePath(QStringLiteral("missing/r.txt"));
    const std::optional<QString> error = brisalto::SaveResultsToFile(bad, QStringLiteral("x"));
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(bad), qPrintable(*error));
}

void ResultsWindowOpsTest::SavedTextHasHardBreaksOnly() {
    QPlainTextEdit memo;
    memo.resize(200, 200);
    memo.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo.setPlainText(
        QString(60, QLatin1Char('w')).replace(QLatin1Char('w'), QStringLiteral("w ")) +
        QStringLiteral("\nend"));
    memo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&memo));
    const QByteArray saved = brisalto::ResultsFileContent(memo.toPlainText());
    QCOMPARE(saved.count("\r\n"), 1);
}

void ResultsWindowOpsTest::EmptyWindowIsNotSaved() {
    QPlainTextEdit memo;
    QString shown_text;
    bool file_dialog = false;
    OnNextDialog([&](QWidget* dialog) {
        file_dialog = qobject_cast<QFileDialog*>(dialog) != nullptr;
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) shown_text = box->text();
        dialog->close();
    });
    brisalto::SaveResultsWithDialog(nullptr, memo);
    QCOMPARE(shown_text, QStringLiteral("Nothing in result to be saved"));
    QVERIFY(!file_dialog);
}

void ResultsWindowOpsTest::BreaksLinesLikeTheResultsWindow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");

    const QString words = QStringLiteral("Answer(A) = 1,234,567.1234567890 and more words to wrap");
    QTest::newRow("short lines") << QStringLiteral("> 2+3\nAnswer(A) = 5") << 300;
    QTest::newRow("words") << words << 160;
    QTest::newRow("words, narrow") << words << 60;
    QTest::newRow("one long word") << QString(80, QLatin1Char('-')) << 150;
    QTest::newRow("empty lines kept") << QStringLiteral("a\n\n\nb") << 200;
    // Longer than the pieces a line is laid out in.
    QTest::newRow("a long sum") << QStringLiteral("1+").repeated(6000) + '1' << 150;
    QTest::newRow("many words") << words.repeated(300) << 200;
    QTest::newRow("empty text") << QString() << 200;
}

void ResultsWindowOpsTest::BreaksLinesLikeTheResultsWindow() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QPlainTextEdit memo;
    memo.setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo.setPlainText(text);
    memo.resize(width, 300);
    memo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&memo));
    const QStringList expected = LaidOutLines(memo);

    // The results window's own word wrap does not matter: the scratch copy always wraps.
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    const QStringList lines = brisalto::BreakLinesLikeResultsWindow(
        memo.toPlainText(), memo.font(), brisalto::ResultsTextWidth(memo));
    QCOMPARE(lines, expected);
}

void ResultsWindowOpsTest::PrintsCopiesAndPages_data() {
    QTest::addColumn<int>("line_count");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("pages_per_copy");  // 0: more than one, counted below

    QTest::newRow("3 lines, 1 copy") << 3 << 1 << 1;
    QTest::newRow("3 lines, 2 copies") << 3 << 2 << 1;
    QTest::newRow("no lines, 2 copies") << 0 << 2 << 1;
    QTest::newRow("copies below 1 print once") << 3 << 0 << 1;
    QTest::newRow("400 lines, 1 copy") << 400 << 1 << 0;
    QTest::newRow("400 lines, 2 copies") << 400 << 2 << 0;
}

void ResultsWindowOpsTest::PrintsCopiesAndPages() {
    QFETCH(int, line_count);
    QFETCH(int, copies);
    QFETCH(int, pages_per_copy);
    QStringList lines;
    for (int i = 0; i < line_count; ++i) lines.append(QStringLiteral("line %1").arg(i + 1));
    const QFont font(QStringLiteral("Liberation Sans"), 10);

    const QString path = dir_->filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PreparePdf(printer, path);
    const std::optional<QString> error = brisalto::PrintLinesTo(printer, lines, font, copies);
    QVERIFY2(!error.has_value(), qPrintable(error.value_or(QString())));

    if (pages_per_copy == 0) {
        // Lines that fit a page: the printable height over the measured line height.
        const QFontMetricsF metrics(font, &printer);
        const int per_page = static_cast<int>(printer.height() / metrics.lineSpacing());
        QVERIFY(per_page > 10 && per_page < line_count);
        pages_per_copy = (line_count + per_page - 1) / per_page;
    }
    QCOMPARE(PdfPageCount(path), pages_per_copy * std::max(1, copies));
    QCOMPARE(printer.copyCount(), 1);
}

void ResultsWindowOpsTest::PrintsTheResultsWindowWithItsCopyCount() {
    QPlainTextEdit memo;
    memo.resize(200, 300);
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo.setPlainText(QStringLiteral("> 2+3\nAnswer(A) = 5"));
    const QString path = dir_->filePath(QStringLiteral("memo.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PreparePdf(printer, path);
    printer.setCopyCount(2);
    QVERIFY(!brisalto::PrintResultsTo(printer, memo).has_value());
    QCOMPARE(PdfPageCount(path), 2);
}

void ResultsWindowOpsTest::CancelledFontDialogChangesNothing() {
    const brisalto::ResultsFontChoice current{QFont(QStringLiteral("Liberation Serif"), 15), 0xFF};
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    QVERIFY(!brisalto::ChooseResultsFont(nullptr, current).has_value());
}

void ResultsWindowOpsTest::ConfirmedFontDialogGivesItsChoice() {
    QFont font(QStringLiteral("Liberation Serif"), 15);
    font.setUnderline(true);
    const std::int32_t system_text = static_cast<std::int32_t>(0x80000008u);
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    const std::optional<brisalto::ResultsFontChoice> choice =
        brisalto::ChooseResultsFont(nullptr, {font, system_text});
    QVERIFY(choice.has_value());
    QCOMPARE(choice->font.family(), font.family());
    QCOMPARE(choice->font.pointSize(), 15);
    QVERIFY(choice->font.underline());
    QCOMPARE(choice->color, system_text);
}

void ResultsWindowOpsTest::SaveRefusesWhatIsNotARegularFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a FIFO") << "link";
    QTest::newRow("folder") << "folder";
}

void ResultsWindowOpsTest::SaveRefusesWhatIsNotARegularFile() {
    QFETCH(QString, kind);
    const QString fifo = dir_->filePath(QStringLiteral("fifo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString path = fifo;
    if (kind == "link") {
        path = dir_->filePath(QStringLiteral("results.txt"));
        QVERIFY(QFile::link(fifo, path));
    } else if (kind == "folder") {
        path = dir_->filePath(QStringLiteral("folder.txt"));
        QVERIFY(QDir().mkpath(path));
    }
    const std::optional<QString> error = brisalto::SaveResultsToFile(path, QStringLiteral("1+1"));
    QCOMPARE(error.value_or(QString()),
             QStringLiteral("Unable to save %1: it is not a regular file").arg(path));
    QVERIFY(!QFileInfo(fifo).isFile() && QFileInfo::exists(fifo));
    QCOMPARE(QFileInfo(path).isSymLink(), kind == "link");
}

void ResultsWindowOpsTest::FontDialogKeysEndTheWholeDialog_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "Liberation Serif" << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << "Liberation Serif" << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "Liberation Serif" << true;
    // A family that is not installed is shown as its stand-in and kept when not changed.
    QTest::newRow("Enter, family not installed") << int(Qt::Key_Return) << "Arial" << true;
}

void ResultsWindowOpsTest::FontDialogKeysEndTheWholeDialog() {
    QFETCH(int, key);
    QFETCH(QString, family);
    QFETCH(bool, chosen);
    QStringList left_open;
    OnNextDialog([&, key](QWidget* dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        // The key goes where the keyboard is: inside the embedded font chooser.
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr && dialog->isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key(key));
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && qobject_cast<QDialog*>(window)) {
                left_open << window->windowTitle();
                window->close();
            }
        }
    });
    const std::optional<brisalto::ResultsFontChoice> choice =
        brisalto::ChooseResultsFont(nullptr, {QFont(family, 15), 0xFF});
    QVERIFY2(left_open.isEmpty(), qPrintable(left_open.join(", ")));
    QCOMPARE(choice.has_value(), chosen);
    if (chosen) {
        QCOMPARE(choice->font.family(), family);
        QCOMPARE(choice->font.pointSize(), 15);
    }
}

void ResultsWindowOpsTest::HelpIsTheBareNameInTheCurrentFolder() {
    const QUrl url = brisalto::HelpFileUrl();
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(),
             QDir::current().filePath(QStringLiteral("Brisalto Calculator Help.chm")));
}

QTEST_MAIN(ResultsWindowOpsTest)
#include "results_window_ops_test.moc"
