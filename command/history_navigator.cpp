// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/history_navigator.h"

#include <iterator>
#include <utility>

namespace brisalto {

HistoryNavigator::HistoryNavigator(std::size_t limit) : limit_(limit) {}

void HistoryNavigator::SetEntries(std::vector<std::string> entries) {
    entries_.assign(std::make_move_iterator(entries.begin()),
                    std::make_move_iterator(entries.end()));
    if (entries_.size() > limit_) {
        entries_.erase(entries_.begin(), entries_.end() - static_cast<std::ptrdiff_t>(limit_));
    }
    Restart();
}

bool HistoryNavigator::Add(std::string_view line) {
    Restart();
    if (!IsHistoryLine(line) || (!entries_.empty() && entries_.back() == line)) {
        return false;
    }
    if (limit_ == 0) return false;
    if (entries_.size() == limit_) entries_.pop_front();
    entries_.emplace_back(line);
    position_ = entries_.size();
    return true;
}

std::optional<std::string> HistoryNavigator::Back(std::string_view current) {
    if (position_ == 0) return std::nullopt;
    Keep(current);
    --position_;
    return Shown();
}

std::optional<std::string> HistoryNavigator::Forward(std::string_view current) {
    if (position_ >= entries_.size()) return std::nullopt;
    Keep(current);
    ++position_;
    return Shown();
}

void HistoryNavigator::Restart() {
    position_ = entries_.size();
    edited_.clear();
}

void HistoryNavigator::Keep(std::string_view current) {
    if (position_ < entries_.size() && entries_[position_] == current) {
        edited_.erase(position_);
    } else {
        edited_[position_] = std::string(current);
    }
}

std::string HistoryNavigator::Shown() const {
    const auto edited = edited_.find(position_);
    if (edited != edited_.end()) return edited->second;
    return position_ < entries_.size() ? entries_[position_] : std::string();
}

}  // namespace brisalto
