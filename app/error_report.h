// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// How the desktop program reports an error that reaches it: the message on standard error and,
// where a window can still show it, in a message box. Tests replace the report.
#pragma once

#include <QString>
#include <functional>

namespace brisalto {

using ErrorReporter = std::function<void(const QString& message)>;

// Shows message through the current reporter.
void ReportError(const QString& message);

// The report without a window: the message on standard error only. For the way out after a
// signal, when nobody may be there to close a message box.
void ReportOnStandardError(const QString& message);

// Replaces the reporter; an empty one restores the default. Returns the previous one.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

// Runs a menu, button or command handler; an error escaping it is reported and the program goes on.
void RunGuardedHandler(const std::function<void()>& handler);

// The message an escaping exception carries; an unknown error gives the empty text.
QString CurrentExceptionMessage();

}  // namespace brisalto
