// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The options of brisalto-calc that run one of the chemist's tools instead of the calculator:
// --convert, --list-units, and --molar-mass with --composition. Their messages start with the
// program's name, as every other error of it.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace brisalto {

// Prints the text the conversion dialog's result field would show; returns the exit status.
// A failed conversion (an unknown unit, an overflow) is a message on `err` and status 1; with
// plain the result has no exponent.
int RunConvertOption(const std::string& value, const std::string& from, const std::string& to,
                     std::ostream& out, std::ostream& err, bool plain = false);

// Lists the nine families with their units, or the families named, in order; an unknown one is
// a message on `err` and status 1.
int RunListUnitsOption(const std::vector<std::string>& families, std::ostream& out,
                       std::ostream& err);

// Prints each formula's molar mass, one a line, and with --composition its table after it. A bad
// formula's message goes to `err`; the status is then 2.
int RunMolarMassOption(const std::vector<std::string>& formulas, bool composition,
                       std::ostream& out, std::ostream& err);

}  // namespace brisalto
