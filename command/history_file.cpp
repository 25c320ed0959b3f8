// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/history_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace brisalto {
namespace {

inline constexpr std::string_view kHistoryFolder = "/brisalto/history";
inline constexpr std::string_view kDefaultStateFolder = "/.local/state";
inline constexpr std::string_view kCannotReadText = "cannot read the history file ";
inline constexpr std::string_view kCannotWriteText = "cannot write the history file ";
inline constexpr std::string_view kDamagedText = "damaged lines dropped from the history file ";
inline constexpr mode_t kFileMode = 0600;
inline constexpr mode_t kFolderMode = 0700;
// The file deleted and made anew between our open and our lock this many times in a row means
// something else is going on.
inline constexpr int kOpenAttempts = 20;

std::string Problem(std::string_view what, const std::string& path, int error) {
    std::string text(what);
    text += path;
    if (error != 0) {
        text += ": ";
        text += std::strerror(error);
    }
    return text;
}

bool MakeParentFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), kFolderMode) != 0 && errno != EEXIST) return false;
    }
    return true;
}

// Opens and locks the file; opens again when it was deleted or replaced while we waited for the
// lock, so nothing is written into a file that is no longer the history.
int OpenLocked(const std::string& path, int flags, int lock) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const int fd = open(path.c_str(), flags | O_CLOEXEC, kFileMode);
        if (fd < 0) return -1;
        int locked;
        do {
            locked = flock(fd, lock);
        } while (locked != 0 && errno == EINTR);
        struct stat opened {};
        struct stat named {};
        if (locked == 0 && fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0 &&
            opened.st_ino == named.st_ino && opened.st_dev == named.st_dev) {
            return fd;
        }
        const int error = errno;
        close(fd);
        if (locked != 0) {
            errno = error;
            return -1;
        }
    }
    errno = EAGAIN;
    return -1;
}

bool ReadAll(int fd, std::string& text) {
    char chunk[65536];
    while (true) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got == 0) return true;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t put = write(fd, text.data(), text.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

struct SplitText {
    std::vector<std::string> lines;  // the newest that belong, at most the limit
    bool clean = true;               // every line belonged and the text ended a line
    std::size_t damaged = 0;         // lines no program of ours writes
};

SplitText SplitHistory(std::string_view text, std::size_t limit) {
    SplitText split;
    split.clean = text.empty() || text.back() == '\n';
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (IsHistoryLine(line)) {
            split.lines.emplace_back(line);
        } else {
            split.clean = false;
            if (line.find('\0') != std::string_view::npos || line.size() > kHistoryLineMaxBytes) {
                ++split.damaged;
            }
        }
        start = end + 1;
    }
    if (split.lines.size() > limit) {
        split.lines.erase(split.lines.begin(),
                          split.lines.end() - static_cast<std::ptrdiff_t>(limit));
        split.clean = false;
    }
    return split;
}

}  // namespace

std::string HistoryFilePath(const char* xdg_state_home, const char* home) {
    std::string folder;
    // Relative paths in XDG variables are to be ignored.
    if (xdg_state_home != nullptr && xdg_state_home[0] == '/') {
        folder = xdg_state_home;
    } else if (home != nullptr && home[0] != '\0') {
        folder = std::string(home) + std::string(kDefaultStateFolder);
    } else {
        return {};
    }
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder == "/") folder.clear();
    return folder + std::string(kHistoryFolder);
}

std::string HistoryFilePath() {
    return HistoryFilePath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

bool IsHistoryLine(std::string_view line) {
    return !line.empty() && line.front() != ' ' && line.front() != '\t' &&
           line.size() <= kHistoryLineMaxBytes &&
           line.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
}

HistoryFile::HistoryFile(std::string path, std::size_t limit)
    : path_(std::move(path)), limit_(limit) {}

std::vector<std::string> HistoryFile::Load() {
    if (path_.empty()) return {};
    const int fd = OpenLocked(path_, O_RDONLY, LOCK_SH);
    if (fd < 0) {
        if (errno != ENOENT) Note(Problem(kCannotReadText, path_, errno));
        return {};
    }
    std::string text;
    const bool read_ok = ReadAll(fd, text);
    const int error = errno;
    close(fd);
    if (!read_ok) {
        Note(Problem(kCannotReadText, path_, error));
        return {};
    }
    SplitText split = SplitHistory(text, limit_);
    line_count_ = split.lines.size();
    if (split.damaged > 0) Note(Problem(kDamagedText, path_, 0));
    if (!split.clean) Trim();
    return std::move(split.lines);
}

bool HistoryFile::Append(std::string_view line) {
    if (!IsHistoryLine(line)) return true;
    std::string text(line);
    text.push_back('\n');
    return AppendText(text, 1);
}

bool HistoryFile::AppendLines(std::span<const std::string> lines) {
    std::string text;
    std::size_t count = 0;
    for (const std::string& line : lines) {
        if (!IsHistoryLine(line)) continue;
        text += line;
        text.push_back('\n');
        ++count;
    }
    return count == 0 || AppendText(text, count);
}

bool HistoryFile::AppendText(const std::string& text, std::size_t count) {
    if (path_.empty()) return true;
    if (!MakeParentFolders(path_)) {
        Note(Problem(kCannotWriteText, path_, errno));
        return false;
    }
    const int fd = OpenLocked(path_, O_WRONLY | O_APPEND | O_CREAT, LOCK_SH);
    if (fd < 0) {
        Note(Problem(kCannotWriteText, path_, errno));
        return false;
    }
    // One write of whole lines: appends of other programs land before or after them.
    const bool written = WriteAll(fd, text);
    const int error = errno;
    close(fd);
    if (!written) {
        Note(Problem(kCannotWriteText, path_, error));
        return false;
    }
    // Cut back now and then rather than at every line past the limit.
    line_count_ += count;
    if (line_count_ > limit_ + limit_ / 10) Trim();
    return true;
}

bool HistoryFile::Trim() {
    // In place under the exclusive lock: appenders wait for it and then add at the new end. A
    // file replaced by a rename would send an appender that opened the old one round again, and
    // two programs trimming at once could keep each other going round.
    const int fd = OpenLocked(path_, O_RDWR, LOCK_EX);
    if (fd < 0) {
        Note(Problem(kCannotWriteText, path_, errno));
        return false;
    }
    std::string text;
    bool done = ReadAll(fd, text);
    if (done) {
        const SplitText split = SplitHistory(text, limit_);
        std::string kept;
        for (const std::string& line : split.lines) {
            kept += line;
            kept.push_back('\n');
        }
        // The kept lines are never longer than the file, so a crash between the write and the
        // truncation leaves every kept line in place.
        done = lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, kept) &&
               ftruncate(fd, static_cast<off_t>(kept.size())) == 0;
        if (done) line_count_ = split.lines.size();
    }
    const int error = errno;
    close(fd);
    if (!done) Note(Problem(kCannotWriteText, path_, error));
    return done;
}

std::optional<std::string> HistoryFile::TakeProblem() {
    if (!problem_ || problem_taken_) return std::nullopt;
    problem_taken_ = true;
    return problem_;
}

void HistoryFile::Note(const std::string& problem) {
    if (!problem_) problem_ = problem;
}

}  // namespace brisalto
