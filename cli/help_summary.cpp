// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/help_summary.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

// The documents' folder seen from the programs' folder, as the install lays them out.
#ifndef BRISALTO_DOC_FROM_BIN
#define BRISALTO_DOC_FROM_BIN "../share/doc/brisalto-calculator"
#endif

namespace brisalto {
namespace {

inline constexpr std::string_view kHelpSummary =
    "Type an expression, an assignment like B=2*sin(30)+4! or a keyword, one a line.\n"
    "Keywords  rad deg grd cyc  angle mode        sci fix auto  number format\n"
    "          mod  show the modes   var  show the variables   clear  zero A to N\n"
    "          cls  clear the screen   help  this summary   exit  end (or Ctrl+D)\n"
    "Operators first to last: brackets ( [ { < (any kind closes any) and f(x);\n"
    "          postfix !; unary + -; 1.5E-3; V=x; then ^ / * % and + - as one,\n"
    "          each over the whole bracket, leftmost first: 8/2*4 = 16,\n"
    "          10-2+3 = 11, -2^2 = 4\n"
    "Functions of one operand, names in lower case:\n"
    "  circular            sin cos tan cot sec csc (angles in the angle mode)\n"
    "  inverse circular    xsin xcos xtan xcot xsec xcsc\n"
    "  hyperbolic          sinh cosh tanh coth sech csch (plain numbers)\n"
    "  inverse hyperbolic  xsinh xcosh xtanh xcoth xsech xcsch\n"
    "  logarithms          log (base 10) xlog (10^x) lin (base e) exp logn (base N)\n"
    "  angle units         dtor dtog dtoc rtod rtog rtoc gtod gtor gtoc ctod ctor\n"
    "    (x to y)          ctog   d degrees, r radians, g grads, c cycles\n"
    "  other               abs (magnitude: abs(-2.7) = 2.7) hex (always an error)\n"
    "Variables A (the last answer), B C D F G H I J K L M N, P (pi, read-only)\n"
    "Keys      Tab completes names, Up/Down and Ctrl+R search the history,\n"
    "          Ctrl+C drops the line\n";

inline constexpr std::string_view kManualLine = "Manual    man brisalto-calc";
inline constexpr std::string_view kManualPage = "/manual/index.html";
inline constexpr std::string_view kBrowserIndent = ", and in a browser:\n          ";

// The HTML manual beside this very executable, wherever it was installed (a package, another
// prefix, a DESTDIR); empty when it is not there, as in the build folder.
std::string InstalledManual() {
    char executable[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0) return {};
    std::string folder(executable, static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    char resolved[PATH_MAX];
    const std::string manual = folder + BRISALTO_DOC_FROM_BIN + std::string(kManualPage);
    struct stat info {};
    if (realpath(manual.c_str(), resolved) == nullptr || stat(resolved, &info) != 0) return {};
    return resolved;
}

}  // namespace

std::string HelpSummary() {
    std::string summary(kHelpSummary);
    summary += kManualLine;
    if (const std::string manual = InstalledManual(); !manual.empty()) {
        summary += kBrowserIndent;
        summary += manual;
    }
    summary.push_back('\n');
    return summary;
}

}  // namespace brisalto
