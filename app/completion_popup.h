// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The command line's completion list: the names that fit the word before the caret, shown just
// above the line while the line keeps the keyboard. Up/Down choose, Tab takes, Enter takes only
// a chosen name (otherwise it runs the line), Esc or moving the caret closes the list.
#pragma once

#include <QListWidget>
#include <QString>

class QLineEdit;

namespace brisalto {

class CompletionPopup : public QListWidget {
    Q_OBJECT

  public:
    // parent: the widget the list floats in, above the line.
    CompletionPopup(QLineEdit* edit, QWidget* parent);

    // Off: the list never opens (the window as it was without it).
    void SetActive(bool active);
    bool IsOpen() const { return !isHidden(); }
    // The list stands on top of this widget (the mode line), so it hides nothing of it.
    void SetAnchor(QWidget* anchor) { anchor_ = anchor; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Refresh();
    void Take(int row);
    void Close();
    void Place();

    QLineEdit* edit_;
    QWidget* anchor_ = nullptr;
    // The word being completed, in the line's characters, and the caret it was offered for.
    int word_start_ = 0;
    int caret_ = 0;
    bool chosen_ = false;
    // A key that types is being handled: only its edit opens the list, never a line put there
    // by Up, F3 or the pad.
    bool typing_ = false;
    bool active_ = true;
};

}  // namespace brisalto
