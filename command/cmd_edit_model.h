// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The command line (CmdEdit) as a plain object: text, caret and selection in UTF-16 code units as
// QLineEdit counts them, with the edits of the mouse pad, the answer prefix and the caret keys.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisalto {

class CmdEditModel {
  public:
    const std::u16string& text() const { return text_; }
    int caret() const { return caret_; }
    int selection_start() const { return selection_start_; }
    int selection_length() const { return selection_length_; }
    bool has_selection() const { return selection_length_ > 0; }

    // Caret at the end, no selection.
    void SetText(std::u16string text);
    void SetTextUtf8(std::string_view text);
    std::string TextUtf8() const;
    // Clamped into 0..length; drops the selection.
    void SetCaret(int position);
    // Clamped into the text; the caret goes to start + length, as QLineEdit::setSelection does.
    void SetSelection(int start, int length);
    // Empty line, caret 0.
    void Clear();

    // Replaces the selection (if any) with text; the caret follows the inserted text.
    void InsertAtCaret(std::u16string_view text);

    // Before a typed character: an answer-prefix operator on an empty line makes the line "A"
    // with the caret at 1. The character itself is not inserted. Returns whether it applied.
    bool ApplyAnswerPrefix(char16_t typed);
    static bool IsAnswerPrefixOperator(char16_t c);

    // Keypad key by Tag (0..41): the answer prefix for a one-character text, then InsertAtCaret.
    void KeypadKey(int tag);
    void KeypadText(std::u16string_view text);
    // Function key by Tag (0..29): name and "()", the caret between the brackets.
    void FunctionKey(int tag);
    void FunctionName(std::u16string_view name);
    // The answer key: InsertAtCaret "A".
    void AnswerKey();
    // Backspace: the selection, or the one character before the caret.
    void DeleteKey();
    void FirstKey();
    void LeftKey();
    void RightKey();
    void LastKey();

  private:
    void DeleteSelection();
    int Length() const { return static_cast<int>(text_.size()); }

    std::u16string text_;
    int caret_ = 0;
    int selection_start_ = 0;
    int selection_length_ = 0;
};

// The 42 texts of the keypad keys; the index is the key's Tag.
const std::vector<std::string>& KeypadTexts();
// The 42 function names of the pad, from the engine's function table; only 0..29 have keys.
const std::vector<std::string>& FunctionButtonNames();
// The hints of the 30 function keys.
const std::vector<std::string>& FunctionButtonHints();

}  // namespace brisalto
