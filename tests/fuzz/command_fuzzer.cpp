// libFuzzer target over Calculator::ProcessCommandLine: every line ends as an answer, an
// assignment, a keyword's lines or exactly one error line, and an error leaves the variables, the
// answer and the modes as they were.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "command/calculator.h"
#include "command/command_processor.h"
#include "command/line_outcome.h"
#include "command/result_format.h"

namespace brisalto {
namespace {

[[noreturn]] void Fail(const char* what, std::string_view line) {
    std::fprintf(stderr, "invariant broken: %s; line of %zu bytes: ", what, line.size());
    for (unsigned char c : line.substr(0, 200)) std::fprintf(stderr, "\\x%02x", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsErrorLine(std::string_view line) {
    static const char* const kFixed[] = {"Divide By Zero",
                                         "Floating point overflow",
                                         "Invalid floating point operation",
                                         "Equation Rong",
                                         "Statment Error",
                                         "Function Rong",
                                         "Function Error",
                                         "Function error",
                                         "Function Error or Unable to invoke calculations"};
    for (const char* text : kFixed) {
        if (line == text) return true;
    }
    const auto ends_with = [&](std::string_view suffix) {
        return line.size() >= suffix.size() && line.substr(line.size() - suffix.size()) == suffix;
    };
    return StartsWith(line, "'") && (ends_with("' is not a valid floating point value") ||
                                     ends_with("' is not a valid integer value"));
}

// A stored NaN equals itself here.
bool Same(CalcValue a, CalcValue b) { return a == b || (std::isnan(a) && std::isnan(b)); }

struct Snapshot {
    std::vector<CalcValue> values;
    AngleMode angle;
    bool scientific;
    bool automatic;
    bool operator==(const Snapshot& o) const {
        if (angle != o.angle || scientific != o.scientific || automatic != o.automatic ||
            values.size() != o.values.size()) {
            return false;
        }
        for (size_t k = 0; k < values.size(); ++k) {
            if (!Same(values[k], o.values[k])) return false;
        }
        return true;
    }
};

Snapshot TakeSnapshot(const Calculator& calc) {
    return {calc.variables().values, calc.angle_mode(), calc.scientific_flag(),
            calc.automatic_flag()};
}

void CheckLine(Calculator& calc, LineOutcome& view, std::string_view line) {
    const auto Take = [&calc] { return TakeSnapshot(calc); };
    const Snapshot before = Take();
    calc.ProcessCommandLine(line, view);
    const std::string lower = LowerCaseLine(line);
    if (lower == "cls") {
        if (!view.lines.empty()) Fail("cls left lines", line);
        return;
    }
    const std::string sep(kSeparatorLine);
    if (view.lines.size() < 2 || view.lines[0] != sep ||
        view.lines[1] != "> " + std::string(line)) {
        Fail("no separator and echo", line);
    }
    for (const Keyword& keyword : KeywordTable()) {
        if (lower == keyword.word) return;
    }
    size_t i = 2;
    while (i < view.lines.size() && StartsWith(view.lines[i], "Counter = ")) ++i;
    const size_t rest = view.lines.size() - i;
    if (rest == 1) {
        if (!IsErrorLine(view.lines[i])) Fail("unknown error line", line);
        if (!(Take() == before)) Fail("state changed by an error", line);
        if (view.lines[i] == "Statment Error" && view.standard_output != "\n Function Error\n") {
            Fail("Statment Error without its standard output", line);
        }
        return;
    }
    if (rest != 3 || view.lines[i] != sep || view.lines[i + 2] != sep) {
        Fail("neither a block nor one error line", line);
    }
    const std::string& body = view.lines[i + 1];
    const Snapshot after = Take();
    if (after.angle != before.angle || after.scientific != before.scientific ||
        after.automatic != before.automatic) {
        Fail("an evaluation changed a mode", line);
    }
    if (body == "P is a constant can't be changed") {
        if (!(after == before)) Fail("P refused but state changed", line);
        return;
    }
    int changed = 0;
    for (size_t k = 0; k < before.values.size(); ++k) {
        if (!Same(before.values[k], after.values[k])) ++changed;
    }
    if (changed > 1) Fail("more than one variable changed", line);
    if (after.values[kPiIndex] != before.values[kPiIndex]) Fail("P changed", line);
    if (StartsWith(body, "Answer(A) = ")) return;
    if (body.size() > 4 && body[0] >= 'A' && body[0] <= 'N' && body.substr(1, 3) == " = ") return;
    Fail("unknown block line", line);
}

}  // namespace
}  // namespace brisalto

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brisalto;
    // Every input starts a calculator of its own: a short session, one command line a line.
    Calculator calc;
    calc.SetPrecision(kDefaultPrecision);
    LineOutcome outcome;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (true) {
        const size_t end = rest.find('\n');
        CheckLine(calc, outcome, rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return 0;
}
