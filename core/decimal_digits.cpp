#include "core/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace tarvik {

namespace {

// Long enough for 18 significant digits in fixed notation of any value the
// callers pass (they switch to scientific text from 1e18 upwards) and for
// any scientific text of an 80-bit number.
constexpr int kBufferSize = 160;

// Far beyond any Real exponent (4951), and far from overflowing a long.
constexpr long kExponentBound = 1000000000L;

template <typename T>
std::string ToChars(T v, std::chars_format format, int precision) {
    char buf[kBufferSize];
    const auto r = std::to_chars(buf, buf + kBufferSize, v, format, precision);
    if (r.ec != std::errc()) return std::isnan(v) ? "NAN" : (v < 0 ? "-INF" : "INF");
    return std::string(buf, r.ptr);
}

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
    return ToChars(v, std::chars_format::scientific, precision);
}
std::string ScientificDigits(double v, int precision) {
    return ToChars(v, std::chars_format::scientific, precision);
}
std::string FixedDigits(Real v, int decimals) { return ToChars(v, std::chars_format::fixed, decimals); }
std::string GeneralDigits(Real v, int precision) { return ToChars(v, std::chars_format::general, precision); }

std::string ShortestDigits(Real v) {
    char buf[kBufferSize];
    const auto r = std::to_chars(buf, buf + kBufferSize, v);
    if (r.ec != std::errc()) return std::isnan(v) ? "NAN" : (v < 0 ? "-INF" : "INF");
    return std::string(buf, r.ptr);
}

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
    const auto r = std::from_chars(first, last, v);
    if (r.ptr != last) return false;  // never a shorter number than the text
    if (r.ec == std::errc::result_out_of_range) {
        if (Magnitude(canonical) > 0) return false;  // beyond the Real range
        v = 0;                                       // below it: underflows to zero
    } else if (r.ec != std::errc() || !std::isfinite(v)) {
        return false;
    }
    value = v;
    return true;
}

}  // namespace tarvik
