#include "core/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "core/decimal_digits_backend.h"

namespace tarvik {

namespace {

// Far beyond any Real exponent (4951), and far from overflowing a long.
constexpr long kExponentBound = 1000000000L;


// The decimal magnitude of a canonical text: where its first non-zero digit
// stands, counted from the point, plus the exponent. Only its sign is used,
// to tell an overflow from an underflow.
long Magnitude(const std::string& c) {
    long exponent = 0;
    const auto e = c.find_first_of("eE");
    if (e != std::string::npos) {
        // strtol saturates at LONG_MAX: "1e99999999999999999999" does not
        // wrap. Clamped further, so that adding the digits' place cannot.
        exponent = std::clamp(std::strtol(c.c_str() + e + 1, nullptr, 10), -kExponentBound, kExponentBound);
    }
    const std::string mantissa = c.substr(0, e);
    const auto point = mantissa.find('.');
    const auto first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) return 0;
    const long intEnd = long(point == std::string::npos ? mantissa.size() : point);
    const long pos = long(first) < intEnd ? intEnd - long(first) : intEnd - long(first) + 1;
    return pos + exponent;
}

// The fixed text of v by integer arithmetic, where it fits 128 bits. v is
// m x 2^s with a 64-bit m; v x 10^d is then m x 10^d (below 2^124 for d up
// to 18) shifted right by -s, and the bits shifted out round it to nearest,
// ties to even, as printf rounds the exact binary value. The C library's
// long double printf costs about a microsecond a number, most of a result
// line's time; this costs a tenth of it. Zero keeps the library's sign rule.
std::optional<std::string> FixedByIntegers(Real v, int decimals) {
    __extension__ typedef unsigned __int128 Wide;  // GCC and Clang on 64-bit targets
    constexpr int kMostDecimals = 18, kMantissaBits = 64, kWideBits = 124;
    if (!(v != 0) || !(Abs(v) < Real(1e17)) || decimals < 0 || decimals > kMostDecimals) return std::nullopt;
    int e = 0;
    const Real f = Frexp(Abs(v), &e);  // [0.5, 1)
    const std::uint64_t m = static_cast<std::uint64_t>(Ldexp(f, kMantissaBits));
    const int shift = kMantissaBits - e;  // at least 7: v is below 2^57
    Wide n = m;
    for (int k = 0; k < decimals; ++k) n *= 10;
    Wide q = 0;
    if (shift <= kWideBits) {  // past it, n is below half of 2^shift
        q = n >> shift;
        const Wide rest = n - (q << shift), half = Wide(1) << (shift - 1);
        if (rest > half || (rest == half && (q & 1))) ++q;
    }
    char digits[48];
    char* end = digits + sizeof digits;
    char* first = end;
    // 128-bit division is a library call: only the digits above 2^64 take it.
    while (q > UINT64_MAX) {
        *--first = char('0' + int(q % 10));
        q /= 10;
    }
    for (std::uint64_t low = std::uint64_t(q);; low /= 10) {
        *--first = char('0' + int(low % 10));
        if (low < 10) break;
    }
    while (end - first <= decimals) *--first = '0';
    std::string text = v < 0 ? "-" : "";
    text.append(first, std::size_t(end - first - decimals));
    if (decimals > 0) text.append(".").append(end - decimals, std::size_t(decimals));
    return text;
}

}  // namespace

std::string ScientificDigits(Real v, int precision) {
    return digits_backend::Format(v, std::chars_format::scientific, precision);
}
std::string ScientificDigits(double v, int precision) {
#if defined(__cpp_lib_to_chars)
    constexpr int kDoubleBuffer = 400;
    char buf[kDoubleBuffer];
    const auto r = std::to_chars(buf, buf + kDoubleBuffer, v, std::chars_format::scientific, precision);
    if (r.ec != std::errc()) return std::isnan(v) ? "NAN" : (v < 0 ? "-INF" : "INF");
    return std::string(buf, r.ptr);
#else
    // libc++ before 14 (emscripten's) has no floating-point to_chars. A
    // double is exactly a Real, whose digits are those of its exact value,
    // rounded once: the same text.
    return digits_backend::Format(Real(v), std::chars_format::scientific, precision);
#endif
}
std::string FixedDigits(Real v, int decimals) {
    if (auto text = FixedByIntegers(v, decimals)) return *std::move(text);
    return digits_backend::Format(v, std::chars_format::fixed, decimals);
}
std::string GeneralDigits(Real v, int precision) {
    return digits_backend::Format(v, std::chars_format::general, precision);
}
std::string ShortestDigits(Real v) { return digits_backend::Shortest(v); }

int ExponentOf(const std::string& scientific) {
    const auto e = scientific.find('e');
    return e == std::string::npos ? 0 : std::atoi(scientific.c_str() + e + 1);
}

bool ParseCanonical(const std::string& canonical, Real& value) {
    const char* first = canonical.data();
    const char* last = first + canonical.size();
    // from_chars takes no leading '+'.
    if (first != last && *first == '+') ++first;
    Real v = 0;
    switch (digits_backend::Read(first, last, v)) {
        case digits_backend::ReadResult::NotANumber: return false;
        case digits_backend::ReadResult::OutOfRange:
            if (Magnitude(canonical) > 0) return false;  // beyond the Real range
            v = 0;                                       // below it: underflows to zero
            break;
        case digits_backend::ReadResult::Ok:
            if (!IsFinite(v)) return false;
            break;
    }
    value = v;
    return true;
}

}  // namespace tarvik
