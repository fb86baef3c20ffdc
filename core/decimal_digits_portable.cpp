// Decimal digits of the software extended type. Boost's str() and string
// constructor are correctly rounded (to nearest, ties to even) for the
// binary format, so the texts equal those of x87 long double through
// printf in every digit; the tests check this against the hardware type.
#include "core/decimal_digits_backend.h"

#ifdef TARVIK_PORTABLE_REAL

#include <boost/multiprecision/cpp_int.hpp>
#include <cctype>
#include <cstdlib>
#include <ios>

namespace tarvik::digits_backend {

namespace {

// Boost takes 0 digits to mean "all of them". One digit after rounding is
// made from a text far longer than the Real's 21 significant digits: a tie
// in those 41 digits is a tie of the value itself.
constexpr int kGuardDecimals = 40;

// Boost's str() scales by a power of ten held in the number's own type: at
// the ends of the extended range (below about 1e-4800 or above 1e4800) that
// power leaves the range and the digits come out wrong. There the exact
// value is converted in a type with a 32-bit exponent.
constexpr int kSafeBinaryExponent = 15900;

std::string Str(const Real& v, int digits, std::ios_base::fmtflags format) {
    const auto exponent = v.backend().exponent();
    if (v != 0 && (exponent > kSafeBinaryExponent || exponent < -kSafeBinaryExponent)) {
        using Wide = boost::multiprecision::number<real_detail::WideBackend, boost::multiprecision::et_off>;
        return Wide(v).str(digits, format);
    }
    return v.str(digits, format);
}

std::string Scientific(const Real& v, int decimals) {
    if (decimals > 0) return Str(v, decimals, std::ios::scientific);
    std::string wide = Str(v, kGuardDecimals, std::ios::scientific);  // "-d.ddd...e+XX"
    const std::size_t lead = wide[0] == '-' ? 1 : 0;
    const std::size_t e = wide.find('e');
    int digit = wide[lead] - '0';
    int exponent = std::atoi(wide.c_str() + e + 1);
    const std::string rest = wide.substr(lead + 2, e - lead - 2);
    const bool above = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
    const bool tie = rest[0] == '5' && !above;
    if (above || (tie && digit % 2 == 1)) ++digit;
    if (digit == 10) {
        digit = 1;
        ++exponent;
    }
    std::string exp = std::to_string(exponent < 0 ? -exponent : exponent);
    if (exp.size() < 2) exp.insert(0, "0");
    return wide.substr(0, lead) + char('0' + digit) + 'e' + (exponent < 0 ? '-' : '+') + exp;
}

std::string Fixed(const Real& v, int decimals) {
    if (decimals > 0) return Str(v, decimals, std::ios::fixed);
    // NearbyInt rounds ties to even, as printf; the whole number is printed
    // through an exact integer (Boost's str() rounds long whole numbers).
    const Real whole = NearbyInt(v);
    std::string text = whole.convert_to<boost::multiprecision::cpp_int>().str();
    if (SignBit(v) && text[0] != '-') text.insert(0, "-");
    return text;
}

int ExponentOfText(const std::string& sci) { return std::atoi(sci.c_str() + sci.find('e') + 1); }

void DropTrailingZeros(std::string& s) {
    const std::size_t e = s.find('e');
    std::string tail = e == std::string::npos ? "" : s.substr(e);
    std::string mantissa = s.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    s = mantissa + tail;
}

// printf's %.*g: scientific when the exponent is below -4 or not below the
// precision, else fixed; trailing zeros dropped either way.
std::string General(const Real& v, int precision) {
    const int p = precision == 0 ? 1 : precision;
    const std::string sci = Scientific(v, p - 1);
    const int x = ExponentOfText(sci);
    std::string s = (p > x && x >= -4) ? Fixed(v, p - 1 - x) : sci;
    DropTrailingZeros(s);
    return s;
}

// The digits and exponent of a scientific text: "-2.53e-10" -> "253", -10.
void Split(const std::string& sci, std::string& digits, int& exponent) {
    const std::size_t e = sci.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (std::isdigit(static_cast<unsigned char>(sci[i]))) digits += sci[i];
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.empty()) digits = "0";
    exponent = std::atoi(sci.c_str() + e + 1);
}

}  // namespace

std::string Format(const Real& v, std::chars_format format, int precision) {
    if (!IsFinite(v)) return IsNaN(v) ? "NAN" : (v < 0 ? "-INF" : "INF");
    switch (format) {
        case std::chars_format::scientific: return Scientific(v, precision);
        case std::chars_format::fixed: return Fixed(v, precision);
        default: return General(v, precision);
    }
}

// to_chars without a precision: the fewest significant digits that read
// back as exactly `v`, in fixed or scientific form, whichever is shorter
// (fixed on a tie).
std::string Shortest(const Real& v) {
    if (!IsFinite(v)) return IsNaN(v) ? "NAN" : (v < 0 ? "-INF" : "INF");
    const std::string sign = SignBit(v) ? "-" : "";
    if (v == 0) return sign + "0";
    constexpr int kRoundTripDigits = 21;
    std::string sci;
    for (int digits = 1; digits <= kRoundTripDigits; ++digits) {
        sci = Scientific(Abs(v), digits - 1);
        if (Real(sci) == Abs(v)) break;
    }
    std::string d;
    int x = 0;
    Split(sci, d, x);
    const int n = int(d.size());
    std::string fixed;
    if (x >= n - 1)
        fixed = Fixed(Abs(v), 0);  // a whole number: printf writes all its digits, not zeros
    else if (x < 0)
        fixed = "0." + std::string(std::size_t(-x - 1), '0') + d;
    else
        fixed = d.substr(0, std::size_t(x + 1)) + "." + d.substr(std::size_t(x + 1));
    std::string exp = std::to_string(x < 0 ? -x : x);
    if (exp.size() < 2) exp.insert(0, "0");
    const std::string scientific = d.substr(0, 1) + (n > 1 ? "." + d.substr(1) : "") + "e" + (x < 0 ? "-" : "+") + exp;
    return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

ReadResult Read(const char* first, const char* last, Real& value) { return ReadExtended(first, last, value); }

}  // namespace tarvik::digits_backend

#endif
