// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/standard_families.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/translate_noop.h"
namespace brisalto {

namespace {

struct FactorUnit {
    const char* description;
    double factor;
};

constexpr FactorUnit kDistanceUnits[] = {
    {QT_TRANSLATE_NOOP("Units", "Micromicrons"), 1e-12},
    {QT_TRANSLATE_NOOP("Units", "Angstroms"), 1e-10},
    {QT_TRANSLATE_NOOP("Units", "Millimicrons"), 1e-09},
    {QT_TRANSLATE_NOOP("Units", "Microns"), 1e-06},
    {QT_TRANSLATE_NOOP("Units", "Millimeters"), 0.001},
    {QT_TRANSLATE_NOOP("Units", "Centimeters"), 0.01},
    {QT_TRANSLATE_NOOP("Units", "Decimeters"), 0.1},
    {QT_TRANSLATE_NOOP("Units", "Meters"), 1},
    {QT_TRANSLATE_NOOP("Units", "Decameters"), 10},
    {QT_TRANSLATE_NOOP("Units", "Hectometers"), 100},
    {QT_TRANSLATE_NOOP("Units", "Kilometers"), 1000},
    {QT_TRANSLATE_NOOP("Units", "Megameters"), 1000000},
    {QT_TRANSLATE_NOOP("Units", "Gigameters"), 1000000000},
    {QT_TRANSLATE_NOOP("Units", "Inches"), 0.0254},
    {QT_TRANSLATE_NOOP("Units", "Feet"), 0.3048},
    {QT_TRANSLATE_NOOP("Units", "Yards"), 0.9144},
    {QT_TRANSLATE_NOOP("Units", "Miles"), 1609.344},
    {QT_TRANSLATE_NOOP("Units", "NauticalMiles"), 1852},
    {QT_TRANSLATE_NOOP("Units", "AstronomicalUnits"), 149598000000},
    {QT_TRANSLATE_NOOP("Units", "LightYears"), 9460528404879358},
    {QT_TRANSLATE_NOOP("Units", "Parsecs"), 3.0856802484953068e+16},
    {QT_TRANSLATE_NOOP("Units", "Cubits"), 0.4572},
    {QT_TRANSLATE_NOOP("Units", "Fathoms"), 1.8288},
    {QT_TRANSLATE_NOOP("Units", "Furlongs"), 201.168},
    {QT_TRANSLATE_NOOP("Units", "Hands"), 0.1016},
    {QT_TRANSLATE_NOOP("Units", "Paces"), 0.762},
    {QT_TRANSLATE_NOOP("Units", "Rods"), 5.0292},
    {QT_TRANSLATE_NOOP("Units", "Chains"), 20.1168},
    {QT_TRANSLATE_NOOP("Units", "Links"), 0.201168},
    {QT_TRANSLATE_NOOP("Units", "Picas"), 0.0042175176},
    {QT_TRANSLATE_NOOP("Units", "Points"), 0.0003514598},
};

constexpr FactorUnit kAreaUnits[] = {
    {QT_TRANSLATE_NOOP("Units", "SquareMillimeters"), 1e-06},
    {QT_TRANSLATE_NOOP("Units", "SquareCentimeters"), 0.0001},
    {QT_TRANSLATE_NOOP("Units", "SquareDecimeters"), 0.01},
    {QT_TRANSLATE_NOOP("Units", "SquareMeters"), 1},
    {QT_TRANSLATE_NOOP("Units", "SquareDecameters"), 100},
    {QT_TRANSLATE_NOOP("Units", "SquareHectometers"), 10000},
    {QT_TRANSLATE_NOOP("Units", "SquareKilometers"), 1000000},
    {QT_TRANSLATE_NOOP("Units", "SquareInches"), 0.00064516},
    {QT_TRANSLATE_NOOP("Units", "SquareFeet"), 0.09290304},
    {QT_TRANSLATE_NOOP("Units", "SquareYards"), 0.83612736},
    {QT_TRANSLATE_NOOP("Units", "SquareMiles"), 2589988.110336},
    {QT_TRANSLATE_NOOP("Units", "Acres"), 4046.8564224},
    {QT_TRANSLATE_NOOP("Units", "Centares"), 1},
    {QT_TRANSLATE_NOOP("Units", "Ares"), 100},
    {QT_TRANSLATE_NOOP("Units", "Hectares"), 10000},
    {QT_TRANSLATE_NOOP("Units", "SquareRods"), 25.29285264},
};

constexpr FactorUnit kVolumeUnits[] = {
    {QT_TRANSLATE_NOOP("Units", "CubicMillimeters"), 1e-09},
    {QT_TRANSLATE_NOOP("Units", "CubicCentimeters"), 1e-06},
    {QT_TRANSLATE_NOOP("Units", "CubicDecimeters"), 0.001},
    {QT_TRANSLATE_NOOP("Units", "CubicMeters"), 1},
    {QT_TRANSLATE_NOOP("Units", "CubicDecameters"), 1000},
    {QT_TRANSLATE_NOOP("Units", "CubicHectometers"), 1000000},
    {QT_TRANSLATE_NOOP("Units", "CubicKilometers"), 1000000000},
    {QT_TRANSLATE_NOOP("Units", "CubicInches"), 1.6387064e-05},
    {QT_TRANSLATE_NOOP("Units", "CubicFeet"), 0.028316846592},
    {QT_TRANSLATE_NOOP("Units", "CubicYards"), 0.764554857984},
    {QT_TRANSLATE_NOOP("Units", "CubicMiles"), 4168181825.4405794},
    {QT_TRANSLATE_NOOP("Units", "MilliLiters"), 1e-06},
    {QT_TRANSLATE_NOOP("Units", "CentiLiters"), 1e-05},
    {QT_TRANSLATE_NOOP("Units", "DeciLiters"), 0.0001},
    {QT_TRANSLATE_NOOP("Units", "Liters"), 0.001},
    {QT_TRANSLATE_NOOP("Units", "DecaLiters"), 0.01},
    {QT_TRANSLATE_NOOP("Units", "HectoLiters"), 0.1},
    {QT_TRANSLATE_NOOP("Units", "KiloLiters"), 1},
    {QT_TRANSLATE_NOOP("Units", "AcreFeet"), 1233.48183754752},
    {QT_TRANSLATE_NOOP("Units", "AcreInches"), 102.79015312896},
    {QT_TRANSLATE_NOOP("Units", "Cords"), 3.624556363776},
    {QT_TRANSLATE_NOOP("Units", "CordFeet"), 0.453069545472},
    {QT_TRANSLATE_NOOP("Units", "Decisteres"), 0.1},
    {QT_TRANSLATE_NOOP("Units", "Steres"), 1},
    {QT_TRANSLATE_NOOP("Units", "Decasteres"), 10},
    {QT_TRANSLATE_NOOP("Units", "FluidGallons"), 0.003785411784},
    {QT_TRANSLATE_NOOP("Units", "FluidQuarts"), 0.000946352946},
    {QT_TRANSLATE_NOOP("Units", "FluidPints"), 0.000473176473},
    {QT_TRANSLATE_NOOP("Units", "FluidCups"), 0.0002365882365},
    {QT_TRANSLATE_NOOP("Units", "FluidGills"), 0.00011829411825},
    {QT_TRANSLATE_NOOP("Units", "FluidOunces"), 2.95735295625e-05},
    {QT_TRANSLATE_NOOP("Units", "FluidTablespoons"), 1.478676478125e-05},
    {QT_TRANSLATE_NOOP("Units", "FluidTeaspoons"), 4.92892159375e-06},
    {QT_TRANSLATE_NOOP("Units", "DryGallons"), 0.00440488377086},
    {QT_TRANSLATE_NOOP("Units", "DryQuarts"), 0.001101220942715},
    {QT_TRANSLATE_NOOP("Units", "DryPints"), 0.0005506104713575},
    {QT_TRANSLATE_NOOP("Units", "DryPecks"), 0.00880976754172},
    {QT_TRANSLATE_NOOP("Units", "DryBuckets"), 0.01761953508344},
    {QT_TRANSLATE_NOOP("Units", "DryBushels"), 0.03523907016688},
    {QT_TRANSLATE_NOOP("Units", "UKGallons"), 0.00454609},
    {QT_TRANSLATE_NOOP("Units", "UKPottle"), 0.002273045},
    {QT_TRANSLATE_NOOP("Units", "UKQuarts"), 0.0011365225},
    {QT_TRANSLATE_NOOP("Units", "UKPints"), 0.00056826125},
    {QT_TRANSLATE_NOOP("Units", "UKGill"), 0.0001420653125},
    {QT_TRANSLATE_NOOP("Units", "UKOunces"), 2.84130625e-05},
    {QT_TRANSLATE_NOOP("Units", "UKPecks"), 0.00909218},
    {QT_TRANSLATE_NOOP("Units", "UKBuckets"), 0.01818436},
    {QT_TRANSLATE_NOOP("Units", "UKBushels"), 0.03636872},
};

constexpr FactorUnit kMassUnits[] = {
    {QT_TRANSLATE_NOOP("Units", "Nanograms"), 1e-09},
    {QT_TRANSLATE_NOOP("Units", "Micrograms"), 1e-06},
    {QT_TRANSLATE_NOOP("Units", "Milligrams"), 0.001},
    {QT_TRANSLATE_NOOP("Units", "Centigrams"), 0.01},
    {QT_TRANSLATE_NOOP("Units", "Decigrams"), 0.1},
    {QT_TRANSLATE_NOOP("Units", "Grams"), 1},
    {QT_TRANSLATE_NOOP("Units", "Decagrams"), 10},
    {QT_TRANSLATE_NOOP("Units", "Hectograms"), 100},
    {QT_TRANSLATE_NOOP("Units", "Kilograms"), 1000},
    {QT_TRANSLATE_NOOP("Units", "MetricTons"), 1000000},
    {QT_TRANSLATE_NOOP("Units", "Drams"), 1.7718451953125},
    {QT_TRANSLATE_NOOP("Units", "Grains"), 0.06479891},
    {QT_TRANSLATE_NOOP("Units", "Tons"), 907184.74},
    {QT_TRANSLATE_NOOP("Units", "LongTons"), 1016046.9088},
    {QT_TRANSLATE_NOOP("Units", "Ounces"), 28.349523125},
    {QT_TRANSLATE_NOOP("Units", "Pounds"), 453.59237},
};

constexpr FactorUnit kTimeFactorUnits[] = {
    {QT_TRANSLATE_NOOP("Units", "MilliSeconds"), 1.1574074074074074e-08},
    {QT_TRANSLATE_NOOP("Units", "Seconds"), 1.1574074074074073e-05},
    {QT_TRANSLATE_NOOP("Units", "Minutes"), 0.0006944444444444445},
    {QT_TRANSLATE_NOOP("Units", "Hours"), 0.041666666666666664},
    {QT_TRANSLATE_NOOP("Units", "Days"), 1},
    {QT_TRANSLATE_NOOP("Units", "Weeks"), 7},
    {QT_TRANSLATE_NOOP("Units", "Fortnights"), 14},
    {QT_TRANSLATE_NOOP("Units", "Months"), 30.4375},
    {QT_TRANSLATE_NOOP("Units", "Years"), 365.25},
    {QT_TRANSLATE_NOOP("Units", "Decades"), 3652.5},
    {QT_TRANSLATE_NOOP("Units", "Centuries"), 36525},
    {QT_TRANSLATE_NOOP("Units", "Millennia"), 365250},
    {QT_TRANSLATE_NOOP("Units", "DateTime"), 1},
};

constexpr CalcValue kKelvinOffset = 273.15L;
constexpr CalcValue kRankineOffset = 459.67L;
constexpr CalcValue kModifiedJulianOffset = 2400000.5L;

// 1899-12-30, the serial's day 0, counted from 1970-01-01.
constexpr std::int64_t kSerialEpochDays = -25569;
// Past this many days the serial has no calendar date within the integer arithmetic.
constexpr CalcValue kSerialDayLimit = 1e18L;
// Julian Day Numbers this far out lie well outside the years 1 to 9999.
constexpr CalcValue kJulianDayLimit = 1e9L;

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

struct CivilDate {
    std::int64_t year;
    std::int64_t month;
    std::int64_t day;
};

// Proleptic Gregorian date of a day count from 1970-01-01 (year 0 is 1 BC).
CivilDate CivilFromDays(std::int64_t days) {
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t day_of_era = z - era * 146097;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
    const std::int64_t day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
    const std::int64_t month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
    const std::int64_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t year_of_era = year - era * 400;
    const std::int64_t day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t day_of_era =
        year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

// The integer divisions truncate toward zero, as C++'s do.
std::int64_t JulianDayNumber(const CivilDate& date) {
    const std::int64_t a = (date.month - 14) / 12;
    return 1461 * (date.year + 4800 + a) / 4 + 367 * (date.month - 2 - 12 * a) / 12 -
           3 * ((date.year + 4900 + a) / 100) / 4 + date.day - 32075;
}

CivilDate DateOfJulianDayNumber(std::int64_t n) {
    std::int64_t l = n + 68569;
    const std::int64_t k = 4 * l / 146097;
    l = l - (146097 * k + 3) / 4;
    const std::int64_t i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const std::int64_t j = 80 * l / 2447;
    const std::int64_t day = l - 2447 * j / 80;
    l = j / 11;
    const std::int64_t month = j + 2 - 12 * l;
    const std::int64_t year = 100 * (k - 49) + i + l;
    return {year, month, day};
}

[[noreturn]] void ThrowJulianRange(double julian_date) {
    char digits[400];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, julian_date, std::chars_format::fixed, 6);
    const std::string_view pattern = kJulianRangeText;
    const std::size_t at = pattern.find("%f");
    std::string message(pattern.substr(0, at));
    message.append(digits, result.ptr);
    message.append(pattern.substr(at + 2));
    throw EConvertError(message);
}

void AddFactorUnits(ConversionRegistry& registry, TConvFamily family,
                    std::span<const FactorUnit> units) {
    for (const FactorUnit& unit : units) {
        registry.AddFactorUnit(family, unit.description, unit.factor);
    }
}

}  // namespace

CalcValue DateTimeToJulianDate(double serial) {
    const CalcValue value = serial;
    // The platform's truncation of a number too large for its integers is an invalid operation.
    if (!(std::fabs(value) < kSerialDayLimit)) throw FloatError(FloatFault::kInvalidOperation);
    const auto whole = static_cast<std::int64_t>(std::trunc(value));
    const CalcValue fraction = value - static_cast<CalcValue>(whole);
    const std::int64_t julian_day = JulianDayNumber(CivilFromDays(whole + kSerialEpochDays));
    return fraction + (static_cast<CalcValue>(julian_day) - 0.5L);
}

CalcValue JulianDateToDateTime(double julian_date) {
    const CalcValue value = julian_date;
    if (!(std::fabs(value) < kJulianDayLimit)) ThrowJulianRange(julian_date);
    const auto whole = static_cast<std::int64_t>(std::trunc(value));
    const CivilDate date = DateOfJulianDayNumber(whole + 1);
    if (date.year < kFirstYear || date.year > kLastYear) ThrowJulianRange(julian_date);
    const std::int64_t serial = DaysFromCivil(date.year, date.month, date.day) - kSerialEpochDays;
    return static_cast<CalcValue>(serial) + (value - static_cast<CalcValue>(whole)) - 0.5L;
}

CalcValue DateTimeToModifiedJulianDate(double serial) {
    return RoundToDouble(DateTimeToJulianDate(serial)) - kModifiedJulianOffset;
}

CalcValue ModifiedJulianDateToDateTime(double modified_julian_date) {
    return JulianDateToDateTime(RoundToDouble(modified_julian_date + kModifiedJulianOffset));
}

void RegisterStandardFamilies(ConversionRegistry& registry) {
    AddFactorUnits(registry, registry.AddFamily("Distance"), kDistanceUnits);
    AddFactorUnits(registry, registry.AddFamily("Area"), kAreaUnits);
    AddFactorUnits(registry, registry.AddFamily("Volume"), kVolumeUnits);
    AddFactorUnits(registry, registry.AddFamily("Mass"), kMassUnits);

    const TConvFamily temperature = registry.AddFamily("Temperature");
    registry.AddFactorUnit(temperature, QT_TRANSLATE_NOOP("Units", "Celsius"), 1);
    registry.AddFormulaUnit(
        temperature, QT_TRANSLATE_NOOP("Units", "Kelvin"),
        [](double k) { return k - kKelvinOffset; }, [](double c) { return c + kKelvinOffset; });
    registry.AddFormulaUnit(
        temperature, QT_TRANSLATE_NOOP("Units", "Fahrenheit"),
        [](double f) { return (f - 32.0L) * 5 / 9; }, [](double c) { return c * 9.0L / 5 + 32; });
    registry.AddFormulaUnit(
        temperature, QT_TRANSLATE_NOOP("Units", "Rankine"),
        [](double r) { return (RoundToDouble(r - kRankineOffset) - 32.0L) * 5 / 9; },
        [](double c) { return RoundToDouble(c * 9.0L / 5 + 32) + kRankineOffset; });
    registry.AddFormulaUnit(
        temperature, QT_TRANSLATE_NOOP("Units", "Reaumur"), [](double re) { return re * 5.0L / 4; },
        [](double c) { return c * 4.0L / 5; });

    const TConvFamily time = registry.AddFamily("Time");
    AddFactorUnits(registry, time, kTimeFactorUnits);
    registry.AddFormulaUnit(time, QT_TRANSLATE_NOOP("Units", "JulianDate"), JulianDateToDateTime,
                            DateTimeToJulianDate);
    registry.AddFormulaUnit(time, QT_TRANSLATE_NOOP("Units", "ModifiedJulianDate"),
                            ModifiedJulianDateToDateTime, DateTimeToModifiedJulianDate);
}

}  // namespace brisalto
