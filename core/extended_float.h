#pragma once
// The x87 extended format in software: Boost's cpp_bin_float with 64 binary
// digits and exponents -16382 to 16383, with the sums mended to round
// correctly. Real where long double is not x87's (see real.h); also the
// reader of decimal texts where the C++ library reads long double through
// double (MinGW).
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cstdint>

namespace tarvik::real_detail {
using ExtendedBackend = boost::multiprecision::backends::cpp_bin_float<
    64, boost::multiprecision::backends::digit_base_2, void, std::int16_t, -16382, 16383>;
// Wide enough to hold the exact sum of two extended numbers whose exponents
// differ by up to 128; beyond that the smaller one lies so far below half a
// unit of the larger that it can only act as a sticky bit, which survives.
using WideBackend = boost::multiprecision::backends::cpp_bin_float<192, boost::multiprecision::backends::digit_base_2,
                                                                   void, std::int32_t>;
}  // namespace tarvik::real_detail

// Boost 1.74 rounds a sum or difference wrongly when the operands' exponents
// differ by about 65 bits or more (the bits shifted past its double-width
// buffer are lost, not kept as sticky): about 1 in 1000 of random pairs.
// These overloads, found by argument-dependent lookup ahead of Boost's
// templates, leave close exponents to Boost and add the others in 192
// bits, where the sum is exact or the smaller operand only a sticky bit,
// then round once to 64. Multiplication, division and square root are
// correctly rounded as they are.
namespace tarvik::real_detail {
constexpr int kExactAddSpan = 60;
inline bool NeedsWideSum(const ExtendedBackend& a, const ExtendedBackend& b) {
    if (a.exponent() > ExtendedBackend::max_exponent || b.exponent() > ExtendedBackend::max_exponent)
        return false;  // zero, infinity or NaN: nothing to round
    const int span = int(a.exponent()) - int(b.exponent());
    return span > kExactAddSpan || span < -kExactAddSpan;
}
template <typename Operation>
void WideSum(ExtendedBackend& r, const ExtendedBackend& a, const ExtendedBackend& b, Operation operation) {
    WideBackend wa, wb, result;
    wa = a;
    wb = b;
    operation(result, wa, wb);
    r = result;
}
}  // namespace tarvik::real_detail

namespace boost::multiprecision::backends {
inline void eval_add(tarvik::real_detail::ExtendedBackend& r, const tarvik::real_detail::ExtendedBackend& a,
                     const tarvik::real_detail::ExtendedBackend& b) {
    using namespace tarvik::real_detail;
    if (NeedsWideSum(a, b))
        WideSum(r, a, b, [](WideBackend& s, const WideBackend& x, const WideBackend& y) { eval_add(s, x, y); });
    else if (a.sign() == b.sign())
        do_eval_add(r, a, b);
    else
        do_eval_subtract(r, a, b);
}
inline void eval_subtract(tarvik::real_detail::ExtendedBackend& r, const tarvik::real_detail::ExtendedBackend& a,
                          const tarvik::real_detail::ExtendedBackend& b) {
    using namespace tarvik::real_detail;
    if (NeedsWideSum(a, b))
        WideSum(r, a, b, [](WideBackend& s, const WideBackend& x, const WideBackend& y) { eval_subtract(s, x, y); });
    else if (a.sign() != b.sign())
        do_eval_add(r, a, b);
    else
        do_eval_subtract(r, a, b);
}
inline void eval_add(tarvik::real_detail::ExtendedBackend& r, const tarvik::real_detail::ExtendedBackend& a) {
    const tarvik::real_detail::ExtendedBackend left(r);
    eval_add(r, left, a);
}
inline void eval_subtract(tarvik::real_detail::ExtendedBackend& r, const tarvik::real_detail::ExtendedBackend& a) {
    const tarvik::real_detail::ExtendedBackend left(r);
    eval_subtract(r, left, a);
}
}  // namespace boost::multiprecision::backends

namespace tarvik::real_detail {
using ExtendedFloat = boost::multiprecision::number<ExtendedBackend, boost::multiprecision::et_off>;
}  // namespace tarvik::real_detail
