#include "cli/cli_view.h"

#include <string_view>

namespace brisalto {
namespace {

inline constexpr std::string_view kCommandSummary =
    "Type an expression or a command, one a line.\n"
    "  Expressions  + - * / % ^ and postfix !, brackets ( [ { <, numbers like 1.5E-3,\n"
    "               functions like sin(30), log(100), xcosh(2), logn(8)\n"
    "  Variables    A (the last answer), B C D F G H I J K L M N, P (pi, read-only);\n"
    "               assign with B=2*3\n"
    "  Angle mode   rad  deg  grd  cyc        Number format  sci  fix  auto\n"
    "  Show         mod (the modes)  var (the variables)\n"
    "  Clear        clear (the variables)  cls (the screen)\n"
    "  End          exit\n";

}  // namespace

void CliView::Render(const LineOutcome& outcome) {
    if (!outcome.standard_output.empty()) {
        std::fwrite(outcome.standard_output.data(), 1, outcome.standard_output.size(), out_);
    }
    if (outcome.clear_window) pending_.clear();
    pending_.insert(pending_.end(), outcome.lines.begin(), outcome.lines.end());
    switch (outcome.action) {
        case ShellAction::kHelp:
            ShowHelp();
            break;
        case ShellAction::kExit:
            exit_requested_ = true;
            break;
        case ShellAction::kNone:
        case ShellAction::kAbout:
        case ShellAction::kPrint:
        case ShellAction::kSave:
            break;
    }
}

void CliView::ShowHelp() {
    if (help_out_ == nullptr) return;
    // The echo of "help" first, so the summary stands below it on the terminal.
    Flush();
    std::fwrite(kCommandSummary.data(), 1, kCommandSummary.size(), help_out_);
    std::fflush(help_out_);
}

void CliView::Flush(bool to_device) {
    buffer_.clear();
    for (const std::string& line : pending_) {
        buffer_ += line;
        buffer_.push_back('\n');
    }
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    if (to_device) std::fflush(out_);
    pending_.clear();
    // A huge line should not keep its memory for the rest of the session.
    if (buffer_.capacity() > (1u << 20)) std::string().swap(buffer_);
}

}  // namespace brisalto
