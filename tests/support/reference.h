#pragma once
// The independent reference of the accuracy tests: Boost.Math's regularised
// incomplete gamma in 50-digit binary floating point (about 166 bits), far
// beyond the Real's 64. None of our functions takes part in it.
#include <gtest/gtest.h>

#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <limits>

#include "core/real.h"

namespace tarvik::test {

using Ref = boost::multiprecision::cpp_bin_float_50;

struct ReferenceChiSquare {
    Ref lower, upper, density;
};

// Both tails and the density of the chi-square distribution with df
// degrees of freedom at x, from P(df/2, x/2) and Q(df/2, x/2).
inline ReferenceChiSquare ReferenceAt(Real df, Real x) {
    const Ref a = Ref(df) / 2, h = Ref(x) / 2;
    return {boost::math::gamma_p(a, h), boost::math::gamma_q(a, h), boost::math::gamma_p_derivative(a, h) / 2};
}

// The x at which the lower (or upper) tail equals t: Newton's method in
// 50 digits on ln T against ln x, from Boost's own long double quantile.
inline Ref ReferenceQuantile(Real df, const Ref& t, bool upper) {
    const Ref a = Ref(df) / 2;
    Ref h = 1;
    try {
        const long double start = upper ? boost::math::gamma_q_inv(ToLongDouble(df) / 2, static_cast<long double>(t))
                                        : boost::math::gamma_p_inv(ToLongDouble(df) / 2, static_cast<long double>(t));
        if (start > 0 && start < std::numeric_limits<long double>::max()) h = start;
    } catch (const std::exception&) {
    }
    const Ref lnT = log(t);
    for (int i = 0; i < 200; ++i) {
        const Ref tail = upper ? boost::math::gamma_q(a, h) : boost::math::gamma_p(a, h);
        const Ref slope = h * boost::math::gamma_p_derivative(a, h) / tail * (upper ? -1 : 1);
        Ref step = (lnT - log(tail)) / slope;
        if (step > 2) step = 2;
        if (step < -2) step = -2;
        h *= exp(step);
        if (abs(step) < Ref(1e-38)) return 2 * h;
    }
    ADD_FAILURE() << "the reference quantile did not converge at df " << static_cast<double>(df);
    return 2 * h;
}

// |got - want| / want in epsilons of the Real. A reference below the
// smallest normal Real lies below the Real's range: it must come out as 0.
inline Real EpsilonsFrom(Real got, const Ref& want) {
    const Ref smallest(std::numeric_limits<Real>::min());
    if (abs(want) < smallest) return got == 0 ? 0 : std::numeric_limits<Real>::max();
    return static_cast<Real>(abs((Ref(got) - want) / want) / Ref(std::numeric_limits<Real>::epsilon()));
}

}  // namespace tarvik::test
