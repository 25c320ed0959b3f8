// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// GMP's functions looked up once by the names gmp.h's macros stand for; the header gives their
// types only, and the library is not linked.
#include "tools/whole_number.h"

#include <dlfcn.h>

#include <utility>
#include <vector>

namespace brisalto {
namespace {

// clang-format off
#define BRISALTO_GMP_FUNCTIONS(X) \
    X(init) X(init_set) X(init_set_si) X(clear) X(set) X(cmp) X(cmp_si) X(neg) X(abs) X(add) \
    X(sub) X(mul) X(tdiv_q) X(divexact) X(gcd) X(lcm) X(get_str) X(sizeinbase) X(fits_slong_p) \
    X(get_si)
// clang-format on

struct Gmp {
#define BRISALTO_GMP_FIELD(name) decltype(&::__gmpz_##name) name = nullptr;
    BRISALTO_GMP_FUNCTIONS(BRISALTO_GMP_FIELD)
#undef BRISALTO_GMP_FIELD
    std::optional<Message> error;
};

const char* library_name = kWholeNumberLibrary;
constexpr const char* kNotLoadedText =
    QT_TRANSLATE_NOOP("Chemistry", "the whole-number library %1 cannot be loaded");
constexpr const char* kLacksText =
    QT_TRANSLATE_NOOP("Chemistry", "the whole-number library %1 lacks %2");

Gmp Load() {
    Gmp gmp;
    // Never closed: the numbers may outlive any one caller.
    void* handle = dlopen(library_name, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        gmp.error = Message{kNotLoadedText, {library_name}};
        return gmp;
    }
#define BRISALTO_GMP_LOAD(name)                                                              \
    gmp.name = reinterpret_cast<decltype(&::__gmpz_##name)>(dlsym(handle, "__gmpz_" #name)); \
    if (gmp.name == nullptr) {                                                               \
        gmp.error = Message{kLacksText, {library_name, "__gmpz_" #name}};                    \
        return gmp;                                                                          \
    }
    BRISALTO_GMP_FUNCTIONS(BRISALTO_GMP_LOAD)
#undef BRISALTO_GMP_LOAD
    return gmp;
}

const Gmp& G() {
    static const Gmp gmp = Load();
    return gmp;
}

}  // namespace

const std::optional<Message>& WholeNumberLoadError() { return G().error; }

void SetWholeNumberLibraryForTest(const char* soname) { library_name = soname; }

WholeNumber::WholeNumber(long value) { G().init_set_si(value_, value); }
WholeNumber::WholeNumber(const WholeNumber& other) { G().init_set(value_, other.value_); }
WholeNumber::WholeNumber(WholeNumber&& other) noexcept {
    G().init(value_);
    std::swap(value_[0], other.value_[0]);
}
WholeNumber& WholeNumber::operator=(const WholeNumber& other) {
    G().set(value_, other.value_);
    return *this;
}
WholeNumber& WholeNumber::operator=(WholeNumber&& other) noexcept {
    std::swap(value_[0], other.value_[0]);
    return *this;
}
WholeNumber::~WholeNumber() { G().clear(value_); }

// GMP gives any number of the sign; callers get -1, 0 or 1.
int WholeNumber::Compare(const WholeNumber& other) const {
    const int c = G().cmp(value_, other.value_);
    return (c > 0) - (c < 0);
}
int WholeNumber::Compare(long other) const {
    const int c = G().cmp_si(value_, other);
    return (c > 0) - (c < 0);
}

WholeNumber WholeNumber::operator-() const {
    WholeNumber r;
    G().neg(r.value_, value_);
    return r;
}
WholeNumber abs(const WholeNumber& a) {
    WholeNumber r;
    G().abs(r.value_, a.value_);
    return r;
}
WholeNumber operator+(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber r;
    G().add(r.value_, a.value_, b.value_);
    return r;
}
WholeNumber operator-(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber r;
    G().sub(r.value_, a.value_, b.value_);
    return r;
}
WholeNumber operator*(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber r;
    G().mul(r.value_, a.value_, b.value_);
    return r;
}
WholeNumber operator/(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber r;
    G().tdiv_q(r.value_, a.value_, b.value_);
    return r;
}
WholeNumber& WholeNumber::operator/=(const WholeNumber& b) {
    G().tdiv_q(value_, value_, b.value_);
    return *this;
}
void WholeNumber::DivideExactly(const WholeNumber& b) { G().divexact(value_, value_, b.value_); }
WholeNumber gcd(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber r;
    G().gcd(r.value_, a.value_, b.value_);
    return r;
}
WholeNumber lcm(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber r;
    G().lcm(r.value_, a.value_, b.value_);
    return r;
}

std::string WholeNumber::Text() const {
    // Room for the digits, a sign and the terminating zero.
    std::vector<char> buffer(G().sizeinbase(value_, 10) + 2);
    G().get_str(buffer.data(), 10, value_);
    return buffer.data();
}
bool WholeNumber::FitsInt64() const {
    static_assert(sizeof(long) == sizeof(std::int64_t));
    return G().fits_slong_p(value_) != 0;
}
std::int64_t WholeNumber::ToInt64() const { return G().get_si(value_); }

}  // namespace brisalto
