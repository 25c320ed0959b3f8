// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Times the molar mass of formulas of 100 kB, 1 MB and 10 MB in several shapes (flat, brackets
// nested a third of the length deep, a long hydrate chain, every element) and, beside it, bc on
// the sum of atomic weights that the flat 1 MB formula stands for.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tools/element_symbols.h"
#include "tools/element_table.h"
#include "tools/molar_mass.h"

namespace {

using brisalto::ComputeMolarMass;

std::string Repeat(const std::string& piece, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() + piece.size() <= bytes) text += piece;
    return text;
}

std::string Flat(std::size_t bytes) { return Repeat("C6H12O6", bytes); }

std::string Nested(std::size_t bytes) {
    const std::size_t depth = bytes / 3;
    return Repeat("(H", 2 * depth) + Repeat(")", depth);
}

std::string Hydrates(std::size_t bytes) { return "CuSO4" + Repeat("·5H2O", bytes); }

std::string EveryElement(std::size_t bytes) {
    std::string all;
    for (const brisalto::ElementButton& button : brisalto::ElementButtons()) {
        all += brisalto::ElementSymbol(button.index);
    }
    return Repeat("(" + all + ")2", bytes);
}

double Seconds(const std::string& formula, std::string& mass) {
    const auto start = std::chrono::steady_clock::now();
    try {
        mass = brisalto::MolarMassText(ComputeMolarMass(formula));
    } catch (const brisalto::FormulaError& error) {
        mass = error.what();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* shape, std::string (*make)(std::size_t)) {
    for (std::size_t bytes :
         {std::size_t{100} << 10, std::size_t{1} << 20, std::size_t{10} << 20}) {
        const std::string formula = make(bytes);
        std::string mass;
        const double seconds = Seconds(formula, mass);
        std::printf("%-14s %9zu bytes  %8.4f s  %7.1f MB/s  %s\n", shape, formula.size(), seconds,
                    static_cast<double>(formula.size()) / seconds / 1e6, mass.c_str());
    }
}

// bc reading the sum that a flat formula of `bytes` stands for: "12.011*6+1.00794*12+...".
void ReportBc(std::size_t bytes) {
    const std::string formula = Flat(bytes);
    std::string expression;
    for (std::size_t i = 0; i < formula.size() / 7; ++i) {
        if (i > 0) expression += '+';
        expression += "12.011*6+1.00794*12+15.9994*6";
    }
    char path[] = "/tmp/molar_mass_bench_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return;
    std::ofstream(path) << expression << '\n';
    const std::string command = std::string("bc -l < ") + path + " > /dev/null";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::remove(path);
    if (status != 0) {
        std::printf("bc -l: not available (status %d)\n", status);
        return;
    }
    std::printf("%-14s %9zu bytes  %8.4f s  for its sum of weights, %zu bytes\n", "bc -l",
                formula.size(), seconds, expression.size());
}

}  // namespace

int main() {
    Report("flat", Flat);
    Report("nested", Nested);
    Report("hydrates", Hydrates);
    Report("every element", EveryElement);
    ReportBc(std::size_t{1} << 20);
    return 0;
}
