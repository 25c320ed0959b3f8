// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The chemist's bench in brisalto-calc: --balance with --given and --yield, --solution with
// --concentration or --mass and --volume, and --dilute.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace brisalto {

struct WorkbenchOptions {
    bool requested = false;  // any of the options was given
    std::optional<std::string> balance;
    std::vector<std::string> given;
    std::optional<std::string> yield;
    std::optional<std::string> solution;
    std::optional<std::string> concentration;
    std::optional<std::string> mass;
    std::optional<std::string> volume;
    std::optional<std::vector<std::string>> dilute;  // C1 V1 C2 [V2], "?" for the one to find
    std::string error;                               // a usage error, empty when good
};

// Takes the options above out of the arguments, leaving the rest for the calculator's own.
WorkbenchOptions TakeWorkbenchOptions(std::vector<std::string>& arguments);

// Prints what was asked; a fault's message with its position goes to `err`, status 2.
int RunWorkbenchOptions(const WorkbenchOptions& options, std::ostream& out, std::ostream& err);

}  // namespace brisalto
