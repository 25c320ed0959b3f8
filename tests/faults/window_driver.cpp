// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The main window offscreen with one pasted line of "1+1+..." of a given size, for the fault
// scripts: prints each error the window reports and the milliseconds the paste took, then
// closes the window as a user would (the settings are written then).
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

#include "app/error_report.h"
#include "app/main_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
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
