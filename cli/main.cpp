// brisalto-calc: the calculator on standard input and output.
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_view.h"
#include "cli/line_reader.h"
#include "cli/tools_options.h"
#include "command/banner.h"
#include "command/calculator_state.h"
#include "command/command_processor.h"
#include "command/result_format.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kProgramName = "brisalto-calc";
inline constexpr std::string_view kVersionText = "brisalto-calc " BRISALTO_VERSION;
inline constexpr int kUsageStatus = 2;

// The user's separators for the results; the engine's own number texts keep the C locale.
void TakeSeparatorsFromLocale() {
    std::setlocale(LC_ALL, "");
    if (const std::lconv* conv = std::localeconv()) {
        SetNumberSeparators(conv->thousands_sep ? conv->thousands_sep : "",
                            conv->decimal_point ? conv->decimal_point : "");
    }
    std::setlocale(LC_NUMERIC, "C");
}

class Session {
  public:
    explicit Session(CliView& view) : view_(view) {}

    // False once "exit" has run.
    // A pipe that already holds the next lines gets the output in large writes; anyone waiting
    // for the answer to their last line gets it at once.
    bool Process(std::string_view line, bool more_input_waiting = false) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        try {
            RunGoAction(line, view_);
        } catch (const std::exception& error) {
            view_.Flush();
            std::fprintf(stderr, "%s: %s\n", kProgramName.data(), error.what());
        }
        view_.Flush(!more_input_waiting);
        return !view_.exit_requested();
    }

  private:
    CliView& view_;
};

int RunCalculator(const CliOptions& options) {
    const bool terminal_in = isatty(STDIN_FILENO) == 1;
    const bool terminal_out = isatty(STDOUT_FILENO) == 1;
    const bool interactive = terminal_in && isatty(STDERR_FILENO) == 1;
    CliView view(stdout, interactive ? stderr : nullptr);

    InitVariableTable();
    SetStartModes();
    SetPrecision(kDefaultPrecision);
    if (options.precision) SetPrecision(*options.precision);
    WriteBanner(view);
    view.Flush();

    Session session(view);
    if (!options.lines.empty()) {
        for (const std::string& text : options.lines) {
            std::string_view rest = text;
            while (true) {
                const size_t end = rest.find('\n');
                if (!session.Process(rest.substr(0, end))) return 0;
                if (end == std::string_view::npos) break;
                rest.remove_prefix(end + 1);
            }
        }
        return 0;
    }

    std::ios::sync_with_stdio(false);
    std::unique_ptr<LineReader> reader;
    if (terminal_in && terminal_out) {
        reader = MakeTerminalLineReader(std::cin);
    } else {
        reader = std::make_unique<StreamLineReader>(std::cin);
    }
    std::string line;
    while (reader->ReadLine(line)) {
        if (!session.Process(line, reader->MoreInputWaiting())) return 0;
    }
    return 0;
}

}  // namespace
}  // namespace brisalto

int main(int argc, char** argv) {
    using namespace brisalto;
    TakeSeparatorsFromLocale();
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
    if (options.show_help) {
        std::cout << UsageText();
        return 0;
    }
    if (options.show_version) {
        std::cout << kVersionText << '\n';
        return 0;
    }
    if (options.convert) {
        return RunConvertOption(options.convert->value, options.convert->from, options.convert->to,
                                std::cout, std::cerr);
    }
    if (molar_mass.requested) return RunMolarMassOption(molar_mass, std::cout, std::cerr);
    if (options.list_units) {
        return RunListUnitsOption(options.list_units_family, std::cout, std::cerr);
    }
    return RunCalculator(options);
}
