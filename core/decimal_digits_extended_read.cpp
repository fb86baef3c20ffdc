// Decimal texts read into the software extended type: the syntax of
// from_chars, then Boost's correctly rounded reading.
#include "core/decimal_digits_backend.h"

#if defined(TARVIK_PORTABLE_REAL) || defined(__MINGW32__)

#include <cctype>
#include <string>

namespace tarvik::digits_backend {

ReadResult ReadExtended(const char* first, const char* last, real_detail::ExtendedFloat& value) {
    // The syntax from_chars takes: an optional minus, digits with an
    // optional point (at least one digit), an optional exponent.
    const char* p = first;
    if (p != last && *p == '-') ++p;
    bool digits = false;
    while (p != last && std::isdigit(static_cast<unsigned char>(*p))) ++p, digits = true;
    if (p != last && *p == '.') {
        ++p;
        while (p != last && std::isdigit(static_cast<unsigned char>(*p))) ++p, digits = true;
    }
    if (!digits) return ReadResult::NotANumber;
    if (p != last && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != last && (*p == '+' || *p == '-')) ++p;
        const char* expDigits = p;
        while (p != last && std::isdigit(static_cast<unsigned char>(*p))) ++p;
        if (p == expDigits) return ReadResult::NotANumber;
    }
    if (p != last) return ReadResult::NotANumber;
    real_detail::ExtendedFloat v(std::string(first, last));
    if (!boost::multiprecision::isfinite(v)) return ReadResult::OutOfRange;
    // "-0" is a negative zero, as from_chars reads it; Boost's reading
    // drops the sign of a zero.
    if (v == 0 && *first == '-') v = -real_detail::ExtendedFloat(0);
    // Boost flushes a value below the smallest normal Real to zero; the
    // caller tells that underflow from a text of zeros by the digits.
    if (v == 0 && std::string(first, last).find_first_of("123456789") < std::string(first, last).find_first_of("eE"))
        return ReadResult::OutOfRange;
    value = v;
    return ReadResult::Ok;
}

}  // namespace tarvik::digits_backend

#endif
