// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/calculator_start.h"

namespace brisalto {

void StartCalculator(Calculator& calculator, const StartOptions& options, LineOutcome& banner) {
    calculator.InitVariableTable();
    calculator.SetStartModes();
    calculator.SetNumberSeparators(options.separators);
    if (options.precision) calculator.SetPrecision(*options.precision);
    banner.Reset();
    FramedLine(banner, kBannerText);
}

}  // namespace brisalto
