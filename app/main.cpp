// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/startup.h"

int main(int argc, char** argv) {
    brisalto::CalculatorApplication app(argc, argv);
    brisalto::QuitOnSignals(app);
    return brisalto::RunGuarded([&app] { return brisalto::RunCalculator(app); });
}
