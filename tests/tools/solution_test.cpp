// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Quantities with their units, solutions, dilutions and the amounts around a reaction, each
// against a plain second computation written here with the units' factors spelt out.
#include "tools/solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "tools/molar_mass.h"
#include "tools/reaction_amounts.h"

namespace brisalto {
namespace {

void ExpectNear(long double actual, long double expected, const std::string& what) {
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),
                std::fabs(static_cast<double>(expected)) * 1e-12)
        << what;
}

std::string Text(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

TEST(SolutionTest, MassToWeighMatchesPlainArithmetic) {
    struct Row {
        const char* formula;
        const char* concentration;
        const char* volume;
        double grams_per_molar_litre;  // factor of molar mass for molar ones, else 0
        double grams_flat;             // grams for a mass concentration
    };
    const double cuso4 = 249.686;
    const Row rows[] = {
        {"CuSO4·5H2O", "0.1M", "250mL", 0.1 * 0.25, 0},
        {"CuSO4·5H2O", "0.1 M", "250 mL", 0.1 * 0.25, 0},
        {"CuSO4·5H2O", "100 mM", "0.25 L", 0.1 * 0.25, 0},
        {"CuSO4·5H2O", "250 \u00B5M", "2 L", 250e-6 * 2, 0},
        {"CuSO4·5H2O", "250 \u03BCM", "500 uL", 250e-6 * 500e-6, 0},
        {"CuSO4·5H2O", "3 mmol/L", "40 ml", 3e-3 * 0.04, 0},
        {"CuSO4·5H2O", "1.5 mol/L", "1 MilliLiters", 1.5e-3, 0},
        {"CuSO4·5H2O", "5 g/L", "200 mL", 0, 5 * 0.2},
        {"CuSO4·5H2O", "2 mg/mL", "50 mL", 0, 2 * 0.05},
        {"CuSO4·5H2O", "5 % w/v", "100 mL", 0, 5},
        {"CuSO4·5H2O", "0.9 %", "1 L", 0, 9},
        {"CuSO4·5H2O", "20 \u00B5g/mL", "10 mL", 0, 20e-3 * 0.01},
    };
    for (const Row& row : rows) {
        const std::string what = std::string(row.concentration) + " " + row.volume;
        const Quantity c = ParseConcentration(row.concentration);
        const Quantity v = ParseVolume(row.volume);
        const CalcValue grams = MassToWeigh(ComputeMolarMass(row.formula).value, c, v);
        ExpectNear(grams, row.grams_flat + row.grams_per_molar_litre * cuso4, what);
        // The reverse gives the concentration back.
        const Quantity mass = ParseQuantities(Text(static_cast<double>(grams)) + " g")[0];
        const Concentrations back = ConcentrationOf(cuso4, mass, v);
        ExpectNear(back.grams_per_litre * v.value, grams, what);
        ExpectNear(back.molarity * cuso4 * v.value, grams, what);
    }
    EXPECT_EQ(SolutionRecipe("CuSO4·5H2O", 6.24215L, ParseQuantities("250 mL")[0]).Text(),
              "Dissolve 6.242 g of CuSO4·5H2O in water and make up to 250 mL");
}

TEST(SolutionTest, QuantityFaultsNameTheirPlace) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "a number is missing (at character 1)"},
        {"mL", "a number is missing (at character 1)"},
        {"25", "25 needs a unit: 10 g, 25 mL, 0.1 M (at character 1)"},
        {"25 mL 3", "3 needs a unit: 10 g, 25 mL, 0.1 M (at character 7)"},
        {"25 furlongs",
         "furlongs is not a unit of mass, amount, volume or concentration (at character 4)"},
        {"25 km", "km is not a unit of mass, amount, volume or concentration (at character 4)"},
        {"0 mL", "0 must be greater than 0 (at character 1)"},
        {"-2 g", "-2 must be greater than 0 (at character 1)"},
        {"1..2 g", "'1..2' is not a number (at character 1)"},
    };
    for (const auto& [text, message] : rows) {
        try {
            ParseQuantities(text);
            ADD_FAILURE() << text << " was read";
        } catch (const QuantityError& error) {
            EXPECT_EQ(std::string(error.what()), message) << text;
        }
    }
    // Units of the conversion registry that are not in the chemist's short list.
    ExpectNear(ParseQuantities("2 lb")[0].value, 2 * 453.59237L, "lb");
    ExpectNear(ParseQuantities("3 Kilograms")[0].value, 3000, "Kilograms");
}

