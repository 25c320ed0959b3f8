// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Shortened results lines and the exact text kept beside them.
#include "app/results_lines.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>
#include <vector>

namespace brisalto {
namespace {

constexpr char kMoreCharacters[] = QT_TRANSLATE_NOOP("ResultsWindow", " … [%1 more characters]");

// The exact text of a shortened line, and what the window shows of it.
class ShortenedLine : public QTextBlockUserData {
  public:
    ShortenedLine(QString exact, QString shown, qsizetype prefix)
        : exact_(std::move(exact)), shown_(std::move(shown)), prefix_(prefix) {}
    const QString& exact() const { return exact_; }
    const QString& shown() const { return shown_; }
    // The shown text's first prefix() characters are the exact text's.
    qsizetype prefix() const { return prefix_; }

  private:
    QString exact_;
    QString shown_;
    qsizetype prefix_;
};

// The block's kept line, unless the user has since edited what it shows.
const ShortenedLine* Shortened(const QTextBlock& block) {
    const auto* line = dynamic_cast<const ShortenedLine*>(block.userData());
    return line != nullptr && block.text() == line->shown() ? line : nullptr;
}

// The text as the document's own plain-text export gives it.
QString PlainText(QString text) {
    for (QChar& c : text) {
        switch (c.unicode()) {
            case 0xfdd0:
            case 0xfdd1:
            case QChar::ParagraphSeparator:
            case QChar::LineSeparator:
                c = QLatin1Char('\n');
                break;
            case QChar::Nbsp:
                c = QLatin1Char(' ');
                break;
            default:
                break;
        }
    }
    return text;
}

// Splits where inserting the text into a document starts a new block, so that each piece is
// one block.
std::vector<QString> SplitAsBlocks(const QString& text) {
    std::vector<QString> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == 0xfdd0 ||
            c == 0xfdd1) {
            lines.push_back(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            start = i + 1;
        }
    }
    lines.push_back(text.mid(start));
    return lines;
}

// The position in the exact text of a position in what a shortened line shows: inside the
// marker counts as the end.
qsizetype ExactPosition(const ShortenedLine& line, qsizetype shown_position) {
    return shown_position <= line.prefix() ? shown_position : line.exact().size();
}

}  // namespace

QString ResultsLineText(const QTextBlock& block) {
    const ShortenedLine* line = Shortened(block);
    return PlainText(line != nullptr ? line->exact() : block.text());
}

QString ResultsText(const QTextDocument& document) {
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) text += QLatin1Char('\n');
        text += ResultsLineText(block);
    }
    return text;
}

QString ResultsText(const QPlainTextEdit& memo) { return ResultsText(*memo.document()); }

void AppendResultsLines(QPlainTextEdit& memo, const QString& text) {
    std::vector<QString> lines = SplitAsBlocks(text);
    QString shown;
    std::vector<std::pair<std::size_t, ShortenedLine*>> shortened;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) shown += QLatin1Char('\n');
        QString& line = lines[i];
        if (line.size() <= kShownLineLength) {
            shown += line;
            continue;
        }
        qsizetype prefix = kShownLineLength;
        if (line[prefix - 1].isHighSurrogate()) --prefix;
        const QString marker = QCoreApplication::translate("ResultsWindow", kMoreCharacters)
                                   .arg(QLocale().toString(line.size() - prefix));
        QString line_shown = line.left(prefix) + marker;
        shown += line_shown;
        shortened.emplace_back(i,
                               new ShortenedLine(std::move(line), std::move(line_shown), prefix));
    }
    memo.appendPlainText(shown);
    // The appended lines are the document's last blocks.
    QTextBlock block = memo.document()->lastBlock();
    std::size_t index = lines.size() - 1;
    for (auto it = shortened.rbegin(); it != shortened.rend(); ++it) {
        while (index > it->first && block.isValid()) {
            block = block.previous();
            --index;
        }
        if (block.isValid()) {
            block.setUserData(it->second);
        } else {
            delete it->second;
        }
    }
}

QMimeData* ResultsView::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    const QTextDocument* doc = document();
    const QTextBlock first = doc->findBlock(cursor.selectionStart());
    const QTextBlock last = doc->findBlock(cursor.selectionEnd());
    bool touches_shortened = false;
    for (QTextBlock block = first; block.isValid() && !touches_shortened; block = block.next()) {
        touches_shortened = Shortened(block) != nullptr;
        if (block == last) break;
    }
    if (!cursor.hasSelection() || !touches_shortened) {
        return QPlainTextEdit::createMimeDataFromSelection();
    }
    QString text;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        qsizetype from = block == first ? cursor.selectionStart() - block.position() : 0;
        qsizetype to =
            block == last ? cursor.selectionEnd() - block.position() : block.length() - 1;
        if (block != first) text += QLatin1Char('\n');
        if (const ShortenedLine* line = Shortened(block)) {
            from = ExactPosition(*line, from);
            to = ExactPosition(*line, to);
            text += QStringView(line->exact()).mid(from, to - from);
        } else {
            text += QStringView(block.text()).mid(from, to - from);
        }
        if (block == last) break;
    }
    auto* mime = new QMimeData;
    mime->setText(PlainText(std::move(text)));
    return mime;
}

}  // namespace brisalto
