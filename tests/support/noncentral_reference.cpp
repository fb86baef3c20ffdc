// The noncentral chi-square's two references (noncentral_reference.h),
// compiled once for every test and, like reference.cpp, without the Real.
#include <gtest/gtest.h>

#include <boost/math/distributions/non_central_chi_squared.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

#include "reference_functions.h"

namespace tarvik::test {

ReferenceNoncentral BoostNoncentral(const Ref& df, const Ref& ncp, const Ref& x) {
    const boost::math::non_central_chi_squared_distribution<Ref> d{df, ncp};
    return {cdf(d, x), cdf(complement(d, x)), pdf(d, x)};
}

// sum_j p_j P(a + j, h), sum_j p_j Q(a + j, h) and sum_j p_j f_{k+2j}(x),
// with a = df/2, h = x/2 and the Poisson weights p_j of mu = ncp/2. One
// central tail comes from Boost at each end (P at the top, Q at j = 0) and
// is carried to every j by the adding recurrences P(b) = P(b + 1) + w(b),
// Q(b + 1) = Q(b) + w(b), with w(b) = h^b e^-h / Gamma(b + 1): 166 bits
// keep far more than the 21 digits a check needs.
ReferenceNoncentral MixtureReference(const Ref& df, const Ref& ncp, const Ref& x) {
    const Ref a = df / 2, h = x / 2, mu = ncp / 2;
    const double peak = std::max({static_cast<double>(mu), std::sqrt(static_cast<double>(mu * h)), 1.0});
    const long top = long(peak + 60 * std::sqrt(peak) + 400);
    std::vector<Ref> p(std::size_t(top) + 1), w(std::size_t(top) + 1);
    p[0] = exp(-mu);
    w[0] = exp(a * log(h) - h - boost::math::lgamma(a + 1));
    for (long j = 1; j <= top; ++j) {
        p[std::size_t(j)] = p[std::size_t(j - 1)] * mu / j;
        w[std::size_t(j)] = w[std::size_t(j - 1)] * h / (a + j);
    }
    ReferenceNoncentral r{0, 0, 0};
    Ref P = boost::math::gamma_p(a + top, h);
    for (long j = top; j >= 0; --j) {
        if (j < top) P += w[std::size_t(j)];
        r.lower += p[std::size_t(j)] * P;
    }
    Ref Q = boost::math::gamma_q(a, h);
    for (long j = 0; j <= top; ++j) {
        if (j > 0) Q += w[std::size_t(j - 1)];
        r.upper += p[std::size_t(j)] * Q;
        r.density += p[std::size_t(j)] * w[std::size_t(j)] * (a + j) / x;
    }
    return r;
}

Ref MixtureQuantile(const Ref& df, const Ref& ncp, const Ref& t, bool upper, const Ref& start) {
    Ref x = start;
    for (int i = 0; i < 100; ++i) {
        // The step is taken from the 64-bit number nearest x (the Real's
        // precision, in every configuration): its tails are exact there,
        // and the last step is formed in 50 digits.
        const Ref xr(static_cast<long double>(x));
        const ReferenceNoncentral at = MixtureReference(df, ncp, xr);
        const Ref tail = upper ? at.upper : at.lower;
        const Ref slope = xr * at.density / tail * (upper ? -1 : 1);
        Ref step = (log(t) - log(tail)) / slope;
        step = std::clamp<Ref>(step, -2, 2);
        x = xr * exp(step);
        if (abs(step) < Ref(1e-17)) return x;  // then within step^2 of the root
    }
    ADD_FAILURE() << "the reference quantile did not converge";
    return x;
}

}  // namespace tarvik::test
