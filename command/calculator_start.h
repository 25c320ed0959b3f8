// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The one start-up of a calculator, shared by the main window and brisalto-calc: the start table
// and modes, the user's number separators, the precision, and the banner lines.
#pragma once

#include <optional>
#include <string_view>

#include "command/calculator.h"
#include "command/line_outcome.h"
#include "command/result_format.h"

namespace brisalto {

inline constexpr std::string_view kBannerText = "Brisalto Calculator v 1.0";

struct StartOptions {
    NumberSeparators separators = SeparatorsFromLocale();
    // Nothing keeps the load-time precision, for a front end that sets it later (the window,
    // from its settings file).
    std::optional<int> precision = kDefaultPrecision;
};

// InitVariableTable, the start modes, separators and precision; `banner` receives the three
// banner lines (separator, "Brisalto Calculator v 1.0", separator).
void StartCalculator(Calculator& calculator, const StartOptions& options, LineOutcome& banner);

}  // namespace brisalto
