// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Standard input and output as brisalto-calc relies on them: descriptors that stay reserved
// even when the caller closed them, and the one report of output that could not be written.
#pragma once

#include <string>

namespace brisalto {

// A closed descriptor 0, 1 or 2 gets a stand-in that fails every read or write, so no file the
// program opens later takes its number and a closed standard output is reported like any other.
void ReserveStandardDescriptors();

// Whether writes to standard output failed so far (C stdio or std::cout).
bool StandardOutputFailed();

// Flushes both, and on failure reports "brisalto-calc: write error: <reason>" once on standard
// error. Returns false when the output was not all written.
bool FinishStandardOutput();

// Why standard input cannot be read line by line (a directory), or empty.
std::string StandardInputProblem();

// Reports a failed read of standard input on standard error.
void ReportInputError(const std::string& reason);
// The same for an input file of -f.
void ReportInputError(const std::string& name, const std::string& reason);

}  // namespace brisalto
