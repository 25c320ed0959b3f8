// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Pasting into the command line: which lines run and what stays, for every place of the caret
// and every kind of line break.
#include "command/pasted_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command/utf_text.h"

namespace brisalto {
namespace {

struct PasteCase {
    const char* name;
    std::string line;  // the command line before the paste
    int caret;         // caret, or selection start when selection > 0
    int selection;
    std::string pasted;
    std::vector<std::string> run;
    std::string remaining;
    int remaining_caret;
};

class PasteTest : public testing::TestWithParam<PasteCase> {};

TEST_P(PasteTest, RunsCompleteLinesAndKeepsTheRest) {
    const PasteCase& c = GetParam();
    CmdEditModel line;
    line.SetTextUtf8(c.line);
    if (c.selection > 0) {
        line.SetSelection(c.caret, c.selection);
    } else {
        line.SetCaret(c.caret);
    }
    const PasteOutcome outcome = PasteIntoCommandLine(line, Utf8ToUtf16(c.pasted));
    std::vector<std::string> run;
    for (const std::u16string& l : outcome.lines_to_run) run.push_back(Utf16ToUtf8(l));
    EXPECT_EQ(run, c.run);
    EXPECT_EQ(outcome.remaining.TextUtf8(), c.remaining);
    EXPECT_EQ(outcome.remaining.caret(), c.remaining_caret);
    EXPECT_FALSE(outcome.remaining.has_selection());
}

INSTANTIATE_TEST_SUITE_P(
    Paste, PasteTest,
    testing::Values(
        PasteCase{"ThreeLinesNoFinalBreak", "", 0, 0, "1+1\n2+2\n3+3", {"1+1", "2+2"}, "3+3", 3},
        PasteCase{"FinalBreakRunsAll", "", 0, 0, "1+1\n2+2\n3+3\n", {"1+1", "2+2", "3+3"}, "", 0},
        PasteCase{"CrLf", "", 0, 0, "1\r\n2\r\n", {"1", "2"}, "", 0},
        PasteCase{"LoneCr", "", 0, 0, "1\r2", {"1"}, "2", 1},
        PasteCase{"CrCrLfIsTwoBreaks", "", 0, 0, "1\r\r\n2", {"1", ""}, "2", 1},
        PasteCase{"EmptyLinesPass", "", 0, 0, "\n\n5", {"", ""}, "5", 1},
        PasteCase{"BeforeCaretJoinsFirst", "2*", 2, 0, "3\n4", {"2*3"}, "4", 1},
        PasteCase{"AfterCaretJoinsRest", "ab", 1, 0, "1\n2", {"a1"}, "2b", 1},
        PasteCase{"SelectionReplaced", "xSELy", 1, 3, "1\n2", {"x1"}, "2y", 1},
        PasteCase{"NoBreakInserts", "ab", 1, 0, "123", {}, "a123b", 4},
        PasteCase{"NoBreakReplacesSelection", "abc", 0, 3, "9", {}, "9", 1}),
    [](const testing::TestParamInfo<PasteCase>& info) { return info.param.name; });

// Whatever the text, the lines run plus the rest give back the pasted text with one line break
// for each break, in order.
TEST(PasteProperty, NothingIsLostOrReordered) {
    const std::u16string pieces[] = {u"1+1", u"\n", u"\r\n", u"\r", u"", u"sin(30)", u"A"};
    for (int seed = 0; seed < 2000; ++seed) {
        std::u16string text;
        unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1;
        for (int i = 0; i < 8; ++i) {
            state = state * 1103515245u + 12345u;
            text += pieces[(state >> 16) % std::size(pieces)];
        }
        const PasteOutcome outcome = PasteIntoCommandLine(CmdEditModel(), text);
        std::u16string joined;
        for (const std::u16string& line : outcome.lines_to_run) joined += line + u"\n";
        joined += outcome.remaining.text();
        std::u16string expected = text;
        for (std::size_t at = 0; (at = expected.find(u"\r\n", at)) != std::u16string::npos;) {
            expected.erase(at, 1);
        }
        for (char16_t& c : expected) {
            if (c == u'\r') c = u'\n';
        }
        ASSERT_EQ(joined, expected) << "seed " << seed;
    }
}

}  // namespace
}  // namespace brisalto
