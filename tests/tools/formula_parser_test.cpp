// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The formula grammar: counts per element for every construct, one error of the right kind and
// place for every bad formula, and brackets and sizes far beyond what a user types.
#include "tools/formula_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "tools/element_symbols.h"
#include "tools/element_table.h"

namespace brisalto {
namespace {

// "Ca1 O2 H2": symbol as written and count, in order of first appearance.
std::string CountsText(std::string_view formula) {
    std::string text;
    for (const ElementCount& count : ParseFormula(formula)) {
        if (!text.empty()) text += ' ';
        text += count.symbol + ValueToText(count.count);
    }
    return text;
}

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(ElementSymbols, EveryTableSymbolAndAliasIsFoundCaseSensitively) {
    for (const ElementButton& button : ElementButtons()) {
        const std::string_view symbol = ElementSymbol(button.index);
        EXPECT_EQ(FindElementBySymbol(symbol), button.index) << symbol;
        EXPECT_EQ(symbol.find('*'), std::string_view::npos) << symbol;
    }
    const struct {
        const char* alias;
        const char* table_symbol;
    } aliases[] = {{"Lw", "Lr"},  {"Uun", "Ds"}, {"Uuu", "Rg"}, {"Uub", "Cn"}, {"Uut", "Nh"},
                   {"Uuq", "Fl"}, {"Uup", "Mc"}, {"Uuh", "Lv"}, {"Uus", "Ts"}, {"Uuo", "Og"}};
    for (const auto& row : aliases) {
        ASSERT_TRUE(FindElementBySymbol(row.alias)) << row.alias;
        EXPECT_EQ(ElementSymbol(*FindElementBySymbol(row.alias)), row.table_symbol) << row.alias;
    }
    EXPECT_EQ(ElementSymbol(*FindElementBySymbol("La")), "La");
    EXPECT_EQ(ElementSymbol(*FindElementBySymbol("Ac")), "Ac");
    for (const char* not_symbol : {"co", "CO", "Xy", "", "h", "HE", "Uuuu", "La*", "E", "Q"}) {
        EXPECT_FALSE(FindElementBySymbol(not_symbol)) << not_symbol;
    }
}

TEST(FormulaParser, CountsPerElementInOrderOfFirstAppearance) {
    const struct {
        const char* formula;
        const char* counts;
    } rows[] = {
        {"H2O", "H2 O1"},
        {"H2SO4", "H2 S1 O4"},
        {"Ca(OH)2", "Ca1 O2 H2"},
        {"(OH)2Ca", "O2 H2 Ca1"},
        {"(NH4)2SO4", "N2 H8 S1 O4"},
        {"C6H12O6", "C6 H12 O6"},
        {"CH3CH2OH", "C2 H6 O1"},
        {"K4[Fe(CN)6]", "K4 Fe1 C6 N6"},
        {"{[(H)2]3}4", "H24"},
        {"[Co(NH3)6]Cl3", "Co1 N6 H18 Cl3"},
        // Case decides: cobalt against carbon monoxide.
        {"Co", "Co1"},
        {"CO", "C1 O1"},
        {"NaCl", "Na1 Cl1"},
        {"Uuo", "Uuo1"},
        {"UuoU", "Uuo1 U1"},
        // Older symbols find today's elements; the first spelling names the row.
        {"Og", "Og1"},
        {"NhMcTs2Uus", "Nh1 Mc1 Ts3"},
        {"LrLw", "Lr2"},
        {"LwLr2", "Lw3"},
        {"DsRgCnFlLvOg", "Ds1 Rg1 Cn1 Fl1 Lv1 Og1"},
        // A leading coefficient, and hydrates or adducts after any of the dots.
        {"2H2O", "H4 O2"},
        {"CuSO4·5H2O", "Cu1 S1 O9 H10"},
        {"CuSO4•5H2O", "Cu1 S1 O9 H10"},
        {"CuSO4*5H2O", "Cu1 S1 O9 H10"},
        {"CuSO4.5H2O", "Cu1 S1 O9 H10"},
        {"CuSO4.H2O", "Cu1 S1 O5 H2"},
        {"CuSO4.5(H2O)", "Cu1 S1 O9 H10"},
        // A point between digits before a symbol or a bracket is always the hydrate's dot.
        {"H2.5O", "H2 O5"},
        {"Na2CO3·10H2O", "Na2 C1 O13 H20"},
        {"2CuSO4·5H2O", "Cu2 S2 O13 H10"},
        {"CaCl2·2H2O·NH3", "Ca1 Cl2 H7 O2 N1"},
        {"(CuSO4·5H2O)2", "Cu2 S2 O18 H20"},
        // Blanks between the pieces, and counts written as subscripts.
        {"  H2 SO4 ", "H2 S1 O4"},
        {"CuSO4 · 5 H2O", "Cu1 S1 O9 H10"},
        {"Ca (OH) 2", "Ca1 O2 H2"},
        {"\tH\u00A02O", "H2 O1"},
        {"H₂O", "H2 O1"},
        {"C₁₂H₂₂O₁₁", "C12 H22 O11"},
        // Counts up to the limit; leading zeros do not change a count.
        {"H1000000", "H1000000"},
        {"(H1000000)1000000", "H1000000000000"},
        {"H02", "H2"},
        {"1000000H", "H1000000"},
    };
    for (const auto& row : rows) {
        try {
            EXPECT_EQ(CountsText(row.formula), row.counts) << row.formula;
        } catch (const FormulaError& error) {
            ADD_FAILURE() << row.formula << ": " << error.what();
        }
    }
}

TEST(FormulaParser, EachBadFormulaIsOneErrorOfItsKindAtItsPlace) {
    using K = FormulaErrorKind;
    const struct {
        const char* formula;
        FormulaErrorKind kind;
        std::size_t position;
        const char* message;
    } rows[] = {
        {"", K::kEmpty, 0, "the formula is empty"},
        {"   ", K::kEmpty, 0, "the formula is empty"},
        {"H2Xy", K::kUnknownElement, 3, "Xy is not an element (at character 3)"},
        {"HE", K::kUnknownElement, 2, "E is not an element (at character 2)"},
        {"Uuuu", K::kUnknownElement, 1, "Uuuu is not an element (at character 1)"},
        {"CuSO4·5Xx", K::kUnknownElement, 8, "Xx is not an element (at character 8)"},
        {"co", K::kLowerCaseStart, 1,
         "co is not an element: a symbol begins with a capital letter (at character 1)"},
        {"h2o", K::kLowerCaseStart, 1,
         "h is not an element: a symbol begins with a capital letter (at character 1)"},
        {"Ca(OH", K::kUnclosedBracket, 3, "( is not closed (at character 3)"},
        {"[Cu(H2O)4SO4", K::kUnclosedBracket, 1, "[ is not closed (at character 1)"},
        {"(", K::kUnclosedBracket, 1, "( is not closed (at character 1)"},
        {"CaOH)2", K::kUnopenedBracket, 5, ") has no opening bracket (at character 5)"},
        {"(H))", K::kUnopenedBracket, 4, ") has no opening bracket (at character 4)"},
        {"(H]", K::kMismatchedBracket, 3, "] does not close ( (at character 3)"},
        {"[(H]", K::kMismatchedBracket, 4, "] does not close ( (at character 4)"},
        {"H()", K::kEmptyBrackets, 2, "() holds nothing (at character 2)"},
        {"{}", K::kEmptyBrackets, 1, "{} holds nothing (at character 1)"},
        {"H0", K::kCountZero, 2, "a count or coefficient must be at least 1 (at character 2)"},
        {"(OH)00", K::kCountZero, 5, "a count or coefficient must be at least 1 (at character 5)"},
        {"0H2O", K::kCountZero, 1, "a count or coefficient must be at least 1 (at character 1)"},
        {"CuSO4·0H2O", K::kCountZero, 7,
         "a count or coefficient must be at least 1 (at character 7)"},
        {"H1000001", K::kCountTooLarge, 2,
         "1000001 is too large: counts go up to 1000000 (at character 2)"},
        {"H99999999999999999999999", K::kCountTooLarge, 2,
         "9999999999999999... is too large: counts go up to 1000000 (at character 2)"},
        {"2000000H2O", K::kCountTooLarge, 1,
         "2000000 is too large: counts go up to 1000000 (at character 1)"},
        {"H2.5", K::kFractionalCount, 2,
         "2.5 is not a whole number: counts and coefficients are whole numbers (at character 2)"},
        {"C6H12O6.5", K::kFractionalCount, 7,
         "6.5 is not a whole number: counts and coefficients are whole numbers (at character 7)"},
        {"C6H12O6.5 ", K::kFractionalCount, 7,
         "6.5 is not a whole number: counts and coefficients are whole numbers (at character 7)"},
        {"(C2.5)", K::kFractionalCount, 3,
         "2.5 is not a whole number: counts and coefficients are whole numbers (at character 3)"},
        {"Fe0.95O", K::kFractionalCount, 3,
         "0.95 is not a whole number: counts and coefficients are whole numbers (at character 3)"},
        {"H2,5O", K::kFractionalCount, 2,
         "2,5 is not a whole number: counts and coefficients are whole numbers (at character 2)"},
        {"1.5H2O", K::kFractionalCount, 1,
         "1.5 is not a whole number: counts and coefficients are whole numbers (at character 1)"},
        {"CuSO4·2.5H2O", K::kFractionalCount, 7,
         "2.5 is not a whole number: counts and coefficients are whole numbers (at character 7)"},
        {"(OH)1.5", K::kFractionalCount, 5,
         "1.5 is not a whole number: counts and coefficients are whole numbers (at character 5)"},
        {"(2H)", K::kMisplacedCount, 2,
         "2 cannot stand here: a count follows an element or a closing bracket (at character 2)"},
        {"H2 3", K::kMisplacedCount, 4,
         "3 cannot stand here: a count follows an element or a closing bracket (at character 4)"},
        {"₂H", K::kMisplacedCount, 1,
         "₂ cannot stand here: a count follows an element or a closing bracket (at character 1)"},
        {"2", K::kMissingPart, 1, "2 must be followed by an element or a bracket (at character 1)"},
        {"CuSO4·", K::kMissingPart, 6,
         "· must be followed by an element or a bracket (at character 6)"},
        {"CuSO4·5", K::kMissingPart, 7,
         "5 must be followed by an element or a bracket (at character 7)"},
        {"·H2O", K::kMissingPart, 1, "· must follow an element or a bracket (at character 1)"},
        {"H2O..H", K::kMissingPart, 4,
         ". must be followed by an element or a bracket (at character 4)"},
        {"(·H)", K::kMissingPart, 1,
         "( must be followed by an element or a bracket (at character 1)"},
        {"(H·)", K::kMissingPart, 3,
         "· must be followed by an element or a bracket (at character 3)"},
        {"SO4^2-", K::kCharge, 4, "charges are not part of a formula (at character 4)"},
        {"SO4(2-)", K::kCharge, 6, "charges are not part of a formula (at character 6)"},
        {"Fe3+", K::kCharge, 4, "charges are not part of a formula (at character 4)"},
        {"Na+ Cl-", K::kCharge, 3, "charges are not part of a formula (at character 3)"},
        {"Cu+ 2", K::kCharge, 3, "charges are not part of a formula (at character 3)"},
        {"SO4²⁻", K::kCharge, 4, "charges are not part of a formula (at character 4)"},
        {"NH4⁺", K::kCharge, 4, "charges are not part of a formula (at character 4)"},
        {"CH3-CH3", K::kUnexpectedCharacter, 4, "- cannot stand in a formula (at character 4)"},
        {"H2O%", K::kUnexpectedCharacter, 4, "% cannot stand in a formula (at character 4)"},
        {"H2=O", K::kUnexpectedCharacter, 3, "= cannot stand in a formula (at character 3)"},
        {"H·Ö", K::kUnexpectedCharacter, 3, "Ö cannot stand in a formula (at character 3)"},
        {"H\xff", K::kUnexpectedCharacter, 2, "\\xFF cannot stand in a formula (at character 2)"},
        {"H\xe2\x82", K::kUnexpectedCharacter, 2,
         "\\xE2 cannot stand in a formula (at character 2)"},
    };
    for (const auto& row : rows) {
        try {
            const std::string counts = CountsText(row.formula);
            ADD_FAILURE() << row.formula << " was read as " << counts;
        } catch (const FormulaError& error) {
            EXPECT_EQ(error.kind(), row.kind) << row.formula << ": " << error.what();
            EXPECT_EQ(error.position(), row.position) << row.formula;
            EXPECT_EQ(std::string(error.what()), row.message) << row.formula;
        }
    }
}

TEST(FormulaParser, BracketsNestTooDeepForAnyCallStack) {
    constexpr std::size_t kDepth = 100000;
    EXPECT_EQ(CountsText(Repeat("(", kDepth) + "H" + Repeat(")", kDepth)), "H1");
    EXPECT_EQ(CountsText(Repeat("[H", kDepth) + Repeat("]", kDepth)), "H100000");
    // Doubling at every level: 2^40 is still a whole count.
    EXPECT_EQ(CountsText(Repeat("(", 40) + "H" + Repeat(")2", 40)), "H1099511627776");

    try {
        ParseFormula(Repeat("(", kDepth) + "H" + Repeat(")", kDepth - 1));
        ADD_FAILURE() << "one bracket short was read";
    } catch (const FormulaError& error) {
        EXPECT_EQ(error.kind(), FormulaErrorKind::kUnclosedBracket);
        EXPECT_EQ(error.position(), 1u);
    }
    // A million at each of a thousand levels is far beyond the CalcValue range.
    try {
        ParseFormula(Repeat("(", 1000) + "H" + Repeat(")1000000", 1000));
        ADD_FAILURE() << "an overflowing count was read";
    } catch (const FormulaError& error) {
        EXPECT_EQ(error.kind(), FormulaErrorKind::kTooLarge);
        EXPECT_EQ(std::string(error.what()), "the formula is too large to weigh");
    }
}

// Random texts from the formula's own characters and a few strangers: each is read or refused
// with a FormulaError, never anything else, and what is read has whole counts of at least 1.
TEST(FormulaParser, RandomTextsAreReadOrRefusedCleanly) {
    const std::vector<std::string> pieces = {"H", "O", "C",       "Co", "Uuo",  "Lr",   "Xy", "e",
                                             "2", "0", "1000001", "₂",  "(",    ")",    "[",  "]",
                                             "{", "}", "·",       "•",  "*",    ".",    ",",  " ",
                                             "+", "-", "^",       "²",  "\xff", "\xc2", "%"};
    std::mt19937 random(1208);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int i = 0; i < 20000; ++i) {
        std::string formula;
        const std::size_t length = pick(random) % 12;
        for (std::size_t k = 0; k < length; ++k) formula += pieces[pick(random)];
        try {
            for (const ElementCount& count : ParseFormula(formula)) {
                EXPECT_GE(count.count, 1) << formula;
                EXPECT_EQ(count.count, std::floor(count.count)) << formula;
            }
        } catch (const FormulaError& error) {
            EXPECT_LE(error.position(), formula.size() + 1) << formula;
            EXPECT_FALSE(error.text().empty()) << formula;
        }
    }
}

// Every shape that could make one pass quadratic, at a megabyte; a slip to quadratic time shows as
// a test that never ends within its timeout.
TEST(FormulaParser, MegabyteFormulasOfEveryShape) {
    constexpr std::size_t kMegabyte = 1 << 20;
    const std::string flat = Repeat("C6H12O6", kMegabyte / 7);
    EXPECT_EQ(CountsText(flat), "C898776 H1797552 O898776");

    const std::size_t depth = kMegabyte / 4;
    EXPECT_EQ(CountsText(Repeat("(H", depth) + Repeat(")", depth)), "H262144");

    std::string all_elements;
    for (const ElementButton& button : ElementButtons())
        all_elements += ElementSymbol(button.index);
    const std::string wide = Repeat(all_elements, kMegabyte / all_elements.size());
    EXPECT_EQ(ParseFormula(wide).size(), kElementCount);
    EXPECT_EQ(
        ParseFormula("(" + Repeat("(" + all_elements + ")", kMegabyte / all_elements.size()) + ")2")
            .size(),
        kElementCount);

    const std::string hydrates = "CuSO4" + Repeat("·H2O", kMegabyte / 5);
    EXPECT_EQ(CountsText(hydrates), "Cu1 S1 O209719 H419430");
}

}  // namespace
}  // namespace brisalto
