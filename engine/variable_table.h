// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The calculator's variables: 14 one-letter names and their values, A (the answer) to P (pi).
#pragma once

#include <string>
#include <vector>

#include "engine/calc_value.h"

namespace brisalto {

inline constexpr int kVariableCount = 14;
inline constexpr int kAssignableCount = 13;  // A to N; index 13 is the read-only P
inline constexpr int kPiIndex = 13;

// Two index-aligned sequences. The engine only ever receives a copy (a snapshot).
struct VariableTable {
    std::vector<std::string> names;
    std::vector<CalcValue> values;
};

// Names A..N, P with A..N zero and P the double nearest to pi, widened.
VariableTable MakeStartVariableTable();

}  // namespace brisalto
