// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// A full disk for one process, loaded with LD_PRELOAD: once FAULT_WRITE_BUDGET bytes have gone
// to regular files, write() takes only what is left and then fails with ENOSPC, as a disk that
// fills in the middle of a write does. Other files (terminals, pipes) are left alone.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {
long long used = 0;
}

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto real_write = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    const char* budget_text = getenv("FAULT_WRITE_BUDGET");
    struct stat status;
    if (budget_text == nullptr || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return real_write(fd, buffer, count);
    }
    const long long budget = atoll(budget_text);
    if (used >= budget) {
        errno = ENOSPC;
        return -1;
    }
    if (static_cast<long long>(count) > budget - used) count = static_cast<size_t>(budget - used);
    const ssize_t put = real_write(fd, buffer, count);
    if (put > 0) used += put;
    return put;
}