TEST(SolutionTest, DilutionSolvesForEachOfTheFour) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> value(0.01, 100);
    for (int round = 0; round < 200; ++round) {
        const double c1 = value(random) + 100;  // mM, above c2
        const double v1 = value(random);        // mL
        const double c2 = value(random);        // mM
        const double v2 = c1 * v1 / c2;
        const std::optional<Quantity> q[4] = {
            ParseQuantities(Text(c1) + " mM")[0], ParseQuantities(Text(v1) + " mL")[0],
            ParseQuantities(Text(c2) + " mM")[0], ParseQuantities(Text(v2) + " mL")[0]};
        const double expected[4] = {c1, v1, c2, v2};
        for (std::size_t missing = 0; missing < 4; ++missing) {
            std::optional<Quantity> given[4] = {q[0], q[1], q[2], q[3]};
            given[missing].reset();
            const Dilution d = Dilute(given[0], given[1], given[2], given[3]);
            EXPECT_EQ(d.computed, missing);
            const Quantity* all[4] = {&d.c1, &d.v1, &d.c2, &d.v2};
            EXPECT_NEAR(static_cast<double>(InUnit(all[missing]->value, *all[missing])),
                        expected[missing], expected[missing] * 1e-5);
            EXPECT_NEAR(static_cast<double>(d.solvent), (v2 - v1) / 1000, v2 * 1e-8);
        }
    }
    EXPECT_THROW(Dilute(ParseQuantities("1 M")[0], ParseQuantities("1 mL")[0],
                        ParseQuantities("5 g/L")[0], std::nullopt),
                 QuantityError);
    EXPECT_THROW(Dilute(ParseQuantities("1 M")[0], ParseQuantities("1 mL")[0],
                        ParseQuantities("2 M")[0], std::nullopt),
                 QuantityError);
}

// Moles = grams / molar mass, extent = smallest moles / coefficient over the given reactants.
TEST(AmountsTest, LimitingReactantOverRandomCases) {
    const BalancedReaction balanced = BalanceReaction("C8H18 + O2 = CO2 + H2O");
    double mass[4];
    for (std::size_t s = 0; s < 4; ++s) {
        mass[s] = static_cast<double>(ComputeMolarMass(balanced.reaction.species[s].formula).value);
    }
    const int coefficient[4] = {2, 25, 16, 18};
    std::mt19937 random(9);
    std::uniform_real_distribution<double> grams(0.5, 500);
    for (int round = 0; round < 300; ++round) {
        const double g0 = grams(random);
        const double g1 = grams(random);
        const std::vector<GivenAmount> given = {
            ParseGivenAmount(balanced, "C8H18=" + Text(g0) + " g"),
            ParseGivenAmount(balanced, "O2 = " + Text(g1 / 1000) + " kg")};
        const Amounts amounts = ComputeAmounts(balanced, given);
        const double e0 = g0 / mass[0] / coefficient[0];
        const double e1 = g1 / mass[1] / coefficient[1];
        const double extent = std::min(e0, e1);
        EXPECT_EQ(amounts.limiting, e0 < e1 ? 0 : 1);
        for (std::size_t s = 0; s < 4; ++s) {
            ExpectNear(amounts.rows[s].moles, extent * coefficient[s], "moles");
            ExpectNear(amounts.rows[s].grams, extent * coefficient[s] * mass[s], "grams");
        }
        const std::size_t other = e0 < e1 ? 1 : 0;
        const double given_grams = other == 0 ? g0 : g1;
        EXPECT_NEAR(static_cast<double>(amounts.rows[other].left_grams),
                    given_grams - extent * coefficient[other] * mass[other], 1e-9 * given_grams);
    }
}

TEST(AmountsTest, HandWorkedProblems) {
    // 10 g of H2 with 64 g of O2: O2 runs out, 4.00015 mol of water, 72.0632 g.
    const BalancedReaction water = BalanceReaction("H2 + O2 = H2O");
    const Amounts a = ComputeAmounts(
        water, {ParseGivenAmount(water, "H2=10 g"), ParseGivenAmount(water, "O2=64 g")},
        ParseGivenAmount(water, "H2O=60 g"));
    EXPECT_EQ(a.limiting, 1);
    EXPECT_NEAR(static_cast<double>(a.rows[2].moles), 2 * 64 / 31.9988, 1e-12);
    EXPECT_NEAR(static_cast<double>(a.rows[2].grams), 72.063, 1e-3);
    EXPECT_NEAR(static_cast<double>(a.percent_yield), 60 / 72.0632 * 100, 1e-3);
    // 25 mL of 0.1 M HCl neutralised by NaOH: 2.5 mmol, 0.1 g of NaOH.
    const BalancedReaction acid = BalanceReaction("HCl + NaOH = NaCl + H2O");
    const Amounts b = ComputeAmounts(acid, {ParseGivenAmount(acid, "HCl=25 mL 0.1 M")});
    EXPECT_EQ(b.limiting, -1);
    EXPECT_NEAR(static_cast<double>(b.rows[1].grams), 0.0025 * 39.997108, 1e-12);
    // One product asked for: the reactants it takes.
    const Amounts c = ComputeAmounts(water, {ParseGivenAmount(water, "H2O=1 mol")});
    EXPECT_NEAR(static_cast<double>(c.rows[1].moles), 0.5, 1e-15);
    // Refusals: an unknown species, a product beside a reactant, a reactant's yield.
    EXPECT_THROW(ParseGivenAmount(water, "N2=1 g"), QuantityError);
    EXPECT_THROW(ParseGivenAmount(water, "H2 1 g"), QuantityError);
    EXPECT_THROW(ComputeAmounts(water, {ParseGivenAmount(water, "H2=1 g"),
                                        ParseGivenAmount(water, "H2O=1 g")}),
                 QuantityError);
    EXPECT_THROW(ComputeAmounts(water, {ParseGivenAmount(water, "H2=1 g")},
                                ParseGivenAmount(water, "O2=1 g")),
                 QuantityError);
}

}  // namespace
}  // namespace brisalto
