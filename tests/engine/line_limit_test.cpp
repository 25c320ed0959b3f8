// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The reducer numbers its tokens in 32 bits: a line at that limit is refused with a clear error,
// before a single character is read, instead of wrapping the numbers.
#include <gtest/gtest.h>
#include <sys/mman.h>

#include <string_view>

#include "engine/expression_texts.h"
#include "engine/token_list.h"
#include "tests/engine/outcome.h"

namespace brisalto::testing {
namespace {

// Address space for a line of `size` zero bytes; no page is touched unless someone reads it.
class UntouchedLine {
  public:
    explicit UntouchedLine(std::size_t size) : size_(size) {
        data_ = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    }
    ~UntouchedLine() {
        if (data_ != MAP_FAILED) munmap(data_, size_);
    }
    bool ok() const { return data_ != MAP_FAILED; }
    std::string_view text() const { return {static_cast<const char*>(data_), size_}; }

  private:
    std::size_t size_;
    void* data_;
};

TEST(LineLimit, LinesAtTheLimitAreRefusedClearly) {
    for (const std::size_t size : {TokenList::kMaxLineLength, TokenList::kMaxLineLength + 1,
                                   std::size_t{1} << 32, (std::size_t{1} << 32) + 5}) {
        UntouchedLine line(size);
        if (!line.ok()) GTEST_SKIP() << "no address space for " << size << " bytes";
        const Outcome got = Evaluate(line.text());
        EXPECT_EQ(got.kind, "expression") << size << " characters";
        EXPECT_EQ(got.text, kLineTooLong) << size << " characters";
    }
}

}  // namespace
}  // namespace brisalto::testing
