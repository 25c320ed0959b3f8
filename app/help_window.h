// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The help window: the user manual from the program's resources in a text browser, with a
// contents list, Back, and a find bar (Ctrl+F). Shown when no compiled help file is at hand.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace brisalto {

inline constexpr char kManualUrl[] = "qrc:/manual/index.html";

class THelpForm : public QWidget {
    Q_OBJECT

  public:
    explicit THelpForm(QWidget* parent = nullptr);

    // Shows the section with this anchor (the whole manual for an empty one) and raises the window.
    void ShowSection(const QString& anchor = QString());

    // Finds text from the caret on, wrapping at the end; false when it is nowhere.
    bool Find(const QString& text, bool backward = false);

    QTextBrowser* Browser = nullptr;
    QListWidget* ContentsList = nullptr;
    QWidget* FindBar = nullptr;
    QLineEdit* FindEdit = nullptr;
    QLabel* FindStatus = nullptr;
    QToolButton* BackBtn = nullptr;
    QToolButton* ForwardBtn = nullptr;

  private:
    void FillContents();
    // Marks the contents entry of the section shown, as Back, Forward and links move.
    void FollowSource(const QUrl& url);
    void OpenFindBar();
    void CloseFindBar();
};

// The main window's help window, made on first use and kept; shows the manual's start.
THelpForm* ShowHelpWindow(QWidget* owner);

// Help, as F1, the menu and the "help" keyword ask for it: the compiled help file when it is in
// the current directory, otherwise the manual in the help window.
void ShowHelp(QWidget* owner);

}  // namespace brisalto
