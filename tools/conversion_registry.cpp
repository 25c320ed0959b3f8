// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/conversion_registry.h"

#include <cmath>
#include <cstdio>
#include <mutex>
#include <utility>

#include "tools/standard_families.h"

namespace brisalto {

namespace {

constexpr const char* kFamilyRegisteredText = "Conversion family (%s) already registered";
constexpr const char* kUnknownFamilyText = "Unknown conversion family %s";
constexpr const char* kTypeRegisteredText = "Conversion type (%s) already registered in %s";
constexpr const char* kZeroFactorText = "%s has a factor of zero";
constexpr const char* kIncompatibleTypesText = "Incompatible conversion types [%s, %s]";
// The 16-bit counters would otherwise wrap to 0 and hand out numbers already in use.
constexpr const char* kTooManyFamiliesText = "Too many conversion families";
constexpr const char* kTooManyTypesText = "Too many conversion types";

constexpr std::size_t kGrowth = 16;
constexpr std::uint16_t kLastNumber = 0xFFFF;

// DBL_MAX plus half its last place: from here on a value rounds to an infinite double.
constexpr CalcValue kDoubleOverflowEdge = 0x1.fffffffffffff8p1023L;

// Replaces each "%s" of pattern, in turn, by the next argument.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string text;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' &&
            next != args.end()) {
            text += *next++;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string BracketedNumber(unsigned number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "[%.8x]", number);
    return buffer;
}

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

template <typename Slots>
void GrowFor(Slots& slots, std::size_t number) {
    if (number >= slots.size()) slots.resize(number + kGrowth);
}

}  // namespace

