// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The main window offscreen with one pasted line of "1+1+..." of a given size, for the fault
// scripts: prints each error the window reports and the milliseconds the paste took, then
// closes the window as a user would (the settings are written then). "save PATH BYTES" saves a
// results text of that size as the Save command does and prints what it says.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/error_report.h"
#include "app/main_form.h"
#include "app/results_window_ops.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "save") {
        const QString text(std::atoi(argv[3]), QLatin1Char('7'));
        const std::optional<QString> error = brisalto::SaveResultsToFile(argv[2], text);
        std::printf("%s\n", qPrintable(error.value_or(QStringLiteral("saved"))));
        return 0;
    }
    if (argc < 2) return 2;
    brisalto::QuitOnSignals(app);
    const long long bytes = std::atoll(argv[1]);
    brisalto::SetErrorReporter([](const QString& message) {
        std::printf("error: %s\n", qPrintable(message));
        std::fflush(stdout);
    });
    {
        brisalto::TMainForm form;
        form.show();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        std::printf("pasting\n");
        std::fflush(stdout);
        brisalto::RunGuardedHandler([&] {
            QString line;
            line.reserve(static_cast<qsizetype>(bytes) + 1);
            while (line.size() + 2 <= bytes) line += QStringLiteral("1+");
            line += QStringLiteral("1\n");
            form.PasteIntoCmdEdit(line);
        });
        form.repaint();
        QApplication::processEvents();
        std::printf("paste: %lld ms\n", static_cast<long long>(clock.elapsed()));
    }
    std::printf("closed\n");
    return 0;
}
