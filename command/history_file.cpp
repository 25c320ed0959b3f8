// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/history_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace brisalto {
namespace {

inline constexpr std::string_view kHistoryFolder = "/brisalto/history";
inline constexpr std::string_view kDefaultStateFolder = "/.local/state";
inline constexpr std::string_view kCannotReadText = "cannot read the history file ";
inline constexpr std::string_view kCannotWriteText = "cannot write the history file ";
inline constexpr std::string_view kDamagedText = "damaged lines dropped from the history file ";
inline constexpr std::string_view kNotRegularText = "not a regular file";
inline constexpr std::string_view kTooLargeText =
    "only the newest lines were read of the history file ";
inline constexpr std::string_view kNewFileSuffix = ".new";
inline constexpr mode_t kFileMode = 0600;
inline constexpr mode_t kFolderMode = 0700;
// The file deleted and made anew between our open and our lock this many times in a row means
// something else is going on.
inline constexpr int kOpenAttempts = 20;
// What a cut keeps, so that appends have room before the next one.
inline constexpr std::size_t kKeptBytes = kHistoryFileMaxBytes / 2;
// Our own errno-like code for "not a regular file": no system error says it.
inline constexpr int kNotRegular = -1;

std::string Problem(std::string_view what, const std::string& path, int error) {
    std::string text(what);
    text += path;
    if (error == kNotRegular) {
        text += ": ";
        text += kNotRegularText;
    } else if (error != 0) {
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

// Closes without letting close() change errno, which holds the error being reported.
void CloseKeepingErrno(int fd) {
    const int error = errno;
    close(fd);
    errno = error;
}

// Opens and locks the file; opens again when it was deleted or replaced while we waited for the
// lock, so nothing is written into a file that is no longer the history. Never waits on a FIFO
// and never touches anything but a regular file (errno kNotRegular).
int OpenLocked(const std::string& path, int flags, int lock) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const int fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, kFileMode);
        if (fd < 0) return -1;
        struct stat opened {};
        const bool known = fstat(fd, &opened) == 0;
        if (!known || !S_ISREG(opened.st_mode)) {
            if (known) errno = kNotRegular;
            CloseKeepingErrno(fd);
            return -1;
        }
        int locked;
        do {
            locked = flock(fd, lock);
        } while (locked != 0 && errno == EINTR);
        // The descriptor's file cannot change; the name may now point to another.
        struct stat named {};
        if (locked == 0 && stat(path.c_str(), &named) == 0 && opened.st_ino == named.st_ino &&
            opened.st_dev == named.st_dev) {
            return fd;
        }
        CloseKeepingErrno(fd);
        if (locked != 0) return -1;
    }
    errno = EAGAIN;
    return -1;
}

// Reads the file's last kHistoryFileMaxBytes at most; *cut tells whether there was more before,
// in which case the text starts at a line's start.
bool ReadTail(int fd, std::string& text, bool* cut) {
    *cut = false;
    struct stat status {};
    if (fstat(fd, &status) != 0) return false;
    off_t offset = 0;
    if (static_cast<std::size_t>(status.st_size) > kHistoryFileMaxBytes) {
        offset = status.st_size - static_cast<off_t>(kHistoryFileMaxBytes);
        *cut = true;
    }
    char chunk[65536];
    // Bounded even if the file grows while it is read.
    while (text.size() < kHistoryFileMaxBytes) {
        const std::size_t want = std::min(sizeof chunk, kHistoryFileMaxBytes - text.size());
        const ssize_t got = pread(fd, chunk, want, offset);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.append(chunk, static_cast<std::size_t>(got));
        offset += got;
    }
    if (*cut) {
        const std::size_t first = text.find('\n');
        text.erase(0, first == std::string::npos ? text.size() : first + 1);
    }
    return true;
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
        std::string_view line = text.substr(start, end - start);
        // A file edited on another system: the line is the user's all the same.
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
            split.clean = false;
        }
        if (IsHistoryLine(line) && line.size() <= kHistoryLineMaxBytes) {
            split.lines.emplace_back(line);
        } else {
            split.clean = false;
            if (line.find_first_of(std::string_view("\0\r", 2)) != std::string_view::npos ||
                line.size() > kHistoryLineMaxBytes) {
                ++split.damaged;
            }
        }
        start = end + 1;
    }
    // The newest lines up to the limit, and no more bytes than a cut keeps.
    std::size_t keep = 0;
    std::size_t bytes = 0;
    while (keep < split.lines.size() && keep < limit) {
        bytes += split.lines[split.lines.size() - 1 - keep].size() + 1;
        if (bytes > kKeptBytes) break;
        ++keep;
    }
    if (keep < split.lines.size()) {
        split.lines.erase(split.lines.begin(),
                          split.lines.end() - static_cast<std::ptrdiff_t>(keep));
        split.clean = false;
    }
    return split;
}

