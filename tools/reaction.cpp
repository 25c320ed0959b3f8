// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/reaction.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <utility>

#include "tools/element_table.h"
#include "tools/whole_number.h"

namespace brisalto {
namespace {

__extension__ typedef __int128 Int;

constexpr const char* kNoArrowText =
    QT_TRANSLATE_NOOP("Chemistry", "a reaction needs = or -> between its two sides");
constexpr const char* kEmptyReactionText = QT_TRANSLATE_NOOP("Chemistry", "the reaction is empty");
constexpr const char* kTwoArrowsText = QT_TRANSLATE_NOOP("Chemistry", "a reaction has one arrow");
constexpr const char* kEmptyLeftText = QT_TRANSLATE_NOOP("Chemistry", "the left side is empty");
constexpr const char* kEmptyRightText = QT_TRANSLATE_NOOP("Chemistry", "the right side is empty");
constexpr const char* kMissingSpeciesText =
    QT_TRANSLATE_NOOP("Chemistry", "a species is missing around +");
constexpr const char* kFractionText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 is not a whole number: coefficients are whole numbers");
constexpr const char* kCoefficientLimitText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 is too large: coefficients go up to 1000000");
constexpr const char* kZeroCoefficientText =
    QT_TRANSLATE_NOOP("Chemistry", "a coefficient must be at least 1");
constexpr const char* kBadChargeText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 is not a charge: write it as ^2+, ^- or ³⁺");
constexpr const char* kElectronChargeText =
    QT_TRANSLATE_NOOP("Chemistry", "the electron is written e^-");
constexpr const char* kOnlyLeftText = QT_TRANSLATE_NOOP("Chemistry", "%1 appears only on the left");
constexpr const char* kOnlyRightText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 appears only on the right");
constexpr const char* kNoBalanceText = QT_TRANSLATE_NOOP(
    "Chemistry",
    "the reaction cannot be balanced: no whole coefficients conserve every element and the charge");
constexpr const char* kAmbiguousText = QT_TRANSLATE_NOOP(
    "Chemistry", "the reaction has more than one independent balance; it is made of: %1");
constexpr const char* kAmbiguousMoreText = QT_TRANSLATE_NOOP(
    "Chemistry",
    "the reaction has more than one independent balance; it is made of: %1; and %2 more");
constexpr const char* kZeroText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 takes no part: its coefficient would be 0");
constexpr const char* kNegativeText = QT_TRANSLATE_NOOP(
    "Chemistry", "%1 would need a negative coefficient: it belongs on the other side");
constexpr const char* kUnbalancedText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 does not balance: %2 on the left, %3 on the right");
constexpr const char* kChargeUnbalancedText =
    QT_TRANSLATE_NOOP("Chemistry", "the charge does not balance: %1 on the left, %2 on the right");
constexpr const char* kOverflowText =
    QT_TRANSLATE_NOOP("Chemistry", "the coefficients are too large to compute exactly");
constexpr const char* kTooManyText =
    QT_TRANSLATE_NOOP("Chemistry", "a reaction has at most 500 species");
// The name of the charge's row among the elements' symbols.
constexpr std::string_view kChargeName = "the charge";
constexpr std::size_t kMaxSpecies = 500;
// An ambiguous reaction of many species is made of many parts; a few say enough.
constexpr std::size_t kShownParts = 5;
constexpr std::int64_t kMaxCount = std::int64_t{1} << 53;

// The states a species may carry in brackets after it; they are read and kept, never counted.
constexpr std::string_view kStates[] = {"s", "l", "g", "aq"};

[[noreturn]] void Overflow() {
    throw ReactionError(ReactionErrorKind::kOverflow, Message{kOverflowText});
}

Int Mul(Int a, Int b) {
    Int r;
    if (__builtin_mul_overflow(a, b, &r)) Overflow();
    return r;
}
Int Sub(Int a, Int b) {
    Int r;
    if (__builtin_sub_overflow(a, b, &r)) Overflow();
    return r;
}
Int Add(Int a, Int b) {
    Int r;
    if (__builtin_add_overflow(a, b, &r)) Overflow();
    return r;
}
std::string IntText(Int value) {
    if (value == 0) return "0";
    const bool negative = value < 0;
    std::string text;
    for (; value != 0; value /= 10) {
        const int digit = static_cast<int>(value % 10);
        text.insert(text.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
    }
    return negative ? "-" + text : text;
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.substr(at, prefix.size()) == prefix;
}

bool IsBlankAt(std::string_view text, std::size_t at, std::size_t& size) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c == ' ' || c == '\t') {
        size = 1;
        return true;
    }
    for (std::string_view blank : {"\u00A0", "\u2009", "\u202F"}) {
        if (StartsWith(text, at, blank)) {
            size = blank.size();
            return true;
        }
    }
    return false;
}

// Superscript digits ⁰¹²³⁴⁵⁶⁷⁸⁹ and signs ⁺⁻: the digit or sign, or 0 for none.
char SuperscriptAt(std::string_view text, std::size_t at, std::size_t& size) {
    static constexpr std::pair<std::string_view, char> kSuperscripts[] = {
        {"\u2070", '0'}, {"\u00B9", '1'}, {"\u00B2", '2'}, {"\u00B3", '3'},
        {"\u2074", '4'}, {"\u2075", '5'}, {"\u2076", '6'}, {"\u2077", '7'},
        {"\u2078", '8'}, {"\u2079", '9'}, {"\u207A", '+'}, {"\u207B", '-'}};
    for (const auto& [code, plain] : kSuperscripts) {
        if (StartsWith(text, at, code)) {
            size = code.size();
            return plain;
        }
    }
    return 0;
}

constexpr std::string_view kArrows[] = {"<=>", "\u21CC", "->", "\u2192", "="};

std::size_t ArrowAt(std::string_view text, std::size_t at) {
    for (std::string_view arrow : kArrows) {
        if (StartsWith(text, at, arrow)) return arrow.size();
    }
    return 0;
}

struct Piece {
    std::size_t begin;
    std::size_t end;
};

class ReactionReader {
  public:
    explicit ReactionReader(std::string_view text) : text_(text) {}

