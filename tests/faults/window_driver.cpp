// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The main window offscreen with one pasted line of "1+1+..." of a given size, for the fault
// scripts: prints each error the window reports and the milliseconds the paste took, then
// closes the window as a user would (the settings are written then). "save PATH BYTES" saves a
// results text of that size as the Save command does and prints what it says. "long BYTES DIR"
// pastes the line from the event loop ("typed BYTES DIR": without its line break, then Go) and
// prints the time to its answer and the longest time the loop went without running a timer or
// painting the results window, then writes the transcript as Save and as Select All + Copy give it
// to DIR/saved.txt and DIR/copied.txt.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/error_report.h"
#include "app/main_form.h"
#include "app/results_lines.h"
#include "app/results_window_ops.h"
#include "app/startup.h"

namespace {

QString OnePlusLine(long long bytes) {
    QString line;
    line.reserve(static_cast<qsizetype>(bytes) + 1);
    while (line.size() + 2 <= bytes) line += QStringLiteral("1+");
    line += QStringLiteral("1\n");
    return line;
}

// Records the longest wait between the results window's paint events.
class PaintGaps : public QObject {
  public:
    explicit PaintGaps(QElapsedTimer& clock) : clock_(clock) {}
    qint64 longest = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            longest = std::max(longest, clock_.elapsed() - last_);
            last_ = clock_.elapsed();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QElapsedTimer& clock_;
    qint64 last_ = 0;
};

int LongLine(long long bytes, const QString& dir, bool typed) {
    brisalto::TMainForm form;
    form.show();
    QApplication::processEvents();
    auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("ResultsMemo"));
    const int lines_before = memo->document()->blockCount();
    const QString line = OnePlusLine(bytes);
    QElapsedTimer clock;
    clock.start();
    PaintGaps paints(clock);
    memo->viewport()->installEventFilter(&paints);
    // Every 10 ms: a tick, a repaint asked for, and a look for the answer.
    qint64 last_tick = 0, longest_tick = 0, answered = -1;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest_tick = std::max(longest_tick, clock.elapsed() - last_tick);
        last_tick = clock.elapsed();
        memo->viewport()->update();
        if (answered < 0 && memo->document()->blockCount() > lines_before + 1 &&
            memo->toPlainText().contains(QStringLiteral("Answer(A) = "))) {
            answered = clock.elapsed();
            // A few more ticks, so that the answer's own repaint is measured too.
            QTimer::singleShot(200, QApplication::quit);
        }
    });
    ticker.start(10);
    // A line too long to edit is refused with one message, which ends the wait too.
    brisalto::SetErrorReporter([&](const QString& message) {
        std::printf("refused after %lld ms: %s\n", static_cast<long long>(clock.elapsed()),
                    qPrintable(message.left(60)));
        QTimer::singleShot(200, QApplication::quit);
    });
    if (typed) {
        // Pasted without its line break into the command line, then entered with Go.
        QTimer::singleShot(0, [&] { form.PasteIntoCmdEdit(line.chopped(1)); });
        QTimer::singleShot(
            50, [&] { form.findChild<QAbstractButton*>(QStringLiteral("GoBtn"))->click(); });
    } else {
        QTimer::singleShot(0, [&] { form.PasteIntoCmdEdit(line); });
    }
    QTimer::singleShot(60000, QApplication::quit);
    QApplication::exec();
    std::printf("answered: %lld ms, longest loop gap: %lld ms, longest paint gap: %lld ms\n",
                static_cast<long long>(answered), static_cast<long long>(longest_tick),
                static_cast<long long>(paints.longest));
    if (const std::optional<QString> error = brisalto::SaveResultsToFile(
            dir + QStringLiteral("/saved.txt"), brisalto::ResultsText(*memo)))
        std::fprintf(stderr, "%s\n", qPrintable(*error));
    memo->selectAll();
    memo->copy();
    QFile copied(dir + QStringLiteral("/copied.txt"));
    if (copied.open(QIODevice::WriteOnly))
        copied.write(QGuiApplication::clipboard()->text().toUtf8());
    std::fflush(stdout);
    return answered >= 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 4 && (QByteArray(argv[1]) == "long" || QByteArray(argv[1]) == "typed"))
        return LongLine(std::atoll(argv[2]), argv[3], QByteArray(argv[1]) == "typed");
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
        brisalto::RunGuardedHandler([&] { form.PasteIntoCmdEdit(OnePlusLine(bytes)); });
        form.repaint();
        QApplication::processEvents();
        std::printf("paste: %lld ms\n", static_cast<long long>(clock.elapsed()));
    }
    std::printf("closed\n");
    return 0;
}
