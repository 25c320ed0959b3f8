// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Balancing checked against textbook coefficients and by recounting the printed equation's atoms
// and charge with the formula parser; refusals by kind, with random reactions of both sorts.
#include "tools/reaction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace brisalto {
namespace {

struct Term {
    long coefficient = 1;
    std::string species;
};

std::vector<std::string> SplitOn(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

// "2 C8H18 + 25 O2 = 16 CO2 + 18 H2O" into its two sides of terms.
std::vector<std::vector<Term>> Sides(const std::string& equation) {
    for (const std::string arrow : {" = ", " -> ", " \u2192 ", " <=> ", " \u21CC "}) {
        const std::vector<std::string> halves = SplitOn(equation, arrow);
        if (halves.size() != 2) continue;
        std::vector<std::vector<Term>> sides(2);
        for (int s = 0; s < 2; ++s) {
            for (const std::string& text : SplitOn(halves[static_cast<std::size_t>(s)], " + ")) {
                Term term;
                const std::size_t blank = text.find(' ');
                if (blank != std::string::npos &&
                    std::isdigit(static_cast<unsigned char>(text[0]))) {
                    term.coefficient = std::stol(text.substr(0, blank));
                    term.species = text.substr(blank + 1);
                } else {
                    term.species = text;
                }
                sides[static_cast<std::size_t>(s)].push_back(term);
            }
        }
        return sides;
    }
    ADD_FAILURE() << "no arrow in " << equation;
    return {{}, {}};
}

// Atoms by symbol and the charge under the key "charge", counted from the species' text alone.
void Count(const std::string& species, long times, std::map<std::string, long>& totals) {
    std::string formula = species;
    for (const char* state : {"(aq)", "(s)", "(l)", "(g)"}) {
        const std::string s(state);
        if (formula.size() > s.size() && formula.ends_with(s))
            formula.resize(formula.size() - s.size());
    }
    long charge = 0;
    if (const std::size_t caret = formula.find('^'); caret != std::string::npos) {
        const std::string text = formula.substr(caret + 1);
        const long magnitude =
            std::isdigit(static_cast<unsigned char>(text[0])) ? std::stol(text) : 1;
        charge = text.back() == '-' ? -magnitude : magnitude;
        formula.resize(caret);
    }
    totals["charge"] += charge * times;
    if (formula == "e") return;
    for (const ElementCount& count : ParseFormula(formula)) {
        totals[count.symbol] += static_cast<long>(count.count) * times;
    }
}

// The printed equation conserves every element and the charge, and its coefficients are the
// smallest whole ones.
void ExpectConserved(const std::string& equation) {
    const auto sides = Sides(equation);
    std::map<std::string, long> totals;
    long divisor = 0;
    for (int s = 0; s < 2; ++s) {
        for (const Term& term : sides[static_cast<std::size_t>(s)]) {
            EXPECT_GT(term.coefficient, 0) << equation;
            Count(term.species, s == 0 ? term.coefficient : -term.coefficient, totals);
            divisor = std::gcd(divisor, term.coefficient);
        }
    }
    for (const auto& [key, total] : totals) EXPECT_EQ(total, 0) << key << " in " << equation;
    EXPECT_EQ(divisor, 1) << equation;
}

// The equation with every coefficient taken off.
std::string Unbalanced(const std::string& equation) {
    const auto sides = Sides(equation);
    std::string text;
    for (int s = 0; s < 2; ++s) {
        if (s == 1) text += " = ";
        for (std::size_t k = 0; k < sides[static_cast<std::size_t>(s)].size(); ++k) {
            text += (k > 0 ? " + " : "") + sides[static_cast<std::size_t>(s)][k].species;
        }
    }
    return text;
}

std::string Balanced(const std::string& text) {
    const BalancedReaction balanced = BalanceReaction(text);
    return EquationText(balanced.reaction, balanced.coefficients);
}

// Combustions, syntheses, precipitations, acid-base, redox in acid and in base with electrons,
// hydrates and ions only, as textbooks balance them.
const std::vector<std::string> kKnown = {
    "2 C8H18 + 25 O2 = 16 CO2 + 18 H2O",
    "CH4 + 2 O2 = CO2 + 2 H2O",
    "C3H8 + 5 O2 = 3 CO2 + 4 H2O",
    "2 C2H6 + 7 O2 = 4 CO2 + 6 H2O",
    "C6H12O6 + 6 O2 = 6 CO2 + 6 H2O",
    "C2H5OH + 3 O2 = 2 CO2 + 3 H2O",
    "2 C4H10 + 13 O2 = 8 CO2 + 10 H2O",
    "2 H2 + O2 = 2 H2O",
    "N2 + 3 H2 = 2 NH3",
    "2 KClO3 = 2 KCl + 3 O2",
    "CaCO3 = CaO + CO2",
    "4 Fe + 3 O2 = 2 Fe2O3",
    "2 Na + Cl2 = 2 NaCl",
    "2 H2O2 = 2 H2O + O2",
    "4 Al + 3 O2 = 2 Al2O3",
    "2 NaHCO3 = Na2CO3 + H2O + CO2",
    "AgNO3 + NaCl = AgCl + NaNO3",
    "BaCl2 + Na2SO4 = BaSO4 + 2 NaCl",
    "Pb(NO3)2 + 2 KI = PbI2 + 2 KNO3",
    "Ag^+ + Cl^- = AgCl",
    "Ba^2+ + SO4^2- = BaSO4",
    "3 CaCl2 + 2 Na3PO4 = Ca3(PO4)2 + 6 NaCl",
    "Pb^2+ + 2 I^- = PbI2",
    "HCl + NaOH = NaCl + H2O",
    "H2SO4 + 2 NaOH = Na2SO4 + 2 H2O",
    "H3PO4 + 3 KOH = K3PO4 + 3 H2O",
    "2 HNO3 + Ca(OH)2 = Ca(NO3)2 + 2 H2O",
    "H^+ + OH^- = H2O",
    "CaCO3 + 2 HCl = CaCl2 + H2O + CO2",
    "NH3 + HCl = NH4Cl",
    "MnO4^- + 5 Fe^2+ + 8 H^+ = Mn^2+ + 5 Fe^3+ + 4 H2O",
    "2 MnO4^- + 5 H2C2O4 + 6 H^+ = 2 Mn^2+ + 10 CO2 + 8 H2O",
    "Cr2O7^2- + 6 Fe^2+ + 14 H^+ = 2 Cr^3+ + 6 Fe^3+ + 7 H2O",
    "3 Cu + 8 HNO3 = 3 Cu(NO3)2 + 2 NO + 4 H2O",
    "Cu + 4 HNO3 = Cu(NO3)2 + 2 NO2 + 2 H2O",
    "MnO4^- + 8 H^+ + 5 e^- = Mn^2+ + 4 H2O",
    "Zn + Cu^2+ = Zn^2+ + Cu",
    "Fe^3+ + e^- = Fe^2+",
    "2 MnO4^- + I^- + H2O = 2 MnO2 + IO3^- + 2 OH^-",
    "MnO4^- + 2 H2O + 3 e^- = MnO2 + 4 OH^-",
    "Cl2 + 2 OH^- = Cl^- + ClO^- + H2O",
    "2 Cu^2+ + 4 I^- = 2 CuI + I2",
    "2 H2O = 2 H2 + O2",
    "CuSO4·5H2O = CuSO4 + 5 H2O",
    "CaSO4·2H2O = CaSO4 + 2 H2O",
    "Na2CO3·10H2O(s) = Na2CO3(s) + 10 H2O(g)",
    "2 Al + 6 HCl = 2 AlCl3 + 3 H2",
    "Fe2O3 + 3 CO = 2 Fe + 3 CO2",
    "3 NO2 + H2O = 2 HNO3 + NO",
    "4 NH3 + 5 O2 = 4 NO + 6 H2O",
    "P4 + 5 O2 = P4O10",
    "2 KMnO4 + 16 HCl = 2 KCl + 2 MnCl2 + 5 Cl2 + 8 H2O",
    "(NH4)2Cr2O7 = Cr2O3 + N2 + 4 H2O",
    "Ca3(PO4)2 + 3 SiO2 + 5 C = 3 CaSiO3 + 5 CO + 2 P",
    "Fe^2+(aq) + 2 OH^-(aq) = Fe(OH)2(s)",
};

TEST(ReactionTest, TextbookReactionsBalanceToTheirKnownCoefficients) {
    for (const std::string& known : kKnown) {
        SCOPED_TRACE(known);
        ExpectConserved(known);  // the table itself is right
        EXPECT_EQ(Balanced(Unbalanced(known)), known);
        // Written out with its coefficients, it is checked and kept as written.
        EXPECT_EQ(Balanced(known), known);
    }
    EXPECT_EQ(Balanced("Fe³⁺ + e⁻ → Fe²⁺"), "Fe³⁺ + e⁻ → Fe²⁺");
    EXPECT_EQ(Balanced("Cu + Ag⁺ → Cu²⁺ + Ag"), "Cu + 2 Ag⁺ → Cu²⁺ + 2 Ag");
    for (const char* arrow : {"->", "<=>", "\u21CC", "\u2192"}) {
        EXPECT_EQ(Balanced(std::string("H2 + O2 ") + arrow + " H2O"),
                  std::string("2 H2 + O2 ") + arrow + " 2 H2O");
    }
}

// Multiplied by a random factor, the written coefficients are accepted; one of them changed is
// refused; shuffled and unbalanced, the reaction comes back to its known coefficients.
TEST(ReactionTest, ShuffledAndMultipliedReactionsComeBackToTheirCoefficients) {
    std::mt19937 random(20);
    for (int round = 0; round < 4; ++round) {
        for (const std::string& known : kKnown) {
            SCOPED_TRACE(known);
            auto sides = Sides(known);
            const long factor = std::uniform_int_distribution<long>(1, 9)(random);
            std::map<std::string, long> expected;
            for (auto& side : sides) {
                for (Term& term : side) {
                    expected[term.species] = term.coefficient;
                    term.coefficient *= factor;
                }
                std::shuffle(side.begin(), side.end(), random);
            }
            const bool swap = random() % 2 == 1;
            if (swap) std::swap(sides[0], sides[1]);
            std::string written[2];
            std::string bare[2];
            for (int s = 0; s < 2; ++s) {
                for (const Term& term : sides[static_cast<std::size_t>(s)]) {
                    if (!written[s].empty()) written[s] += " + ", bare[s] += " + ";
                    written[s] += std::to_string(term.coefficient) + " " + term.species;
                    bare[s] += term.species;
                }
            }
            EXPECT_NO_THROW(BalanceReaction(written[0] + " = " + written[1]));
            const std::string wrong = "1" + written[0];
            if (expected.begin()->second * factor < 100000) {
                try {
                    BalanceReaction(wrong + " = " + written[1]);
                    ADD_FAILURE() << "accepted " << wrong;
                } catch (const ReactionError& error) {
                    EXPECT_EQ(error.kind(), ReactionErrorKind::kWrongCoefficient) << error.what();
                }
            }
            const BalancedReaction balanced = BalanceReaction(bare[0] + " = " + bare[1]);
            for (std::size_t s = 0; s < balanced.coefficients.size(); ++s) {
                EXPECT_EQ(balanced.coefficients[s], expected[balanced.reaction.species[s].text]);
            }
        }
    }
}

ReactionErrorKind Refusal(const std::string& text) {
    try {
        const BalancedReaction balanced = BalanceReaction(text);
        ADD_FAILURE() << text << " balanced as "
                      << EquationText(balanced.reaction, balanced.coefficients);
    } catch (const ReactionError& error) {
        return error.kind();
    }
    return ReactionErrorKind::kSyntax;
}

TEST(ReactionTest, RefusalsSayWhy) {
    using K = ReactionErrorKind;
    struct Row {
        const char* text;
        K kind;
        const char* message;
    };
    const Row rows[] = {
        {"NaCl = Na", K::kOneSide, "Cl appears only on the left"},
        {"H2 = H2 + O2", K::kOneSide, "O appears only on the right"},
        {"H2O = H2O2", K::kUnbalanceable,
         "the reaction cannot be balanced: no whole coefficients conserve every element and the "
         "charge"},
        {"Fe^2+ = Fe^3+", K::kUnbalanceable,
         "the reaction cannot be balanced: no whole coefficients conserve every element and the "
         "charge"},
        {"C + O2 = CO + CO2", K::kAmbiguous,
         "the reaction has more than one independent balance; it is made of: 2 C + O2 = 2 CO; C + "
         "O2 = CO2"},
        {"NaOH + HCl = NaCl + H2O + O2", K::kNotPositive,
         "O2 takes no part: its coefficient would be 0 (at character 27)"},
        {"H2O2 + O2 = H2O", K::kNotPositive,
         "O2 would need a negative coefficient: it belongs on the other side (at character 8)"},
        {"2 H2 + O2 = H2O", K::kWrongCoefficient,
         "H does not balance: 4 on the left, 2 on the right"},
        {"Zn + Cu^2+ = Zn^2+ + 2 Cu", K::kWrongCoefficient,
         "Cu does not balance: 1 on the left, 2 on the right"},
        {"Fe^3+ + 2 e^- = Fe^2+", K::kWrongCoefficient,
         "the charge does not balance: +1 on the left, +2 on the right"},
        {"H2 + O2", K::kSyntax, "a reaction needs = or -> between its two sides"},
        {"", K::kSyntax, "the reaction is empty"},
        {"H2 + O2 = H2O = H2O2", K::kSyntax, "a reaction has one arrow (at character 15)"},
        {" = H2", K::kSyntax, "the left side is empty (at character 2)"},
        {"H2O = ", K::kSyntax, "the right side is empty (at character 7)"},
        {"H2 + + O2 = H2O", K::kSyntax, "a species is missing around + (at character 6)"},
        {"1.5 O2 = O3", K::kSyntax,
         "1.5 is not a whole number: coefficients are whole numbers (at character 1)"},
        {"0 O2 = O3", K::kSyntax, "a coefficient must be at least 1 (at character 1)"},
        {"Fe^x + e^- = Fe", K::kSyntax,
         "^x is not a charge: write it as ^2+, ^- or ³⁺ (at character 3)"},
        {"e^2- = H2", K::kSyntax, "the electron is written e^- (at character 1)"},
        {"H + H + H + H + H + H + H = H2", K::kAmbiguous,
         "the reaction has more than one independent balance; it is made of: H = H; H = H; "
         "H = H; H = H; H = H; and 2 more"},
        {"H2 + Xx = H2O", K::kFormula, "Xx is not an element (at character 6)"},
        {"H2 + Ca(OH = H2O", K::kFormula, "( is not closed (at character 8)"},
    };
    for (const Row& row : rows) {
        try {
            const BalancedReaction balanced = BalanceReaction(row.text);
            ADD_FAILURE() << row.text << " balanced as "
                          << EquationText(balanced.reaction, balanced.coefficients);
        } catch (const ReactionError& error) {
            EXPECT_EQ(error.kind(), row.kind) << row.text;
            EXPECT_EQ(std::string(error.what()), row.message) << row.text;
        }
    }
    // A paste of hundreds of species is refused before the arithmetic could stall the dialog.
    std::string many = "H2";
    for (int k = 0; k < 500; ++k) many += k == 250 ? " = H2" : " + H2";
    EXPECT_EQ(Refusal(many), ReactionErrorKind::kSyntax);
    // A plain formula still refuses a charge.
    EXPECT_THROW(ParseFormula("SO4^2-"), FormulaError);
}

// Two known reactions with nothing in common written as one: more than one balance, and each
// independent reaction shown is itself balanced.
TEST(ReactionTest, RandomSumsOfReactionsAreAmbiguousAndShowBalancedParts) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, kKnown.size() - 1);
    int tried = 0;
    while (tried < 60) {
        const auto a = Sides(kKnown[pick(random)]);
        const auto b = Sides(kKnown[pick(random)]);
        bool shared = false;
        for (int s = 0; s < 2; ++s) {
            for (const Term& x : a[static_cast<std::size_t>(s)]) {
                for (int t = 0; t < 2; ++t) {
                    for (const Term& y : b[static_cast<std::size_t>(t)])
                        shared |= x.species == y.species;
                }
            }
        }
        if (shared) continue;
        ++tried;
        std::vector<std::string> sides[2];
        for (int s = 0; s < 2; ++s) {
            for (const auto* reaction : {&a, &b}) {
                for (const Term& term : (*reaction)[static_cast<std::size_t>(s)]) {
                    sides[s].push_back(term.species);
                }
            }
            std::shuffle(sides[s].begin(), sides[s].end(), random);
        }
        std::string text;
        for (int s = 0; s < 2; ++s) {
            for (std::size_t k = 0; k < sides[s].size(); ++k)
                text += (k > 0 ? " + " : "") + sides[s][k];
            if (s == 0) text += " = ";
        }
        SCOPED_TRACE(text);
        try {
            BalanceReaction(text);
            ADD_FAILURE() << "balanced";
        } catch (const ReactionError& error) {
            ASSERT_EQ(error.kind(), ReactionErrorKind::kAmbiguous) << error.what();
            ASSERT_GE(error.independent().size(), 2u);
            for (const std::string& part : error.independent()) ExpectConserved(part);
        }
    }
}

