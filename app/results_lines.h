// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The results window's lines. A line too long to lay out quickly is shown shortened, with its
// exact text kept beside it; everything that reads the transcript (save, print, copy, recalling
// a line) reads the exact text through the functions here.
#pragma once

#include <QPlainTextEdit>
#include <QString>

class QMimeData;
class QTextBlock;
class QTextDocument;

namespace brisalto {

// Lines longer than this are shown as their first kShownLineLength characters and a marker:
// laying out a block costs more than linear time in its length.
inline constexpr qsizetype kShownLineLength = 4000;

// The exact text of one results line, whether it is shown whole or shortened.
QString ResultsLineText(const QTextBlock& block);

// The exact text of the whole window, lines joined by '\n'.
QString ResultsText(const QTextDocument& document);
QString ResultsText(const QPlainTextEdit& memo);

// Appends text (lines separated by '\n') as new lines at the end, each too long line shortened.
void AppendResultsLines(QPlainTextEdit& memo, const QString& text);

// The results window: copying, cutting or dragging a selection gives the exact text of every
// shortened line it touches.
class ResultsView : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace brisalto