    Reaction Run() {
        Split();
        Reaction reaction;
        reaction.arrow = arrow_;
        if (sides_[0].size() + sides_[1].size() > kMaxSpecies) {
            throw ReactionError(ReactionErrorKind::kSyntax, Message{kTooManyText});
        }
        for (std::size_t side = 0; side < 2; ++side) {
            for (const Piece& piece : sides_[side]) {
                reaction.species.push_back(ReadSpecies(piece, side == 1));
            }
        }
        return reaction;
    }

  private:
    [[noreturn]] void Fail(Message message, std::size_t at) const {
        throw ReactionError(ReactionErrorKind::kSyntax, std::move(message),
                            CharacterPosition(text_, at));
    }

    // Cuts the text at the arrow and at each + that separates species. A + inside a charge
    // (after ^, or a superscript ⁺) belongs to its species.
    void Split() {
        std::size_t side = 0;
        std::size_t start = 0;
        std::optional<std::size_t> arrow_at;
        const auto close = [&](std::size_t end, std::size_t separator_at) {
            std::size_t b = start;
            std::size_t e = end;
            std::size_t size = 0;
            while (b < e && IsBlankAt(text_, b, size)) b += size;
            while (e > b && (text_[e - 1] == ' ' || text_[e - 1] == '\t')) --e;
            if (b < e) {
                sides_[side].push_back({b, e});
                return;
            }
            if (side == 0 && sides_[0].empty() && arrow_at == separator_at) {
                Fail(Message{kEmptyLeftText}, separator_at);
            }
            if (side == 1 && sides_[1].empty() && separator_at == text_.size()) {
                Fail(Message{kEmptyRightText}, separator_at);
            }
            Fail(Message{kMissingSpeciesText}, separator_at == text_.size() ? start : separator_at);
        };
        std::size_t at = 0;
        while (at < text_.size()) {
            std::size_t size = 0;
            if (text_[at] == '^') {
                ++at;
                bool digits = false;
                while (at < text_.size() && text_[at] >= '0' && text_[at] <= '9') {
                    ++at;
                    digits = true;
                }
                if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) {
                    ++at;
                } else if (StartsWith(text_, at, "\u2212")) {
                    at += 3;
                }
                while (!digits && at < text_.size() && text_[at] >= '0' && text_[at] <= '9') ++at;
            } else if (SuperscriptAt(text_, at, size) != 0) {
                at += size;
            } else if (text_[at] == '+') {
                close(at, at);
                start = ++at;
            } else if ((size = ArrowAt(text_, at)) != 0) {
                if (arrow_at) Fail(Message{kTwoArrowsText}, at);
                arrow_at = at;
                arrow_ = std::string(text_.substr(at, size));
                close(at, at);
                start = at += size;
                side = 1;
            } else {
                ++at;
            }
        }
        if (!arrow_at) {
            std::size_t b = 0;
            std::size_t blank = 0;
            while (b < text_.size() && IsBlankAt(text_, b, blank)) b += blank;
            throw ReactionError(ReactionErrorKind::kSyntax,
                                Message{b == text_.size() ? kEmptyReactionText : kNoArrowText});
        }
        close(text_.size(), text_.size());
    }

