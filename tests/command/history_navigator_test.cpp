// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/history_navigator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisalto {
namespace {

using Lines = std::vector<std::string>;

inline constexpr const char* kUp = "<Up>";
inline constexpr const char* kDown = "<Down>";
inline constexpr const char* kEnter = "<Enter>";

// The command line as the window has it: Up and Down replace the text when the navigator gives
// one, Enter runs a non-empty line and empties the field, anything else is the text the user
// leaves in the line by typing.
class CommandLine {
  public:
    explicit CommandLine(HistoryNavigator& history) : history_(history) {}

    const std::string& Step(const std::string& step) {
        if (step == kUp) {
            if (auto shown = history_.Back(text_)) text_ = *shown;
        } else if (step == kDown) {
            if (auto shown = history_.Forward(text_)) text_ = *shown;
        } else if (step == kEnter) {
            if (text_.empty()) {
                history_.Restart();
            } else {
                history_.Add(text_);
            }
            text_.clear();
        } else {
            text_ = step;
        }
        return text_;
    }

  private:
    HistoryNavigator& history_;
    std::string text_;
};

std::string Join(const Lines& steps) {
    std::string text;
    for (const std::string& step : steps) text += step + " ";
    return text;
}

TEST(HistoryNavigatorTest, Walks) {
    const struct {
        const char* name;
        Lines entries;
        Lines steps;
        Lines shown;  // the command line after each step
    } rows[] = {
        {"no history", {}, {"2+", kUp, kDown, kUp}, {"2+", "2+", "2+", "2+"}},
        {"back newest first, stops at the oldest",
         {"1+1", "2+2", "3+3"},
         {kUp, kUp, kUp, kUp},
         {"3+3", "2+2", "1+1", "1+1"}},
        {"forward again, then the empty line being typed",
         {"1+1", "2+2", "3+3"},
         {kUp, kUp, kUp, kDown, kDown, kDown, kDown},
         {"3+3", "2+2", "1+1", "2+2", "3+3", "", ""}},
        {"down first does nothing", {"1+1"}, {"7*", kDown, kUp}, {"7*", "7*", "1+1"}},
        {"the line being typed comes back after the newest",
         {"1+1", "2+2"},
         {"7*(", kUp, kUp, kDown, kDown, kDown},
         {"7*(", "2+2", "1+1", "2+2", "7*(", "7*("}},
        {"an edited recalled line runs as edited, the entry itself unchanged",
         {"1+1", "2+2"},
         {kUp, "2+5", kEnter, kUp, kUp, kUp},
         {"2+2", "2+5", "", "2+5", "2+2", "1+1"}},
        {"edits are kept while walking",
         {"1+1", "2+2"},
         {"B=", kUp, "2+9", kUp, "1+8", kDown, kDown, kUp, kUp},
         {"B=", "2+2", "2+9", "1+1", "1+8", "2+9", "B=", "2+9", "1+8"}},
        {"and dropped when a line runs",
         {"1+1", "2+2"},
         {kUp, "2+9", kUp, "sin(30)", kEnter, kUp, kUp, kUp},
         {"2+2", "2+9", "1+1", "sin(30)", "", "sin(30)", "2+2", "1+1"}},
        {"an empty Enter starts the walk again",
         {"1+1", "2+2"},
         {kUp, kUp, "", kEnter, kUp},
         {"2+2", "1+1", "", "", "2+2"}},
        {"a recalled line run again becomes the newest",
         {"1+1", "2+2"},
         {kUp, kUp, kEnter, kUp, kUp, kUp},
         {"2+2", "1+1", "", "1+1", "2+2", "1+1"}},
        {"a repeat of the newest is kept once",
         {},
         {"5", kEnter, "5", kEnter, kUp, kUp},
         {"5", "", "5", "", "5", "5"}},
        {"lines starting with a blank are not kept",
         {"1+1"},
         {" 3", kEnter, "\t4", kEnter, kUp, kUp},
         {" 3", "", "\t4", "", "1+1", "1+1"}},
        {"new lines after the loaded ones",
         {"old"},
         {"a", kEnter, "b", kEnter, kUp, kUp, kUp},
         {"a", "", "b", "", "b", "a", "old"}},
        {"texts are kept byte for byte",
         {"\xc2\xb5=2", "2\xc3\x97"},
         {kUp, kUp},
         {"2\xc3\x97", "\xc2\xb5=2"}},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(row.steps.size(), row.shown.size()) << row.name;
        HistoryNavigator history;
        history.SetEntries(row.entries);
        CommandLine line(history);
        Lines shown;
        for (const std::string& step : row.steps) shown.push_back(line.Step(step));
        EXPECT_EQ(shown, row.shown) << row.name << ": " << Join(row.steps);
    }
}

// For every length of history and every number of presses: Up n times shows the n-th newest
// line (the oldest once n passes it), and as many Downs bring back the line being typed.
TEST(HistoryNavigatorTest, UpAndDownOverEveryLength) {
    for (std::size_t size = 0; size <= 12; ++size) {
        Lines entries;
        for (std::size_t i = 0; i < size; ++i) entries.push_back("1+" + std::to_string(i));
        for (std::size_t presses = 1; presses <= size + 2; ++presses) {
            HistoryNavigator history;
            history.SetEntries(entries);
            CommandLine line(history);
            line.Step("draft");
            std::string shown = "draft";
            for (std::size_t i = 0; i < presses; ++i) shown = line.Step(kUp);
            const std::string want = size == 0 ? "draft" : entries[size - std::min(presses, size)];
            EXPECT_EQ(shown, want) << size << " lines, " << presses << " presses";
            for (std::size_t i = 0; i < presses; ++i) shown = line.Step(kDown);
            EXPECT_EQ(shown, "draft") << size << " lines, " << presses << " presses";
        }
    }
}

TEST(HistoryNavigatorTest, KeepsTheNewestUpToTheLimit) {
    const struct {
        std::size_t loaded;
        std::size_t added;
    } rows[] = {{0, 0}, {0, 3}, {0, 4}, {0, 9}, {2, 1}, {2, 2}, {5, 0}, {5, 2}};
    for (const auto& row : rows) {
        constexpr std::size_t kLimit = 3;
        HistoryNavigator history(kLimit);
        Lines all;
        for (std::size_t i = 0; i < row.loaded; ++i) all.push_back("L" + std::to_string(i));
        history.SetEntries(all);
        for (std::size_t i = 0; i < row.added; ++i) {
            all.push_back("N" + std::to_string(i));
            EXPECT_TRUE(history.Add(all.back()));
        }
        const Lines newest(all.end() - static_cast<std::ptrdiff_t>(std::min(all.size(), kLimit)),
                           all.end());
        EXPECT_EQ(history.entries(), newest) << row.loaded << " loaded, " << row.added << " added";
    }
}

TEST(HistoryNavigatorTest, AddTellsWhichLinesBelongInTheFile) {
    const struct {
        const char* line;
        bool kept;
    } rows[] = {{"2+3", true}, {"2+3", false}, {"", false},    {" 2", false},
                {"4", true},   {"2+3", true},  {"\t2", false}, {"4\n5", false}};
    HistoryNavigator history;
    for (const auto& row : rows) EXPECT_EQ(history.Add(row.line), row.kept) << row.line;
    EXPECT_EQ(history.entries(), (Lines{"2+3", "4", "2+3"}));
}

}  // namespace
}  // namespace brisalto
