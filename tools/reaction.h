// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Chemical reactions: read from text (species, charges, states, coefficients) and balanced by
// exact whole-number arithmetic, every element and the charge conserved, overflow reported.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/formula_parser.h"

namespace brisalto {

enum class ReactionErrorKind {
    kSyntax,            // no arrow, an empty side, a stray sign, a fractional coefficient
    kFormula,           // a species' formula is bad; the formula parser's message
    kOneSide,           // an element on one side only
    kUnbalanceable,     // no coefficients conserve everything
    kAmbiguous,         // more than one independent balance
    kNotPositive,       // the balance needs a zero or negative coefficient
    kWrongCoefficient,  // coefficients the user wrote do not conserve an element or the charge
    kOverflow,          // the whole numbers outgrow their range
    kLibraryMissing,    // GMP, which balancing needs, cannot be loaded
};

class ReactionError : public MessageError {
  public:
    ReactionError(ReactionErrorKind kind, Message message, std::size_t position = 0,
                  std::vector<std::string> independent = {})
        : MessageError(std::move(message), position),
          kind_(kind),
          independent_(std::move(independent)) {}

    ReactionErrorKind kind() const { return kind_; }
    // For an ambiguous reaction: the independent reactions it is made of.
    const std::vector<std::string>& independent() const { return independent_; }

  private:
    ReactionErrorKind kind_;
    std::vector<std::string> independent_;
};

struct Species {
    std::string text;     // as written, without its coefficient: "Fe^3+(aq)"
    std::string formula;  // without charge and state: "Fe"; "e" for the electron
    int charge = 0;
    std::string state;  // "s", "l", "g", "aq" or empty
    std::vector<ElementCount> elements;
    bool product = false;      // on the right of the arrow
    std::int64_t written = 0;  // the coefficient the user wrote, 0 when none
    std::size_t position = 0;  // character where the species starts
};

struct Reaction {
    std::vector<Species> species;  // reactants first, in the order written
    std::string arrow;             // as written: "=", "->", "→", "<=>", "⇌"
    bool HasWrittenCoefficients() const;
};

struct BalancedReaction {
    Reaction reaction;
    std::vector<std::int64_t> coefficients;  // one a species, all at least 1
};

// Reads a reaction; throws ReactionError (kSyntax or kFormula).
Reaction ParseReaction(std::string_view text);

// The smallest positive whole coefficients, or the written ones checked when the user wrote any
// (a species without one counts 1). Throws ReactionError.
BalancedReaction BalanceReaction(const Reaction& reaction);
BalancedReaction BalanceReaction(std::string_view text);

// "2 C8H18 + 25 O2 = 16 CO2 + 18 H2O"; a coefficient of 1 is not written.
std::string EquationText(const Reaction& reaction, const std::vector<std::int64_t>& coefficients);
// The same as rich text: counts as subscripts, charges as superscripts, HTML escaped.
std::string EquationRichText(const Reaction& reaction,
                             const std::vector<std::int64_t>& coefficients);
std::string SpeciesRichText(const Species& species);

// The index of the species written `name` (its text, or its formula with its charge), or -1.
int FindSpecies(const Reaction& reaction, std::string_view name);

}  // namespace brisalto
