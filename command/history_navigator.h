// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The lines run before, walked with Up and Down as in a terminal: Up goes back from the newest,
// Down comes forward again and, past the newest, gives back the line that was being typed.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command/history_file.h"

namespace brisalto {

class HistoryNavigator {
  public:
    explicit HistoryNavigator(std::size_t limit = kHistoryLineLimit);

    // The history as loaded, oldest first; the walk starts again.
    void SetEntries(std::vector<std::string> entries);
    std::vector<std::string> entries() const { return {entries_.begin(), entries_.end()}; }

    // A line being run: it becomes the newest entry unless it does not belong in the history or
    // repeats the newest one. The walk starts again, so edits made while walking are dropped.
    // True when the line was added (and so is to be kept in the history file).
    bool Add(std::string_view line);

    // Up and Down, given the text now in the command line: the text to show instead, or nothing
    // when there is no older (newer) line. What the user changed on the way is kept until a line
    // runs, the line being typed included.
    std::optional<std::string> Back(std::string_view current);
    std::optional<std::string> Forward(std::string_view current);

    // Back at the line being typed, with no edits kept.
    void Restart();

  private:
    void Keep(std::string_view current);
    std::string Shown() const;

    std::size_t limit_;
    // A deque: a full history drops its oldest line at every new one.
    std::deque<std::string> entries_;
    // The entry shown; entries_.size() is the line being typed.
    std::size_t position_ = 0;
    // The texts changed during this walk, by position; the typed line is kept here too.
    std::map<std::size_t, std::string> edited_;
};

}  // namespace brisalto
