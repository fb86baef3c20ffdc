// Decimal digits of the hardware extended type: the C++ library's
// to_chars and from_chars, which do not look at the C locale (but for
// MinGW's writing: see PointRadix).
#include "core/decimal_digits_backend.h"

#ifndef TARVIK_PORTABLE_REAL

#include <system_error>

namespace tarvik::digits_backend {

namespace {
// Long enough for 18 significant digits in fixed notation of any value the
// callers pass (they switch to scientific text from 1e18 upwards) and for
// any scientific text of an 80-bit number.
constexpr int kBufferSize = 160;

std::string Overflowed(const Real& v) { return IsNaN(v) ? "NAN" : (v < 0 ? "-INF" : "INF"); }

// MinGW's C++ library (GCC 12) writes long double through the C library's
// printf, in the C library's locale: after setlocale(LC_ALL, "German"),
// to_chars(2.5L, fixed, 6) gives "2,500000". The digits are right; the
// radix, whatever its bytes, is whatever stands between the integer
// digits and the fraction, and is put back to the point.
std::string PointRadix(const char* first, const char* last) {
    std::string text(first, last);
#ifdef __MINGW32__
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t radix = text[0] == '-' ? 1 : 0;
    while (radix < text.size() && isDigit(text[radix])) ++radix;
    std::size_t fraction = radix;
    while (fraction < text.size() && !isDigit(text[fraction]) && text[fraction] != 'e') ++fraction;
    if (fraction > radix) text.replace(radix, fraction - radix, ".");
#endif
    return text;
}
}  // namespace

std::string Format(const Real& v, std::chars_format format, int precision) {
    char buf[kBufferSize];
    const auto r = std::to_chars(buf, buf + kBufferSize, v, format, precision);
    return r.ec == std::errc() ? PointRadix(buf, r.ptr) : Overflowed(v);
}

std::string Shortest(const Real& v) {
    char buf[kBufferSize];
    const auto r = std::to_chars(buf, buf + kBufferSize, v);
    return r.ec == std::errc() ? PointRadix(buf, r.ptr) : Overflowed(v);
}

ReadResult Read(const char* first, const char* last, Real& value) {
#ifdef __MINGW32__
    // MinGW's C++ library (GCC 12) reads long double through double: "0.95"
    // would lose its last 11 bits and "1e-4000" become 0. The software type
    // has x87's very format, so its correctly rounded value converts exactly.
    real_detail::ExtendedFloat extended;
    const ReadResult result = ReadExtended(first, last, extended);
    if (result == ReadResult::Ok) value = extended.convert_to<long double>();
    return result;
#endif
    const auto r = std::from_chars(first, last, value);
    if (r.ptr != last) return ReadResult::NotANumber;  // never a shorter number than the text
    if (r.ec == std::errc::result_out_of_range) return ReadResult::OutOfRange;
    return r.ec == std::errc() ? ReadResult::Ok : ReadResult::NotANumber;
}

}  // namespace tarvik::digits_backend

#endif
