// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "cli/standard_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>

#include "cli/shown_text.h"

namespace brisalto {
namespace {

inline constexpr std::string_view kWriteErrorText = "brisalto-calc: write error: ";
inline constexpr std::string_view kReadErrorText = "brisalto-calc: standard input: ";

bool output_reported = false;
// errno of the first failed write, taken when the failure is first seen.
int failure_reason = 0;

}  // namespace

void ReserveStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // Opened the wrong way round: a read from 0 or a write to 1 or 2 fails with EBADF.
        const int stand_in = open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (stand_in != -1 && stand_in != fd) {
            dup2(stand_in, fd);
            close(stand_in);
        }
    }
}

bool StandardOutputFailed() {
    const int reason = errno;
    const bool failed = std::ferror(stdout) != 0 || !std::cout.good();
    if (failed && failure_reason == 0) failure_reason = reason;
    return failed;
}

bool FinishStandardOutput() {
    StandardOutputFailed();  // keeps the reason of an earlier failure
    errno = 0;
    std::cout.flush();
    std::fflush(stdout);
    if (!StandardOutputFailed()) return true;
    const int reason = failure_reason;
    if (!output_reported) {
        output_reported = true;
        std::string text(kWriteErrorText);
        text += reason != 0 ? std::strerror(reason) : "standard output was not written";
        text += '\n';
        std::fwrite(text.data(), 1, text.size(), stderr);
    }
    return false;
}

std::string StandardInputProblem() {
    struct stat info {};
    if (fstat(STDIN_FILENO, &info) == 0 && S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
    return {};
}

void ReportInputError(const std::string& reason) {
    std::string text(kReadErrorText);
    text += reason;
    text += '\n';
    std::fwrite(text.data(), 1, text.size(), stderr);
}

void ReportInputError(const std::string& name, const std::string& reason) {
    WriteShown(stderr, "brisalto-calc: " + name + ": " + reason + "\n");
}

}  // namespace brisalto
