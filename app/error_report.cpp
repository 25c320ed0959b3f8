// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/error_report.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <new>

#include "app/results_window_ops.h"

namespace brisalto {
namespace {

void DefaultReport(const QString& message) {
    ReportOnStandardError(message);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QMessageBox::critical(QApplication::activeWindow(),
                              QCoreApplication::translate("ResultsWindow", kApplicationTitle),
                              message);
    }
}

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter = DefaultReport;
    return reporter;
}

}  // namespace

void ReportOnStandardError(const QString& message) {
    std::fprintf(stderr, "brisalto-calculator: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

void ReportError(const QString& message) { CurrentReporter()(message); }

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
    ErrorReporter previous = CurrentReporter();
    CurrentReporter() = reporter ? std::move(reporter) : ErrorReporter(DefaultReport);
    return previous;
}

QString CurrentExceptionMessage() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return QCoreApplication::translate("ErrorReport",
                                           "Not enough memory to finish the line; the window "
                                           "goes on without it");
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QString();
    }
}

void RunGuardedHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        ReportError(CurrentExceptionMessage());
    }
}

}  // namespace brisalto
