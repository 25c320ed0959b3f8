// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/formula_parser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "tools/element_symbols.h"
#include "tools/element_table.h"

namespace brisalto {
namespace {

constexpr const char* kEmptyText = QT_TRANSLATE_NOOP("Chemistry", "the formula is empty");
constexpr const char* kNotElementText = QT_TRANSLATE_NOOP("Chemistry", "%1 is not an element");
constexpr const char* kLowerCaseText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 is not an element: a symbol begins with a capital letter");
constexpr const char* kNotClosedText = QT_TRANSLATE_NOOP("Chemistry", "%1 is not closed");
constexpr const char* kNotOpenedText = QT_TRANSLATE_NOOP("Chemistry", "%1 has no opening bracket");
constexpr const char* kDoesNotCloseText = QT_TRANSLATE_NOOP("Chemistry", "%1 does not close %2");
constexpr const char* kEmptyBracketsText = QT_TRANSLATE_NOOP("Chemistry", "%1 holds nothing");
constexpr const char* kCountZeroText =
    QT_TRANSLATE_NOOP("Chemistry", "a count or coefficient must be at least 1");
constexpr const char* kCountLimitText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 is too large: counts go up to 1000000");
constexpr const char* kFractionalText = QT_TRANSLATE_NOOP(
    "Chemistry", "%1 is not a whole number: counts and coefficients are whole numbers");
constexpr const char* kMisplacedText = QT_TRANSLATE_NOOP(
    "Chemistry", "%1 cannot stand here: a count follows an element or a closing bracket");
constexpr const char* kMustBeFollowedText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 must be followed by an element or a bracket");
constexpr const char* kMustFollowText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 must follow an element or a bracket");
constexpr const char* kChargeText =
    QT_TRANSLATE_NOOP("Chemistry", "charges are not part of a formula");
constexpr const char* kUnexpectedText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 cannot stand in a formula");
constexpr std::size_t kShownTextLimit = 16;

// A character of the formula: its code point and its length in UTF-8.
struct Char {
    char32_t code = 0;
    std::size_t size = 0;  // 0 at the end of the text
};
constexpr char32_t kInvalidCode = 0xFFFFFFFF;

Char Decode(std::string_view text, std::size_t at) {
    if (at >= text.size()) return {};
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    std::size_t size = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        size = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        size = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        size = 4;
        code = lead & 0x07;
    } else {
        return {kInvalidCode, 1};
    }
    if (at + size > text.size()) return {kInvalidCode, 1};
    for (std::size_t k = 1; k < size; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return {kInvalidCode, 1};
        code = (code << 6) | (next & 0x3F);
    }
    return {code, size};
}

bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\u2009' || c == U'\u202F';
}
bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsSubscriptDigit(char32_t c) { return c >= U'\u2080' && c <= U'\u2089'; }
bool IsCountDigit(char32_t c) { return IsAsciiDigit(c) || IsSubscriptDigit(c); }
int DigitValue(char32_t c) { return static_cast<int>(IsAsciiDigit(c) ? c - U'0' : c - U'\u2080'); }
bool IsUpper(char32_t c) { return c >= U'A' && c <= U'Z'; }
bool IsLower(char32_t c) { return c >= U'a' && c <= U'z'; }
bool IsOpening(char32_t c) { return c == U'(' || c == U'[' || c == U'{'; }
bool IsClosing(char32_t c) { return c == U')' || c == U']' || c == U'}'; }
char32_t ClosingOf(char32_t open) { return open == U'(' ? U')' : open == U'[' ? U']' : U'}'; }
// The dots of hydrates and adducts: middle dot, bullet, asterisk, full stop, and the two
// mathematical dots that pasted formulas bring.
bool IsSeparator(char32_t c) {
    return c == U'.' || c == U'*' || c == U'\u00B7' || c == U'\u2022' || c == U'\u2219' ||
           c == U'\u22C5';
}
bool IsSign(char32_t c) {
    return c == U'+' || c == U'-' || c == U'\u2212' || c == U'\u207A' || c == U'\u207B';
}
bool IsSuperscriptDigit(char32_t c) {
    return c == U'\u00B2' || c == U'\u00B3' || c == U'\u00B9' || c == U'\u2070' ||
           (c >= U'\u2074' && c <= U'\u2079');
}

