// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The command history kept between runs, shared by brisalto-calc and the desktop window: one
// command a line in $XDG_STATE_HOME/brisalto/history. Each line is appended as it is entered, in
// one write to a file opened for appending, so a crash loses nothing and two programs appending
// at once lose nothing; the file is cut back to the newest lines when it has grown past its limit,
// by writing a new file beside it and renaming it over, so it is always the old or the new one.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

inline constexpr std::size_t kHistoryLineLimit = 1000;
// Longer lines are not kept (and the program says so): a pasted page should not fill the file.
inline constexpr std::size_t kHistoryLineMaxBytes = 64 * 1024;
// Only this much of the file's end is read, whatever lies there; cutting back keeps half of it.
inline constexpr std::size_t kHistoryFileMaxBytes = 16 * 1024 * 1024;

// The history file's path from XDG_STATE_HOME (used when absolute) or else HOME; empty when
// neither gives a folder.
std::string HistoryFilePath(const char* xdg_state_home, const char* home);
// As above from the environment.
std::string HistoryFilePath();

// Whether a command line belongs in the history: not empty, not starting with a blank (the
// shells' way of keeping a line out), one line, no NUL. Lines longer than kHistoryLineMaxBytes
// belong but are not written; Append says so.
bool IsHistoryLine(std::string_view line);

class HistoryFile {
  public:
    explicit HistoryFile(std::string path, std::size_t limit = kHistoryLineLimit);

    // The kept lines, oldest first, at most the limit. A file that holds more, or lines that do
    // not belong there, is rewritten with the lines that do. A missing file is an empty history;
    // anything but a regular file (a FIFO, a device, a folder) is neither read nor written.
    std::vector<std::string> Load();

    // Appends one line if it belongs in the history; creates the folder and the file (private to
    // the user) when needed. Once the file holds a tenth more than the limit, it is cut back to
    // the limit. False when the line could not be written; a write cut short (a full disk) is
    // undone, so that no part of a line becomes a line.
    bool Append(std::string_view line);
    // The lines that belong in the history, in one write (a paste of many lines).
    bool AppendLines(std::span<const std::string> lines);

    // What to tell the user, one message a call until nothing is left: a line too long to keep
    // (every time), then the first problem with the file met (unreadable, unwritable, damaged),
    // which is given once, so a front end reports it a single time.
    std::optional<std::string> TakeProblem();

    const std::string& path() const { return path_; }

  private:
    void Note(const std::string& problem);
    void NoteNotKept(std::size_t bytes);
    bool AppendText(const std::string& text, std::size_t count);
    // Rewrites the file with its newest lines that belong there, under an exclusive lock.
    bool Trim();

    std::string path_;
    std::size_t limit_;
    std::size_t line_count_ = 0;  // lines in the file as far as this object knows
    std::optional<std::string> not_kept_;
    std::optional<std::string> file_problem_;
    bool file_problem_noted_ = false;
};

}  // namespace brisalto
