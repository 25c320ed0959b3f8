// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// A Windows-style INI profile held as its lines: values are looked up the way the profile
// functions look them up, and a write changes only its own line, so every other line of the
// file (comments, blank lines, unknown keys, other sections) stays byte for byte.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

// Longer values are cut to this many bytes when read, as the profile buffer cuts them.
inline constexpr std::size_t kIniValueLimit = 2047;
// A settings file is small; anything larger is not one. Files of up to 1 MiB are the user's to
// fill; the rest is room for the keys the program adds to them, so that what it writes it
// reads back.
inline constexpr qint64 kIniFileLimit = (1 << 20) + (64 << 10);

// A profile integer: signed decimal within 32 bits, or, when the text is longer than two
// characters and starts with "0x" or "0X", up to 32 bits of hexadecimal taken as signed.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

// Replaces the file at path with data, all or nothing (a temporary file renamed over it); the
// reason when it could not (a full disk says so).
std::optional<QString> SaveWhole(const QString& path, const char* data, qint64 size);

class IniFile {
  public:
    IniFile() = default;
    static IniFile FromBytes(std::string_view bytes);

    // An absent file is an empty profile. A file that cannot be read, is not a regular file (a
    // FIFO would block, a device never ends) or is larger than kIniFileLimit is std::nullopt,
    // with the reason in *problem: rewriting it would lose what it holds.
    static std::optional<IniFile> Load(const QString& path, QString* problem = nullptr);

    std::string ToBytes() const;

    // Replaces the file atomically. False when the system refuses, with its reason in *problem.
    bool Save(const QString& path, QString* problem = nullptr) const;

    // Sections and keys match without regard to ASCII case; the first match counts. The value is
    // the text after the first "=", without surrounding blanks.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view default_value) const;
    // A missing key or a text that is not a profile integer gives the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t default_value) const;
    // Read as an integer; anything but 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool default_value) const;

    // Replaces the key's value in its line, keeping the line's key spelling, the blanks around "="
    // and its line end. A new key goes after the last key of its section, a new section at the
    // end. Line breaks in the value become blanks, so a value cannot add lines.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

  private:
    struct Line {
        std::string text;    // without its line end
        std::string ending;  // "\r\n", "\n", "\r" or empty on an unterminated last line
    };

    // Index of the section's header line, or lines_.size() when there is none.
    std::size_t FindSection(std::string_view section) const;
    // Index of the key's line in the section starting at header, or lines_.size().
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    std::string NewLineEnding() const;

    std::vector<Line> lines_;
};

}  // namespace brisalto
