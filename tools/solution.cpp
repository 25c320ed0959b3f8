// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/solution.h"

#include <array>
#include <charconv>
#include <exception>

#include "engine/calc_arith.h"
#include "engine/errors.h"
#include "engine/number_text.h"
#include "tools/conversion_registry.h"
#include "tools/unit_symbols.h"

namespace brisalto {
namespace {

constexpr const char* kNoNumberText = QT_TRANSLATE_NOOP("Chemistry", "a number is missing");
constexpr const char* kNotNumberText = QT_TRANSLATE_NOOP("Chemistry", "'%1' is not a number");
constexpr const char* kNoUnitText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 needs a unit: 10 g, 25 mL, 0.1 M");
constexpr const char* kUnknownUnitText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 is not a unit of mass, amount, volume or concentration");
constexpr const char* kNotPositiveText =
    QT_TRANSLATE_NOOP("Chemistry", "%1 must be greater than 0");
constexpr const char* kAmountShapeText = QT_TRANSLATE_NOOP(
    "Chemistry",
    "an amount is a mass (10 g), moles (0.5 mol) or a volume with a concentration (25 mL 0.1 M)");
constexpr const char* kDilutionMissingText =
    QT_TRANSLATE_NOOP("Chemistry", "a dilution needs three of C1, V1, C2, V2");
constexpr const char* kDilutionKindsText =
    QT_TRANSLATE_NOOP("Chemistry", "C1 and C2 must both be molar (M) or both by mass (g/L, % w/v)");
constexpr const char* kDilutionUpText =
    QT_TRANSLATE_NOOP("Chemistry", "C2 is above C1: a dilution only lowers the concentration");

// Units with exact factors: the base unit times ten to `exponent`, times `times`.
struct UnitRow {
    std::string_view symbol;  // µ written as u
    QuantityKind kind;
    int exponent;
};

constexpr UnitRow kUnits[] = {
    {"g", QuantityKind::kMass, 0},
    {"mg", QuantityKind::kMass, -3},
    {"ug", QuantityKind::kMass, -6},
    {"ng", QuantityKind::kMass, -9},
    {"kg", QuantityKind::kMass, 3},
    {"mol", QuantityKind::kAmount, 0},
    {"mmol", QuantityKind::kAmount, -3},
    {"umol", QuantityKind::kAmount, -6},
    {"nmol", QuantityKind::kAmount, -9},
    {"kmol", QuantityKind::kAmount, 3},
    {"L", QuantityKind::kVolume, 0},
    {"l", QuantityKind::kVolume, 0},
    {"dL", QuantityKind::kVolume, -1},
    {"cL", QuantityKind::kVolume, -2},
    {"mL", QuantityKind::kVolume, -3},
    {"ml", QuantityKind::kVolume, -3},
    {"uL", QuantityKind::kVolume, -6},
    {"ul", QuantityKind::kVolume, -6},
    {"nL", QuantityKind::kVolume, -9},
    {"M", QuantityKind::kMolarity, 0},
    {"mM", QuantityKind::kMolarity, -3},
    {"uM", QuantityKind::kMolarity, -6},
    {"nM", QuantityKind::kMolarity, -9},
    {"mol/L", QuantityKind::kMolarity, 0},
    {"mol/l", QuantityKind::kMolarity, 0},
    {"mmol/L", QuantityKind::kMolarity, -3},
    {"mmol/l", QuantityKind::kMolarity, -3},
    {"mmol/mL", QuantityKind::kMolarity, 0},
    {"umol/L", QuantityKind::kMolarity, -6},
    {"g/L", QuantityKind::kMassConcentration, 0},
    {"g/l", QuantityKind::kMassConcentration, 0},
    {"mg/mL", QuantityKind::kMassConcentration, 0},
    {"mg/ml", QuantityKind::kMassConcentration, 0},
    {"mg/L", QuantityKind::kMassConcentration, -3},
    {"mg/l", QuantityKind::kMassConcentration, -3},
    {"ug/mL", QuantityKind::kMassConcentration, -3},
    {"ug/L", QuantityKind::kMassConcentration, -6},
    {"g/mL", QuantityKind::kMassConcentration, 3},
    {"%w/v", QuantityKind::kMassConcentration, 1},  // grams per 100 mL
    {"%", QuantityKind::kMassConcentration, 1},
};

// Ten to the n, n at least 0: exact for the exponents of the units.
CalcValue TenTo(int n) {
    CalcValue power = 1;
    for (int k = 0; k < n; ++k) power *= 10;
    return power;
}

CalcValue PowerOfTen(int exponent) { return exponent < 0 ? 1 / TenTo(-exponent) : TenTo(exponent); }

CalcValue Scale(CalcValue value, int exponent) {
    // Dividing by an exact power of ten keeps 250 mL exactly 0.25 L.
    return exponent < 0 ? Divide(value, TenTo(-exponent)) : Multiply(value, TenTo(exponent));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The unit with µ (micro sign or Greek mu) as u and blanks dropped: "% w/v" is "%w/v".
std::string PlainUnit(std::string_view unit) {
    std::string plain;
    for (std::size_t k = 0; k < unit.size();) {
        if (unit.substr(k, 2) == "\u00B5" || unit.substr(k, 2) == "\u03BC") {
            plain += 'u';
            k += 2;
        } else {
            if (!IsBlank(unit[k])) plain += unit[k];
            ++k;
        }
    }
    return plain;
}

// A unit of mass or volume the conversion registry knows by name or symbol: grams, lb, gal ...
std::optional<Quantity> FromRegistry(std::string_view unit, CalcValue value) {
    const std::optional<TConvType> found = FindUnitByNameOrSymbol(unit);
    if (!found) return std::nullopt;
    const std::pair<std::string_view, QuantityKind> bases[] = {{"Grams", QuantityKind::kMass},
                                                               {"Liters", QuantityKind::kVolume}};
    for (const auto& [base_name, kind] : bases) {
        const std::optional<TConvType> base = FindUnitByNameOrSymbol(base_name);
        if (!base) continue;
        try {
            const double factor = ConversionRegistry::Instance().ConvertValue(1.0, *found, *base);
            return Quantity{kind, Multiply(value, factor), std::string(unit), factor};
        } catch (const std::exception&) {
            // Another family: not this base.
        }
    }
    return std::nullopt;
}

Quantity MakeQuantity(std::string_view text, std::size_t unit_at, CalcValue value,
                      std::string_view unit) {
    const std::string plain = PlainUnit(unit);
    for (const UnitRow& row : kUnits) {
        if (row.symbol == plain) {
            return Quantity{row.kind, Scale(value, row.exponent), std::string(unit),
                            PowerOfTen(row.exponent)};
        }
    }
    if (std::optional<Quantity> quantity = FromRegistry(unit, value)) return *quantity;
    throw QuantityError(Message{kUnknownUnitText, {std::string(unit)}},
                        CharacterPosition(text, unit_at));
}

std::string ShortNumber(CalcValue value, int digits) {
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                      std::chars_format::general, digits);
    if (error != std::errc()) return ValueToText(value);
    return std::string(buffer.data(), end);
}

}  // namespace

std::vector<Quantity> ParseQuantities(std::string_view text) {
    std::vector<Quantity> quantities;
    std::size_t at = 0;
    try {
        while (true) {
            while (at < text.size() && IsBlank(text[at])) ++at;
            if (at == text.size() && !quantities.empty()) break;
            const std::size_t number_at = at;
            std::size_t end = at;
            if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
            const std::size_t digits_at = end;
            while (end < text.size() && (IsDigit(text[end]) || text[end] == '.')) ++end;
            if (end == digits_at) {
                throw QuantityError(Message{kNoNumberText}, CharacterPosition(text, at));
            }
            if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
                std::size_t exp = end + 1;
                if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
                if (exp < text.size() && IsDigit(text[exp])) {
                    while (exp < text.size() && IsDigit(text[exp])) ++exp;
                    end = exp;
                }
            }
            const std::string_view number = text.substr(number_at, end - number_at);
            CalcValue value = 0;
            try {
                value = TextToValue(number);
            } catch (const std::exception&) {
                throw QuantityError(Message{kNotNumberText, {std::string(number)}},
                                    CharacterPosition(text, number_at));
            }
            if (!(value > 0)) {
                throw QuantityError(Message{kNotPositiveText, {std::string(number)}},
                                    CharacterPosition(text, number_at));
            }
            at = end;
            while (at < text.size() && IsBlank(text[at])) ++at;
            const std::size_t unit_at = at;
            // The unit runs to a blank before the next number: "25 mL 0.1 M", "5 % w/v".
            while (at < text.size() && !(IsBlank(text[at]) && at + 1 < text.size() &&
                                         (IsDigit(text[at + 1]) || text[at + 1] == '.'))) {
                ++at;
            }
            std::size_t unit_end = at;
            while (unit_end > unit_at && IsBlank(text[unit_end - 1])) --unit_end;
            if (unit_end == unit_at) {
                throw QuantityError(Message{kNoUnitText, {std::string(number)}},
                                    CharacterPosition(text, number_at));
            }
            Quantity quantity =
                MakeQuantity(text, unit_at, value, text.substr(unit_at, unit_end - unit_at));
            quantity.position = CharacterPosition(text, number_at);
            quantities.push_back(std::move(quantity));
        }
    } catch (const FloatError&) {
        throw QuantityError(Message{kNumbersTooLargeText});
    }
    return quantities;
}

