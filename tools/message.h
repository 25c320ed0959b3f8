// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// A message a person reads (a bad formula, a reaction that will not balance), kept as its English
// pattern and the values that fill its %1 ... %9: the window shows the pattern in the user's
// language, while brisalto-calc and every file write Text(), in English, byte for byte.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/translate_noop.h"

namespace brisalto {

// Every pattern is a literal marked QT_TRANSLATE_NOOP("Chemistry", ...), so lupdate finds it.
inline constexpr char kMessageScope[] = "Chemistry";

struct Message {
    Message() = default;
    Message(const char* pattern_text, std::vector<std::string> arguments = {})
        : pattern(pattern_text), args(std::move(arguments)) {}

    const char* pattern = "";
    std::vector<std::string> args;

    std::string Text() const;
};

// The pattern with %1 ... %9 replaced by the arguments in one pass, so an argument that holds
// "%1" (a user's text) is kept as it is. "%%" and a % before anything else stay as written.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& args);

// The character (from 1, a UTF-8 sequence being one) that byte `at` of the text begins: the
// place a message names.
std::size_t CharacterPosition(std::string_view text, std::size_t at);

// A message whose fault lies at `position` (a character, from 1); 0 means in no one place.
inline constexpr const char* kAtCharacterPattern =
    QT_TRANSLATE_NOOP("Chemistry", "%1 (at character %2)");
std::string TextAt(const Message& message, std::size_t position);

// An error whose message a person reads: what() is the English text with its place, and the
// dialogs translate message() and its place.
class MessageError : public std::runtime_error {
  public:
    // position: the character (from 1, a UTF-8 sequence being one) where the fault lies, or 0.
    explicit MessageError(Message message, std::size_t position = 0)
        : std::runtime_error(TextAt(message, position)),
          message_(std::move(message)),
          position_(position) {}

    const Message& message() const { return message_; }
    std::size_t position() const { return position_; }
    // The message without its place, in English.
    std::string text() const { return message_.Text(); }

  private:
    Message message_;
    std::size_t position_;
};

}  // namespace brisalto
