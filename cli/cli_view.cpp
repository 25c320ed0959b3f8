#include "cli/cli_view.h"

#include <string_view>

#include "cli/help_summary.h"
#include "cli/terminal_output.h"

namespace brisalto {
void CliView::AppendToLine(int index, const std::string& text) {
    const long long pending_index = index - written_;
    if (pending_index >= 0 && pending_index < static_cast<long long>(pending_.size())) {
        pending_[pending_index] += text;
    }
}

void CliView::ClearLines() {
    pending_.clear();
    written_ = 0;
    if (terminal_) std::fwrite(kClearScreen.data(), 1, kClearScreen.size(), out_);
}

int CliView::LineCount() const { return static_cast<int>(written_ + pending_.size()); }

void CliView::WriteStandardOutput(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out_);
}

void CliView::RunHelpAction() {
    if (help_out_ == nullptr) return;
    // The echo of "help" first, so the summary stands below it on the terminal.
    Flush();
    const std::string_view summary = HelpSummary();
    std::fwrite(summary.data(), 1, summary.size(), help_out_);
    std::fflush(help_out_);
}

void CliView::Flush(bool to_device) {
    buffer_.clear();
    if (terminal_) ShapeForTerminal(pending_, TerminalColumns());
    for (const std::string& line : pending_) {
        buffer_ += line;
        buffer_.push_back('\n');
    }
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    if (to_device) std::fflush(out_);
    written_ += static_cast<long long>(pending_.size());
    pending_.clear();
    // Written lines are never addressed again; only the count must stay within an int.
    if (written_ > (1ll << 30)) written_ = 0;
    // A huge line should not keep its memory for the rest of the session.
    if (buffer_.capacity() > (1u << 20)) std::string().swap(buffer_);
}

}  // namespace brisalto