// Random reactions of random formulas: either refused with a reason, or balanced rightly.
TEST(ReactionTest, RandomReactionsAreNeverBalancedWrongly) {
    std::mt19937 random(11);
    const char* elements[] = {"H", "O", "N"};
    std::uniform_int_distribution<int> count(1, 3);
    int balanced_count = 0;
    int refused = 0;
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int left = count(random) % 3 + 1;
        const int total = left + count(random) % 3 + 1;
        for (int s = 0; s < total; ++s) {
            if (s > 0) text += s == left ? " = " : " + ";
            const int parts = count(random) % 3 + 1;
            for (int p = 0; p < parts; ++p) {
                text += elements[random() % 3];
                const int n = count(random);
                if (n > 1) text += std::to_string(n);
            }
            if (random() % 8 == 0) text += random() % 2 ? "^+" : "^-";
        }
        SCOPED_TRACE(text);
        try {
            const BalancedReaction balanced = BalanceReaction(text);
            ExpectConserved(EquationText(balanced.reaction, balanced.coefficients));
            ++balanced_count;
        } catch (const ReactionError& error) {
            EXPECT_NE(error.kind(), ReactionErrorKind::kSyntax) << error.what();
            ++refused;
        }
    }
    // Both outcomes are exercised.
    EXPECT_GT(balanced_count, 25);
    EXPECT_GT(refused, 100);
}

