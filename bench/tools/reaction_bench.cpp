// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Times the balancing of reactions of 10, 20 and 30 species made of as many elements less one
// (one balance, with known coefficients), against the goal of 10 ms for 30 species, and beside
// it bc -l solving the same 30-species system by Gaussian elimination.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "tools/element_symbols.h"
#include "tools/reaction.h"

namespace {

constexpr double kGoalSeconds = 0.010;

struct Made {
    std::string text;
    std::vector<std::int64_t> coefficients;
    std::vector<std::vector<long>> matrix;  // element rows, species columns, products negative
};

// Species 0 (left) and n/2 (right) have coefficient 1 and take up each element's difference,
// so the chosen coefficients conserve every element.
Made MakeReaction(int species, unsigned seed) {
    std::mt19937 random(seed);
    const int elements = species - 1;
    const int left = species / 2;
    std::vector<long> c(static_cast<std::size_t>(species));
    for (long& v : c) v = static_cast<long>(random() % 5 + 1);
    c[0] = 1;
    c[static_cast<std::size_t>(left)] = 1;
    std::vector<std::vector<long>> counts(static_cast<std::size_t>(elements),
                                          std::vector<long>(static_cast<std::size_t>(species), 0));
    for (auto& row : counts) {
        long difference = 0;
        for (int s = 0; s < species; ++s) {
            if (s == 0 || s == left) continue;
            const long n = random() % 2 == 0 ? 0 : static_cast<long>(random() % 4 + 1);
            row[static_cast<std::size_t>(s)] = n;
            difference += (s < left ? 1 : -1) * n * c[static_cast<std::size_t>(s)];
        }
        row[difference > 0 ? static_cast<std::size_t>(left) : 0] +=
            difference > 0 ? difference : -difference;
        row[0] += 1;
        row[static_cast<std::size_t>(left)] += 1;
    }
    Made made;
    for (int s = 0; s < species; ++s) {
        if (s > 0) made.text += s == left ? " = " : " + ";
        for (int e = 0; e < elements; ++e) {
            const long n = counts[static_cast<std::size_t>(e)][static_cast<std::size_t>(s)];
            if (n == 0) continue;
            made.text += std::string(brisalto::ElementSymbol(e));
            if (n > 1) made.text += std::to_string(n);
        }
    }
    long divisor = 0;
    for (long v : c) divisor = std::gcd(divisor, v);
    for (long v : c) made.coefficients.push_back(v / divisor);
    for (auto& row : counts) {
        for (int s = left; s < species; ++s) row[static_cast<std::size_t>(s)] *= -1;
    }
    made.matrix = counts;
    return made;
}

double BalanceSeconds(const Made& made, int repeats, bool& right) {
    std::vector<double> times;
    right = true;
    for (int k = 0; k < repeats; ++k) {
        const auto start = std::chrono::steady_clock::now();
        try {
            const brisalto::BalancedReaction balanced = brisalto::BalanceReaction(made.text);
            right = right && balanced.coefficients == made.coefficients;
        } catch (const brisalto::ReactionError& error) {
            if (right) std::printf("refused: %s\n", error.what());
            right = false;
        }
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// bc -l solving the system with the last species' coefficient set to 1.
void ReportBc(const Made& made) {
    const std::size_t rows = made.matrix.size();
    const std::size_t columns = made.matrix[0].size();
    std::string program = "scale=40\n";
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            program += "a[" + std::to_string(r * columns + c) +
                       "]=" + std::to_string(made.matrix[r][c]) + "\n";
        }
    }
    program += "n=" + std::to_string(columns) + "\nm=" + std::to_string(rows) + "\n" +
               "for(k=0;k<m;k++){p=k;for(i=k;i<m;i++){if(a[i*n+k]!=0){p=i;break}}\n"
               " for(j=0;j<n;j++){t=a[k*n+j];a[k*n+j]=a[p*n+j];a[p*n+j]=t}\n"
               " for(i=0;i<m;i++){if(i!=k){f=a[i*n+k]/a[k*n+k];"
               "for(j=0;j<n;j++){a[i*n+j]=a[i*n+j]-f*a[k*n+j]}}}}\n"
               "for(k=0;k<m;k++){x=-a[k*n+n-1]/a[k*n+k]}\nx\n";
    char path[] = "/tmp/reaction_bench_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return;
    std::ofstream(path) << program;
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
    std::printf("%-22s %2zu species  %9.3f ms  (Gaussian elimination, scale 40)\n", "bc -l",
                columns, seconds * 1e3);
}

}  // namespace

int main() {
    Made largest;
    for (int species : {10, 20, 30}) {
        const Made made = MakeReaction(species, 20u + static_cast<unsigned>(species));
        bool right = false;
        const double seconds = BalanceSeconds(made, 101, right);
        std::printf("%-22s %2d species  %9.3f ms  %s\n", "brisalto balance", species, seconds * 1e3,
                    right ? "known coefficients" : "WRONG OR REFUSED");
        if (species == 30) {
            std::printf("goal: 30 species under %.0f ms: %s\n", kGoalSeconds * 1e3,
                        right && seconds < kGoalSeconds ? "met" : "NOT MET");
        }
        largest = made;
    }
    ReportBc(largest);
    return 0;
}
