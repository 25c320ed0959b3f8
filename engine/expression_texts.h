// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The fixed texts of the expression engine's errors, shared by the evaluator, the operands and the
// function library.
#pragma once

namespace brisalto {

inline constexpr const char* kEquationRong = "Equation Rong";
inline constexpr const char* kStatmentError = "Statment Error";
inline constexpr const char* kFunctionRong = "Function Rong";
inline constexpr const char* kFunctionError = "Function Error";
// Lower-case e: an angle-out function in an AngleMode outside the four.
inline constexpr const char* kFunctionErrorLower = "Function error";
// A line too long to number its tokens in 32 bits.
inline constexpr const char* kLineTooLong = "Line too long: 2147483647 characters or more";

}  // namespace brisalto
