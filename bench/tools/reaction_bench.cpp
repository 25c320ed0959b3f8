// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Times the balancing of reactions of 10, 20 and 30 species made of as many elements less one
// (one balance, with known coefficients), against the goal of 10 ms for 30 species, and beside
// it bc -l solving the same 30-species system by Gaussian elimination.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/tools/reaction_maker.h"
#include "tools/reaction.h"

namespace {

constexpr double kGoalSeconds = 0.010;

double BalanceSeconds(const brisalto::bench::Made& made, int repeats, bool& right) {
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
void ReportBc(const brisalto::bench::Made& made) {
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
    close(fd);
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
    brisalto::bench::Made largest;
    for (int species : {10, 20, 30}) {
        const brisalto::bench::Made made =
            brisalto::bench::MakeReaction(species, 20u + static_cast<unsigned>(species));
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
