// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Molar masses and compositions: the worked examples, the percentages' sum over many formulas,
// and, as a second answer, the calculator's own evaluator summing the periodic table's weights.
#include "tools/molar_mass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/evaluator.h"
#include "engine/number_text.h"
#include "engine/variable_table.h"
#include "tools/element_symbols.h"
#include "tools/element_table.h"

namespace brisalto {
namespace {

class SilentOutput : public EvaluatorOutput {
  public:
    void AppendResultLine(const std::string&) override {}
    void WriteStandardOutput(const std::string&) override {}
};

// What the calculator answers for an expression typed into its command line.
std::string Evaluate(const std::string& expression) {
    SilentOutput silent;
    bool is_assignment = false;
    std::int32_t index = 0;
    return ValueToText(EvaluateExpression(expression, is_assignment, index,
                                          MakeStartVariableTable(), kDegrees, silent));
}

std::string MassText(std::string_view formula) { return MolarMassText(ComputeMolarMass(formula)); }

TEST(MolarMass, WorkedExamples) {
    const struct {
        const char* formula;
        const char* mass;
    } rows[] = {
        {"H2O", "18.01528"},
        {"H2SO4", "98.07948"},
        {"Ca(OH)2", "74.09268"},
        {"(NH4)2SO4", "132.1406"},
        {"CuSO4·5H2O", "249.686"},
        {"CuSO4*5H2O", "249.686"},
        {"CuSO4.5H2O", "249.686"},
        {"C6H12O6", "180.15768"},
        {"2H2O", "36.03056"},
        {"H", "1.00794"},
        {"Tc", "98"},
        {"Mg", "24.305"},
        {"Lr", "262"},
        {"Og2", "586"},
        {"H1000000", "1007940"},
        {"(H1000000)1000000", "1007940000000"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MassText(row.formula), row.mass) << row.formula;
    }
}

TEST(MolarMass, CompositionRowsAndTable) {
    const MolarMass h2so4 = ComputeMolarMass("H2SO4");
    const std::vector<CompositionRow> rows = CompositionRows(h2so4);
    ASSERT_EQ(rows.size(), 3u);
    const CompositionRow expected[] = {
        {"H", "2", "2.01588", "2.055"},
        {"S", "1", "32.066", "32.694"},
        {"O", "4", "63.9976", "65.251"},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].symbol, expected[i].symbol) << i;
        EXPECT_EQ(rows[i].count, expected[i].count) << i;
        EXPECT_EQ(rows[i].mass, expected[i].mass) << i;
        EXPECT_EQ(rows[i].percent, expected[i].percent) << i;
    }
    const std::vector<std::string> table = CompositionTable(h2so4, "  ");
    const std::vector<std::string> expected_table = {
        "  Element  Count    g/mol  Mass %",
        "  H            2  2.01588   2.055",
        "  S            1   32.066  32.694",
        "  O            4  63.9976  65.251",
    };
    EXPECT_EQ(table, expected_table);
}

// One random formula and the expression a user would type for it from the periodic table.
class FormulaMaker {
  public:
    explicit FormulaMaker(unsigned seed) : random_(seed) {}

    void Make(std::string& formula, std::string& expression) {
        formula.clear();
        expression.clear();
        const int parts = Pick(1, 3);
        for (int p = 0; p < parts; ++p) {
            if (p > 0) {
                static const char* const kDots[] = {"·", "*", ".", "•"};
                formula += kDots[Pick(0, 3)];
                expression += "+";
            }
            std::string part_formula, part_expression;
            Items(2, part_formula, part_expression);
            const int coefficient = Pick(0, 3) == 0 ? Pick(2, 12) : 1;
            if (coefficient > 1) {
                formula += std::to_string(coefficient);
                expression += std::to_string(coefficient) + "*(" + part_expression + ")";
            } else {
                expression += part_expression;
            }
            formula += part_formula;
        }
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void Items(int depth, std::string& formula, std::string& expression) {
        const int items = Pick(1, 4);
        for (int i = 0; i < items; ++i) {
            if (i > 0) expression += "+";
            std::string count = Pick(0, 2) == 0 ? "" : std::to_string(Pick(1, 20));
            if (depth > 0 && Pick(0, 4) == 0) {
                static const char* const kBrackets[] = {"()", "[]", "{}"};
                const char* pair = kBrackets[Pick(0, 2)];
                std::string inner_formula, inner_expression;
                Items(depth - 1, inner_formula, inner_expression);
                formula += pair[0] + inner_formula + pair[1] + count;
                expression += "(" + inner_expression + ")";
            } else {
                const int element = Pick(0, static_cast<int>(kElementCount) - 1);
                formula += ElementSymbol(element);
                if (count.empty()) count = "1";
                formula += count == "1" && Pick(0, 1) == 0 ? "" : count;
                expression += ElementButtons()[static_cast<std::size_t>(element)].weight;
            }
            if (!count.empty()) expression += "*" + count;
        }
    }

    std::mt19937 random_;
};

// The evaluator works through the expression by its own rules, rounding as it goes; the molar
// mass, summed per element, must still come out the same to the last of its 15 digits.
TEST(MolarMass, EqualsTheCalculatorsSumOfAtomicWeights) {
    FormulaMaker maker(20261208);
    std::string formula, expression;
    for (int i = 0; i < 3000; ++i) {
        maker.Make(formula, expression);
        ASSERT_EQ(MassText(formula), Evaluate(expression)) << formula << " against " << expression;
    }
}

TEST(MolarMass, EveryElementTimesCountAgreesWithTypingItsWeight) {
    for (const ElementButton& button : ElementButtons()) {
        const std::string symbol(ElementSymbol(button.index));
        for (int count : {1, 2, 3, 7, 12, 99, 1000, 999999}) {
            const std::string typed = std::to_string(count) + "*" + std::string(button.weight);
            EXPECT_EQ(MassText(symbol + std::to_string(count)), Evaluate(typed)) << typed;
        }
        // The periodic table's own example: 2*H + O.
        const std::string typed = "2*1.00794+" + std::string(button.weight);
        EXPECT_EQ(MassText("H2" + symbol), Evaluate(typed)) << typed;
    }
}

TEST(MolarMass, PercentagesSumToOneHundred) {
    FormulaMaker maker(7);
    std::string formula, expression;
    for (int i = 0; i < 3000; ++i) {
        maker.Make(formula, expression);
        const MolarMass molar_mass = ComputeMolarMass(formula);
        CalcValue exact_sum = 0;
        double shown_sum = 0;
        for (const CompositionRow& row : CompositionRows(molar_mass)) {
            shown_sum += std::stod(row.percent);
        }
        for (const ElementShare& share : molar_mass.composition) exact_sum += share.percent;
        EXPECT_NEAR(static_cast<double>(exact_sum), 100.0, 1e-12) << formula;
        // Each shown share is off by at most half of its last decimal.
        EXPECT_NEAR(shown_sum, 100.0, 0.0005 * static_cast<double>(molar_mass.composition.size()))
            << formula;
    }
}

TEST(MolarMass, TooLargeToWeighIsAnError) {
    std::string formula = "H";
    for (int i = 0; i < 900; ++i) formula = "(" + formula + ")1000000";
    try {
        ComputeMolarMass(formula);
        ADD_FAILURE() << "weighed";
    } catch (const FormulaError& error) {
        EXPECT_EQ(error.kind(), FormulaErrorKind::kTooLarge);
    }
}

}  // namespace
}  // namespace brisalto
