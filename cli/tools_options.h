// The unit-conversion options of brisalto-calc: --convert and --list-units.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace brisalto {

// Prints the text the conversion dialog's result field would show; returns the exit status.
int RunConvertOption(const std::string& value, const std::string& from, const std::string& to,
                     std::ostream& out, std::ostream& err);

// Lists the nine families with their units, or one family; returns the exit status.
int RunListUnitsOption(const std::optional<std::string>& family, std::ostream& out,
                       std::ostream& err);

}  // namespace brisalto
