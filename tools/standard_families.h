// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The six standard conversion families (Distance, Area, Volume, Mass, Temperature, Time) and
// the date-time serial and Julian Date arithmetic behind the Time family's formula units.
#pragma once

#include "engine/calc_value.h"
#include "tools/conversion_registry.h"

namespace brisalto {

inline constexpr const char* kJulianRangeText = "%f Julian cannot be represented as a DateTime";

// Registers the six families in their fixed order, so that an otherwise empty registry gives
// them the numbers 1 to 6. The process-wide registry does this on its first use.
void RegisterStandardFamilies(ConversionRegistry& registry);

// Date-time serial (days since 30 December 1899 00:00, fraction = time of day) to Julian Date.
CalcValue DateTimeToJulianDate(double serial);
// Julian Date to date-time serial; throws EConvertError for a date outside the years 1 to 9999.
CalcValue JulianDateToDateTime(double julian_date);
CalcValue DateTimeToModifiedJulianDate(double serial);
CalcValue ModifiedJulianDateToDateTime(double modified_julian_date);

}  // namespace brisalto
