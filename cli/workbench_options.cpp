// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/workbench_options.h"

#include <ostream>
#include <string_view>

#include "engine/number_text.h"
#include "tools/molar_mass.h"
#include "tools/reaction.h"
#include "tools/reaction_amounts.h"
#include "tools/solution.h"

namespace brisalto {
namespace {

constexpr std::string_view kProgramPrefix = "brisalto-calc: ";
constexpr int kFaultStatus = 2;
constexpr const char* kAmountsAloneText = "options '--given' and '--yield' go with '--balance'";
constexpr const char* kSolutionPartsText =
    "option '--solution' needs '--volume' and one of '--concentration' or '--mass'";
constexpr const char* kSolutionAloneText =
    "options '--concentration', '--mass' and '--volume' go with '--solution'";
constexpr const char* kDiluteCountText =
    "option '--dilute' needs C1 V1 C2 [V2], with ? for the one to find when all four are given";
constexpr const char* kOneToolText = "give one of '--balance', '--solution' and '--dilute'";

bool IsOption(const std::string& argument) {
    // A negative number is not an option, but no quantity here is negative anyway.
    return argument.size() > 1 && argument[0] == '-' && argument != "->";
}

struct ValueOption {
    std::string_view name;
    std::optional<std::string> WorkbenchOptions::*single;
    std::vector<std::string> WorkbenchOptions::*repeated;
};

const ValueOption kValueOptions[] = {
    {"--balance", &WorkbenchOptions::balance, nullptr},
    {"--given", nullptr, &WorkbenchOptions::given},
    {"--yield", &WorkbenchOptions::yield, nullptr},
    {"--solution", &WorkbenchOptions::solution, nullptr},
    {"--concentration", &WorkbenchOptions::concentration, nullptr},
    {"--mass", &WorkbenchOptions::mass, nullptr},
    {"--volume", &WorkbenchOptions::volume, nullptr},
};

int Fault(std::ostream& out, std::ostream& err, std::string_view argument,
          const std::string& what) {
    // What came before is out before the message.
    out.flush();
    err << kProgramPrefix << argument << ": " << what << '\n';
    return kFaultStatus;
}

int RunBalance(const WorkbenchOptions& options, std::ostream& out, std::ostream& err) {
    BalancedReaction balanced;
    try {
        balanced = BalanceReaction(*options.balance);
    } catch (const ReactionError& error) {
        const int status = Fault(out, err, *options.balance, error.what());
        return status;
    }
    out << EquationText(balanced.reaction, balanced.coefficients) << '\n';
    if (options.given.empty() && !options.yield) return 0;
    std::vector<GivenAmount> given;
    std::optional<GivenAmount> actual;
    const std::string* current = nullptr;
    try {
        for (const std::string& text : options.given) {
            current = &text;
            given.push_back(ParseGivenAmount(balanced, text));
        }
        if (options.yield) {
            current = &*options.yield;
            actual = ParseGivenAmount(balanced, *options.yield);
        }
        current = nullptr;
        const Amounts amounts = ComputeAmounts(balanced, given, actual);
        for (const std::string& line : AmountsLines(balanced, amounts)) out << line << '\n';
    } catch (const QuantityError& error) {
        return Fault(out, err, current != nullptr ? *current : *options.balance, error.what());
    }
    return 0;
}

int RunSolution(const WorkbenchOptions& options, std::ostream& out, std::ostream& err) {
    CalcValue molar_mass = 0;
    try {
        molar_mass = ComputeMolarMass(*options.solution).value;
    } catch (const FormulaError& error) {
        return Fault(out, err, *options.solution, error.what());
    }
    const std::string* current = &*options.volume;
    try {
        const Quantity volume = ParseVolume(*options.volume);
        if (options.concentration) {
            current = &*options.concentration;
            const Quantity concentration = ParseConcentration(*options.concentration);
            out << ValueToText(MassToWeigh(molar_mass, concentration, volume)) << '\n';
        } else {
            current = &*options.mass;
            const Quantity mass = ParseMass(*options.mass);
            out << ValueToText(ConcentrationOf(molar_mass, mass, volume).molarity) << '\n';
        }
    } catch (const QuantityError& error) {
        return Fault(out, err, *current, error.what());
    }
    return 0;
}

int RunDilute(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::optional<Quantity> q[4];
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        if (arguments[k] == "?") continue;
        try {
            q[k] = k % 2 == 0 ? ParseConcentration(arguments[k]) : ParseVolume(arguments[k]);
        } catch (const QuantityError& error) {
            return Fault(out, err, arguments[k], error.what());
        }
    }
    try {
        const Dilution d = Dilute(q[0], q[1], q[2], q[3]);
        const Quantity* all[4] = {&d.c1, &d.v1, &d.c2, &d.v2};
        const Quantity& found = *all[d.computed];
        out << ValueToText(InUnit(found.value, found)) << ' ' << found.unit << '\n';
        out << "Add " << ValueToText(InUnit(d.solvent, d.v2)) << ' ' << d.v2.unit
            << " of solvent\n";
    } catch (const QuantityError& error) {
        std::string joined;
        for (const std::string& argument : arguments)
            joined += (joined.empty() ? "" : " ") + argument;
        return Fault(out, err, joined, error.what());
    }
    return 0;
}

}  // namespace

