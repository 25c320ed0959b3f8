// The three lines the calculator greets its user with in the results window.
#pragma once

#include <string_view>

#include "command/calculator_view.h"

namespace brisalto {

inline constexpr std::string_view kBannerText = "Brisalto Calculator v 1.0";

// Separator, "Brisalto Calculator v 1.0", separator.
void WriteBanner(CalculatorView& view);

}  // namespace brisalto
