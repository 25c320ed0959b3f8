// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The language of the window's texts, chosen from the environment as the C library chooses the
// language of its messages, and the translators (Qt's own and the program's) that speak it.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

namespace brisalto {

// The translations the program carries; English is the texts themselves.
inline const QStringList kUiLanguages = {QStringLiteral("de"), QStringLiteral("es"),
                                         QStringLiteral("fr")};

// Reads one environment variable; empty when unset.
using EnvironmentReader = std::function<QString(const char* name)>;

// LANGUAGE (a colon list, first carried language wins) unless the locale named by LC_ALL,
// LC_MESSAGES or LANG (the first one set) is C or POSIX; else that locale's language. An empty
// result means English.
QString ChooseUiLanguage(const EnvironmentReader& environment,
                         const QStringList& available = kUiLanguages);

// The process environment, for ChooseUiLanguage.
QString ProcessEnvironment(const char* name);

// Installs Qt's and the program's translators for language on the application (none for
// English); the program's come from the resources. False when the program's are missing.
bool InstallTranslators(QCoreApplication& app, const QString& language);

// Removes what InstallTranslators installed (tests switch languages).
void RemoveTranslators(QCoreApplication& app);

}  // namespace brisalto
