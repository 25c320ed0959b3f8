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
#include "cli/standard_streams.h"
#include "cli/tools_options.h"
#include "command/calculator.h"
#include "command/calculator_start.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kProgramName = "brisalto-calc";
inline constexpr std::string_view kVersionText = "brisalto-calc " BRISALTO_VERSION;
inline constexpr int kUsageStatus = 2;

// 0, or 1 when the output could not all be written.
int FinishedStatus() { return FinishStandardOutput() ? 0 : 1; }

class Session {
  public:
    Session(Calculator& calculator, CliView& view) : calculator_(calculator), view_(view) {}

    // False once "exit" has run.
    // A pipe that already holds the next lines gets the output in large writes; anyone waiting
    // for the answer to their last line gets it at once.
    bool Process(std::string_view line, bool more_input_waiting = false) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        try {
            calculator_.RunGoAction(line, outcome_);
            view_.Render(outcome_);
        } catch (const std::exception& error) {
            view_.Flush();
            std::fprintf(stderr, "%s: %s\n", kProgramName.data(), error.what());
        }
        view_.Flush(!more_input_waiting);
        // Nothing more can be shown once the output fails.
        return !view_.exit_requested() && !StandardOutputFailed();
    }

  private:
    Calculator& calculator_;
    CliView& view_;
    LineOutcome outcome_;  // reused from line to line
};

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
    view.Render(banner);
    view.Flush();

    Session session(calculator, view);
    if (!options.lines.empty()) {
        for (const std::string& text : options.lines) {
            std::string_view rest = text;
            while (true) {
                const size_t end = rest.find('\n');
                if (!session.Process(rest.substr(0, end))) return FinishedStatus();
                if (end == std::string_view::npos) break;
                rest.remove_prefix(end + 1);
            }
        }
        return FinishedStatus();
    }

    std::ios::sync_with_stdio(false);
    std::unique_ptr<LineReader> reader;
    if (at_terminal) {
        reader = MakeTerminalLineReader(std::cin);
    } else {
        reader = std::make_unique<StreamLineReader>(std::cin);
    }
    std::string line;
    while (reader->ReadLine(line)) {
        if (!session.Process(line, reader->MoreInputWaiting())) return FinishedStatus();
    }
    if (std::cin.bad()) {
        ReportInputError(std::strerror(errno != 0 ? errno : EIO));
        FinishStandardOutput();
        return 1;
    }
    return FinishedStatus();
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
    ParseResult parsed = ParseCliOptions(arguments);
    if (parsed.error.empty()) parsed.error = molar_mass.error;
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
    } else if (options.list_units) {
        status = RunListUnitsOption(options.list_units_family, std::cout, std::cerr);
    } else {
        return RunCalculator(options);
    }
    return FinishStandardOutput() ? status : 1;
}
