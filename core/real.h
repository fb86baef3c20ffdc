#pragma once
// The one floating-point type of the mathematics: the x87 80-bit extended
// format (64-bit mantissa, 15-bit exponent, round to nearest even). The exact
// chi-square sums build intermediates near 1e442 (df 299, x 900), far beyond
// double, so a narrower type would silently break them.
//
// Where `long double` is that format (x86-64 with GCC, Clang or MinGW) it is
// Real. Elsewhere (MSVC, where it is double; aarch64 and Apple Silicon,
// where it is binary128 or double), and whenever TARVIK_PORTABLE_REAL is
// defined, Real is a software type of the same format: Boost's
// cpp_bin_float with 64 binary digits and exponents -16382 to 16383, whose
// +, -, *, / and sqrt are correctly rounded (to nearest, ties to even), as
// x87's are in 64-bit precision. Its exp and log (mended below) and sin and
// cos may differ from the x87 library's in the last unit.
//
// Everything that touches Real goes through this header: the functions
// below replace the std:: calls, and a decimal constant is written as
// `0.95_r`, which is exact in both: a long double literal in the first, the
// decimal text read once (correctly rounded) in the second. A plain `0.95L`
// would be a double on MSVC and a binary128 rounded twice on aarch64.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#if !defined(TARVIK_PORTABLE_REAL) && !(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384)
#define TARVIK_PORTABLE_REAL 1
#endif

#ifdef TARVIK_PORTABLE_REAL
#include "core/extended_float.h"
#endif

