// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/standard_families.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brisalto {

namespace {

struct FactorUnit {
    const char* description;
    double factor;
};

constexpr FactorUnit kDistanceUnits[] = {
    {"Micromicrons", 1e-12},
    {"Angstroms", 1e-10},
    {"Millimicrons", 1e-09},
    {"Microns", 1e-06},
    {"Millimeters", 0.001},
    {"Centimeters", 0.01},
    {"Decimeters", 0.1},
    {"Meters", 1},
    {"Decameters", 10},
    {"Hectometers", 100},
    {"Kilometers", 1000},
    {"Megameters", 1000000},
    {"Gigameters", 1000000000},
    {"Inches", 0.0254},
    {"Feet", 0.3048},
    {"Yards", 0.9144},
    {"Miles", 1609.344},
    {"NauticalMiles", 1852},
    {"AstronomicalUnits", 149598000000},
    {"LightYears", 9460528404879358},
    {"Parsecs", 3.0856802484953068e+16},
    {"Cubits", 0.4572},
    {"Fathoms", 1.8288},
    {"Furlongs", 201.168},
    {"Hands", 0.1016},
    {"Paces", 0.762},
    {"Rods", 5.0292},
    {"Chains", 20.1168},
    {"Links", 0.201168},
    {"Picas", 0.0042175176},
    {"Points", 0.0003514598},
};

constexpr FactorUnit kAreaUnits[] = {
    {"SquareMillimeters", 1e-06},
    {"SquareCentimeters", 0.0001},
    {"SquareDecimeters", 0.01},
    {"SquareMeters", 1},
    {"SquareDecameters", 100},
    {"SquareHectometers", 10000},
    {"SquareKilometers", 1000000},
    {"SquareInches", 0.00064516},
    {"SquareFeet", 0.09290304},
    {"SquareYards", 0.83612736},
    {"SquareMiles", 2589988.110336},
    {"Acres", 4046.8564224},
    {"Centares", 1},
    {"Ares", 100},
    {"Hectares", 10000},
    {"SquareRods", 25.29285264},
};

constexpr FactorUnit kVolumeUnits[] = {
    {"CubicMillimeters", 1e-09},
    {"CubicCentimeters", 1e-06},
    {"CubicDecimeters", 0.001},
    {"CubicMeters", 1},
    {"CubicDecameters", 1000},
    {"CubicHectometers", 1000000},
    {"CubicKilometers", 1000000000},
    {"CubicInches", 1.6387064e-05},
    {"CubicFeet", 0.028316846592},
    {"CubicYards", 0.764554857984},
    {"CubicMiles", 4168181825.4405794},
    {"MilliLiters", 1e-06},
    {"CentiLiters", 1e-05},
    {"DeciLiters", 0.0001},
    {"Liters", 0.001},
    {"DecaLiters", 0.01},
    {"HectoLiters", 0.1},
    {"KiloLiters", 1},
    {"AcreFeet", 1233.48183754752},
    {"AcreInches", 102.79015312896},
    {"Cords", 3.624556363776},
    {"CordFeet", 0.453069545472},
    {"Decisteres", 0.1},
    {"Steres", 1},
    {"Decasteres", 10},
    {"FluidGallons", 0.003785411784},
    {"FluidQuarts", 0.000946352946},
    {"FluidPints", 0.000473176473},
    {"FluidCups", 0.0002365882365},
    {"FluidGills", 0.00011829411825},
    {"FluidOunces", 2.95735295625e-05},
    {"FluidTablespoons", 1.478676478125e-05},
    {"FluidTeaspoons", 4.92892159375e-06},
    {"DryGallons", 0.00440488377086},
    {"DryQuarts", 0.001101220942715},
    {"DryPints", 0.0005506104713575},
    {"DryPecks", 0.00880976754172},
    {"DryBuckets", 0.01761953508344},
    {"DryBushels", 0.03523907016688},
    {"UKGallons", 0.00454609},
    {"UKPottle", 0.002273045},
    {"UKQuarts", 0.0011365225},
    {"UKPints", 0.00056826125},
    {"UKGill", 0.0001420653125},
    {"UKOunces", 2.84130625e-05},
    {"UKPecks", 0.00909218},
    {"UKBuckets", 0.01818436},
    {"UKBushels", 0.03636872},
};

constexpr FactorUnit kMassUnits[] = {
    {"Nanograms", 1e-09},    {"Micrograms", 1e-06},      {"Milligrams", 0.001},
    {"Centigrams", 0.01},    {"Decigrams", 0.1},         {"Grams", 1},
    {"Decagrams", 10},       {"Hectograms", 100},        {"Kilograms", 1000},
    {"MetricTons", 1000000}, {"Drams", 1.7718451953125}, {"Grains", 0.06479891},
    {"Tons", 907184.74},     {"LongTons", 1016046.9088}, {"Ounces", 28.349523125},
    {"Pounds", 453.59237},
};

constexpr FactorUnit kTimeFactorUnits[] = {
    {"MilliSeconds", 1.1574074074074074e-08},
    {"Seconds", 1.1574074074074073e-05},
    {"Minutes", 0.0006944444444444445},
    {"Hours", 0.041666666666666664},
    {"Days", 1},
    {"Weeks", 7},
    {"Fortnights", 14},
    {"Months", 30.4375},
    {"Years", 365.25},
    {"Decades", 3652.5},
    {"Centuries", 36525},
    {"Millennia", 365250},
    {"DateTime", 1},
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
    registry.AddFactorUnit(temperature, "Celsius", 1);
    registry.AddFormulaUnit(
        temperature, "Kelvin", [](double k) { return k - kKelvinOffset; },
        [](double c) { return c + kKelvinOffset; });
    registry.AddFormulaUnit(
        temperature, "Fahrenheit", [](double f) { return (f - 32.0L) * 5 / 9; },
        [](double c) { return c * 9.0L / 5 + 32; });
    registry.AddFormulaUnit(
        temperature, "Rankine",
        [](double r) { return (RoundToDouble(r - kRankineOffset) - 32.0L) * 5 / 9; },
        [](double c) { return RoundToDouble(c * 9.0L / 5 + 32) + kRankineOffset; });
    registry.AddFormulaUnit(
        temperature, "Reaumur", [](double re) { return re * 5.0L / 4; },
        [](double c) { return c * 4.0L / 5; });

    const TConvFamily time = registry.AddFamily("Time");
    AddFactorUnits(registry, time, kTimeFactorUnits);
    registry.AddFormulaUnit(time, "JulianDate", JulianDateToDateTime, DateTimeToJulianDate);
    registry.AddFormulaUnit(time, "ModifiedJulianDate", ModifiedJulianDateToDateTime,
                            DateTimeToModifiedJulianDate);
}

}  // namespace brisalto
