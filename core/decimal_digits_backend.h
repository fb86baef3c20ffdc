#pragma once
// The two ways of turning a Real into decimal digits and back: the C++
// library's to_chars/from_chars where Real is the hardware long double, and
// Boost's correctly rounded conversions where it is the software type.
// Both give the texts of printf in the "C" locale, digit for digit.
#include <charconv>
#include <string>

#include "core/real.h"
#if defined(__MINGW32__) && !defined(TARVIK_PORTABLE_REAL)
#include "core/extended_float.h"
#endif

namespace tarvik::digits_backend {

// `precision` digits after the point (fixed, scientific) or significant
// digits (general); no precision: the shortest text that reads back exactly.
std::string Format(const Real& v, std::chars_format format, int precision);
std::string Shortest(const Real& v);

enum class ReadResult { Ok, NotANumber, OutOfRange };
// Reads the whole of [first, last): a sign, digits with a point, an exponent.
// OutOfRange when the number lies beyond the Real range in either direction.
ReadResult Read(const char* first, const char* last, Real& value);

#if defined(TARVIK_PORTABLE_REAL) || defined(__MINGW32__)
// The same reading into the software extended type, correctly rounded.
ReadResult ReadExtended(const char* first, const char* last, real_detail::ExtendedFloat& value);
#endif

}  // namespace tarvik::digits_backend
