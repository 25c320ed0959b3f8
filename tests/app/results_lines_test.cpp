// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Long results lines: the window shows them shortened, while the transcript, a copied selection
// and a single line read back their exact text.
#include "app/results_lines.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

using brisalto::kShownLineLength;

namespace {

// Lines of many lengths around the bound, unlike characters so that a misplaced cut shows.
QString Line(qsizetype length, char16_t first) {
    QString line(length, QLatin1Char('a'));
    for (qsizetype i = 0; i < length; ++i) line[i] = QChar(char16_t(u'a' + (first + i) % 26));
    return line;
}

QString Copied(brisalto::ResultsView& view, int from, int to) {
    QTextCursor cursor(view.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    view.copy();
    return QGuiApplication::clipboard()->text();
}

}  // namespace

class ResultsLinesTest : public QObject {
    Q_OBJECT

  private slots:
    // Whatever the lengths, what is read back is what was appended, and no shown line is much
    // longer than the bound.
    void TranscriptIsExactAndShownLinesAreBounded() {
        const qsizetype k = kShownLineLength;
        const QList<qsizetype> lengths = {0, 1, k - 1, k, k + 1, k + 2, 3 * k, 1000 * k};
        brisalto::ResultsView view;
        QStringList expected;
        for (qsizetype length : lengths) {
            // One append of two lines and one of a single line, as answers arrive.
            const QString a = Line(length, u'a'), b = Line(length / 2 + 1, u'q');
            brisalto::AppendResultsLines(view, a + '\n' + b);
            brisalto::AppendResultsLines(view, a);
            expected << a << b << a;
        }
        QCOMPARE(brisalto::ResultsText(view), expected.join('\n'));
        int index = 0;
        for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
            QCOMPARE(brisalto::ResultsLineText(block), expected[index++]);
            QVERIFY(block.text().size() < k + 40);
        }
        QCOMPARE(index, expected.size());
    }

    // A cut never splits a character written as two UTF-16 units.
    void CutKeepsSurrogatePairs() {
        brisalto::ResultsView view;
        const QString pair = QString::fromUtf8("\xF0\x9D\x90\x80");  // one character, two units
        const QString line = QString(kShownLineLength - 1, 'x') + pair + QString(50, 'y');
        brisalto::AppendResultsLines(view, line);
        const QString shown = view.document()->firstBlock().text();
        QVERIFY(shown.isValidUtf16());
        QCOMPARE(brisalto::ResultsText(view), line);
    }

    // Every selection copies the exact text it stands for: positions in the shown part are
    // the exact text's, anywhere in the marker stands for the line's end.
    void CopyGivesTheExactText() {
        brisalto::ResultsView view;
        const QString before = QStringLiteral("> 2+2"), after = QStringLiteral("Answer");
        const QString long_line = Line(kShownLineLength + 5000, u'c');
        brisalto::AppendResultsLines(view, before + '\n' + long_line + '\n' + after);
        const int start = before.size() + 1;  // where the long line starts
        const int shown = view.document()->findBlock(start).length() - 1;
        const int end = start + shown;  // where it ends in the document
        const QString exact = before + '\n' + long_line + '\n' + after;
        const auto at = [&](int position) {  // a document position in the exact text
            if (position <= start + kShownLineLength) return position;
            if (position <= end) return start + int(long_line.size());
            return position - shown + int(long_line.size());
        };
        const QList<int> positions = {
            0,       2,   start,   start + 7, start + kShownLineLength,
            end - 3, end, end + 1, end + 4,   end + 1 + int(after.size())};
        for (int from : positions) {
            for (int to : positions) {
                if (from >= to) continue;
                QCOMPARE(Copied(view, from, to), exact.mid(at(from), at(to) - at(from)));
            }
        }
    }

    // A shortened line the user has edited reads as it now shows.
    void EditedLineReadsAsShown() {
        brisalto::ResultsView view;
        brisalto::AppendResultsLines(view, Line(kShownLineLength + 10, u'a'));
        QTextCursor cursor(view.document());
        cursor.insertText(QStringLiteral("X"));
        const QTextBlock block = view.document()->firstBlock();
        QCOMPARE(brisalto::ResultsLineText(block), block.text());
    }
};

QTEST_MAIN(ResultsLinesTest)
#include "results_lines_test.moc"
