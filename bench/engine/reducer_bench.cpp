// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Times the evaluator (which takes its one-pass road for these plain lines) and the reducer
// alone on long sums and deep bracket nesting, and prints the time per token and the peak memory
// of the process.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "engine/evaluator.h"
#include "engine/number_text.h"

namespace {

class NullOutput : public brisalto::EvaluatorOutput {
  public:
    void AppendResultLine(const std::string&) override {}
    void WriteStandardOutput(const std::string&) override {}
};

std::string SumLine(std::size_t bytes) {
    std::string line = "1";
    while (line.size() + 2 <= bytes) line += "+1";
    return line;
}

std::string NestedLine(std::size_t bytes) {
    const std::size_t depth = (bytes - 1) / 2;
    return std::string(depth, '(') + "1" + std::string(depth, ')');
}

std::size_t CountTokens(const std::string& line) { return line.size(); }

using Evaluate = brisalto::CalcValue (*)(std::string_view, bool&, std::int32_t&,
                                         const brisalto::VariableTable&, brisalto::AngleMode,
                                         brisalto::EvaluatorOutput&);

void Run(const char* shape, const std::string& line, const char* road, Evaluate evaluate) {
    NullOutput output;
    bool is_assignment = false;
    std::int32_t variable_index = 0;
    const auto start = std::chrono::steady_clock::now();
    const brisalto::CalcValue value =
        evaluate(line, is_assignment, variable_index, brisalto::MakeStartVariableTable(),
                 brisalto::kDegrees, output);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const std::size_t tokens = CountTokens(line);
    std::printf("%-8s %-8s %9zu bytes %9zu tokens %9.3f s %8.1f ns/token  result %s\n", road, shape,
                line.size(), tokens, elapsed.count(), elapsed.count() * 1e9 / tokens,
                brisalto::ValueToText(value).c_str());
}

}  // namespace

int main() {
    const std::pair<const char*, Evaluate> roads[] = {{"plain", brisalto::EvaluateExpression},
                                                      {"reducer", brisalto::ReduceExpression}};
    for (const auto& [road, evaluate] : roads) {
        for (const std::size_t bytes : {10'000u, 100'000u, 1'000'000u}) {
            Run("sum", SumLine(bytes), road, evaluate);
            Run("nested", NestedLine(bytes), road, evaluate);
        }
        // 1,000,000 bracket pairs around 1.
        Run("nested", NestedLine(2'000'001), road, evaluate);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
