// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Earlier lines of the results window back into the command line, by a double-click or Enter on
// the line: a "> " line's command replaces the command line, an answer's or an assignment's
// value goes in at the caret as the 15-digit text brisalto-calc -q writes.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QPlainTextEdit;
class QTextBlock;

namespace brisalto {

struct LineOutcome;

class ResultsRecall : public QObject {
    Q_OBJECT

  public:
    ResultsRecall(QPlainTextEdit* memo, QObject* parent);

    std::function<void(const QString& command)> replace_line;
    std::function<void(const QString& value)> insert_value;

    // The lines of an outcome are on their way to the window: its value line is remembered.
    void NoteOutcome(const LineOutcome& outcome);
    // The lines noted so far are in the window now: their values go onto their lines.
    void Attach();
    // The window was emptied.
    void Forget();

    // What a double-click or Enter on that line does; false when the line holds nothing to take.
    bool Recall(const QTextBlock& block);
    // The value a line stands for, empty when none.
    static QString LineValue(const QTextBlock& block);
    // A command echoed or a line with a value: what a double click takes.
    static bool Recallable(const QTextBlock& block);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Pending {
        std::string value;
        long long line;  // counted from the first line noted since the last Attach
    };
    QPlainTextEdit* memo_;
    std::vector<Pending> pending_;
    long long noted_lines_ = 0;
};

}  // namespace brisalto
