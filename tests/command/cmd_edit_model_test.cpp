// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/cmd_edit_model.h"

#include <gtest/gtest.h>

#include "command/utf_text.h"

namespace brisalto {
namespace {

struct EditState {
    std::u16string text;
    int caret;
    int selection_start = 0;
    int selection_length = 0;
};

CmdEditModel Make(const EditState& s) {
    CmdEditModel edit;
    edit.SetText(s.text);
    if (s.selection_length > 0) {
        edit.SetSelection(s.selection_start, s.selection_length);
    } else {
        edit.SetCaret(s.caret);
    }
    return edit;
}

std::string Describe(const std::u16string& text, int caret) {
    return "line '" + Utf16ToUtf8(text) + "' caret " + std::to_string(caret);
}

enum class Key { kKeypad, kFunction, kAnswer, kDelete, kFirst, kLeft, kRight, kLast, kTyped };

void Press(CmdEditModel& edit, Key key, int tag) {
    switch (key) {
        case Key::kKeypad:
            edit.KeypadKey(tag);
            break;
        case Key::kFunction:
            edit.FunctionKey(tag);
            break;
        case Key::kAnswer:
            edit.AnswerKey();
            break;
        case Key::kDelete:
            edit.DeleteKey();
            break;
        case Key::kFirst:
            edit.FirstKey();
            break;
        case Key::kLeft:
            edit.LeftKey();
            break;
        case Key::kRight:
            edit.RightKey();
            break;
        case Key::kLast:
            edit.LastKey();
            break;
        case Key::kTyped:
            // The field inserts the typed character after the prefix rule has run.
            edit.ApplyAnswerPrefix(static_cast<char16_t>(tag));
            edit.InsertAtCaret(std::u16string(1, static_cast<char16_t>(tag)));
            break;
    }
}

TEST(CmdEditModelTest, KeysChangeTextAndCaret) {
    struct Row {
        EditState before;
        Key key;
        int tag;
        std::u16string text;
        int caret;
    };
    const Row rows[] = {
        // Keypad keys: the answer prefix for one-character operators on an empty line.
        {{u"", 0}, Key::kKeypad, 16, u"A*", 2},
        {{u"", 0}, Key::kKeypad, 15, u"A-", 2},
        {{u"", 0}, Key::kKeypad, 19, u"A!", 2},
        {{u"", 0}, Key::kKeypad, 21, u"=", 1},
        {{u"", 0}, Key::kKeypad, 4, u"1", 1},
        {{u"", 0}, Key::kKeypad, 22, u"(", 1},
        {{u" ", 1}, Key::kKeypad, 14, u" +", 2},
        {{u"12", 1}, Key::kKeypad, 2, u"10002", 4},
        {{u"5", 1}, Key::kKeypad, 17, u"5/", 2},
        {{u"abc", 1, 0, 3}, Key::kKeypad, 20, u"%", 1},
        {{u"", 0}, Key::kKeypad, 42, u"", 0},
        {{u"", 0}, Key::kKeypad, -1, u"", 0},
        // Typed characters.
        {{u"", 0}, Key::kTyped, '+', u"A+", 2},
        {{u"", 0}, Key::kTyped, '^', u"A^", 2},
        {{u"", 0}, Key::kTyped, '%', u"A%", 2},
        {{u" ", 1}, Key::kTyped, '+', u" +", 2},
        {{u"", 0}, Key::kTyped, '2', u"2", 1},
        {{u"", 0}, Key::kTyped, '=', u"=", 1},
        // Function keys: name and brackets, the caret between them, no answer prefix.
        {{u"2*sin", 0, 2, 3}, Key::kFunction, 0, u"2*cos()", 6},
        {{u"", 0}, Key::kFunction, 29, u"abs()", 4},
        {{u"1+", 0}, Key::kFunction, 24, u"log()1+", 4},
        {{u"", 0}, Key::kFunction, 41, u"rtog()", 5},
        {{u"", 0}, Key::kFunction, 42, u"", 0},
        // Answer key.
        {{u"5*", 2}, Key::kAnswer, 0, u"5*A", 3},
        {{u"", 0}, Key::kAnswer, 0, u"A", 1},
        // Delete key: a backspace.
        {{u"abc", 3}, Key::kDelete, 0, u"ab", 2},
        {{u"abc", 0}, Key::kDelete, 0, u"abc", 0},
        {{u"", 0}, Key::kDelete, 0, u"", 0},
        {{u"abcd", 0, 1, 2}, Key::kDelete, 0, u"ad", 1},
        {{u"x\U0001D49Ey", 3}, Key::kDelete, 0, u"xy", 1},
        // Caret keys.
        {{u"abc", 2}, Key::kFirst, 0, u"abc", 0},
        {{u"abc", 1}, Key::kLast, 0, u"abc", 3},
        {{u"abc", 2}, Key::kLeft, 0, u"abc", 1},
        {{u"abc", 0}, Key::kLeft, 0, u"abc", 0},
        {{u"abc", 1}, Key::kRight, 0, u"abc", 2},
        {{u"abc", 3}, Key::kRight, 0, u"abc", 3},
        {{u"abcd", 0, 1, 2}, Key::kLeft, 0, u"abcd", 0},
        {{u"abcd", 0, 1, 2}, Key::kRight, 0, u"abcd", 2},
        {{u"abcd", 0, 0, 2}, Key::kLeft, 0, u"abcd", 0},
        {{u"x\U0001D49E", 3}, Key::kLeft, 0, u"x\U0001D49E", 1},
        {{u"x\U0001D49E", 1}, Key::kRight, 0, u"x\U0001D49E", 3},
    };
    for (const auto& row : rows) {
        CmdEditModel edit = Make(row.before);
        Press(edit, row.key, row.tag);
        const std::string name = Describe(row.before.text, row.before.caret) + " key " +
                                 std::to_string(static_cast<int>(row.key)) + " tag " +
                                 std::to_string(row.tag);
        EXPECT_EQ(Utf16ToUtf8(edit.text()), Utf16ToUtf8(row.text)) << name;
        EXPECT_EQ(edit.caret(), row.caret) << name;
        EXPECT_FALSE(edit.has_selection()) << name;
    }
}

TEST(CmdEditModelTest, InsertAtCaretReplacesTheSelection) {
    struct Row {
        EditState before;
        std::u16string inserted;
        std::u16string text;
        int caret;
    };
    const Row rows[] = {
        {{u"", 0}, u"6.02214076E23", u"6.02214076E23", 13},
        {{u"1+", 2}, u"2", u"1+2", 3},
        {{u"1+9", 0, 2, 1}, u"22", u"1+22", 4},
        {{u"abc", 1}, u"", u"abc", 1},
        {{u"abc", 0, 0, 3}, u"", u"", 0},
    };
    for (const auto& row : rows) {
        CmdEditModel edit = Make(row.before);
        edit.InsertAtCaret(row.inserted);
        EXPECT_EQ(Utf16ToUtf8(edit.text()), Utf16ToUtf8(row.text))
            << Describe(row.before.text, row.before.caret);
        EXPECT_EQ(edit.caret(), row.caret) << Describe(row.before.text, row.before.caret);
    }
}

TEST(CmdEditModelTest, CaretAndSelectionAreClampedToTheText) {
    CmdEditModel edit;
    edit.SetTextUtf8("abc");
    edit.SetCaret(99);
    EXPECT_EQ(edit.caret(), 3);
    edit.SetCaret(-5);
    EXPECT_EQ(edit.caret(), 0);
    edit.SetSelection(1, 99);
    EXPECT_EQ(edit.selection_start(), 1);
    EXPECT_EQ(edit.selection_length(), 2);
    edit.SetSelection(3, -2);
    EXPECT_EQ(edit.selection_start(), 1);
    EXPECT_EQ(edit.selection_length(), 2);
    EXPECT_EQ(edit.caret(), 1);
}

TEST(CmdEditModelTest, TextListsHaveTheirSizesAndKeyTexts) {
    ASSERT_EQ(KeypadTexts().size(), 42u);
    ASSERT_EQ(FunctionButtonNames().size(), 42u);
    ASSERT_EQ(FunctionButtonHints().size(), 30u);
    struct Row {
        int tag;
        const char* keypad;
        const char* function;
    };
    const Row rows[] = {{0, "0", "cos"},  {2, "000", "tan"}, {13, "E", "sinh"}, {21, "=", "xcoth"},
                        {26, "<", "exp"}, {29, "]", "abs"},  {30, "B", "ctod"}, {41, "N", "rtog"}};
    for (const auto& row : rows) {
        EXPECT_EQ(KeypadTexts()[row.tag], row.keypad) << row.tag;
        EXPECT_EQ(FunctionButtonNames()[row.tag], row.function) << row.tag;
    }
    EXPECT_EQ(FunctionButtonHints()[25], "10^X (inverse log base 10)");
    EXPECT_EQ(FunctionButtonHints()[28], "Logarithmic Base N constant");
}

TEST(CmdEditModelTest, Utf8ConversionReplacesBrokenSequences) {
    struct Row {
        std::string utf8;
        std::u16string utf16;
    };
    const Row rows[] = {
        {"abc", u"abc"},
        {"\xc3\xa9", u"\u00e9"},
        {"\xf0\x9d\x92\x9e", u"\U0001D49E"},
        {"\xff", u"\ufffd"},
        {"\xc3(", u"\ufffd("},
        {"\xe2\x82", u"\ufffd"},
        {"\xed\xa0\x80", u"\ufffd"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Utf8ToUtf16(row.utf8), row.utf16) << "bytes of length " << row.utf8.size();
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xef\xbf\xbd");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001D49E"), "\xf0\x9d\x92\x9e");
}

}  // namespace
}  // namespace brisalto