    // Reads a charge's text ("2+", "-", "+3", "³⁺"); nullopt when it is none.
    static std::optional<int> ChargeValue(const std::string& plain) {
        int digits = 0;
        int magnitude = 0;
        int sign = 0;
        for (char c : plain) {
            if (c >= '0' && c <= '9') {
                magnitude = std::min(magnitude * 10 + (c - '0'), 1000);
                ++digits;
            } else if ((c == '+' || c == '-') && sign == 0) {
                sign = c == '+' ? 1 : -1;
            } else {
                return std::nullopt;
            }
        }
        if (sign == 0 || (magnitude == 0 && digits > 0) || magnitude >= 1000) return std::nullopt;
        return sign * (digits == 0 ? 1 : magnitude);
    }

    Species ReadSpecies(Piece piece, bool product) {
        Species species;
        species.product = product;
        std::size_t b = piece.begin;
        std::size_t e = piece.end;
        // A leading coefficient: "2 H2O", "2H2O".
        if (text_[b] >= '0' && text_[b] <= '9') {
            std::size_t d = b;
            std::int64_t value = 0;
            while (d < e && text_[d] >= '0' && text_[d] <= '9') {
                value = std::min<std::int64_t>(value * 10 + (text_[d] - '0'), kMaxFormulaCount + 1);
                ++d;
            }
            if (d + 1 < e && (text_[d] == '.' || text_[d] == ',' || text_[d] == '/') &&
                text_[d + 1] >= '0' && text_[d + 1] <= '9') {
                std::size_t f = d + 1;
                while (f < e && text_[f] >= '0' && text_[f] <= '9') ++f;
                Fail(Message{kFractionText, {std::string(text_.substr(b, f - b))}}, b);
            }
            if (value == 0) Fail(Message{kZeroCoefficientText}, b);
            if (value > kMaxFormulaCount) {
                Fail(Message{kCoefficientLimitText, {std::string(text_.substr(b, d - b))}}, b);
            }
            species.written = value;
            std::size_t size = 0;
            while (d < e && IsBlankAt(text_, d, size)) d += size;
            if (d == e) Fail(Message{kMissingSpeciesText}, b);
            b = d;
        }
        species.position = CharacterPosition(text_, b);
        species.text = std::string(text_.substr(b, e - b));
        const bool state_first = TakeState(b, e, species);
        TakeCharge(b, e, species);
        if (!state_first) TakeState(b, e, species);
        species.formula = std::string(text_.substr(b, e - b));
        if (species.formula == "e") {
            if (species.charge == 0) species.charge = -1;
            if (species.charge != -1) Fail(Message{kElectronChargeText}, b);
            return species;
        }
        try {
            species.elements = ParseFormula(species.formula);
        } catch (const FormulaError& error) {
            const std::size_t position =
                error.position() == 0 ? 0 : error.position() + CharacterPosition(text_, b) - 1;
            throw ReactionError(ReactionErrorKind::kFormula, error.message(), position);
        }
        return species;
    }

