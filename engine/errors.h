// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The error kinds the engine raises. The command processor alone turns them into lines.
#pragma once

#include <stdexcept>
#include <string>

namespace brisalto {

// A fixed text of the evaluator: "Equation Rong", "Statment Error", "Function Rong", ...
class ExpressionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "Unable to find Value of " and a variable's text.
class LookupError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A number text that cannot be converted: "'%s' is not a valid floating point value" or
// "'%s' is not a valid integer value".
class ConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class FloatFault { kDivideByZero, kOverflow, kInvalidOperation };

// A floating-point fault of a CalcValue operation.
class FloatError : public std::runtime_error {
  public:
    explicit FloatError(FloatFault fault);
    FloatFault fault() const { return fault_; }

  private:
    FloatFault fault_;
};

inline constexpr const char* kInvalidOperationText = "Invalid floating point operation";
inline constexpr const char* kDivideByZeroText = "Floating point division by zero";
inline constexpr const char* kOverflowText = "Floating point overflow";

inline FloatError::FloatError(FloatFault fault)
    : std::runtime_error(fault == FloatFault::kDivideByZero ? kDivideByZeroText
                         : fault == FloatFault::kOverflow   ? kOverflowText
                                                            : kInvalidOperationText),
      fault_(fault) {}

}  // namespace brisalto
