// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/cmd_edit_model.h"

#include <algorithm>

#include "command/utf_text.h"
#include "engine/functions.h"

namespace brisalto {
namespace {

inline constexpr std::u16string_view kAnswerText = u"A";
inline constexpr std::u16string_view kFunctionBrackets = u"()";
inline constexpr std::u16string_view kAnswerPrefixOperators = u"+-*/%^!";

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

void CmdEditModel::SetText(std::u16string text) {
    text_ = std::move(text);
    caret_ = Length();
    selection_start_ = caret_;
    selection_length_ = 0;
}

void CmdEditModel::SetTextUtf8(std::string_view text) { SetText(Utf8ToUtf16(text)); }

std::string CmdEditModel::TextUtf8() const { return Utf16ToUtf8(text_); }

void CmdEditModel::SetCaret(int position) {
    caret_ = std::clamp(position, 0, Length());
    selection_start_ = caret_;
    selection_length_ = 0;
}

void CmdEditModel::SetSelection(int start, int length) {
    start = std::clamp(start, 0, Length());
    const int end = std::clamp(start + length, 0, Length());
    selection_start_ = std::min(start, end);
    selection_length_ = std::max(start, end) - selection_start_;
    caret_ = end;
}

void CmdEditModel::Clear() { SetText(std::u16string()); }

void CmdEditModel::DeleteSelection() {
    if (selection_length_ > 0) text_.erase(selection_start_, selection_length_);
    SetCaret(selection_start_);
}

void CmdEditModel::InsertAtCaret(std::u16string_view text) {
    const int p = has_selection() ? selection_start_ : caret_;
    DeleteSelection();
    text_.insert(static_cast<size_t>(p), text);
    SetCaret(p + static_cast<int>(text.size()));
}

bool CmdEditModel::IsAnswerPrefixOperator(char16_t c) {
    return kAnswerPrefixOperators.find(c) != std::u16string_view::npos;
}

bool CmdEditModel::ApplyAnswerPrefix(char16_t typed) {
    if (!IsAnswerPrefixOperator(typed) || !text_.empty()) return false;
    SetText(std::u16string(kAnswerText));
    return true;
}

void CmdEditModel::KeypadKey(int tag) {
    const auto& texts = KeypadTexts();
    if (tag < 0 || tag >= static_cast<int>(texts.size())) return;
    KeypadText(Utf8ToUtf16(texts[tag]));
}

void CmdEditModel::KeypadText(std::u16string_view text) {
    if (text.size() == 1) ApplyAnswerPrefix(text[0]);
    InsertAtCaret(text);
}

void CmdEditModel::FunctionKey(int tag) {
    const auto& names = FunctionButtonNames();
    if (tag < 0 || tag >= static_cast<int>(names.size())) return;
    FunctionName(Utf8ToUtf16(names[tag]));
}

void CmdEditModel::FunctionName(std::u16string_view name) {
    std::u16string text(name);
    text += kFunctionBrackets;
    InsertAtCaret(text);
    SetCaret(caret_ - 1);
}

void CmdEditModel::AnswerKey() { InsertAtCaret(kAnswerText); }

void CmdEditModel::DeleteKey() {
    if (has_selection()) {
        DeleteSelection();
        return;
    }
    if (text_.empty() || caret_ == 0) return;
    // A character outside the BMP is two code units; it goes as one.
    int from = caret_ - 1;
    if (from > 0 && IsLowSurrogate(text_[from]) && IsHighSurrogate(text_[from - 1])) --from;
    text_.erase(from, caret_ - from);
    SetCaret(from);
}

void CmdEditModel::FirstKey() { SetCaret(0); }

void CmdEditModel::LastKey() { SetCaret(Length()); }

void CmdEditModel::LeftKey() {
    int p = has_selection() ? selection_start_ : caret_;
    if (p > 0) {
        --p;
        if (p > 0 && IsLowSurrogate(text_[p]) && IsHighSurrogate(text_[p - 1])) --p;
    }
    SetCaret(p);
}

void CmdEditModel::RightKey() {
    int p = has_selection() ? selection_start_ : caret_;
    if (p < Length()) {
        ++p;
        if (p < Length() && IsLowSurrogate(text_[p]) && IsHighSurrogate(text_[p - 1])) ++p;
    }
    SetCaret(p);
}

const std::vector<std::string>& KeypadTexts() {
    static const std::vector<std::string> texts = {
        "0", "00", "000", ".", "1", "2", "3", "4", "5", "6", "7", "8", "9", "E",
        "+", "-",  "*",   "/", "^", "!", "%", "=", "(", ")", "{", "}", "<", ">",
        "[", "]",  "B",   "C", "D", "F", "G", "H", "I", "J", "K", "L", "M", "N"};
    return texts;
}

const std::vector<std::string>& FunctionButtonNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const FunctionInfo& f : FunctionTable().first(kPadFunctionCount)) {
            list.emplace_back(f.name);
        }
        return list;
    }();
    return names;
}

const std::vector<std::string>& FunctionButtonHints() {
    static const std::vector<std::string> hints = [] {
        std::vector<std::string> list;
        for (const FunctionInfo& f : FunctionTable().first(kFunctionKeyCount)) {
            list.emplace_back(f.hint);
        }
        return list;
    }();
    return hints;
}

}  // namespace brisalto
