#include "cli/line_reader.h"

#include <cstdlib>

#ifdef BRISALTO_HAVE_LIBEDIT
#include <editline/readline.h>
#endif

namespace brisalto {
namespace {

#ifdef BRISALTO_HAVE_LIBEDIT
inline constexpr const char* kPrompt = "> ";

class EditLineReader : public LineReader {
  public:
    EditLineReader() { using_history(); }
    bool ReadLine(std::string& line) override {
        char* text = readline(kPrompt);
        if (text == nullptr) return false;
        line.assign(text);
        // Repeated lines are kept once in a row, as shells do.
        if (!line.empty()) {
            const HIST_ENTRY* last = history_length > 0 ? history_get(history_length) : nullptr;
            if (last == nullptr || line != last->line) add_history(text);
        }
        std::free(text);
        return true;
    }
};
#endif

}  // namespace

bool StreamLineReader::ReadLine(std::string& line) {
    return static_cast<bool>(std::getline(in_, line));
}

bool StreamLineReader::MoreInputWaiting() { return in_.rdbuf()->in_avail() > 0; }

std::unique_ptr<LineReader> MakeTerminalLineReader(std::istream& in) {
#ifdef BRISALTO_HAVE_LIBEDIT
    (void)in;
    return std::make_unique<EditLineReader>();
#else
    return std::make_unique<StreamLineReader>(in);
#endif
}

}  // namespace brisalto