// The folder the file really is in: a link to the history is kept a link, its target replaced.
std::string ResolvedPath(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;
    std::string text(resolved);
    std::free(resolved);
    return text;
}

// Writes text to a new file beside path and renames it over path: a crash at any point leaves
// the old file or the new one.
bool ReplaceFile(const std::string& path, std::string_view text) {
    const std::string target = ResolvedPath(path);
    const std::string fresh = target + std::string(kNewFileSuffix);
    // Left over from a crash, or something planted there: never written through.
    unlink(fresh.c_str());
    const int fd =
        open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode);
    if (fd < 0) return false;
    if (!WriteAll(fd, text) || fsync(fd) != 0) {
        CloseKeepingErrno(fd);
        const int error = errno;
        unlink(fresh.c_str());
        errno = error;
        return false;
    }
    if (close(fd) != 0 || rename(fresh.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(fresh.c_str());
        errno = error;
        return false;
    }
    // The rename itself on the disk; a failure here leaves either file whole.
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == 0 ? "/" : target.substr(0, slash);
    const int folder_fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd >= 0) {
        fsync(folder_fd);
        close(folder_fd);
    }
    return true;
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
    bool cut = false;
    const bool read_ok = ReadTail(fd, text, &cut);
    const int error = errno;
    close(fd);
    if (!read_ok) {
        Note(Problem(kCannotReadText, path_, error));
        return {};
    }
    SplitText split = SplitHistory(text, limit_);
    line_count_ = split.lines.size();
    if (cut) Note(Problem(kTooLargeText, path_, 0));
    if (split.damaged > 0) Note(Problem(kDamagedText, path_, 0));
    if (!split.clean || cut) Trim();
    return std::move(split.lines);
}

bool HistoryFile::Append(std::string_view line) {
    if (!IsHistoryLine(line)) return true;
    if (line.size() > kHistoryLineMaxBytes) {
        NoteNotKept(line.size());
        return true;
    }
    std::string text(line);
    text.push_back('\n');
    return AppendText(text, 1);
}

bool HistoryFile::AppendLines(std::span<const std::string> lines) {
    std::string text;
    std::size_t count = 0;
    for (const std::string& line : lines) {
        if (!IsHistoryLine(line)) continue;
        if (line.size() > kHistoryLineMaxBytes) {
            NoteNotKept(line.size());
            continue;
        }
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
    // Exclusive, so that a write cut short can be taken back without cutting another's line.
    const int fd = OpenLocked(path_, O_WRONLY | O_APPEND | O_CREAT, LOCK_EX);
    if (fd < 0) {
        Note(Problem(kCannotWriteText, path_, errno));
        return false;
    }
    struct stat before {};
    bool written = fstat(fd, &before) == 0;
    // One write of whole lines: appends of other programs land before or after them.
    written = written && WriteAll(fd, text);
    const int error = errno;
    // A full disk took part of the text: the part must not become a line of its own.
    if (!written) (void)!ftruncate(fd, before.st_size);
    close(fd);
    if (!written) {
        Note(Problem(kCannotWriteText, path_, error));
        return false;
    }
    // Cut back now and then rather than at every line past the limit.
    line_count_ += count;
    const std::size_t size = static_cast<std::size_t>(before.st_size) + text.size();
    if (line_count_ > limit_ + limit_ / 10 || size > kKeptBytes + kKeptBytes / 2) Trim();
    return true;
}

bool HistoryFile::Trim() {
    // Under the exclusive lock on the file being replaced: appenders waiting for it find the
    // file renamed over once they have it, open the new one and add at its end.
    const int fd = OpenLocked(path_, O_RDONLY, LOCK_EX);
    if (fd < 0) {
        Note(Problem(kCannotWriteText, path_, errno));
        return false;
    }
    std::string text;
    bool cut = false;
    bool done = ReadTail(fd, text, &cut);
    if (done) {
        const SplitText split = SplitHistory(text, limit_);
        std::string kept;
        for (const std::string& line : split.lines) {
            kept += line;
            kept.push_back('\n');
        }
        done = ReplaceFile(path_, kept);
        if (done) line_count_ = split.lines.size();
    }
    const int error = errno;
    close(fd);
    if (!done) Note(Problem(kCannotWriteText, path_, error));
    return done;
}

std::optional<std::string> HistoryFile::TakeProblem() {
    if (not_kept_) return std::exchange(not_kept_, std::nullopt);
    return std::exchange(file_problem_, std::nullopt);
}

void HistoryFile::Note(const std::string& problem) {
    if (file_problem_noted_) return;
    file_problem_noted_ = true;
    file_problem_ = problem;
}

void HistoryFile::NoteNotKept(std::size_t bytes) {
    if (not_kept_) return;
    not_kept_ = "a line of " + std::to_string(bytes) +
                " bytes was run but not kept in the history (" +
                std::to_string(kHistoryLineMaxBytes) + " bytes at most)";
}

}  // namespace brisalto