    // A state in brackets at the end: "(aq)". Takes it off [b, e).
    bool TakeState(std::size_t b, std::size_t& e, Species& species) const {
        if (e - b < 3 || text_[e - 1] != ')') return false;
        const std::size_t open = text_.rfind('(', e - 1);
        if (open == std::string_view::npos || open <= b) return false;
        const std::string_view inside = text_.substr(open + 1, e - 1 - open - 1);
        for (std::string_view state : kStates) {
            if (inside == state) {
                species.state = std::string(state);
                e = open;
                while (e > b && (text_[e - 1] == ' ' || text_[e - 1] == '\t')) --e;
                return true;
            }
        }
        return false;
    }

    // A charge at the end: "^2+", "^-", "²⁺". Takes it off [b, e).
    void TakeCharge(std::size_t b, std::size_t& e, Species& species) const {
        const std::size_t caret = text_.substr(b, e - b).rfind('^');
        std::string plain;
        std::size_t start = e;
        if (caret != std::string_view::npos) {
            start = b + caret;
            for (std::size_t at = start + 1; at < e;) {
                if (StartsWith(text_, at, "\u2212")) {
                    plain += '-';
                    at += 3;
                } else {
                    plain += text_[at++];
                }
            }
        } else {
            // Superscripts at the end, read backwards.
            std::size_t at = b;
            std::optional<std::size_t> first;
            while (at < e) {
                std::size_t size = 1;
                const char c = SuperscriptAt(text_, at, size);
                if (c != 0) {
                    if (!first) first = at;
                    plain += c;
                } else {
                    first.reset();
                    plain.clear();
                }
                at += size;
            }
            if (!first) return;
            start = *first;
        }
        const std::optional<int> charge = ChargeValue(plain);
        if (!charge) {
            Fail(Message{kBadChargeText, {std::string(text_.substr(start, e - start))}}, start);
        }
        species.charge = *charge;
        e = start;
        while (e > b && (text_[e - 1] == ' ' || text_[e - 1] == '\t')) --e;
    }

    std::string_view text_;
    std::string arrow_;
    std::vector<Piece> sides_[2];
};

// The conservation matrix: a row per element (and one for the charge when any species is
// charged), a column per species, reactants counted positive and products negative.
struct Matrix {
    std::vector<std::string> row_names;
    std::vector<std::vector<Int>> rows;
};

Matrix BuildMatrix(const Reaction& reaction) {
    Matrix matrix;
    std::vector<int> elements;
    const std::size_t n = reaction.species.size();
    for (std::size_t s = 0; s < n; ++s) {
        const Species& species = reaction.species[s];
        for (const ElementCount& count : species.elements) {
            auto found = std::find(elements.begin(), elements.end(), count.element);
            std::size_t row = static_cast<std::size_t>(found - elements.begin());
            if (found == elements.end()) {
                elements.push_back(count.element);
                matrix.row_names.push_back(count.symbol);
                matrix.rows.emplace_back(n, 0);
            }
            if (!(count.count < static_cast<CalcValue>(kMaxCount))) Overflow();
            const Int value = static_cast<Int>(static_cast<std::int64_t>(count.count));
            Int& cell = matrix.rows[row][s];
            cell = Add(cell, species.product ? -value : value);
        }
    }
    const bool charged = std::any_of(reaction.species.begin(), reaction.species.end(),
                                     [](const Species& s) { return s.charge != 0; });
    if (charged) {
        matrix.row_names.emplace_back(kChargeName);
        matrix.rows.emplace_back(n, 0);
        for (std::size_t s = 0; s < n; ++s) {
            const Species& species = reaction.species[s];
            matrix.rows.back()[s] = species.product ? -species.charge : species.charge;
        }
    }
    return matrix;
}

