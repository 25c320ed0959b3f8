// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The options of brisalto-calc that run one of the chemist's tools instead of the calculator:
// --convert, --list-units, and --molar-mass with --composition.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace brisalto {

// Prints the text the conversion dialog's result field would show; returns the exit status.
int RunConvertOption(const std::string& value, const std::string& from, const std::string& to,
                     std::ostream& out, std::ostream& err);

// Lists the nine families with their units, or one family; returns the exit status.
int RunListUnitsOption(const std::optional<std::string>& family, std::ostream& out,
                       std::ostream& err);

struct MolarMassOptions {
    bool requested = false;  // --molar-mass or --composition was given
    std::vector<std::string> formulas;
    bool composition = false;
    std::string error;  // a usage error, empty when the options are good
};

// Takes --molar-mass FORMULA... (the formulas run up to the next option) and --composition out
// of the arguments, leaving the rest for the calculator's own options.
MolarMassOptions TakeMolarMassOptions(std::vector<std::string>& arguments);

// Prints each formula's molar mass, one a line, and with --composition its table after it. A bad
// formula's message goes to `err`; the status is then 2.
int RunMolarMassOption(const MolarMassOptions& options, std::ostream& out, std::ostream& err);

}  // namespace brisalto
