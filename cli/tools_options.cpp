// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/tools_options.h"

#include <algorithm>
#include <exception>
#include <ostream>

#include "cli/plain_number.h"
#include "cli/shown_text.h"
#include "tools/conversion_registry.h"
#include "tools/conversion_text.h"
#include "tools/molar_mass.h"
#include "tools/program_families.h"
#include "tools/unit_symbols.h"

namespace brisalto {

namespace {

constexpr const char* kUnknownUnitText = "Unknown unit '%s'";
constexpr const char* kUnknownFamilyText = "Unknown unit family '%s'";
constexpr const char* kAmbiguousUnitText = "Ambiguous unit '%s': give one of ";
constexpr const char* kUnitIndent = "  ";
constexpr std::size_t kSymbolGap = 2;
constexpr std::string_view kProgramPrefix = "brisalto-calc: ";
constexpr std::string_view kCompositionIndent = "  ";
constexpr int kBadFormulaStatus = 2;

// One error line with the program's name; control characters shown on a terminal.
void ReportError(std::ostream& err, std::string_view text) {
    err << ForOutput(2, std::string(kProgramPrefix) + std::string(text)) << '\n';
}

std::string WithName(std::string_view pattern, std::string_view name) {
    const std::size_t at = pattern.find("%s");
    std::string text(pattern.substr(0, at));
    text.append(name);
    text.append(pattern.substr(at + 2));
    return text;
}

// Prints the family as the dialog names it, then its units, one a line, each followed by the
// symbols it can also be given by, in a column of their own.
void PrintFamily(std::string_view family_name, std::ostream& out) {
    out << family_name << '\n';
    const std::vector<std::string> units =
        UnitNamesOfFamily(family_name).value_or(std::vector<std::string>{});
    std::size_t width = 0;
    for (const std::string& unit : units) width = std::max(width, unit.size());
    for (const std::string& unit : units) {
        out << kUnitIndent << unit;
        const std::vector<std::string_view> symbols = SymbolsOfUnit(unit);
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            if (i == 0) {
                out << std::string(width - unit.size() + kSymbolGap, ' ');
            } else {
                out << ", ";
            }
            out << symbols[i];
        }
        out << '\n';
    }
}

// Why a unit text was not found: unknown, or standing for several units.
std::string UnitNotFoundText(std::string_view text) {
    const std::vector<std::string_view> candidates = AmbiguousUnitNames(text);
    if (candidates.empty()) return WithName(kUnknownUnitText, text);
    std::string message = WithName(kAmbiguousUnitText, text);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (i > 0) message += ", ";
        message += candidates[i];
    }
    return message;
}

}  // namespace

int RunConvertOption(const std::string& value, const std::string& from, const std::string& to,
                     std::ostream& out, std::ostream& err, bool plain) {
    try {
        RegisterProgramFamilies();
        const std::optional<TConvType> from_unit = FindUnitByNameOrSymbol(from);
        const std::optional<TConvType> to_unit = FindUnitByNameOrSymbol(to);
        if (!from_unit || !to_unit) {
            ReportError(err, UnitNotFoundText(from_unit ? to : from));
            return 1;
        }
        const std::string result = ConvValueText(value, *from_unit, *to_unit);
        // The dialog shows the overflow in its result field; a script must not take it as one.
        if (result == kFloatingPointOverFlowText) {
            ReportError(err, value + " " + from + " in " + to + ": " + result);
            return 1;
        }
        out << (plain ? PlainNumberText(result) : result) << '\n';
        out.flush();
        return 0;
    } catch (const std::exception& error) {
        ReportError(err, error.what());
        return 1;
    }
}

int RunListUnitsOption(const std::vector<std::string>& families, std::ostream& out,
                       std::ostream& err) {
    try {
        RegisterProgramFamilies();
        if (families.empty()) {
            for (std::string_view name : kConversionFamilyNames) PrintFamily(name, out);
            return 0;
        }
        int status = 0;
        for (const std::string& family : families) {
            const auto* found =
                std::find_if(kConversionFamilyNames.begin(), kConversionFamilyNames.end(),
                             [&](std::string_view name) { return SameDescription(name, family); });
            if (found != kConversionFamilyNames.end()) {
                PrintFamily(*found, out);
                continue;
            }
            out.flush();
            ReportError(err, WithName(kUnknownFamilyText, family));
            status = 1;
        }
        return status;
    } catch (const std::exception& error) {
        ReportError(err, error.what());
        return 1;
    }
}

int RunMolarMassOption(const std::vector<std::string>& formulas, bool composition,
                       std::ostream& out, std::ostream& err) {
    int status = 0;
    for (const std::string& formula : formulas) {
        try {
            const MolarMass molar_mass = ComputeMolarMass(formula);
            out << MolarMassText(molar_mass) << '\n';
            if (composition) {
                for (const std::string& line : CompositionTable(molar_mass, kCompositionIndent)) {
                    out << line << '\n';
                }
            }
        } catch (const FormulaError& error) {
            // What came before the bad formula is out before its message.
            out.flush();
            ReportError(err, formula + ": " + error.what());
            status = kBadFormulaStatus;
        }
    }
    // A failed write is reported once, with its reason, as every other output of the program.
    out.flush();
    return status;
}

}  // namespace brisalto
