// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/history_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brisalto {
namespace {

namespace fs = std::filesystem;

class HistoryFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("history_test_" + std::to_string(getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        path_ = (folder_ / "state" / "brisalto" / "history").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> FileLines() const {
        std::vector<std::string> lines;
        std::istringstream in(Contents());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    void Write(const std::string& text) const {
        fs::create_directories(fs::path(path_).parent_path());
        std::ofstream(path_, std::ios::binary) << text;
    }

    fs::path folder_;
    std::string path_;
};

std::vector<std::string> Numbered(const std::string& prefix, int from, int to) {
    std::vector<std::string> lines;
    for (int i = from; i < to; ++i) lines.push_back(prefix + std::to_string(i));
    return lines;
}

TEST(HistoryFilePathTest, FromTheEnvironmentVariables) {
    const struct {
        const char* xdg_state_home;
        const char* home;
        const char* path;
    } rows[] = {
        {"/x/state", "/home/u", "/x/state/brisalto/history"},
        {"/x/state/", "/home/u", "/x/state/brisalto/history"},
        {nullptr, "/home/u", "/home/u/.local/state/brisalto/history"},
        {"", "/home/u", "/home/u/.local/state/brisalto/history"},
        {"relative/state", "/home/u", "/home/u/.local/state/brisalto/history"},
        {"/", "/home/u", "/brisalto/history"},
        {"/x", nullptr, "/x/brisalto/history"},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
        {"state", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(HistoryFilePath(row.xdg_state_home, row.home), row.path)
            << (row.xdg_state_home ? row.xdg_state_home : "(unset)") << ", "
            << (row.home ? row.home : "(unset)");
    }
}

TEST(HistoryFilePathTest, WhichLinesAreKept) {
    const struct {
        std::string line;
        bool kept;
    } rows[] = {
        {"2+3", true},
        {"B=4!", true},
        {"sin(30) ", true},
        {"", false},
        {" 2+3", false},
        {"\t2+3", false},
        {"   ", false},
        {"2+\n3", false},
        {"2+3\r", false},
        {std::string("2\0"
                     "3",
                     3),
         false},
        {std::string(kHistoryLineMaxBytes, '1'), true},
        {std::string(kHistoryLineMaxBytes + 1, '1'), true},  // kept out of the file, with a word
        {"\xff\xfe", true},
    };
    for (const auto& row : rows) EXPECT_EQ(IsHistoryLine(row.line), row.kept) << row.line;
}

TEST_F(HistoryFileTest, LinesComeBackInOrderInTheNextRun) {
    {
        HistoryFile history(path_);
        EXPECT_TRUE(history.Load().empty());
        for (const char* line : {"2+3", " secret", "", "B=4!", "2+3", "var"}) {
            EXPECT_TRUE(history.Append(line)) << line;
        }
        EXPECT_FALSE(history.TakeProblem());
    }
    EXPECT_EQ(Contents(), "2+3\nB=4!\n2+3\nvar\n");
    HistoryFile next(path_);
    EXPECT_EQ(next.Load(), (std::vector<std::string>{"2+3", "B=4!", "2+3", "var"}));
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

// For every count of lines around the limit, the file never holds more than a tenth over the
// limit, and the next run gets the newest lines up to the limit.
TEST_F(HistoryFileTest, NeverMoreThanTheLimitNewestKept) {
    constexpr std::size_t kLimit = 10;
    for (int count : {0, 1, 9, 10, 11, 12, 20, 37}) {
        fs::remove_all(folder_);
        HistoryFile history(path_, kLimit);
        history.Load();
        const std::vector<std::string> lines = Numbered("1+", 0, count);
        for (const std::string& line : lines) {
            history.Append(line);
            ASSERT_LE(FileLines().size(), kLimit + kLimit / 10) << count;
        }
        const std::vector<std::string> newest(lines.end() - std::min<std::ptrdiff_t>(count, kLimit),
                                              lines.end());
        EXPECT_EQ(HistoryFile(path_, kLimit).Load(), newest) << count;
        EXPECT_EQ(FileLines(), newest) << count;
    }
}

// Lines appended in one write (a paste) leave what appending them one by one leaves, around the
// limit as well, and lines that do not belong are skipped the same way.
TEST_F(HistoryFileTest, AppendingLinesTogetherEqualsOneByOne) {
    constexpr std::size_t kLimit = 10;
    for (int count : {0, 1, 5, 10, 11, 12, 25}) {
        std::vector<std::string> lines = Numbered("2*", 0, count);
        if (count > 2) lines[1] = " secret";
        if (count > 3) lines[3] = "";
        fs::remove_all(folder_);
        {
            HistoryFile one_by_one(path_, kLimit);
            for (const std::string& line : lines) one_by_one.Append(line);
        }
        const std::vector<std::string> expected = HistoryFile(path_, kLimit).Load();
        fs::remove_all(folder_);
        {
            HistoryFile together(path_, kLimit);
            const std::size_t half = lines.size() / 2;
            EXPECT_TRUE(together.AppendLines(std::span(lines).first(half))) << count;
            EXPECT_TRUE(together.AppendLines(std::span(lines).subspan(half))) << count;
            EXPECT_LE(FileLines().size(), kLimit + kLimit / 10) << count;
        }
        EXPECT_EQ(HistoryFile(path_, kLimit).Load(), expected) << count;
    }
}

// Lines far longer than anyone types are kept; past the limit a line is left out, and said so
// every time, alone or among other lines.
TEST_F(HistoryFileTest, LongLinesAreKeptOrSaidToBeLeftOut) {
    for (const std::size_t size : {std::size_t{4097}, kHistoryLineMaxBytes,
                                   kHistoryLineMaxBytes + 1, std::size_t{10'000'000}}) {
        fs::remove_all(folder_);
        const std::string line(size, '1');
        const bool kept = size <= kHistoryLineMaxBytes;
        HistoryFile history(path_);
        for (int round = 0; round < 2; ++round) {
            EXPECT_TRUE(history.Append(line)) << size;
            EXPECT_EQ(history.TakeProblem().has_value(), !kept) << size << " round " << round;
        }
        const std::vector<std::string> lines{"1+1", line};
        EXPECT_TRUE(history.AppendLines(lines)) << size;
        EXPECT_EQ(history.TakeProblem().has_value(), !kept) << size;
        std::vector<std::string> want = kept ? std::vector<std::string>{line, line, "1+1", line}
                                             : std::vector<std::string>{"1+1"};
        EXPECT_EQ(HistoryFile(path_).Load(), want) << size;
    }
}

TEST_F(HistoryFileTest, LoadCutsALongFileBackToTheLimit) {
    std::string text;
    for (const std::string& line : Numbered("2*", 0, 2500)) text += line + "\n";
    Write(text);
    HistoryFile history(path_);
    const std::vector<std::string> loaded = history.Load();
    EXPECT_EQ(loaded, Numbered("2*", 1500, 2500));
    EXPECT_EQ(FileLines(), loaded);
    EXPECT_FALSE(history.TakeProblem()) << "a long file is no problem";
}

TEST_F(HistoryFileTest, DamagedFileKeepsItsGoodLinesAndIsReportedOnce) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> kept;
        bool reported;
    } rows[] = {
        {"NUL bytes", std::string("1+1\n\0\0\0\n2+2\n", 12), {"1+1", "2+2"}, true},
        {"over-long line", "1\n" + std::string(100000, '7') + "\n2\n", {"1", "2"}, true},
        {"no final line break", "1\n2", {"1", "2"}, false},
        {"blank lines", "\n\n 1\n2\n\n", {"2"}, false},
        {"CR LF", "1\r\n2\r\n", {"1", "2"}, false},
        {"CR inside a line", "1\r2\n3\n", {"3"}, true},
    };
    for (const auto& row : rows) {
        Write(row.text);
        HistoryFile history(path_);
        EXPECT_EQ(history.Load(), row.kept) << row.name;
        EXPECT_EQ(history.TakeProblem().has_value(), row.reported) << row.name;
        EXPECT_FALSE(history.TakeProblem()) << row.name << ": reported twice";
        // The next line starts a line of its own.
        EXPECT_TRUE(history.Append("9")) << row.name;
        std::vector<std::string> want = row.kept;
        want.push_back("9");
        EXPECT_EQ(FileLines(), want) << row.name;
    }
}

TEST_F(HistoryFileTest, UnusableFileIsReportedOnceAndNeverStopsTheProgram) {
    // The history path is a folder: nothing can be read or written.
    fs::create_directories(path_);
    HistoryFile history(path_);
    EXPECT_TRUE(history.Load().empty());
    EXPECT_FALSE(history.Append("2+3"));
    EXPECT_FALSE(history.Append("4+5"));
    const std::optional<std::string> problem = history.TakeProblem();
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find(path_), std::string::npos) << *problem;
    EXPECT_FALSE(history.TakeProblem());
    EXPECT_FALSE(history.Append("6"));
    EXPECT_FALSE(history.TakeProblem());

    // A file where its folder should be.
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    std::ofstream(folder_ / "state") << "x";
    HistoryFile blocked(path_);
    EXPECT_TRUE(blocked.Load().empty());
    EXPECT_FALSE(blocked.Append("2+3"));
    EXPECT_TRUE(blocked.TakeProblem());
    // A line too long to keep and a write that fails, in one paste: both are told.
    HistoryFile both(path_);
    EXPECT_FALSE(both.AppendLines(
        std::vector<std::string>{std::string(kHistoryLineMaxBytes + 1, '1'), "7"}));
    const std::optional<std::string> not_kept = both.TakeProblem();
    const std::optional<std::string> unwritable = both.TakeProblem();
    ASSERT_TRUE(not_kept && unwritable);
    EXPECT_NE(not_kept->find("not kept"), std::string::npos) << *not_kept;
    EXPECT_NE(unwritable->find(path_), std::string::npos) << *unwritable;

    // No folder at all: no history, no problem.
    HistoryFile none("");
    EXPECT_TRUE(none.Load().empty());
    EXPECT_TRUE(none.Append("2+3"));
    EXPECT_FALSE(none.TakeProblem());
}

// Two programs appending at once: every line arrives whole, and trimming by one never drops a
// line the other has just written: each writer's lines in the file are its newest, unbroken, and
// the file never falls below the limit.
TEST_F(HistoryFileTest, TwoProgramsAppendingLoseNothing) {
    for (std::size_t limit : {std::size_t{100000}, std::size_t{1000}}) {
        fs::remove_all(folder_);
        constexpr int kLines = 2000;
        std::vector<pid_t> children;
        for (const char* prefix : {"A+", "B+"}) {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                HistoryFile history(path_, limit);
                history.Load();
                for (const std::string& line : Numbered(prefix, 0, kLines)) {
                    if (!history.Append(line)) {
                        std::fprintf(stderr, "%s\n", history.TakeProblem().value_or("?").c_str());
                        _exit(1);
                    }
                }
                _exit(0);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const std::vector<std::string> lines = FileLines();
        for (const char* prefix : {"A+", "B+"}) {
            std::vector<int> numbers;
            for (const std::string& line : lines) {
                if (line.rfind(prefix, 0) == 0) numbers.push_back(std::stoi(line.substr(2)));
            }
            if (numbers.empty() && limit < kLines) continue;  // all pushed out by the other
            ASSERT_FALSE(numbers.empty()) << prefix << " limit " << limit;
            EXPECT_EQ(numbers.back(), kLines - 1) << prefix << " limit " << limit;
            for (std::size_t i = 1; i < numbers.size(); ++i) {
                ASSERT_EQ(numbers[i], numbers[i - 1] + 1) << prefix << " limit " << limit;
            }
            if (limit > 2 * kLines) {
                EXPECT_EQ(numbers.size(), std::size_t{kLines}) << prefix;
            }
        }
        for (const std::string& line : lines) {
            EXPECT_TRUE(line.rfind("A+", 0) == 0 || line.rfind("B+", 0) == 0) << line;
        }
        EXPECT_LE(lines.size(), limit > 2 * kLines ? 2 * kLines : 2 * (limit + limit / 10));
        EXPECT_GE(lines.size(), std::min<std::size_t>(limit, 2 * kLines));
    }
}

// One program cutting the file back (at every start, here in a loop) while another appends: the
// appended lines are the newest and all of them stay.
TEST_F(HistoryFileTest, CuttingBackWhileAnotherAppendsLosesNothing) {
    std::string text;
    for (const std::string& line : Numbered("old+", 0, 1500)) text += line + "\n";
    Write(text);
    constexpr int kLines = 5000;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        HistoryFile history(path_, 100000);  // never cuts back itself
        for (const std::string& line : Numbered("new+", 0, kLines)) {
            if (!history.Append(line)) _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) HistoryFile(path_).Load();
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // Each cut keeps the newest lines, so the last thousand are the appender's newest, unbroken.
    EXPECT_EQ(HistoryFile(path_).Load(), Numbered("new+", kLines - 1000, kLines));
}

}  // namespace
}  // namespace brisalto