namespace {

Quantity ParseQuantity(std::string_view text, std::initializer_list<QuantityKind> kinds,
                       const char* refusal) {
    const std::vector<Quantity> quantities = ParseQuantities(text);
    const Message message{refusal, {std::string(text)}};
    if (quantities.size() != 1) throw QuantityError(message);
    for (QuantityKind kind : kinds) {
        if (quantities[0].kind == kind) return quantities[0];
    }
    throw QuantityError(message, quantities[0].position);
}

}  // namespace

Quantity ParseVolume(std::string_view text) {
    return ParseQuantity(text, {QuantityKind::kVolume},
                         QT_TRANSLATE_NOOP("Chemistry", "%1 is not a volume"));
}

Quantity ParseMass(std::string_view text) {
    return ParseQuantity(text, {QuantityKind::kMass},
                         QT_TRANSLATE_NOOP("Chemistry", "%1 is not a mass"));
}

Quantity ParseConcentration(std::string_view text) {
    return ParseQuantity(text, {QuantityKind::kMolarity, QuantityKind::kMassConcentration},
                         QT_TRANSLATE_NOOP("Chemistry", "%1 is not a concentration"));
}

CalcValue MolesOf(std::string_view text, CalcValue molar_mass) {
    const std::vector<Quantity> q = ParseQuantities(text);
    try {
        if (q.size() == 1 && q[0].kind == QuantityKind::kMass)
            return Divide(q[0].value, molar_mass);
        if (q.size() == 1 && q[0].kind == QuantityKind::kAmount) return q[0].value;
        if (q.size() == 2) {
            const bool volume_first = q[0].kind == QuantityKind::kVolume;
            const Quantity& volume = volume_first ? q[0] : q[1];
            const Quantity& concentration = volume_first ? q[1] : q[0];
            if (volume.kind == QuantityKind::kVolume) {
                if (concentration.kind == QuantityKind::kMolarity) {
                    return Multiply(volume.value, concentration.value);
                }
                if (concentration.kind == QuantityKind::kMassConcentration) {
                    return Divide(Multiply(volume.value, concentration.value), molar_mass);
                }
            }
        }
    } catch (const FloatError&) {
        throw QuantityError(Message{kNumbersTooLargeText});
    }
    throw QuantityError(Message{kAmountShapeText});
}

