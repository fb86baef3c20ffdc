// Decimal digits of the hardware extended type: the C++ library's
// to_chars and from_chars, which never look at the C locale.
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
}  // namespace

std::string Format(const Real& v, std::chars_format format, int precision) {
    char buf[kBufferSize];
    const auto r = std::to_chars(buf, buf + kBufferSize, v, format, precision);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : Overflowed(v);
}

std::string Shortest(const Real& v) {
    char buf[kBufferSize];
    const auto r = std::to_chars(buf, buf + kBufferSize, v);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : Overflowed(v);
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
