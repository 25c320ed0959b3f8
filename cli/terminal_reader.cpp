// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The line reader at a terminal: libedit with a prompt, Emacs keys, the history shared with the
// desktop window, Tab completion of the command language, Ctrl+C dropping the line being typed
// and Ctrl+D on an empty line ending the session.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/line_reader.h"
#include "cli/shown_text.h"
#include "cli/terminal_output.h"
#include "command/completion.h"
#include "command/history_file.h"

#ifdef BRISALTO_HAVE_LIBEDIT
#include <dlfcn.h>
#include <histedit.h>
#include <termios.h>
#include <unistd.h>

#include <clocale>
#endif

namespace brisalto {
namespace {

#ifdef BRISALTO_HAVE_LIBEDIT

inline constexpr const char* kProgramName = "brisalto-calc";
inline constexpr const char* kPrompt = "> ";
inline constexpr std::string_view kCancelMark = "^C";
inline constexpr std::size_t kListGap = 2;
inline constexpr const char* kEditLibrary = "libedit.so.2";

// libedit, loaded only when a terminal session starts: a script's call does not pay for it and
// its libraries.
struct EditLibrary {
    // clang-format off
#define BRISALTO_EDIT_FUNCTIONS(X) \
    X(el_cursor) X(el_deletestr) X(el_end) X(el_get) X(el_gets) X(el_init) X(el_insertstr) \
    X(el_line) X(el_push) X(el_set) X(el_source) X(history_end) X(history_init) X(history)
    // clang-format on
#define BRISALTO_EDIT_MEMBER(name) decltype(&::name) name = nullptr;
    BRISALTO_EDIT_FUNCTIONS(BRISALTO_EDIT_MEMBER)
#undef BRISALTO_EDIT_MEMBER
};

EditLibrary edit_library;

// The terminal as the session found it, put back by a signal that ends the program between two
// lines, when the editor's own handlers are not in place.
termios original_terminal{};

extern "C" void RestoreTerminalAndDie(int signal_number) {
    tcsetattr(STDIN_FILENO, TCSANOW, &original_terminal);
    std::signal(signal_number, SIG_DFL);
    raise(signal_number);
}

void GuardTerminal() {
    if (tcgetattr(STDIN_FILENO, &original_terminal) != 0) return;
    for (int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        std::signal(signal_number, RestoreTerminalAndDie);
    }
}

const EditLibrary& Lib() { return edit_library; }

// Empty when loaded, or why not.
std::string LoadEditLibrary() {
    void* handle = dlopen(kEditLibrary, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return dlerror();
#define BRISALTO_EDIT_LOAD(name)                                                   \
    edit_library.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name)); \
    if (edit_library.name == nullptr) return std::string(kEditLibrary) + ": no " #name;
    BRISALTO_EDIT_FUNCTIONS(BRISALTO_EDIT_LOAD)
#undef BRISALTO_EDIT_LOAD
    return {};
}

class EditLineReader : public LineReader {
  public:
    explicit EditLineReader(bool separators)
        : history_file_(HistoryFilePath()), separators_(separators) {
        GuardTerminal();
        editor_ = Lib().el_init(kProgramName, stdin, stdout, stderr);
        history_ = Lib().history_init();
        HistEvent event;
        Lib().history(history_, &event, H_SETSIZE, static_cast<int>(kHistoryLineLimit));
        Lib().history(history_, &event, H_SETUNIQUE, 1);
        for (const std::string& line : history_file_.Load()) {
            Lib().history(history_, &event, H_ENTER, line.c_str());
            last_entered_ = line;
        }
        ReportHistoryProblem();

        Lib().el_set(editor_, EL_CLIENTDATA, this);
        Lib().el_set(editor_, EL_EDITOR, "emacs");
        Lib().el_set(editor_, EL_SIGNAL, 1);
        Lib().el_set(editor_, EL_PROMPT, &Prompt);
        Lib().el_set(editor_, EL_HIST, Lib().history, history_);
        // The user's own ~/.editrc first; the keys below are what the calculator is about.
        Lib().el_source(editor_, nullptr);
        // Ctrl+C reaches the editor as a key instead of ending the program; so does Ctrl+Z.
        Lib().el_set(editor_, EL_SETTY, "-d", "-isig", nullptr);
        // Between two lines, while answers print, the terminal stays out of its line mode: a
        // Ctrl+D typed then reaches the editor as a key, where the line mode would turn it
        // into an end of a line that the next prompt never sees.
        Lib().el_set(editor_, EL_SETTY, "-x", "-icanon", "-echo", nullptr);
        Lib().el_set(editor_, EL_ADDFN, "brisalto-complete", "Complete a name", &Complete);
        Lib().el_set(editor_, EL_BIND, "^I", "brisalto-complete", nullptr);
        Lib().el_set(editor_, EL_ADDFN, "brisalto-cancel", "Drop the line", &Cancel);
        Lib().el_set(editor_, EL_BIND, "^C", "brisalto-cancel", nullptr);
        Lib().el_set(editor_, EL_ADDFN, "brisalto-end", "End on an empty line", &EndOrDelete);
        Lib().el_set(editor_, EL_BIND, "^D", "brisalto-end", nullptr);
        Lib().el_set(editor_, EL_ADDFN, "brisalto-suspend", "Suspend", &Suspend);
        Lib().el_set(editor_, EL_BIND, "^Z", "brisalto-suspend", nullptr);
        Lib().el_set(editor_, EL_BIND, "^R", "em-inc-search-prev", nullptr);
    }

