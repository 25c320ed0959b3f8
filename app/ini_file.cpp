// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/ini_file.h"

#include <QCoreApplication>
#include <QFile>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <charconv>
#include <limits>

namespace brisalto {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

enum class LineKind { kOther, kSection, kKey };

struct ParsedLine {
    LineKind kind = LineKind::kOther;
    std::string_view name;      // section name or key
    std::size_t value_pos = 0;  // where the value starts in the line (for a key)
};

ParsedLine Parse(std::string_view line) {
    const std::size_t bom = line.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    const std::string_view text = line.substr(bom);
    const std::string_view trimmed = Trim(text);
    ParsedLine parsed;
    if (trimmed.empty() || trimmed.front() == ';') return parsed;
    if (trimmed.front() == '[') {
        std::string_view name = trimmed.substr(1);
        name = name.substr(0, name.find(']'));
        parsed.kind = LineKind::kSection;
        parsed.name = Trim(name);
        return parsed;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return parsed;
    parsed.kind = LineKind::kKey;
    parsed.name = Trim(text.substr(0, equals));
    std::size_t value_pos = equals + 1;
    while (value_pos < text.size() && IsBlank(text[value_pos])) ++value_pos;
    parsed.value_pos = bom + value_pos;
    return parsed;
}

std::string OneLine(std::string_view value) {
    std::string line(value);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

// Cuts at most limit bytes without splitting a UTF-8 character.
std::string_view CutUtf8(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

// The reasons reach the user inside the settings file's error message.
constexpr char kNotRegularFile[] = QT_TRANSLATE_NOOP("brisalto::IniFile", "not a regular file");
constexpr char kFileTooLarge[] = QT_TRANSLATE_NOOP("brisalto::IniFile", "larger than 1088 KiB");

// Opens for reading; on Unix without waiting and only when what is opened is a regular file,
// in case it was replaced by a FIFO or a device after the check.
bool OpenWithoutBlocking(QFile& file) {
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return file.open(QIODevice::ReadOnly);  // for the system's own error text
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    return file.open(QIODevice::ReadOnly);
#endif
}

}  // namespace

std::optional<QString> SaveWhole(const QString& path, const char* data, qint64 size) {
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write()'s count; a buffered QSaveFile commits
    // a file cut short by a full disk as if all went well.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // A write cut short by a full disk reports no error; the next one, writing nothing, does.
    for (qint64 at = 0; written && at < size;) {
        const qint64 put = file.write(data + at, size - at);
        written = put > 0;
        at += put;
    }
    if (written && file.commit()) return std::nullopt;
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
}

std::optional<std::int32_t> ParseProfileInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t value = 0;
        const char* first = text.data() + 2;
        const char* last = text.data() + text.size();
        const auto [end, error] = std::from_chars(first, last, value, 16);
        if (error != std::errc() || end != last) return std::nullopt;
        return static_cast<std::int32_t>(value);
    }
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return std::nullopt;
    }
    std::int32_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value, 10);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

IniFile IniFile::FromBytes(std::string_view bytes) {
    IniFile ini;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", start);
        Line line;
        if (stop == std::string_view::npos) {
            line.text = std::string(bytes.substr(start));
            start = bytes.size();
        } else {
            line.text = std::string(bytes.substr(start, stop - start));
            const bool crlf =
                bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n';
            line.ending = crlf ? "\r\n" : std::string(1, bytes[stop]);
            start = stop + line.ending.size();
        }
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

std::optional<IniFile> IniFile::Load(const QString& path, QString* problem) {
    const auto refuse = [problem](const QString& reason) -> std::optional<IniFile> {
        if (problem != nullptr) *problem = reason;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists()) return IniFile();
    // Checked before opening: opening a FIFO for reading waits for a writer.
    if (!info.isFile())
        return refuse(QCoreApplication::translate("brisalto::IniFile", kNotRegularFile));
    if (info.size() > kIniFileLimit)
        return refuse(QCoreApplication::translate("brisalto::IniFile", kFileTooLarge));
    QFile file(path);
    if (!OpenWithoutBlocking(file)) return refuse(file.errorString());
    // The file may have been swapped or grown since the check: read one byte past the limit.
    const QByteArray bytes = file.read(kIniFileLimit + 1);
    if (file.error() != QFileDevice::NoError) return refuse(file.errorString());
    if (bytes.size() > kIniFileLimit)
        return refuse(QCoreApplication::translate("brisalto::IniFile", kFileTooLarge));
    return FromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::string IniFile::ToBytes() const {
    std::string bytes;
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

bool IniFile::Save(const QString& path, QString* problem) const {
    const std::string bytes = ToBytes();
    const std::optional<QString> reason =
        SaveWhole(path, bytes.data(), static_cast<qint64>(bytes.size()));
    if (reason && problem != nullptr) *problem = *reason;
    return !reason;
}

std::size_t IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const ParsedLine parsed = Parse(lines_[i].text);
        if (parsed.kind == LineKind::kSection && EqualsIgnoringCase(parsed.name, section)) return i;
    }
    return lines_.size();
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const ParsedLine parsed = Parse(lines_[i].text);
        if (parsed.kind == LineKind::kSection) break;
        if (parsed.kind == LineKind::kKey && EqualsIgnoringCase(parsed.name, key)) return i;
    }
    return lines_.size();
}

std::string IniFile::NewLineEnding() const {
    for (const Line& line : lines_) {
        if (!line.ending.empty()) return line.ending;
    }
    return "\n";
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == lines_.size()) return std::nullopt;
    const std::size_t index = FindKey(header, key);
    if (index == lines_.size()) return std::nullopt;
    const std::string_view text = lines_[index].text;
    return std::string(Trim(text.substr(Parse(text).value_pos)));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
    const std::optional<std::string> value = Value(section, key);
    return std::string(CutUtf8(value ? *value : default_value, kIniValueLimit));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t default_value) const {
    const std::optional<std::string> value = Value(section, key);
    if (!value) return default_value;
    return ParseProfileInteger(CutUtf8(*value, kIniValueLimit)).value_or(default_value);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool default_value) const {
    return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string new_value = OneLine(value);
    std::size_t header = FindSection(section);
    if (header == lines_.size()) {
        const std::string ending = NewLineEnding();
        if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = ending;
        lines_.push_back({"[" + std::string(section) + "]", ending});
        lines_.push_back({std::string(key) + "=" + new_value, ending});
        return;
    }
    const std::size_t index = FindKey(header, key);
    if (index != lines_.size()) {
        Line& line = lines_[index];
        line.text = line.text.substr(0, Parse(line.text).value_pos) + new_value;
        return;
    }
    std::size_t insert_after = header;
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const LineKind kind = Parse(lines_[i].text).kind;
        if (kind == LineKind::kSection) break;
        if (kind == LineKind::kKey) insert_after = i;
    }
    const std::string ending = NewLineEnding();
    if (lines_[insert_after].ending.empty()) lines_[insert_after].ending = ending;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_after) + 1,
                  Line{std::string(key) + "=" + new_value, ending});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace brisalto
