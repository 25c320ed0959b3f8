// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Reactions of any number of species with one balance and known coefficients, for the benchmarks
// of the balancing and of the reaction dialog.
#pragma once

#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "tools/element_symbols.h"

namespace brisalto::bench {

struct Made {
    std::string text;
    std::vector<std::int64_t> coefficients;
    std::vector<std::vector<long>> matrix;  // element rows, species columns, products negative
};

// Species 0 (left) and n/2 (right) have coefficient 1 and take up each element's difference,
// so the chosen coefficients conserve every element.
inline Made MakeReaction(int species, unsigned seed) {
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

}  // namespace brisalto::bench
