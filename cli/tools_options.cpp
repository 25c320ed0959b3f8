// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/tools_options.h"

#include <algorithm>
#include <exception>
#include <ostream>

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
constexpr std::string_view kMolarMassOption = "--molar-mass";
constexpr std::string_view kCompositionOption = "--composition";
constexpr std::string_view kProgramPrefix = "brisalto-calc: ";
constexpr const char* kNeedsFormulaText = "option '--molar-mass' needs a FORMULA";
constexpr const char* kCompositionAloneText = "option '--composition' goes with '--molar-mass'";
constexpr std::string_view kCompositionIndent = "  ";
constexpr int kBadFormulaStatus = 2;

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

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
                     std::ostream& out, std::ostream& err) {
    try {
        RegisterProgramFamilies();
        const std::optional<TConvType> from_unit = FindUnitByNameOrSymbol(from);
        const std::optional<TConvType> to_unit = FindUnitByNameOrSymbol(to);
        if (!from_unit || !to_unit) {
            err << UnitNotFoundText(from_unit ? to : from) << '\n';
            return 1;
        }
        out << ConvValueText(value, *from_unit, *to_unit) << '\n';
        out.flush();
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
}

int RunListUnitsOption(const std::optional<std::string>& family, std::ostream& out,
                       std::ostream& err) {
    try {
        RegisterProgramFamilies();
        for (std::string_view name : kConversionFamilyNames) {
            if (!family) {
                PrintFamily(name, out);
            } else if (SameDescription(name, *family)) {
                PrintFamily(name, out);
                return 0;
            }
        }
        if (!family) return 0;
        err << WithName(kUnknownFamilyText, *family) << '\n';
        return 1;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
}

MolarMassOptions TakeMolarMassOptions(std::vector<std::string>& arguments) {
    MolarMassOptions options;
    bool molar_mass = false;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == kCompositionOption) {
            options.composition = true;
        } else if (argument == kMolarMassOption) {
            molar_mass = true;
            while (i + 1 < arguments.size() && !IsOption(arguments[i + 1])) {
                options.formulas.push_back(arguments[++i]);
            }
        } else if (argument.rfind(std::string(kMolarMassOption) + "=", 0) == 0) {
            molar_mass = true;
            options.formulas.push_back(argument.substr(kMolarMassOption.size() + 1));
        } else {
            rest.push_back(argument);
        }
    }
    options.requested = molar_mass || options.composition;
    if (options.composition && !molar_mass) {
        options.error = kCompositionAloneText;
    } else if (molar_mass && options.formulas.empty()) {
        options.error = kNeedsFormulaText;
    }
    if (options.requested) arguments = std::move(rest);
    return options;
}

int RunMolarMassOption(const MolarMassOptions& options, std::ostream& out, std::ostream& err) {
    int status = 0;
    for (const std::string& formula : options.formulas) {
        try {
            const MolarMass molar_mass = ComputeMolarMass(formula);
            out << MolarMassText(molar_mass) << '\n';
            if (options.composition) {
                for (const std::string& line : CompositionTable(molar_mass, kCompositionIndent)) {
                    out << line << '\n';
                }
            }
        } catch (const FormulaError& error) {
            // What came before the bad formula is out before its message.
            out.flush();
            err << kProgramPrefix << formula << ": " << error.what() << '\n';
            status = kBadFormulaStatus;
        }
    }
    // A failed write is reported once, with its reason, as every other output of the program.
    out.flush();
    return status;
}

}  // namespace brisalto
