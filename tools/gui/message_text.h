// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The chemistry tools' messages in the user's language, for the dialogs; brisalto-calc writes
// the same messages in English.
#pragma once

#include <QString>
#include <cstddef>

#include "tools/message.h"

namespace brisalto {

QString TranslatedText(const Message& message, std::size_t position = 0);

// A formula's, a reaction's or a quantity's error as the dialog shows it.
inline QString TranslatedError(const MessageError& error) {
    return TranslatedText(error.message(), error.position());
}

}  // namespace brisalto
