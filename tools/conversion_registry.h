// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The process-wide registry of unit-conversion families and their units: each unit converts
// to and from its family's base unit, and a conversion between two units goes through it.
// Safe for concurrent use; readers share, writers exclude.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <shared_mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_value.h"
#include "engine/errors.h"

namespace brisalto {

// 0 stands for no family and is never given out.
using TConvFamily = std::uint16_t;
// 0 stands for no unit and is never given out.
using TConvType = std::uint16_t;
using TConvTypeArray = std::vector<TConvType>;

// A registration or conversion the registry refuses.
class EConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A factor unit registered with a factor of zero.
class EZeroDivide : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A number that cannot be converted, e.g. a Julian Date outside the years 1 to 9999.
using EConvertError = ConvertError;

// Overflow, including a result too large for a double, is FloatError with
// FloatFault::kOverflow; the dialog shows it as a result text rather than an error box.

inline constexpr const char* kIllegalTypeText = "Illegal type";
inline constexpr const char* kIllegalFamilyText = "Illegal family";

class TConvFamilyInfo {
  public:
    TConvFamilyInfo(TConvFamily family, std::string description)
        : family_(family), description_(std::move(description)) {}

    TConvFamily ConvFamily() const { return family_; }
    const std::string& Description() const { return description_; }

  private:
    TConvFamily family_;
    std::string description_;
};

// A registered unit. The registry writes its number when the registration succeeds.
class TConvTypeInfo {
  public:
    TConvTypeInfo(TConvFamily family, std::string description)
        : family_(family), description_(std::move(description)) {}
    virtual ~TConvTypeInfo() = default;
    TConvTypeInfo(const TConvTypeInfo&) = delete;
    TConvTypeInfo& operator=(const TConvTypeInfo&) = delete;

    // A value in this unit, in the family's base unit.
    virtual double ToBase(double value) const = 0;
    // A value in the base unit, in this unit.
    virtual double FromBase(double value) const = 0;

    TConvType ConvType() const { return type_; }
    TConvFamily ConvFamily() const { return family_; }
    const std::string& Description() const { return description_; }

  private:
    friend class ConversionRegistry;
    TConvType type_ = 0;
    TConvFamily family_;
    std::string description_;
};

// factor base units make one of this unit.
class TConvTypeFactor : public TConvTypeInfo {
  public:
    TConvTypeFactor(TConvFamily family, std::string description, double factor)
        : TConvTypeInfo(family, std::move(description)), factor_(factor) {}

    double ToBase(double value) const override;
    double FromBase(double value) const override;

  private:
    double factor_;
};

// Takes a double and returns the converted number in extended precision.
using TConversionProc = std::function<CalcValue(double)>;

class TConvTypeProcs : public TConvTypeInfo {
  public:
    TConvTypeProcs(TConvFamily family, std::string description, TConversionProc to_base,
                   TConversionProc from_base)
        : TConvTypeInfo(family, std::move(description)),
          to_base_(std::move(to_base)),
          from_base_(std::move(from_base)) {}

    double ToBase(double value) const override;
    double FromBase(double value) const override;

  private:
    TConversionProc to_base_;
    TConversionProc from_base_;
};

// Rounds an extended value to a double; a value beyond the double range throws FloatError
// kOverflow, a NaN FloatError kInvalidOperation.
double RoundToDouble(CalcValue value);

class ConversionRegistry {
  public:
    // An empty registry; the program uses Instance().
    ConversionRegistry() = default;
    ~ConversionRegistry();
    ConversionRegistry(const ConversionRegistry&) = delete;
    ConversionRegistry& operator=(const ConversionRegistry&) = delete;

    // The process-wide registry, holding the six standard families from its first use.
    static ConversionRegistry& Instance();

    TConvFamily AddFamily(std::string_view description);
    TConvType AddFactorUnit(TConvFamily family, std::string_view description, double factor);
    TConvType AddFormulaUnit(TConvFamily family, std::string_view description,
                             TConversionProc to_base, TConversionProc from_base);
    // Registers a unit record built by the caller; its family must be registered.
    TConvType AddUnit(std::unique_ptr<TConvTypeInfo> info);

    // Descriptions compare without regard to case.
    std::optional<TConvFamily> FindFamilyByName(std::string_view text) const;
    // Nothing is found when two units match.
    std::optional<TConvType> FindUnitByName(std::string_view text) const;
    // In registration order.
    TConvTypeArray UnitsOfFamily(TConvFamily family) const;

    // "Illegal type" for 0, "[%.8x]" for a number with no unit.
    std::string UnitDescription(TConvType unit) const;
    // "Illegal family" for 0, "[%.8x]" for a number with no family.
    std::string FamilyDescription(TConvFamily family) const;

    double ConvertValue(double value, TConvType from, TConvType to) const;

    // Frees the family and every unit of it; their numbers are not given out again.
    void RemoveFamily(TConvFamily family);
    // Frees every record; the counters keep their values.
    void Clear();

    // Lengths of the two arrays and the last numbers given out.
    std::size_t FamilySlotCount() const;
    std::size_t UnitSlotCount() const;
    TConvFamily LastFamily() const;
    TConvType LastUnit() const;

  private:
    const TConvFamilyInfo* FamilyLocked(TConvFamily family) const;
    std::optional<TConvFamily> FindFamilyLocked(std::string_view text) const;
    std::shared_ptr<const TConvTypeInfo> UnitLocked(TConvType unit) const;
    std::string UnitDescriptionLocked(TConvType unit) const;

    mutable std::shared_mutex family_lock_;
    std::vector<std::unique_ptr<TConvFamilyInfo>> families_;
    TConvFamily last_family_ = 0;

    mutable std::shared_mutex unit_lock_;
    std::vector<std::shared_ptr<TConvTypeInfo>> units_;
    TConvType last_unit_ = 0;
};

// Case-insensitive equality of two descriptions (ASCII letters).
bool SameDescription(std::string_view a, std::string_view b);

}  // namespace brisalto