CalcValue MassToWeigh(CalcValue molar_mass, const Quantity& concentration, const Quantity& volume) {
    try {
        const CalcValue per_litre = concentration.kind == QuantityKind::kMolarity
                                        ? Multiply(concentration.value, molar_mass)
                                        : concentration.value;
        return Multiply(per_litre, volume.value);
    } catch (const FloatError&) {
        throw QuantityError(Message{kNumbersTooLargeText});
    }
}

Concentrations ConcentrationOf(CalcValue molar_mass, const Quantity& mass, const Quantity& volume) {
    try {
        const CalcValue grams_per_litre = Divide(mass.value, volume.value);
        return {Divide(grams_per_litre, molar_mass), grams_per_litre};
    } catch (const FloatError&) {
        throw QuantityError(Message{kNumbersTooLargeText});
    }
}

Dilution Dilute(const std::optional<Quantity>& c1, const std::optional<Quantity>& v1,
                const std::optional<Quantity>& c2, const std::optional<Quantity>& v2) {
    const std::optional<Quantity>* given[] = {&c1, &v1, &c2, &v2};
    std::size_t missing = 4;
    for (std::size_t k = 0; k < 4; ++k) {
        if (!given[k]->has_value()) {
            if (missing != 4) throw QuantityError(Message{kDilutionMissingText});
            missing = k;
        }
    }
    if (missing == 4) throw QuantityError(Message{kDilutionMissingText});
    if (c1 && c2 && c1->kind != c2->kind) throw QuantityError(Message{kDilutionKindsText});
    Dilution result{};
    result.computed = missing;
    try {
        // The partner of each: C1 with C2, V1 with V2; the fourth takes its partner's unit.
        const auto fill = [](const Quantity& partner, CalcValue base) {
            Quantity q = partner;
            q.value = base;
            return q;
        };
        switch (missing) {
            case 0:
                result.c1 = fill(*c2, Divide(Multiply(c2->value, v2->value), v1->value));
                break;
            case 1:
                result.v1 = fill(*v2, Divide(Multiply(c2->value, v2->value), c1->value));
                break;
            case 2:
                result.c2 = fill(*c1, Divide(Multiply(c1->value, v1->value), v2->value));
                break;
            default:
                result.v2 = fill(*v1, Divide(Multiply(c1->value, v1->value), c2->value));
                break;
        }
        if (missing != 0) result.c1 = *c1;
        if (missing != 1) result.v1 = *v1;
        if (missing != 2) result.c2 = *c2;
        if (missing != 3) result.v2 = *v2;
        if (result.c2.value > result.c1.value) throw QuantityError(Message{kDilutionUpText});
        result.solvent = Subtract(result.v2.value, result.v1.value);
    } catch (const FloatError&) {
        throw QuantityError(Message{kNumbersTooLargeText});
    }
    return result;
}

CalcValue InUnit(CalcValue base_value, const Quantity& unit_of) {
    return base_value / unit_of.factor;
}

std::string VolumeText(CalcValue litres) {
    if (litres >= 1) return ShortNumber(litres, 4) + " L";
    if (litres >= 1e-3L) return ShortNumber(litres * 1000, 4) + " mL";
    return ShortNumber(litres * 1000000, 4) + " \u00B5L";
}

Message SolutionRecipe(std::string_view formula, CalcValue grams, const Quantity& volume) {
    return {QT_TRANSLATE_NOOP("Chemistry", "Dissolve %1 g of %2 in water and make up to %3"),
            {ShortNumber(grams, 4), std::string(formula),
             ShortNumber(InUnit(volume.value, volume), 4) + " " + volume.unit}};
}

std::string ShortNumberText(CalcValue value) { return ShortNumber(value, 4); }

}  // namespace brisalto