    ~EditLineReader() override {
        Lib().el_end(editor_);
        Lib().history_end(history_);
    }

    bool ReadLine(std::string& line) override {
        while (true) {
            // The separator above the prompt, as the results window has it above the echo.
            if (lead_separator_ && separators_) {
                const std::string separator = TerminalSeparator() + "\n";
                std::fwrite(separator.data(), 1, separator.size(), stdout);
                lead_separator_ = false;
            }
            std::fflush(stdout);
            cancelled_ = false;
            int count = 0;
            const char* text = Lib().el_gets(editor_, &count);
            if (text == nullptr || count <= 0) {
                // The shell's prompt starts on a line of its own.
                std::fputs("\n", stdout);
                std::fflush(stdout);
                return false;
            }
            line.assign(text, static_cast<std::size_t>(count));
            if (!line.empty() && line.back() == '\n') line.pop_back();
            if (cancelled_ || line.empty()) continue;
            Remember(line);
            lead_separator_ = true;
            return true;
        }
    }

  private:
    static EditLineReader& Of(EditLine* editor) {
        void* data = nullptr;
        Lib().el_get(editor, EL_CLIENTDATA, &data);
        return *static_cast<EditLineReader*>(data);
    }

    static char* Prompt(EditLine*) { return const_cast<char*>(kPrompt); }

    void Remember(const std::string& line) {
        if (!IsHistoryLine(line)) return;
        HistEvent event;
        Lib().history(history_, &event, H_ENTER, line.c_str());
        if (line == last_entered_) return;
        last_entered_ = line;
        history_file_.Append(line);
        ReportHistoryProblem();
    }

    void ReportHistoryProblem() {
        while (std::optional<std::string> problem = history_file_.TakeProblem()) {
            WriteShown(stderr, std::string(kProgramName) + ": " + *problem + "\n");
        }
    }

    static unsigned char Complete(EditLine* editor, int) {
        const LineInfo* info = Lib().el_line(editor);
        const std::string_view line(info->buffer,
                                    static_cast<std::size_t>(info->lastchar - info->buffer));
        const std::size_t caret = static_cast<std::size_t>(info->cursor - info->buffer);
        const std::size_t start = CompletionWordStart(line, caret);
        const std::string word(line.substr(start, caret - start));
        const std::vector<std::string> candidates =
            CompletionCandidates(word, start == 0 && caret == line.size());
        if (candidates.empty()) return CC_REFRESH_BEEP;
        const std::string common = CommonPrefix(candidates);
        if (common.size() > word.size()) Lib().el_insertstr(editor, common.c_str() + word.size());
        if (candidates.size() == 1) return CC_REFRESH;
        ListCandidates(candidates);
        return CC_REDISPLAY;
    }

    // Below the line, in columns across the terminal; the prompt and the line follow anew.
    static void ListCandidates(const std::vector<std::string>& candidates) {
        std::size_t width = 0;
        for (const std::string& name : candidates) width = std::max(width, name.size());
        width += kListGap;
        const int columns = TerminalColumns();
        const std::size_t per_row = std::max<std::size_t>(
            1, (columns > 0 ? static_cast<std::size_t>(columns) : 80) / width);
        std::string text = "\n";
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            text += candidates[i];
            const bool row_end = (i + 1) % per_row == 0 || i + 1 == candidates.size();
            text += row_end ? std::string("\n") : std::string(width - candidates[i].size(), ' ');
        }
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }

    // Shows ^C at the end of the line and ends it; ReadLine drops it and prompts again.
    static unsigned char Cancel(EditLine* editor, int) {
        const LineInfo* info = Lib().el_line(editor);
        Lib().el_cursor(editor, static_cast<int>(info->lastchar - info->cursor));
        Lib().el_insertstr(editor, std::string(kCancelMark).c_str());
        Of(editor).cancelled_ = true;
        Lib().el_push(editor, "\n");
        return CC_REFRESH;
    }

    // Ctrl+Z as the shell's job control expects it; the editor restores the terminal around it.
    static unsigned char Suspend(EditLine*, int) {
        raise(SIGTSTP);
        return CC_REDISPLAY;
    }

    // On an empty line the end of the session; otherwise the character under the cursor goes.
    static unsigned char EndOrDelete(EditLine* editor, int) {
        const LineInfo* info = Lib().el_line(editor);
        if (info->lastchar == info->buffer) return CC_EOF;
        if (info->cursor == info->lastchar) return CC_REFRESH_BEEP;
        Lib().el_cursor(editor, 1);
        Lib().el_deletestr(editor, 1);
        return CC_REFRESH;
    }

    EditLine* editor_ = nullptr;
    History* history_ = nullptr;
    HistoryFile history_file_;
    std::string last_entered_;
    bool cancelled_ = false;
    bool separators_;
    bool lead_separator_ = true;
};

#endif

}  // namespace

std::unique_ptr<LineReader> MakeTerminalLineReader(std::istream& in, bool separators) {
#ifdef BRISALTO_HAVE_LIBEDIT
    // The terminal's character set, for the editor's idea of a character.
    std::setlocale(LC_CTYPE, "");
    static const std::string problem = LoadEditLibrary();
    if (problem.empty()) return std::make_unique<EditLineReader>(separators);
    std::fprintf(stderr, "%s: no line editing: %s\n", kProgramName, problem.c_str());
    return std::make_unique<StreamLineReader>(in);
#else
    (void)separators;
    return std::make_unique<StreamLineReader>(in);
#endif
}

}  // namespace brisalto