bool SameDescription(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

double RoundToDouble(CalcValue value) {
    if (std::isnan(value)) throw FloatError(FloatFault::kInvalidOperation);
    if (std::fabs(value) >= kDoubleOverflowEdge) throw FloatError(FloatFault::kOverflow);
    return static_cast<double>(value);
}

double TConvTypeFactor::ToBase(double value) const {
    return RoundToDouble(static_cast<CalcValue>(value) * factor_);
}

double TConvTypeFactor::FromBase(double value) const {
    return RoundToDouble(static_cast<CalcValue>(value) / factor_);
}

double TConvTypeProcs::ToBase(double value) const { return RoundToDouble(to_base_(value)); }

double TConvTypeProcs::FromBase(double value) const { return RoundToDouble(from_base_(value)); }

namespace {

// The process-wide registry; at process end the standard families go first, then the rest.
struct ProcessRegistry {
    ConversionRegistry registry;
    TConvFamily first_standard = 0;
    TConvFamily last_standard = 0;

    ProcessRegistry() {
        first_standard = static_cast<TConvFamily>(registry.LastFamily() + 1);
        RegisterStandardFamilies(registry);
        last_standard = registry.LastFamily();
    }
    ~ProcessRegistry() {
        for (unsigned f = first_standard; f <= last_standard; ++f) {
            registry.RemoveFamily(static_cast<TConvFamily>(f));
        }
    }
};

}  // namespace

ConversionRegistry& ConversionRegistry::Instance() {
    static ProcessRegistry process_registry;
    return process_registry.registry;
}

ConversionRegistry::~ConversionRegistry() { Clear(); }

TConvFamily ConversionRegistry::AddFamily(std::string_view description) {
    std::unique_lock family_guard(family_lock_);
    if (FindFamilyLocked(description)) {
        throw EConversionError(FormatText(kFamilyRegisteredText, {description}));
    }
    if (last_family_ == kLastNumber) throw EConversionError(kTooManyFamiliesText);
    const TConvFamily number = static_cast<TConvFamily>(last_family_ + 1);
    auto info = std::make_unique<TConvFamilyInfo>(number, std::string(description));
    GrowFor(families_, number);
    families_[number] = std::move(info);
    last_family_ = number;
    return number;
}

TConvType ConversionRegistry::AddFactorUnit(TConvFamily family, std::string_view description,
                                            double factor) {
    {
        std::shared_lock family_guard(family_lock_);
        if (!FamilyLocked(family)) {
            throw EConversionError(FormatText(kUnknownFamilyText, {BracketedNumber(family)}));
        }
    }
    if (factor == 0) throw EZeroDivide(FormatText(kZeroFactorText, {description}));
    return AddUnit(std::make_unique<TConvTypeFactor>(family, std::string(description), factor));
}

TConvType ConversionRegistry::AddFormulaUnit(TConvFamily family, std::string_view description,
                                             TConversionProc to_base, TConversionProc from_base) {
    if (!to_base || !from_base) throw std::invalid_argument("conversion formula missing");
    return AddUnit(std::make_unique<TConvTypeProcs>(family, std::string(description),
                                                    std::move(to_base), std::move(from_base)));
}

TConvType ConversionRegistry::AddUnit(std::unique_ptr<TConvTypeInfo> info) {
    if (!info) throw std::invalid_argument("conversion type missing");
    // The family stays registered until the unit is in: removal needs the family lock first.
    std::shared_lock family_guard(family_lock_);
    const TConvFamilyInfo* family = FamilyLocked(info->ConvFamily());
    if (!family) {
        throw EConversionError(
            FormatText(kUnknownFamilyText, {BracketedNumber(info->ConvFamily())}));
    }
    std::unique_lock unit_guard(unit_lock_);
    for (const auto& unit : units_) {
        if (unit && unit->ConvFamily() == info->ConvFamily() &&
            SameDescription(unit->Description(), info->Description())) {
            throw EConversionError(
                FormatText(kTypeRegisteredText, {info->Description(), family->Description()}));
        }
    }
    if (last_unit_ == kLastNumber) throw EConversionError(kTooManyTypesText);
    const TConvType number = static_cast<TConvType>(last_unit_ + 1);
    std::shared_ptr<TConvTypeInfo> shared(std::move(info));
    GrowFor(units_, number);
    shared->type_ = number;
    units_[number] = std::move(shared);
    last_unit_ = number;
    return number;
}

std::optional<TConvFamily> ConversionRegistry::FindFamilyByName(std::string_view text) const {
    std::shared_lock family_guard(family_lock_);
    return FindFamilyLocked(text);
}

std::optional<TConvType> ConversionRegistry::FindUnitByName(std::string_view text) const {
    std::shared_lock unit_guard(unit_lock_);
    std::optional<TConvType> found;
    for (const auto& unit : units_) {
        if (unit && SameDescription(unit->Description(), text)) {
            if (found) return std::nullopt;
            found = unit->ConvType();
        }
    }
    return found;
}

TConvTypeArray ConversionRegistry::UnitsOfFamily(TConvFamily family) const {
    std::shared_lock unit_guard(unit_lock_);
    std::size_t count = 0;
    for (const auto& unit : units_) {
        if (unit && unit->ConvFamily() == family) ++count;
    }
    TConvTypeArray result;
    result.reserve(count);
    for (const auto& unit : units_) {
        if (unit && unit->ConvFamily() == family) result.push_back(unit->ConvType());
    }
    return result;
}

std::string ConversionRegistry::UnitDescription(TConvType unit) const {
    std::shared_lock unit_guard(unit_lock_);
    return UnitDescriptionLocked(unit);
}

std::string ConversionRegistry::FamilyDescription(TConvFamily family) const {
    if (family == 0) return kIllegalFamilyText;
    std::shared_lock family_guard(family_lock_);
    const TConvFamilyInfo* info = FamilyLocked(family);
    return info ? info->Description() : BracketedNumber(family);
}

double ConversionRegistry::ConvertValue(double value, TConvType from, TConvType to) const {
    std::shared_ptr<const TConvTypeInfo> from_info;
    std::shared_ptr<const TConvTypeInfo> to_info;
    {
        std::shared_lock unit_guard(unit_lock_);
        from_info = UnitLocked(from);
        to_info = UnitLocked(to);
        if (!from_info || !to_info || from_info->ConvFamily() != to_info->ConvFamily()) {
            throw EConversionError(FormatText(
                kIncompatibleTypesText, {UnitDescriptionLocked(from), UnitDescriptionLocked(to)}));
        }
    }
    // The records are shared, so a family removed meanwhile cannot free them under the formulas.
    const double base = from_info->ToBase(value);
    return to_info->FromBase(base);
}

void ConversionRegistry::RemoveFamily(TConvFamily family) {
    std::unique_ptr<TConvFamilyInfo> removed_family;
    std::vector<std::shared_ptr<TConvTypeInfo>> removed_units;
    {
        std::unique_lock family_guard(family_lock_);
        std::unique_lock unit_guard(unit_lock_);
        if (!FamilyLocked(family)) return;
        for (auto& unit : units_) {
            if (unit && unit->ConvFamily() == family) removed_units.push_back(std::move(unit));
        }
        removed_family = std::move(families_[family]);
    }
    // The records are freed here, outside the locks.
}

void ConversionRegistry::Clear() {
    std::vector<std::unique_ptr<TConvFamilyInfo>> removed_families;
    std::vector<std::shared_ptr<TConvTypeInfo>> removed_units;
    {
        std::unique_lock family_guard(family_lock_);
        std::unique_lock unit_guard(unit_lock_);
        removed_families.swap(families_);
        removed_units.swap(units_);
    }
}

std::size_t ConversionRegistry::FamilySlotCount() const {
    std::shared_lock family_guard(family_lock_);
    return families_.size();
}

std::size_t ConversionRegistry::UnitSlotCount() const {
    std::shared_lock unit_guard(unit_lock_);
    return units_.size();
}

TConvFamily ConversionRegistry::LastFamily() const {
    std::shared_lock family_guard(family_lock_);
    return last_family_;
}

TConvType ConversionRegistry::LastUnit() const {
    std::shared_lock unit_guard(unit_lock_);
    return last_unit_;
}

const TConvFamilyInfo* ConversionRegistry::FamilyLocked(TConvFamily family) const {
    if (family == 0 || family >= families_.size()) return nullptr;
    return families_[family].get();
}

std::optional<TConvFamily> ConversionRegistry::FindFamilyLocked(std::string_view text) const {
    for (const auto& family : families_) {
        if (family && SameDescription(family->Description(), text)) return family->ConvFamily();
    }
    return std::nullopt;
}

std::shared_ptr<const TConvTypeInfo> ConversionRegistry::UnitLocked(TConvType unit) const {
    if (unit == 0 || unit >= units_.size()) return nullptr;
    return units_[unit];
}

std::string ConversionRegistry::UnitDescriptionLocked(TConvType unit) const {
    if (unit == 0) return kIllegalTypeText;
    const auto info = UnitLocked(unit);
    return info ? info->Description() : BracketedNumber(unit);
}

}  // namespace brisalto
