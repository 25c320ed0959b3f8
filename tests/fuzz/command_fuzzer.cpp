// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// libFuzzer target over whole calculator sessions. Each input is a session of its own (a fresh
// Calculator): either raw text, one command line a line, or, after a first byte 0x01, lines
// generated from the bytes (keywords, assignments, answers, factorials, errors, raw text).
// Every line's outcome is compared with a plain model of the calculator's state: the model keeps
// its own variable table and modes, applies the keywords itself, evaluates expressions with the
// reducer alone on its own copy (so the calculator's one-pass road is checked against it with
// the variables earlier lines left) and simple generated arithmetic independently, and so knows
// which variable must change and to what, the answer, the modes, the lines, and the
// standard-output text of every error.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "command/calculator.h"
#include "command/line_outcome.h"
#include "command/result_format.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/variable_table.h"

namespace brisalto {
namespace {

const std::string kSeparator(91, '-');

[[noreturn]] void Fail(const std::string& what, std::string_view line) {
    std::fprintf(stderr, "session check failed: %s; line of %zu bytes: ", what.c_str(),
                 line.size());
    for (unsigned char c : line.substr(0, 200)) std::fprintf(stderr, "\\x%02x", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

// Bit for bit, so that one unit in the last place counts; -0 differs from 0.
bool Same(CalcValue a, CalcValue b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

std::string Lower(std::string_view line) {
    std::string lower(line);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return lower;
}

enum class Effect { kNone, kAngle, kFormat, kClearVariables, kClearWindow, kShell };

struct ModelKeyword {
    std::string_view word;
    Effect effect;
    int argument;  // the angle mode, the format (0 sci, 1 fix, 2 auto) or the shell action
    int lines;     // lines after the separator and the echo
};

constexpr int kFramed = 3;
constexpr int kVarListing = 3 + kAssignableCount;
constexpr std::array<ModelKeyword, 16> kModelKeywords = {{
    {"exit", Effect::kShell, static_cast<int>(ShellAction::kExit), 0},
    {"rad", Effect::kAngle, kRadian, kFramed},
    {"deg", Effect::kAngle, kDegrees, kFramed},
    {"grd", Effect::kAngle, kGrads, kFramed},
    {"cyc", Effect::kAngle, kCycle, kFramed},
    {"mod", Effect::kNone, 0, kFramed},
    {"sci", Effect::kFormat, 0, kFramed},
    {"fix", Effect::kFormat, 1, kFramed},
    {"auto", Effect::kFormat, 2, kFramed},
    {"about", Effect::kShell, static_cast<int>(ShellAction::kAbout), 0},
    {"var", Effect::kNone, 0, kVarListing},
    {"cls", Effect::kClearWindow, 0, 0},
    {"clear", Effect::kClearVariables, 0, kFramed},
    {"help", Effect::kShell, static_cast<int>(ShellAction::kHelp), 0},
    {"print", Effect::kShell, static_cast<int>(ShellAction::kPrint), 0},
    {"save", Effect::kShell, static_cast<int>(ShellAction::kSave), 0},
}};

class CapturedOutput : public EvaluatorOutput {
  public:
    void AppendResultLine(const std::string& line) override { lines.push_back(line); }
    void WriteStandardOutput(const std::string& text) override { standard_output += text; }
    std::vector<std::string> lines;
    std::string standard_output;
};

std::string ErrorText(const FloatError& error) {
    switch (error.fault()) {
        case FloatFault::kDivideByZero:
            return "Divide By Zero";
        case FloatFault::kOverflow:
            return "Floating point overflow";
        case FloatFault::kInvalidOperation:
            break;
    }
    return error.what();
}

// The calculator as a plain record, and what one line must do to it.
struct Model {
    std::vector<CalcValue> values = std::vector<CalcValue>(kVariableCount, 0);
    std::vector<std::string> names = {"A", "B", "C", "D", "F", "G", "H",
                                      "I", "J", "K", "L", "M", "N", "P"};
    AngleMode angle = kDegrees;
    bool scientific = false;
    bool automatic = true;

    Model() { values[kPiIndex] = static_cast<CalcValue>(3.141592653589793); }

    // Applies line to the model and fills want with the outcome the calculator must give.
    // calc formats the numbers (its modes are checked equal to the model's before).
    void Expect(std::string_view line, const Calculator& calc, LineOutcome& want) {
        want.Reset();
        if (line.empty()) return;
        want.lines = {kSeparator, "> " + std::string(line)};
        const std::string lower = Lower(line);
        for (const ModelKeyword& keyword : kModelKeywords) {
            if (keyword.word == lower) return Keyword(keyword, want);
        }
        VariableTable table{names, values};
        CapturedOutput output;
        try {
            bool is_assignment = false;
            std::int32_t index = 0;
            const CalcValue value =
                ReduceExpression(line, is_assignment, index, table, angle, output);
            if (is_assignment && index == kPiIndex) {
                want.kind = OutcomeKind::kConstantRefused;
                Block(output, "P is a constant can't be changed", want);
                return;
            }
            if (!is_assignment) index = 0;
            if (index < 0 || index > kPiIndex) Fail("the engine named no variable", line);
            const std::string prefix =
                is_assignment ? names[static_cast<std::size_t>(index)] + " = " : "Answer(A) = ";
            const std::string body = prefix + calc.FormatResult(value);
            values[static_cast<std::size_t>(index)] = value;
            want.kind = is_assignment ? OutcomeKind::kAssignment : OutcomeKind::kAnswer;
            want.variable_index = index;
            want.value = value;
            Block(output, body, want);
        } catch (const FloatError& error) {
            Error(output, ErrorText(error), want);
        } catch (const ConvertError& error) {
            Error(output, error.what(), want);
        } catch (const ExpressionError& error) {
            Error(output, error.what(), want);
        } catch (...) {
            Error(output, "Function Error or Unable to invoke calculations", want);
        }
    }

  private:
    void Keyword(const ModelKeyword& keyword, LineOutcome& want) {
        want.kind = OutcomeKind::kKeyword;
        switch (keyword.effect) {
            case Effect::kAngle:
                angle = static_cast<AngleMode>(keyword.argument);
                want.modes_changed = true;
                break;
            case Effect::kFormat:
                scientific = keyword.argument == 0;
                automatic = keyword.argument == 2;
                want.modes_changed = true;
                break;
            case Effect::kClearVariables:
                for (int i = 0; i < kAssignableCount; ++i) values[static_cast<std::size_t>(i)] = 0;
                break;
            case Effect::kClearWindow:
                want.lines.clear();
                want.clear_window = true;
                break;
            case Effect::kShell:
                want.action = static_cast<ShellAction>(keyword.argument);
                break;
            case Effect::kNone:
                break;
        }
        // The texts of the keyword lines are the golden transcripts' business; here their count.
        want.lines.resize(want.lines.size() + static_cast<std::size_t>(keyword.lines));
    }

    static void Block(const CapturedOutput& output, const std::string& body, LineOutcome& want) {
        want.lines.insert(want.lines.end(), output.lines.begin(), output.lines.end());
        want.lines.insert(want.lines.end(), {kSeparator, body, kSeparator});
        want.standard_output = output.standard_output;
    }

    static void Error(const CapturedOutput& output, const std::string& text, LineOutcome& want) {
        want.lines.insert(want.lines.end(), output.lines.begin(), output.lines.end());
        want.lines.push_back(text);
        want.kind = OutcomeKind::kError;
        want.error = text;
        want.standard_output = output.standard_output;
    }
};

void Compare(const LineOutcome& got, const LineOutcome& want, bool keyword, std::string_view line) {
    if (got.kind != want.kind) Fail("outcome kind", line);
    if (got.variable_index != want.variable_index) Fail("variable written", line);
    if (!Same(got.value, want.value)) Fail("value", line);
    if (got.error != want.error) Fail("error text [" + got.error + "]", line);
    if (got.standard_output != want.standard_output) {
        Fail("standard output [" + got.standard_output + "]", line);
    }
    if (got.clear_window != want.clear_window) Fail("clear", line);
    if (got.action != want.action) Fail("shell action", line);
    if (got.modes_changed != want.modes_changed) Fail("modes changed flag", line);
    if (got.lines.size() != want.lines.size()) {
        Fail("line count " + std::to_string(got.lines.size()) + ", want " +
                 std::to_string(want.lines.size()),
             line);
    }
    // A keyword's own lines are counted only; everything else line by line.
    const std::size_t exact =
        keyword ? std::min<std::size_t>(2, want.lines.size()) : want.lines.size();
    for (std::size_t i = 0; i < exact; ++i) {
        if (got.lines[i] != want.lines[i])
            Fail("line " + std::to_string(i) + " [" + got.lines[i] + "]", line);
    }
}

void CompareState(const Calculator& calc, const Model& model, std::string_view line) {
    const std::vector<CalcValue>& values = calc.variables().values;
    if (values.size() != model.values.size()) Fail("table size", line);
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (!Same(values[k], model.values[k])) Fail("variable " + model.names[k], line);
    }
    if (calc.angle_mode() != model.angle) Fail("angle mode", line);
    if (calc.scientific_flag() != model.scientific || calc.automatic_flag() != model.automatic) {
        Fail("number format", line);
    }
}

// One line through the calculator and the model.
void Step(Calculator& calc, Model& model, LineOutcome& got, LineOutcome& want,
          std::string_view line) {
    model.Expect(line, calc, want);
    calc.RunGoAction(line, got);
    Compare(got, want, want.kind == OutcomeKind::kKeyword, line);
    CompareState(calc, model, line);
}

// ---- Generated sessions ----

constexpr std::string_view kLetters = "ABCDFGHIJKLMNP";
constexpr std::array<std::string_view, 8> kFunctions = {"sin",  "cos",  "tan", "xsin",
                                                        "asin", "logn", "abs", "cosh"};
constexpr std::array<std::string_view, 8> kErrorLines = {"1/0",   "2*(3",          "x",   "O+1",
                                                         "1.2.3", "1e4000*1e4000", "0/0", "3!2"};

std::string Number(long long n) {
    return n < 0 ? "(" + std::to_string(n) + ")" : std::to_string(n);
}

// A line from the bytes; for arithmetic of small whole numbers, also its exact value.
std::string Generate(FuzzedDataProvider& data, bool& has_exact, long long& exact) {
    has_exact = false;
    const char letter = kLetters[data.ConsumeIntegralInRange<std::size_t>(0, kLetters.size() - 1)];
    switch (data.ConsumeIntegralInRange(0, 7)) {
        case 0: {
            std::string word(kModelKeywords[data.ConsumeIntegralInRange<std::size_t>(
                                                0, kModelKeywords.size() - 1)]
                                 .word);
            if (data.ConsumeBool()) word[0] = static_cast<char>(word[0] - 'a' + 'A');
            return word;
        }
        case 1:
        case 2: {
            const long long a = data.ConsumeIntegralInRange(-99999, 99999);
            const long long b = data.ConsumeIntegralInRange(-99999, 99999);
            const int op = data.ConsumeIntegralInRange(0, 2);
            has_exact = true;
            exact = op == 0 ? a + b : op == 1 ? a - b : a * b;
            std::string text = Number(a) + "+-*"[op] + Number(b);
            return data.ConsumeBool() ? std::string(1, letter) + "=" + text : text;
        }
        case 3: {
            const char other = kLetters[data.ConsumeIntegralInRange<std::size_t>(0, 13)];
            return std::string(1, letter) + "=" + other +
                   "+*-/^"[data.ConsumeIntegralInRange(0, 4)] +
                   std::string(1, kLetters[data.ConsumeIntegralInRange<std::size_t>(0, 13)]);
        }
        case 4:
            return std::string(kFunctions[data.ConsumeIntegralInRange<std::size_t>(0, 7)]) + "(" +
                   std::to_string(data.ConsumeIntegralInRange(-400, 400)) + ")";
        case 5:
            return std::to_string(data.ConsumeIntegralInRange(0, 30)) + "!" +
                   (data.ConsumeBool() ? "+A" : "");
        case 6:
            return std::string(kErrorLines[data.ConsumeIntegralInRange<std::size_t>(0, 7)]);
        default:
            return data.ConsumeRandomLengthString(64);
    }
}

void RunGenerated(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    Calculator calc;
    calc.SetPrecision(kDefaultPrecision);
    Model model;
    LineOutcome got;
    LineOutcome want;
    for (int count = 0; count < 64 && data.remaining_bytes() > 0; ++count) {
        bool has_exact = false;
        long long exact = 0;
        const std::string line = Generate(data, has_exact, exact);
        if (line.find('\n') != std::string::npos) continue;
        Step(calc, model, got, want, line);
        if (has_exact && want.kind != OutcomeKind::kConstantRefused &&
            (want.kind == OutcomeKind::kError || want.value != static_cast<CalcValue>(exact))) {
            Fail("whole-number arithmetic gave " + std::to_string(static_cast<double>(want.value)) +
                     ", want " + std::to_string(exact),
                 line);
        }
    }
}

void RunText(std::string_view rest) {
    Calculator calc;
    calc.SetPrecision(kDefaultPrecision);
    Model model;
    LineOutcome got;
    LineOutcome want;
    while (true) {
        const std::size_t end = rest.find('\n');
        Step(calc, model, got, want, rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
}

}  // namespace
}  // namespace brisalto

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0 && data[0] == 0x01) {
        brisalto::RunGenerated(data + 1, size - 1);
    } else {
        brisalto::RunText(std::string_view(reinterpret_cast<const char*>(data), size));
    }
    return 0;
}
