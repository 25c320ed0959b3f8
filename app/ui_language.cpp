// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/ui_language.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace brisalto {
namespace {

// "de_AT.UTF-8@euro" -> "de"; the language part is all the translations go by.
QString LanguageOf(const QString& locale_name) {
    qsizetype end = 0;
    while (end < locale_name.size() && locale_name[end].isLetter()) ++end;
    return locale_name.left(end).toLower();
}

// C.UTF-8 is the C locale with another character set: its messages are English too.
bool IsCLocale(const QString& locale_name) {
    return locale_name == QLatin1String("C") || locale_name == QLatin1String("POSIX") ||
           locale_name.startsWith(QLatin1String("C."));
}

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

}  // namespace

QString ChooseUiLanguage(const EnvironmentReader& environment, const QStringList& available) {
    QString locale_name;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale_name = environment(name);
        if (!locale_name.isEmpty()) break;
    }
    if (locale_name.isEmpty() || IsCLocale(locale_name)) return QString();
    const QString language_list = environment("LANGUAGE");
    // With LANGUAGE set, the locale's own language is not tried after its list.
    const QStringList wanted = language_list.isEmpty()
                                   ? QStringList{locale_name}
                                   : language_list.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& entry : wanted) {
        const QString language = LanguageOf(entry);
        if (language == QLatin1String("en")) return QString();
        if (available.contains(language)) return language;
    }
    return QString();
}

QString ProcessEnvironment(const char* name) { return qEnvironmentVariable(name); }

bool InstallTranslators(QCoreApplication& app, const QString& language) {
    RemoveTranslators(app);
    if (language.isEmpty()) return true;
    // Qt's own texts (standard buttons, file and font dialogs); missing ones leave them English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(qt.get());
        Installed().push_back(std::move(qt));
    }
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/brisalto_") + language)) return false;
    app.installTranslator(own.get());
    Installed().push_back(std::move(own));
    return true;
}

void RemoveTranslators(QCoreApplication& app) {
    for (const auto& translator : Installed()) app.removeTranslator(translator.get());
    Installed().clear();
}

}  // namespace brisalto
