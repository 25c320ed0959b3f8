// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The program's entry and exit: the application object that reports errors escaping a handler,
// the splash, the windows in their creation order, the message loop and the exit status.
#pragma once

#include <QApplication>
#include <functional>

namespace brisalto {

inline constexpr int kFailureStatus = 1;
inline constexpr char kHelpFilePath[] =
    "/usr/share/doc/brisalto-calculator/Brisalto Calculator Help.chm";

// An error escaping an event handler is reported (message box and standard error) and the
// program goes on.
class CalculatorApplication : public QApplication {
    Q_OBJECT

  public:
    CalculatorApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Title, help file and desktop entry of the application object.
void SetUpApplication(QApplication& app);

// SIGTERM, SIGINT and SIGHUP end the message loop as the close box does, so that a session's
// logout or a terminal's Ctrl+C still writes the settings.
void QuitOnSignals(QApplication& app);

// Splash, the six windows in order, the message loop; the loop's exit status.
int RunCalculator(QApplication& app);

// Runs body; an error escaping it is reported and gives kFailureStatus.
int RunGuarded(const std::function<int()>& body);

}  // namespace brisalto