namespace tarvik {

#ifdef TARVIK_PORTABLE_REAL

using Real = real_detail::ExtendedFloat;
inline constexpr bool kRealIsSoftware = true;

namespace real_detail {
// The decimal text of a literal, read once into its correctly rounded Real.
template <char... Digits>
struct LiteralValue {
    static const Real& Get() {
        static const char text[] = {Digits..., '\0'};
        static const Real value(text);
        return value;
    }
};
}  // namespace real_detail

template <char... Digits>
inline const Real& operator""_r() {
    return real_detail::LiteralValue<Digits...>::Get();
}

inline Real Abs(const Real& x) { return boost::multiprecision::abs(x); }
inline Real Floor(const Real& x) { return boost::multiprecision::floor(x); }
inline Real Ldexp(const Real& x, int e) { return boost::multiprecision::ldexp(x, e); }
inline Real Frexp(const Real& x, int* e) { return boost::multiprecision::frexp(x, e); }
inline Real RawSqrt(const Real& x) { return boost::multiprecision::sqrt(x); }
inline Real Sin(const Real& x) { return boost::multiprecision::sin(x); }
inline Real Cos(const Real& x) { return boost::multiprecision::cos(x); }
inline Real Atan2(const Real& y, const Real& x) { return boost::multiprecision::atan2(y, x); }
inline bool IsFinite(const Real& x) { return boost::multiprecision::isfinite(x); }
inline bool IsNaN(const Real& x) { return boost::multiprecision::isnan(x); }
inline bool IsInf(const Real& x) { return boost::multiprecision::isinf(x); }
inline bool SignBit(const Real& x) { return boost::multiprecision::signbit(x) != 0; }
// Round to the nearest whole Real, ties to even. Built from trunc, whose
// remainder x - trunc(x) is exact: Boost's round adds 0.5 first, which
// rounds a whole number above 2^63 up to the next even one.
inline Real NearbyInt(const Real& x) {
    const Real whole = boost::multiprecision::trunc(x);
    const Real rest = Abs(x - whole);
    const Real half(0.5);
    const bool odd = boost::multiprecision::fmod(whole, Real(2)) != 0;
    if (rest > half || (rest == half && odd)) return whole + (x > 0 ? 1 : -1);
    return whole;
}
template <typename Int>
inline Int ToInteger(const Real& x) {
    return x.convert_to<Int>();
}

// Boost 1.74's exp and log of this type reduce their argument by ln 2 held
// in working precision: exp loses up to 5750 epsilons near +-11000 (356 near
// +-700), log up to 6. x87's expl and logl stay within one. Both are mended
// the classic way (Cody and Waite): ln 2 in two parts, the high one with 32
// bits so that n * high is exact for every exponent of the range, and
// Boost's own function only on the reduced argument, where it is within
// 1.2 (exp, |r| < 0.35) and 1.8 (log, [0.7, 1.42]) epsilons.
namespace real_detail {
inline const Real& Ln2High() {
    static const Real v("0.69314718036912381649017333984375");  // exact: 32 bits
    return v;
}
inline const Real& Ln2Low() {
    static const Real v("1.90821492927058781614426568076e-10");
    return v;
}
}  // namespace real_detail
inline Real RawExp(const Real& x) {
    static const Real kReduced("0.35"), kLog2E("1.44269504088896340735992468100189214");
    if (!boost::multiprecision::isfinite(x) || Abs(x) < kReduced) return boost::multiprecision::exp(x);
    const Real n = NearbyInt(x * kLog2E);
    // Past the exponent range either way the result is 0 or overflows.
    if (Abs(n) > 20000) return boost::multiprecision::exp(x);
    const Real r = (x - n * real_detail::Ln2High()) - n * real_detail::Ln2Low();
    return Ldexp(boost::multiprecision::exp(r), n.convert_to<int>());
}
inline Real RawLog(const Real& x) {
    static const Real kRootHalf("0.707106781186547524400844362104849039");
    if (!(x > 0) || !boost::multiprecision::isfinite(x)) return boost::multiprecision::log(x);
    int e = 0;
    Real m = Frexp(x, &e);  // [0.5, 1)
    if (m < kRootHalf) {
        m = Ldexp(m, 1);
        --e;
    }
    if (e == 0) return boost::multiprecision::log(m);
    return e * real_detail::Ln2High() + (e * real_detail::Ln2Low() + boost::multiprecision::log(m));
}
inline double ToNearestDouble(const Real& x) { return x.convert_to<double>(); }
inline long double ToLongDouble(const Real& x) { return x.convert_to<long double>(); }

#else

using Real = long double;
inline constexpr bool kRealIsSoftware = false;

inline constexpr Real operator""_r(long double v) { return v; }

inline Real Abs(Real x) { return std::fabs(x); }
inline Real Floor(Real x) { return std::floor(x); }
inline Real Ldexp(Real x, int e) { return std::ldexp(x, e); }
inline Real Frexp(Real x, int* e) { return std::frexp(x, e); }
inline Real RawExp(Real x) { return std::exp(x); }
inline Real RawLog(Real x) { return std::log(x); }
inline Real RawSqrt(Real x) { return std::sqrt(x); }
inline Real Sin(Real x) { return std::sin(x); }
inline Real Cos(Real x) { return std::cos(x); }
inline Real Atan2(Real y, Real x) { return std::atan2(y, x); }
inline bool IsFinite(Real x) { return std::isfinite(x); }
inline bool IsNaN(Real x) { return std::isnan(x); }
inline bool IsInf(Real x) { return std::isinf(x); }
inline bool SignBit(Real x) { return std::signbit(x); }
inline Real NearbyInt(Real x) { return std::nearbyint(x); }  // the FPU's default: ties to even
template <typename Int>
inline Int ToInteger(Real x) {
    return static_cast<Int>(x);
}
inline double ToNearestDouble(Real x) { return static_cast<double>(x); }
inline long double ToLongDouble(Real x) { return x; }

#endif

static_assert(std::numeric_limits<Real>::digits == 64, "Real must have the 64-bit mantissa of the extended format");
// Boost reports max_exponent10 of its type too low (4816); the binary
// exponent is the true measure of the range.
static_assert(std::numeric_limits<Real>::max_exponent >= 16383, "Real must have the extended exponent range");

}  // namespace tarvik