void RefuseOneSided(const Reaction& reaction, const Matrix& matrix) {
    for (std::size_t r = 0; r < matrix.rows.size(); ++r) {
        if (matrix.row_names[r] == kChargeName) continue;
        bool left = false;
        bool right = false;
        for (std::size_t s = 0; s < reaction.species.size(); ++s) {
            if (matrix.rows[r][s] == 0) continue;
            (reaction.species[s].product ? right : left) = true;
        }
        if (left != right) {
            throw ReactionError(
                ReactionErrorKind::kOneSide,
                Message{left ? kOnlyLeftText : kOnlyRightText, {matrix.row_names[r]}});
        }
    }
}

std::string SignedText(Int value) { return value > 0 ? "+" + IntText(value) : IntText(value); }

void CheckWritten(const Reaction& reaction, const Matrix& matrix,
                  std::vector<std::int64_t>& coefficients) {
    for (const Species& species : reaction.species) {
        coefficients.push_back(species.written == 0 ? 1 : species.written);
    }
    for (std::size_t r = 0; r < matrix.rows.size(); ++r) {
        Int left = 0;
        Int right = 0;
        for (std::size_t s = 0; s < coefficients.size(); ++s) {
            const Int term = Mul(matrix.rows[r][s], coefficients[s]);
            if (reaction.species[s].product) {
                right = Sub(right, term);
            } else {
                left = Add(left, term);
            }
        }
        if (left != right) {
            const bool charge = matrix.row_names[r] == kChargeName;
            const auto shown = [charge](Int v) { return charge ? SignedText(v) : IntText(v); };
            throw ReactionError(ReactionErrorKind::kWrongCoefficient,
                                charge ? Message{kChargeUnbalancedText, {shown(left), shown(right)}}
                                       : Message{kUnbalancedText,
                                                 {matrix.row_names[r], shown(left), shown(right)}});
        }
    }
}

// Integer Gauss-Jordan on GMP's whole numbers: the intermediate values of a large reaction are
// minors of its matrix, far beyond 128 bits; each row is kept divided by its gcd.
using Big = WholeNumber;

struct Echelon {
    std::vector<std::vector<Big>> rows;
    std::vector<std::size_t> pivots;  // pivot column of each row
};

Echelon Reduce(const std::vector<std::vector<Int>>& matrix, std::size_t n) {
    Echelon echelon;
    std::vector<std::vector<Big>> rows;
    for (const auto& source : matrix) {
        auto& row = rows.emplace_back();
        for (Int v : source) row.emplace_back(static_cast<long>(v));
    }
    std::size_t rank = 0;
    const auto normalize = [](std::vector<Big>& row) {
        Big g = 0;
        for (const Big& v : row) g = gcd(g, v);
        if (g > 1) {
            for (Big& v : row) v.DivideExactly(g);
        }
    };
    for (std::size_t col = 0; col < n && rank < rows.size(); ++col) {
        std::size_t pivot = rank;
        while (pivot < rows.size() && rows[pivot][col] == 0) ++pivot;
        if (pivot == rows.size()) continue;
        std::swap(rows[rank], rows[pivot]);
        if (rows[rank][col] < 0) {
            for (Big& v : rows[rank]) v = -v;
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i == rank || rows[i][col] == 0) continue;
            const Big g = gcd(rows[rank][col], rows[i][col]);
            const Big a = rows[rank][col] / g;
            const Big b = rows[i][col] / g;
            for (std::size_t k = 0; k < n; ++k) rows[i][k] = rows[i][k] * a - rows[rank][k] * b;
            normalize(rows[i]);
        }
        echelon.pivots.push_back(col);
        ++rank;
    }
    rows.resize(rank);
    echelon.rows = std::move(rows);
    return echelon;
}

