// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "engine/variable_table.h"

#include <numbers>

namespace brisalto {

VariableTable MakeStartVariableTable() {
    VariableTable table;
    table.names = {"A", "B", "C", "D", "F", "G", "H", "I", "J", "K", "L", "M", "N", "P"};
    table.values.assign(kVariableCount, 0.0L);
    // P is pi as a double, widened: 3.141592653589793116.
    table.values[kPiIndex] = static_cast<CalcValue>(std::numbers::pi_v<double>);
    return table;
}

}  // namespace brisalto
