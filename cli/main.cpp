// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// brisalto-calc: the calculator on standard input and output.
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_view.h"
#include "cli/line_reader.h"
#include "cli/quiet_view.h"
#include "cli/standard_streams.h"
#include "cli/tools_options.h"
#include "cli/workbench_options.h"
#include "command/calculator.h"
#include "command/calculator_start.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kProgramName = "brisalto-calc";
inline constexpr std::string_view kVersionText = "brisalto-calc " BRISALTO_VERSION;
inline constexpr int kUsageStatus = 2;

class Session {
  public:
    // quiet, when given, renders the lines instead of the transcript view.
    Session(Calculator& calculator, CliView& view, QuietView* quiet)
        : calculator_(calculator), view_(view), quiet_(quiet) {
        // Values only: the window lines of each answer are not built.
        outcome_.transcript = quiet == nullptr;
    }

    // False once "exit" has run.
    // A pipe that already holds the next lines gets the output in large writes; anyone waiting
    // for the answer to their last line gets it at once.
    bool Process(std::string_view line, bool more_input_waiting = false) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        try {
            calculator_.RunGoAction(line, outcome_);
            if (outcome_.kind == OutcomeKind::kError) failed_ = true;
            if (quiet_ != nullptr) {
                quiet_->Render(line, outcome_, calculator_);
            } else {
                view_.Render(outcome_);
            }
        } catch (const std::exception& error) {
            failed_ = true;
            Flush(true);
            std::fprintf(stderr, "%s: %s\n", kProgramName.data(), error.what());
        }
        Flush(!more_input_waiting);
        // Nothing more can be shown once the output fails.
        const bool exit_requested =
            quiet_ != nullptr ? quiet_->exit_requested() : view_.exit_requested();
        return !exit_requested && !StandardOutputFailed();
    }

    // Whether any command line ended in an error.
    bool failed() const { return failed_; }

  private:
    void Flush(bool to_device) {
        if (quiet_ != nullptr) {
            quiet_->Flush(to_device);
        } else {
            view_.Flush(to_device);
        }
    }

    Calculator& calculator_;
    CliView& view_;
    QuietView* quiet_;
    LineOutcome outcome_;  // reused from line to line
    bool failed_ = false;
};

// 0, or 1 when the output could not all be written or, in a run that is not interactive, a
// command line ended in an error. A person at the terminal has seen each error already.
int FinishedStatus(const Session& session, bool interactive) {
    const bool written = FinishStandardOutput();
    return written && (interactive || !session.failed()) ? 0 : 1;
}

int RunCalculator(const CliOptions& options) {
    const bool terminal_in = isatty(STDIN_FILENO) == 1;
    const bool terminal_out = isatty(STDOUT_FILENO) == 1;
    const bool interactive = terminal_in && isatty(STDERR_FILENO) == 1;
    if (options.lines.empty()) {
        const std::string problem = StandardInputProblem();
        if (!problem.empty()) {
            ReportInputError(problem);
            return 1;
        }
    }
    const bool at_terminal = options.lines.empty() && terminal_in && terminal_out;
    // The help summary is what the user asked for at a terminal; beside a pipe it stays apart.
    CliView view(stdout, at_terminal ? stdout : interactive ? stderr : nullptr);
    view.SetTerminal(at_terminal);

    Calculator calculator;
    StartOptions start;
    if (options.precision) start.precision = *options.precision;
    LineOutcome banner;
    StartCalculator(calculator, start, banner);
    QuietView quiet_view(stdout, stderr, at_terminal ? stdout : interactive ? stderr : nullptr);
    if (!options.quiet) {
        view.Render(banner);
        view.Flush();
    }

    Session session(calculator, view, options.quiet ? &quiet_view : nullptr);
    // Lines typed at a terminal, not a script's: its errors do not decide the exit status.
    const bool typed = options.lines.empty() && terminal_in;
    if (!options.lines.empty()) {
        for (const std::string& text : options.lines) {
            std::string_view rest = text;
            while (true) {
                const size_t end = rest.find('\n');
                if (!session.Process(rest.substr(0, end))) return FinishedStatus(session, typed);
                if (end == std::string_view::npos) break;
                rest.remove_prefix(end + 1);
            }
        }
        return FinishedStatus(session, typed);
    }

    std::ios::sync_with_stdio(false);
    std::unique_ptr<LineReader> reader;
    if (at_terminal) {
        reader = MakeTerminalLineReader(std::cin, !options.quiet);
    } else {
        reader = std::make_unique<StreamLineReader>(std::cin);
    }
    std::string line;
    while (reader->ReadLine(line)) {
        if (!session.Process(line, reader->MoreInputWaiting()))
            return FinishedStatus(session, typed);
    }
    if (std::cin.bad()) {
        ReportInputError(std::strerror(errno != 0 ? errno : EIO));
        FinishStandardOutput();
        return 1;
    }
    return FinishedStatus(session, typed);
}

}  // namespace
}  // namespace brisalto

int main(int argc, char** argv) {
    using namespace brisalto;
    ReserveStandardDescriptors();
    // The user's character set for the terminal; numbers keep the C locale's conventions, the
    // separators of the results come from the start-up.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const MolarMassOptions molar_mass = TakeMolarMassOptions(arguments);
    const WorkbenchOptions workbench = TakeWorkbenchOptions(arguments);
    ParseResult parsed = ParseCliOptions(arguments);
    if (parsed.error.empty()) parsed.error = molar_mass.error;
    if (parsed.error.empty()) parsed.error = workbench.error;
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgramName.data(),
                     parsed.error.c_str(), kProgramName.data());
        return kUsageStatus;
    }
    const CliOptions& options = parsed.options;
    int status = 0;
    if (options.show_help) {
        std::cout << UsageText();
    } else if (options.show_version) {
        std::cout << kVersionText << '\n';
    } else if (options.convert) {
        status = RunConvertOption(options.convert->value, options.convert->from,
                                  options.convert->to, std::cout, std::cerr);
    } else if (molar_mass.requested) {
        status = RunMolarMassOption(molar_mass, std::cout, std::cerr);
    } else if (workbench.requested) {
        status = RunWorkbenchOptions(workbench, std::cout, std::cerr);
    } else if (options.list_units) {
        status = RunListUnitsOption(options.list_units_family, std::cout, std::cerr);
    } else {
        return RunCalculator(options);
    }
    return FinishStandardOutput() ? status : 1;
}
