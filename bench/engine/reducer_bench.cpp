// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Times the reducer on long sums and deep bracket nesting and prints the time per token and the
// peak memory of the process.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

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

void Run(const char* shape, const std::string& line) {
    NullOutput output;
    bool is_assignment = false;
    std::int32_t variable_index = 0;
    const auto start = std::chrono::steady_clock::now();
    const brisalto::CalcValue value = brisalto::EvaluateExpression(
        line, is_assignment, variable_index, brisalto::MakeStartVariableTable(), brisalto::kDegrees,
        output);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const std::size_t tokens = CountTokens(line);
    std::printf("%-8s %9zu bytes %9zu tokens %9.3f s %8.1f ns/token  result %s\n", shape,
                line.size(), tokens, elapsed.count(), elapsed.count() * 1e9 / tokens,
                brisalto::ValueToText(value).c_str());
}

}  // namespace

int main() {
    for (const std::size_t bytes : {10'000u, 100'000u, 1'000'000u}) {
        Run("sum", SumLine(bytes));
        Run("nested", NestedLine(bytes));
    }
    // The nesting target: 1,000,000 bracket pairs around 1.
    Run("nested", NestedLine(2'000'001));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
