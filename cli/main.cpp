// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// brisalto-calc: the calculator on standard input and output.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_view.h"
#include "cli/line_reader.h"
#include "cli/quiet_view.h"
#include "cli/shown_text.h"
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

// Runs the lines of one input to its end; false when the session ends with it ("exit", or
// output that can no longer be written).
bool RunStream(Session& session, LineReader& reader) {
    std::string line;
    while (reader.ReadLine(line)) {
        if (!session.Process(line, reader.MoreInputWaiting())) return false;
    }
    return true;
}

// The files of -f, opened before any line runs, so that a wrong name costs nothing half done.
// Null for "-", standard input.
bool OpenInputFiles(const CliOptions& options, std::vector<std::unique_ptr<std::ifstream>>& files) {
    for (const CalcInput& input : options.inputs) {
        if (input.kind != CalcInput::Kind::kFile) continue;
        if (input.text == "-") {
            files.push_back(nullptr);
            continue;
        }
        struct stat info {};
        int problem = 0;
        if (stat(input.text.c_str(), &info) != 0) {
            problem = errno;
        } else if (S_ISDIR(info.st_mode)) {
            problem = EISDIR;
        } else {
            files.push_back(std::make_unique<std::ifstream>(input.text, std::ios::binary));
            if (!*files.back()) problem = errno != 0 ? errno : EIO;
        }
        if (problem != 0) {
            ReportInputError(input.text, std::strerror(problem));
            return false;
        }
    }
    return true;
}

int RunCalculator(const CliOptions& options) {
    const bool terminal_in = isatty(STDIN_FILENO) == 1;
    const bool terminal_out = IsTerminal(STDOUT_FILENO);
    const bool reads_stdin =
        options.inputs.empty() ||
        std::any_of(options.inputs.begin(), options.inputs.end(), [](const CalcInput& input) {
            return input.kind == CalcInput::Kind::kFile && input.text == "-";
        });
    if (reads_stdin) {
        const std::string problem = StandardInputProblem();
        if (!problem.empty()) {
            ReportInputError(problem);
            return 1;
        }
    }
    std::vector<std::unique_ptr<std::ifstream>> files;
    if (!OpenInputFiles(options, files)) return 1;
    const bool at_terminal = options.inputs.empty() && terminal_in && terminal_out;
    // "help" asked for the summary, wherever the output goes.
    CliView view(stdout, stdout);
    view.SetTerminal(at_terminal, terminal_out);

    Calculator calculator;
    // Values in -q have no separators; the user's locale is not even read for them.
    StartOptions start{.separators = options.quiet ? NumberSeparators{} : SeparatorsFromLocale()};
    if (options.precision) start.precision = *options.precision;
    LineOutcome banner;
    StartCalculator(calculator, start, banner);
    // With -q the output holds values only, unless a person reads it.
    QuietView quiet_view(stdout, stderr, terminal_out ? stdout : nullptr, options.plain);
    if (!options.quiet) {
        view.Render(banner);
        view.Flush();
    }

    Session session(calculator, view, options.quiet ? &quiet_view : nullptr);
    // Lines typed at a terminal, not a script's: its errors do not decide the exit status.
    const bool typed = options.inputs.empty() && terminal_in;
    std::ios::sync_with_stdio(false);
    if (!options.inputs.empty()) {
        auto file = files.begin();
        for (const CalcInput& input : options.inputs) {
            if (input.kind == CalcInput::Kind::kFile) {
                std::istream& in = *file != nullptr ? static_cast<std::istream&>(**file) : std::cin;
                StreamLineReader reader(in);
                const bool go_on = RunStream(session, reader);
                if (in.bad()) {
                    ReportInputError(input.text, std::strerror(errno != 0 ? errno : EIO));
                    FinishStandardOutput();
                    return 1;
                }
                ++file;
                if (!go_on) break;
                continue;
            }
            std::string_view rest = input.text;
            bool go_on = true;
            while (go_on) {
                const size_t end = rest.find('\n');
                go_on = session.Process(rest.substr(0, end));
                if (end == std::string_view::npos) break;
                rest.remove_prefix(end + 1);
            }
            if (!go_on) break;
        }
        return FinishedStatus(session, typed);
    }

    std::unique_ptr<LineReader> reader;
    if (at_terminal) {
        reader = MakeTerminalLineReader(std::cin, !options.quiet);
    } else {
        reader = std::make_unique<StreamLineReader>(std::cin);
    }
    RunStream(session, *reader);
    if (std::cin.bad()) {
        ReportInputError(std::strerror(errno != 0 ? errno : EIO));
        FinishStandardOutput();
        return 1;
    }
    return FinishedStatus(session, typed);
}

// The tools' requests in order; the worst status of them.
int RunTools(const CliOptions& options) {
    int status = 0;
    for (const ToolRequest& tool : options.tools) {
        const std::vector<std::string>& v = tool.values;
        int one = 0;
        switch (tool.kind) {
            case ToolRequest::Kind::kConvert:
                one = RunConvertOption(v[0], v[1], v[2], std::cout, std::cerr, options.plain);
                break;
            case ToolRequest::Kind::kListUnits:
                one = RunListUnitsOption(v, std::cout, std::cerr);
                break;
            case ToolRequest::Kind::kMolarMass:
                one = RunMolarMassOption(v, options.composition, std::cout, std::cerr);
                break;
        }
        status = std::max(status, one);
        if (StandardOutputFailed()) break;
    }
    return status;
}

}  // namespace
}  // namespace brisalto

int main(int argc, char** argv) {
    using namespace brisalto;
    ReserveStandardDescriptors();
    // The C locale throughout: numbers keep its conventions, the separators of the results come
    // from the start-up, and the terminal's character set is read only where lines are edited.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // The workbench's options go alone; they are taken out before the table's.
    const WorkbenchOptions workbench = TakeWorkbenchOptions(arguments);
    ParseResult parsed = ParseCliOptions(arguments);
    if (parsed.error.empty()) parsed.error = workbench.error;
    const CliOptions& given = parsed.options;
    if (parsed.error.empty() && workbench.requested && !given.show_help && !given.show_version &&
        (!given.inputs.empty() || !given.tools.empty())) {
        parsed.error =
            "'--balance', '--solution' and '--dilute' go alone; give the rest in separate calls";
    }
    if (!parsed.error.empty()) {
        const std::string text = std::string(kProgramName) + ": " + parsed.error + "\nTry '" +
                                 std::string(kProgramName) + " --help' for more information.\n";
        WriteShown(stderr, text);
        return kUsageStatus;
    }
    const CliOptions& options = parsed.options;
    int status = 0;
    if (options.show_help) {
        std::cout << UsageText();
    } else if (options.show_version) {
        std::cout << kVersionText << '\n';
    } else if (workbench.requested) {
        status = RunWorkbenchOptions(workbench, std::cout, std::cerr);
    } else if (!options.tools.empty()) {
        status = RunTools(options);
    } else {
        return RunCalculator(options);
    }
    return FinishStandardOutput() ? status : 1;
}
