#include "command/cmd_edit_model.h"

#include <algorithm>

namespace brisalto {
namespace {

inline constexpr std::u16string_view kAnswerText = u"A";
inline constexpr std::u16string_view kFunctionBrackets = u"()";
inline constexpr std::u16string_view kAnswerPrefixOperators = u"+-*/%^!";
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t c = 0;
        char32_t min = 0;
        if (byte < 0x80) {
            length = 1;
            c = byte;
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            length = 2;
            c = byte & 0x1F;
            min = 0x80;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            length = 3;
            c = byte & 0x0F;
            min = 0x800;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            length = 4;
            c = byte & 0x07;
            min = 0x10000;
        }
        // A bad lead byte or a broken sequence becomes one replacement character per bad part.
        int taken = 1;
        bool valid = length > 0;
        for (; valid && taken < length; ++taken) {
            if (i + taken >= text.size()) {
                valid = false;
                break;
            }
            const auto next = static_cast<unsigned char>(text[i + taken]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        if (valid && (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) valid = false;
        AppendUtf16(out, valid ? c : kReplacementCharacter);
        i += valid ? length : std::max(taken, 1);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t{c} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            AppendUtf8(out, kReplacementCharacter);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

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

void CmdEditModel::InsertAtCaretUtf8(std::string_view text) { InsertAtCaret(Utf8ToUtf16(text)); }

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
    const std::u16string text = Utf8ToUtf16(texts[tag]);
    if (text.size() == 1) ApplyAnswerPrefix(text[0]);
    InsertAtCaret(text);
}

void CmdEditModel::FunctionKey(int tag) {
    const auto& names = FunctionButtonNames();
    if (tag < 0 || tag >= static_cast<int>(names.size())) return;
    std::u16string text = Utf8ToUtf16(names[tag]);
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
    static const std::vector<std::string> names = {
        "cos",   "sin",   "tan",   "cot",   "sec",   "csc",   "xcos", "xsin", "xtan",
        "xcot",  "xsec",  "xcsc",  "cosh",  "sinh",  "tanh",  "coth", "sech", "csch",
        "xcosh", "xsinh", "xtanh", "xcoth", "xsech", "xcsch", "log",  "xlog", "exp",
        "lin",   "logn",  "abs",   "ctod",  "ctog",  "ctor",  "dtoc", "dtog", "dtor",
        "gtoc",  "gtod",  "gtor",  "rtoc",  "rtod",  "rtog"};
    return names;
}

const std::vector<std::string>& FunctionButtonHints() {
    static const std::vector<std::string> hints = {"Cosine",
                                                   "Sine",
                                                   "Tangent",
                                                   "Cotangent",
                                                   "Secant",
                                                   "Cosecant",
                                                   "Arc Cosine",
                                                   "Arc Sine",
                                                   "Arc Tangent",
                                                   "Arc Cotangent",
                                                   "Arc Secant",
                                                   "Arc Cosecant",
                                                   "Hyperbolic Cosine",
                                                   "Hyperbolic Sine",
                                                   "Hyperbolic Tangent",
                                                   "Hyperbolic Cotangent",
                                                   "Hyperbolic Secant",
                                                   "Hyperbolic Cosecant",
                                                   "Arc Hyperbolic Cosine",
                                                   "Arc Hyperbolic Sine",
                                                   "Arc Hyperbolic Tangent",
                                                   "Arc Hyperbolic Cotangent",
                                                   "Arc Hyperbolic Secant",
                                                   "Arc Hyperbolic Cosecant",
                                                   "Logarithmic Base 10",
                                                   "10^X (inverse log base 10)",
                                                   "Exponential",
                                                   "Natural Logarithmic",
                                                   "Logarithmic Base N constant",
                                                   "Absolute Value"};
    return hints;
}

}  // namespace brisalto
