#include "core/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
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

}  // namespace

std::string ScientificDigits(Real v, int precision) {
    return digits_backend::Format(v, std::chars_format::scientific, precision);
}
std::string ScientificDigits(double v, int precision) {
    constexpr int kDoubleBuffer = 400;
    char buf[kDoubleBuffer];
    const auto r = std::to_chars(buf, buf + kDoubleBuffer, v, std::chars_format::scientific, precision);
    if (r.ec != std::errc()) return std::isnan(v) ? "NAN" : (v < 0 ? "-INF" : "INF");
    return std::string(buf, r.ptr);
}
std::string FixedDigits(Real v, int decimals) { return digits_backend::Format(v, std::chars_format::fixed, decimals); }
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