struct Amount {
    int element;
    CalcValue count;
};

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) { first_seen_.fill(-1); }

    std::vector<ElementCount> Run() {
        RefuseCharges();
        try {
            ReadAll();
        } catch (const FloatError&) {
            throw FormulaError(FormulaErrorKind::kTooLarge, Message{kFormulaTooLargeText}, 0);
        }
        return Result();
    }

  private:
    enum class Expect {
        kPartStart,  // at the start or after a dot: a coefficient or an item
        kItem,       // after a coefficient or an opening bracket: an item
        kAfterItem,  // after an element or a closing bracket: a count or what may follow one
        kAfterCount,
    };
    enum class Pending { kNone, kElement, kGroup };

    // One bracket level; frames_[0] is the formula itself. Its amounts lie in amounts_: the
    // finished parts from group_start, then the part being read (before its coefficient) from
    // part_start. A deeper level's amounts follow; a closed level's stay last until its count
    // comes. One shared stack keeps deep nesting to a few dozen bytes a level.
    struct Frame {
        char32_t open = 0;
        std::int32_t coefficient = 1;
        std::size_t open_at = 0;
        std::size_t group_start = 0;
        std::size_t part_start = 0;
        // Where the part begins: its coefficient, the dot before it, the opening bracket, or the
        // formula's first character.
        std::size_t part_at = 0;
    };

    [[noreturn]] void Fail(FormulaErrorKind kind, Message message, std::size_t at) const {
        throw FormulaError(kind, std::move(message), CharacterPosition(text_, at));
    }

    // The formula's text from..to as a message shows it, cut short when long.
    std::string Shown(std::size_t from, std::size_t to) const {
        if (to - from <= kShownTextLimit) return std::string(text_.substr(from, to - from));
        std::size_t cut = from + kShownTextLimit;
        while (cut > from && (static_cast<unsigned char>(text_[cut]) & 0xC0) == 0x80) --cut;
        return std::string(text_.substr(from, cut - from)) + "...";
    }

    std::string ShownChar(std::size_t at) const {
        const Char c = Decode(text_, at);
        if (c.code != kInvalidCode) return std::string(text_.substr(at, c.size));
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto byte = static_cast<unsigned char>(text_[at]);
        return std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
    }

    std::size_t SkipBlanks(std::size_t at) const {
        for (Char c = Decode(text_, at); c.size != 0 && IsBlank(c.code); c = Decode(text_, at)) {
            at += c.size;
        }
        return at;
    }

    // A sign right before an element or a bracket is a bond (CH3-CH3), which the main pass
    // refuses as a stray character; every other sign, caret or superscript digit writes a charge.
    void RefuseCharges() const {
        for (std::size_t at = 0; at < text_.size();) {
            const Char c = Decode(text_, at);
            if (c.code == U'^' || IsSuperscriptDigit(c.code)) {
                Fail(FormulaErrorKind::kCharge, Message{kChargeText}, at);
            }
            if (IsSign(c.code)) {
                const Char next = Decode(text_, at + c.size);
                if (!IsUpper(next.code) && !IsOpening(next.code)) {
                    Fail(FormulaErrorKind::kCharge, Message{kChargeText}, at);
                }
            }
            at += c.size;
        }
    }

    Frame& Top() { return frames_[depth_]; }

    void PushFrame(char32_t open, std::size_t at) {
        ++depth_;
        if (depth_ == frames_.size()) frames_.emplace_back();
        Frame& frame = frames_[depth_];
        frame.open = open;
        frame.open_at = at;
        frame.group_start = amounts_.size();
        frame.part_start = amounts_.size();
        frame.coefficient = 1;
        frame.part_at = at;
    }

    // Adds the amounts from `from` to the end, times `factor`, into those from `into` to `from`;
    // the ones new there move down to follow them. The added amounts name distinct elements.
    void MergeTail(std::size_t into, std::size_t from, CalcValue factor) {
        std::size_t kept = from;
        for (std::size_t read = from; read < amounts_.size(); ++read) {
            const Amount added{amounts_[read].element, Multiply(amounts_[read].count, factor)};
            auto found =
                std::find_if(amounts_.begin() + static_cast<std::ptrdiff_t>(into),
                             amounts_.begin() + static_cast<std::ptrdiff_t>(from),
                             [&](const Amount& amount) { return amount.element == added.element; });
            if (found != amounts_.begin() + static_cast<std::ptrdiff_t>(from)) {
                found->count = Add(found->count, added.count);
            } else {
                amounts_[kept++] = added;
            }
        }
        amounts_.resize(kept);
    }

    void FlushPending(CalcValue count) {
        if (pending_ == Pending::kElement) {
            amounts_.push_back({pending_element_, count});
            MergeTail(Top().part_start, amounts_.size() - 1, 1);
        } else if (pending_ == Pending::kGroup) {
            MergeTail(Top().part_start, closed_start_, count);
        }
        pending_ = Pending::kNone;
    }

    void FinishPart(Frame& frame) {
        MergeTail(frame.group_start, frame.part_start, static_cast<CalcValue>(frame.coefficient));
        frame.part_start = amounts_.size();
        frame.coefficient = 1;
    }

    // Digits from at; returns their end and the value, which stops growing past the limit.
    std::pair<std::size_t, long> ReadDigits(std::size_t at, bool subscripts) const {
        long value = 0;
        for (Char c = Decode(text_, at);
             c.size != 0 && (IsAsciiDigit(c.code) || (subscripts && IsSubscriptDigit(c.code)));
             c = Decode(text_, at)) {
            value = std::min<long>(value * 10 + DigitValue(c.code), kMaxFormulaCount + 1L);
            at += c.size;
        }
        return {at, value};
    }

    // A decimal point or comma between digits after a count makes it a fraction, unless the
    // point is the dot of a hydrate: CuSO4.5H2O.
    bool FractionFollows(std::size_t end, long value, bool coefficient) const {
        const Char mark = Decode(text_, end);
        if (mark.code != U'.' && mark.code != U',') return false;
        if (!IsAsciiDigit(Decode(text_, end + 1).code)) return false;
        if (mark.code == U',' || coefficient || value == 0) return true;
        const Char next = Decode(text_, SkipBlanks(ReadDigits(end + 1, false).first));
        return !IsUpper(next.code) && !IsOpening(next.code);
    }

    // Reads a count or a coefficient at `at`; returns its end and value.
    std::pair<std::size_t, CalcValue> ReadCount(std::size_t at, bool coefficient) const {
        const auto [end, value] = ReadDigits(at, !coefficient);
        if (FractionFollows(end, value, coefficient)) {
            Fail(FormulaErrorKind::kFractionalCount,
                 Message{kFractionalText, {Shown(at, ReadDigits(end + 1, false).first)}}, at);
        }
        if (value == 0) Fail(FormulaErrorKind::kCountZero, Message{kCountZeroText}, at);
        if (value > kMaxFormulaCount) {
            Fail(FormulaErrorKind::kCountTooLarge, Message{kCountLimitText, {Shown(at, end)}}, at);
        }
        return {end, static_cast<CalcValue>(value)};
    }

    void ReadElement(std::size_t at, std::size_t& end) {
        end = at + 1;
        while (end < text_.size() && IsLower(static_cast<unsigned char>(text_[end]))) ++end;
        const std::string_view symbol = text_.substr(at, end - at);
        const std::optional<int> element = FindElementBySymbol(symbol);
        if (!element) {
            Fail(FormulaErrorKind::kUnknownElement, Message{kNotElementText, {Shown(at, end)}}, at);
        }
        auto& seen = first_seen_[static_cast<std::size_t>(*element)];
        if (seen < 0) {
            seen = next_seen_++;
            symbols_[static_cast<std::size_t>(*element)] = std::string(symbol);
        }
        pending_ = Pending::kElement;
        pending_element_ = *element;
    }

    void CloseBracket(Char c, std::size_t at) {
        if (depth_ == 0) {
            Fail(FormulaErrorKind::kUnopenedBracket, Message{kNotOpenedText, {ShownChar(at)}}, at);
        }
        Frame& frame = Top();
        if (ClosingOf(frame.open) != c.code) {
            Fail(FormulaErrorKind::kMismatchedBracket,
                 Message{kDoesNotCloseText, {ShownChar(at), ShownChar(frame.open_at)}}, at);
        }
        if (expect_ == Expect::kItem && frame.part_at == frame.open_at &&
            frame.group_start == amounts_.size()) {
            Fail(FormulaErrorKind::kEmptyBrackets,
                 Message{kEmptyBracketsText, {ShownChar(frame.open_at) + ShownChar(at)}},
                 frame.open_at);
        }
        RefuseEmptyPart(frame, at);
        FinishPart(frame);
        closed_start_ = frame.group_start;
        --depth_;
        pending_ = Pending::kGroup;
    }

    // A part with no element or bracket: "2", "CuSO4·", "·H2O", "H··O", "(·H)". The message
    // names the token that stands alone, at the part's start or at `at`.
    void RefuseEmptyPart(const Frame& frame, std::size_t at) const {
        if (expect_ != Expect::kPartStart && expect_ != Expect::kItem) return;
        if (frame.part_at == at) {
            Fail(FormulaErrorKind::kMissingPart, Message{kMustFollowText, {ShownChar(at)}}, at);
        }
        const std::size_t from = frame.part_at;
        const std::size_t end = IsAsciiDigit(Decode(text_, from).code)
                                    ? ReadDigits(from, false).first
                                    : from + Decode(text_, from).size;
        Fail(FormulaErrorKind::kMissingPart, Message{kMustBeFollowedText, {Shown(from, end)}},
             from);
    }

    void ReadAll() {
        frames_.resize(1);
        depth_ = 0;
        expect_ = Expect::kPartStart;
        std::size_t at = SkipBlanks(0);
        if (at == text_.size()) {
            throw FormulaError(FormulaErrorKind::kEmpty, Message{kEmptyText}, 0);
        }
        frames_[0].part_at = at;
        while ((at = SkipBlanks(at)) < text_.size()) {
            const Char c = Decode(text_, at);
            if (IsCountDigit(c.code)) {
                if (expect_ == Expect::kPartStart && IsAsciiDigit(c.code)) {
                    const auto [end, value] = ReadCount(at, true);
                    Top().coefficient = static_cast<std::int32_t>(value);
                    Top().part_at = at;
                    expect_ = Expect::kItem;
                    at = end;
                } else if (expect_ == Expect::kAfterItem) {
                    const auto [end, value] = ReadCount(at, false);
                    FlushPending(value);
                    expect_ = Expect::kAfterCount;
                    at = end;
                } else {
                    Fail(FormulaErrorKind::kMisplacedCount,
                         Message{kMisplacedText, {Shown(at, ReadDigits(at, true).first)}}, at);
                }
                continue;
            }
            FlushPending(1);
            if (IsUpper(c.code)) {
                std::size_t end = at;
                ReadElement(at, end);
                expect_ = Expect::kAfterItem;
                at = end;
            } else if (IsLower(c.code)) {
                std::size_t end = at;
                while (end < text_.size() && IsLower(static_cast<unsigned char>(text_[end]))) ++end;
                Fail(FormulaErrorKind::kLowerCaseStart, Message{kLowerCaseText, {Shown(at, end)}},
                     at);
            } else if (IsOpening(c.code)) {
                PushFrame(c.code, at);
                expect_ = Expect::kItem;
                at += c.size;
            } else if (IsClosing(c.code)) {
                CloseBracket(c, at);
                expect_ = Expect::kAfterItem;
                at += c.size;
            } else if (IsSeparator(c.code)) {
                Frame& frame = Top();
                RefuseEmptyPart(frame, at);
                FinishPart(frame);
                frame.part_at = at;
                expect_ = Expect::kPartStart;
                at += c.size;
            } else {
                Fail(FormulaErrorKind::kUnexpectedCharacter,
                     Message{kUnexpectedText, {ShownChar(at)}}, at);
            }
        }
        FlushPending(1);
        if (depth_ > 0) {
            const Frame& frame = Top();
            Fail(FormulaErrorKind::kUnclosedBracket,
                 Message{kNotClosedText, {ShownChar(frame.open_at)}}, frame.open_at);
        }
        RefuseEmptyPart(Top(), text_.size());
        FinishPart(Top());
    }

    std::vector<ElementCount> Result() {
        std::vector<ElementCount> counts;
        counts.reserve(amounts_.size());
        for (const Amount& amount : amounts_) {
            counts.push_back(
                {amount.element, symbols_[static_cast<std::size_t>(amount.element)], amount.count});
        }
        std::sort(counts.begin(), counts.end(),
                  [this](const ElementCount& a, const ElementCount& b) {
                      return first_seen_[static_cast<std::size_t>(a.element)] <
                             first_seen_[static_cast<std::size_t>(b.element)];
                  });
        return counts;
    }

    std::string_view text_;
    std::vector<Frame> frames_;
    std::size_t depth_ = 0;
    Expect expect_ = Expect::kPartStart;
    Pending pending_ = Pending::kNone;
    int pending_element_ = 0;
    std::vector<Amount> amounts_;
    std::size_t closed_start_ = 0;
    std::array<int, kElementCount> first_seen_;
    std::array<std::string, kElementCount> symbols_;
    int next_seen_ = 0;
};

}  // namespace

std::vector<ElementCount> ParseFormula(std::string_view formula) { return Parser(formula).Run(); }

}  // namespace brisalto
