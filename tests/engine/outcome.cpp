// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tests/engine/outcome.h"

#include <cstring>
#include <sstream>

#include "engine/errors.h"
#include "engine/number_text.h"

namespace brisalto::testing {

namespace {

class Recorder : public EvaluatorOutput {
  public:
    explicit Recorder(Outcome& outcome) : outcome_(outcome) {}
    void AppendResultLine(const std::string& line) override { outcome_.lines.push_back(line); }
    void WriteStandardOutput(const std::string& text) override { outcome_.standard_output += text; }

  private:
    Outcome& outcome_;
};

std::string Bits(CalcValue v) {
    unsigned char bytes[10];
    std::memcpy(bytes, &v, sizeof bytes);
    std::ostringstream out;
    out << std::hex;
    for (int i = 9; i >= 0; --i) out << static_cast<int>(bytes[i]) << ' ';
    return out.str();
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    out << o.kind << " '" << o.text << "' [" << o.bits << "] lines{";
    for (const auto& line : o.lines) out << line << ';';
    return out << "} stdout{" << o.standard_output << "} assign " << o.is_assignment << ' '
               << o.variable_index;
}

Outcome RunEvaluator(const Evaluator& evaluator, std::string_view expression, AngleMode mode,
                     const VariableTable& table) {
    Outcome outcome;
    Recorder recorder(outcome);
    try {
        const CalcValue v = evaluator(expression, outcome.is_assignment, outcome.variable_index,
                                      table, mode, recorder);
        outcome.kind = "value";
        outcome.text = ValueToText(v);
        outcome.bits = Bits(v);
    } catch (const ExpressionError& e) {
        outcome.kind = "expression";
        outcome.text = e.what();
    } catch (const LookupError& e) {
        outcome.kind = "lookup";
        outcome.text = e.what();
    } catch (const ConvertError& e) {
        outcome.kind = "convert";
        outcome.text = e.what();
    } catch (const FloatError& e) {
        outcome.kind = e.fault() == FloatFault::kDivideByZero ? "divide"
                       : e.fault() == FloatFault::kOverflow   ? "overflow"
                                                              : "invalid";
        outcome.text = e.what();
    } catch (const std::exception& e) {
        outcome.kind = "other";
        outcome.text = e.what();
    }
    return outcome;
}

Outcome Evaluate(std::string_view expression, AngleMode mode, const VariableTable& table) {
    return RunEvaluator(EvaluateExpression, expression, mode, table);
}

}  // namespace brisalto::testing