// Any text of the characters reactions are written with is read or refused with a message;
// nothing else escapes, whether from the reader, the formula parser or the arithmetic.
TEST(ReactionTest, RandomTextsAreReadOrRefusedCleanly) {
    const std::vector<std::string> pieces = {
        "H", "2",    "O", "Fe", "e", "+", " + ",     "=", " -> ", "<=>", "^",    "-", "(",
        ")", "(aq)", "·", "³",  "⁺", "⁻", "1000000", "0", ".5",   " ",   "\xC3", "Xy"};
    std::mt19937 random(13);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 16);
        for (int k = 0; k < length; ++k) text += pieces[random() % pieces.size()];
        try {
            const BalancedReaction balanced = BalanceReaction(text);
            ExpectConserved(EquationText(balanced.reaction, balanced.coefficients));
        } catch (const ReactionError&) {
        } catch (const std::exception& error) {
            ADD_FAILURE() << text << ": " << error.what();
        }
    }
}

TEST(ReactionTest, CoefficientsBeyondRangeAreReportedNotWrapped) {
    // A chain of coprime counts: each link multiplies the coefficients by a prime near a
    // million, so the one balance needs some 24 digits.
    EXPECT_EQ(Refusal("H999983 + O999961C999953 + N999917 = H999979O999959 + C999931N999907"),
              ReactionErrorKind::kOverflow);
    // Two links stay within range and balance exactly.
    ExpectConserved(Balanced("H999983 + O999961 = H999979O999959"));
}

TEST(ReactionTest, RichTextSubscriptsCountsAndSuperscriptsCharges) {
    const Reaction reaction = ParseReaction("CuSO4·5H2O + Fe^3+ = (NH4)2SO4 + SO4^2-(aq)");
    ASSERT_EQ(reaction.species.size(), 4u);
    EXPECT_EQ(SpeciesRichText(reaction.species[0]), "CuSO<sub>4</sub>·5H<sub>2</sub>O");
    EXPECT_EQ(SpeciesRichText(reaction.species[1]), "Fe<sup>3+</sup>");
    EXPECT_EQ(SpeciesRichText(reaction.species[2]), "(NH<sub>4</sub>)<sub>2</sub>SO<sub>4</sub>");
    EXPECT_EQ(SpeciesRichText(reaction.species[3]), "SO<sub>4</sub><sup>2\u2212</sup>(aq)");
}

}  // namespace
}  // namespace brisalto