// The nullspace vector with `free_column` set and the other free columns 0, smallest whole.
std::vector<Big> NullVector(const Echelon& echelon, std::size_t free_column, std::size_t n) {
    Big lcm_value = 1;
    for (std::size_t i = 0; i < echelon.rows.size(); ++i) {
        if (echelon.rows[i][free_column] == 0) continue;
        lcm_value = lcm(lcm_value, echelon.rows[i][echelon.pivots[i]]);
    }
    std::vector<Big> vector(n, 0);
    vector[free_column] = lcm_value;
    for (std::size_t i = 0; i < echelon.rows.size(); ++i) {
        const Big& d = echelon.rows[i][echelon.pivots[i]];
        vector[echelon.pivots[i]] = -(echelon.rows[i][free_column] * (lcm_value / d));
    }
    Big g = 0;
    for (const Big& v : vector) g = gcd(g, v);
    for (Big& v : vector) v /= g;
    return vector;
}

// A reaction with signed coefficients written with each species on the side its sign gives.
std::string SubReactionText(const Reaction& reaction, const std::vector<Big>& vector) {
    std::string sides[2];
    for (std::size_t s = 0; s < vector.size(); ++s) {
        if (vector[s] == 0) continue;
        const bool product = reaction.species[s].product != (vector[s] < 0);
        std::string& side = sides[product ? 1 : 0];
        if (!side.empty()) side += " + ";
        const Big magnitude = abs(vector[s]);
        if (magnitude != 1) side += magnitude.Text() + " ";
        side += reaction.species[s].text;
    }
    return sides[0] + " " + reaction.arrow + " " + sides[1];
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            default:
                out += c;
        }
    }
}

bool IsFormulaDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool Reaction::HasWrittenCoefficients() const {
    return std::any_of(species.begin(), species.end(),
                       [](const Species& s) { return s.written != 0; });
}

Reaction ParseReaction(std::string_view text) { return ReactionReader(text).Run(); }

BalancedReaction BalanceReaction(std::string_view text) {
    return BalanceReaction(ParseReaction(text));
}

BalancedReaction BalanceReaction(const Reaction& reaction) {
    const Matrix matrix = BuildMatrix(reaction);
    RefuseOneSided(reaction, matrix);
    BalancedReaction result{reaction, {}};
    if (reaction.HasWrittenCoefficients()) {
        CheckWritten(reaction, matrix, result.coefficients);
        return result;
    }
    if (WholeNumberLoadError()) {
        throw ReactionError(ReactionErrorKind::kLibraryMissing, *WholeNumberLoadError());
    }
    const std::size_t n = reaction.species.size();
    const Echelon echelon = Reduce(matrix.rows, n);
    std::vector<std::size_t> free_columns;
    for (std::size_t col = 0; col < n; ++col) {
        if (std::find(echelon.pivots.begin(), echelon.pivots.end(), col) == echelon.pivots.end()) {
            free_columns.push_back(col);
        }
    }
    if (free_columns.empty()) {
        throw ReactionError(ReactionErrorKind::kUnbalanceable, Message{kNoBalanceText});
    }
    if (free_columns.size() > 1) {
        std::vector<std::string> independent;
        std::string parts;
        for (std::size_t f : free_columns) {
            if (independent.size() == kShownParts) break;
            independent.push_back(SubReactionText(reaction, NullVector(echelon, f, n)));
            if (independent.size() > 1) parts += "; ";
            parts += independent.back();
        }
        Message message{kAmbiguousText, {parts}};
        if (free_columns.size() > kShownParts) {
            message = {kAmbiguousMoreText,
                       {parts, std::to_string(free_columns.size() - kShownParts)}};
        }
        throw ReactionError(ReactionErrorKind::kAmbiguous, std::move(message), 0,
                            std::move(independent));
    }
    std::vector<Big> vector = NullVector(echelon, free_columns[0], n);
    // The orientation with more positive coefficients names the species that is wrong.
    const auto positives =
        std::count_if(vector.begin(), vector.end(), [](const Big& v) { return v > 0; });
    const auto negatives =
        std::count_if(vector.begin(), vector.end(), [](const Big& v) { return v < 0; });
    if (negatives > positives) {
        for (Big& v : vector) v = -v;
    }
    for (std::size_t s = 0; s < n; ++s) {
        if (vector[s] == 0) {
            throw ReactionError(ReactionErrorKind::kNotPositive,
                                Message{kZeroText, {reaction.species[s].text}},
                                reaction.species[s].position);
        }
    }
    for (std::size_t s = 0; s < n; ++s) {
        if (vector[s] < 0) {
            throw ReactionError(ReactionErrorKind::kNotPositive,
                                Message{kNegativeText, {reaction.species[s].text}},
                                reaction.species[s].position);
        }
    }
    for (const Big& v : vector) {
        if (!v.FitsInt64()) Overflow();
        result.coefficients.push_back(v.ToInt64());
    }
    return result;
}