WorkbenchOptions TakeWorkbenchOptions(std::vector<std::string>& arguments) {
    WorkbenchOptions options;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            rest.insert(rest.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.end());
            break;
        }
        if (argument == "--dilute") {
            options.requested = true;
            std::vector<std::string> values;
            while (i + 1 < arguments.size() && values.size() < 4 && !IsOption(arguments[i + 1])) {
                values.push_back(arguments[++i]);
            }
            if (values.size() == 3) values.push_back("?");
            if (values.size() != 4) options.error = kDiluteCountText;
            options.dilute = std::move(values);
            continue;
        }
        bool taken = false;
        for (const ValueOption& option : kValueOptions) {
            std::optional<std::string> value;
            if (argument == option.name) {
                if (i + 1 < arguments.size()) {
                    value = arguments[++i];
                } else {
                    options.error = "option '" + std::string(option.name) + "' needs a value";
                }
            } else if (argument.rfind(std::string(option.name) + "=", 0) == 0) {
                value = argument.substr(option.name.size() + 1);
            } else {
                continue;
            }
            taken = true;
            options.requested = true;
            if (!value) break;
            if (option.single != nullptr) {
                if ((options.*option.single).has_value()) {
                    options.error = "option '" + std::string(option.name) + "' is given twice";
                }
                options.*option.single = *value;
            } else {
                (options.*option.repeated).push_back(*value);
            }
            break;
        }
        if (!taken) rest.push_back(argument);
    }
    if (!options.requested) return options;
    arguments = std::move(rest);
    if (!options.error.empty()) return options;
    const int tools =
        options.balance.has_value() + options.solution.has_value() + options.dilute.has_value();
    if (tools > 1) {
        options.error = kOneToolText;
    } else if ((!options.given.empty() || options.yield) && !options.balance) {
        options.error = kAmountsAloneText;
    } else if ((options.concentration || options.mass || options.volume) && !options.solution) {
        options.error = kSolutionAloneText;
    } else if (options.solution &&
               (!options.volume || options.concentration.has_value() == options.mass.has_value())) {
        options.error = kSolutionPartsText;
    }
    return options;
}

int RunWorkbenchOptions(const WorkbenchOptions& options, std::ostream& out, std::ostream& err) {
    int status = 0;
    if (options.balance) {
        status = RunBalance(options, out, err);
    } else if (options.solution) {
        status = RunSolution(options, out, err);
    } else if (options.dilute) {
        status = RunDilute(*options.dilute, out, err);
    }
    out.flush();
    return status;
}

}  // namespace brisalto
