// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/message_text.h"

#include <QCoreApplication>
#include <string>

namespace brisalto {
namespace {

std::string Translated(const char* pattern) {
    return QCoreApplication::translate(kMessageScope, pattern).toStdString();
}

}  // namespace

QString TranslatedText(const Message& message, std::size_t position) {
    // The arguments are the user's own texts and numbers; only the pattern is translated.
    std::string text = FillPattern(Translated(message.pattern), message.args);
    if (position != 0) {
        text = FillPattern(Translated(kAtCharacterPattern), {text, std::to_string(position)});
    }
    return QString::fromStdString(text);
}

}  // namespace brisalto
