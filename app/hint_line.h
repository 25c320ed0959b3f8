// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The hint line in the window's status area: what the function or keyword at the command line's
// caret does, and, for a failed line brought back with Up or F3, where it went wrong (marked in
// the line) and what belonged there. Screen readers hear it as the line's description.
#pragma once

#include <QLabel>
#include <QString>
#include <map>
#include <string>

#include "engine/error_place.h"

class QLineEdit;
class QToolButton;

namespace brisalto {

class Calculator;
struct LineOutcome;

class HintLine : public QLabel {
    Q_OBJECT

  public:
    HintLine(QLineEdit* edit, const Calculator& calculator, QWidget* parent);

    // Off: no hint and no mark (the window as it was without them).
    void SetActive(bool active);

    // After a line ran: where a failed line went wrong is kept for when it comes back.
    void NoteOutcome(const std::string& line, const LineOutcome& outcome);
    // After Up, Down or F3 put a line back: marks where it went wrong, if it did.
    void LineRecalled();
    // The hint again, for the caret and the modes as they are now.
    void Refresh();

    // The marked characters of the line (start, length); length 0 when nothing is marked.
    int MarkStart() const { return mark_start_; }
    int MarkLength() const { return mark_length_; }

    // The function keys' tool tips: their names, then the same hint as this line, as it is now.
    void WatchFunctionKeys(const std::vector<QToolButton*>& keys, const QStringList& hints);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Show(const QString& text);
    void SetMark(int start, int length);

    QLineEdit* edit_;
    const Calculator& calculator_;
    // The failed lines and their places, by the line's text; the newest wins.
    std::map<std::string, ErrorPlace> places_;
    QString marked_line_;
    QString mark_hint_;
    int mark_start_ = 0;
    int mark_length_ = 0;
    bool active_ = true;
};

}  // namespace brisalto
