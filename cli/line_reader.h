// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Where brisalto-calc's command lines come from: standard input as it is, or a terminal with a
// prompt and a line history.
#pragma once

#include <istream>
#include <memory>
#include <string>

namespace brisalto {

class LineReader {
  public:
    virtual ~LineReader() = default;
    // The next line without its line break; false at the end of the input.
    virtual bool ReadLine(std::string& line) = 0;
    // True when more input is already waiting, so the output may wait for it too.
    virtual bool MoreInputWaiting() { return false; }
};

// Any bytes, lines of any length.
class StreamLineReader : public LineReader {
  public:
    explicit StreamLineReader(std::istream& in) : in_(in) {}
    bool ReadLine(std::string& line) override;
    bool MoreInputWaiting() override;

  private:
    std::istream& in_;
};

// With a prompt and history on a terminal when line editing is built in; otherwise the stream.
// separators: a separator line above each prompt, as the results window frames each command.
std::unique_ptr<LineReader> MakeTerminalLineReader(std::istream& in, bool separators = true);

}  // namespace brisalto