std::string EquationText(const Reaction& reaction, const std::vector<std::int64_t>& coefficients) {
    std::string text;
    for (std::size_t s = 0; s < reaction.species.size(); ++s) {
        const Species& species = reaction.species[s];
        if (s > 0) {
            text += species.product && !reaction.species[s - 1].product ? " " + reaction.arrow + " "
                                                                        : std::string(" + ");
        }
        if (coefficients[s] != 1) text += std::to_string(coefficients[s]) + " ";
        text += species.text;
    }
    return text;
}

std::string SpeciesRichText(const Species& species) {
    std::string out;
    // Digits after an element or a closing bracket are counts; after a dot or at the start of
    // a part they are a hydrate's coefficient and stay on the line.
    const std::string& f = species.formula;
    for (std::size_t k = 0; k < f.size();) {
        const auto c = static_cast<unsigned char>(f[k]);
        if (IsFormulaDigit(c)) {
            std::size_t end = k;
            while (end < f.size() && IsFormulaDigit(static_cast<unsigned char>(f[end]))) ++end;
            std::size_t before = k;
            while (before > 0 && (f[before - 1] == ' ')) --before;
            const bool count =
                before > 0 &&
                (std::isalpha(static_cast<unsigned char>(f[before - 1])) || f[before - 1] == ')' ||
                 f[before - 1] == ']' || f[before - 1] == '}');
            if (count) out += "<sub>";
            out += f.substr(k, end - k);
            if (count) out += "</sub>";
            k = end;
        } else {
            AppendEscaped(out, std::string_view(&f[k], 1));
            ++k;
        }
    }
    if (species.charge != 0) {
        out += "<sup>";
        const int magnitude = species.charge < 0 ? -species.charge : species.charge;
        if (magnitude != 1) out += std::to_string(magnitude);
        out += species.charge > 0 ? "+" : "\u2212";
        out += "</sup>";
    }
    if (!species.state.empty()) out += "(" + species.state + ")";
    return out;
}

std::string EquationRichText(const Reaction& reaction,
                             const std::vector<std::int64_t>& coefficients) {
    std::string text;
    for (std::size_t s = 0; s < reaction.species.size(); ++s) {
        const Species& species = reaction.species[s];
        if (s > 0) {
            text += species.product && !reaction.species[s - 1].product ? " \u2192 " : " + ";
        }
        if (coefficients[s] != 1) text += std::to_string(coefficients[s]) + " ";
        text += SpeciesRichText(species);
    }
    return text;
}

int FindSpecies(const Reaction& reaction, std::string_view name) {
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    for (std::size_t s = 0; s < reaction.species.size(); ++s) {
        if (reaction.species[s].text == name) return static_cast<int>(s);
    }
    for (std::size_t s = 0; s < reaction.species.size(); ++s) {
        if (reaction.species[s].formula == name && reaction.species[s].charge == 0) {
            return static_cast<int>(s);
        }
    }
    return -1;
}

}  // namespace brisalto
