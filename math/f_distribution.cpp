// Upper tail of the F distribution. The callers here always pass d2 = 3000,
// so only the two large-df forms run in the program; the exact parity sums
// complete the function for any pair of whole df.
#include <cmath>

#include "math/constants.h"
#include "math/detail.h"
#include "math/distributions.h"
#include "core/checked_math.h"

namespace tarvik {

using namespace checked;

namespace {

const Real kPi = 3.1415926535897932385_r;
const Real kTwoOverPi = 0.6366197723675813431_r;
using constants::kCountOffset;
using constants::kSqrt2Pi13;
const Real kLargeDf = constants::kExactSumLimit;

}  // namespace

namespace detail {

// The Poisson sum e^(-x/2) sum_{i=0..k} (x/2)^i / i!, k = df/2 - 1: the
// even-df chi-square tail of the limit form. At df 300, x 900 the partial
// power reaches about 1e395 and 149! about 1e260: both live only in the
// extended range.
Real PoissonTailSum(Real df, Real x) {
    const std::int32_t k = ToInt32(Trunc(df / 2 + kCountOffset - 1));
    const Real h = x / 2;
    Real f = 1, p = 1, s = 1;
    for (std::int32_t i = 1; i <= k; ++i) {
        f = Mul(f, i);
        p = Mul(p, h);
        s = Fin(s + p / f);
    }
    return Exp(-h) * s;
}

std::int32_t WholeCount(Real v) { return ToInt32(Trunc(v + kCountOffset)); }
bool IsOddDf(Real df) { return Trunc(df + kCountOffset) % 2 != 0; }

Real OddPowerSum(Real root, std::int32_t k) {
    // Power(root, m) is exp(m ln root); ln root is the same for every term,
    // so it is taken once. The terms stay bit-identical to calling Power.
    // Power(root, 297) reaches about 1e391 near df 299; the e^(-x/2) of
    // OddTailDensityPart brings it back.
    const Real lnRoot = Ln(root);
    Real product = 1, sum = 0;
    for (std::int32_t i = 1; i <= k; ++i) {
        const std::int32_t m = SubInt32(MulInt32(2, i), 1);
        product = Mul(product, m);
        sum = Fin(sum + Exp(Mul(Real(m), lnRoot)) / product);
    }
    return sum;
}

Real OddTailDensityPart(Real x, Real sum) { return (Exp(-x / 2) * (2 * sum)) / kSqrt2Pi13; }

// d1 even: e^(d2/2) times a finite binomial-type sum.
Real FUpperTailEvenNumerator(Real x, Real d1, Real d2) {
    const std::int32_t m = WholeCount((d1 - 2) / 2);
    const Real e = Div(d2, d2 + d1 * x);
    Real term = 1, sum = 1;
    for (std::int32_t i = 1; i <= m; ++i) {
        term = Fin(term * (1 - e) * (d2 + 2 * i - 2) / (2 * i));
        sum = Fin(sum + term);
    }
    return Power(e, d2 / 2) * sum;
}

// d1 odd, d2 even.
Real FUpperTailEvenDenominator(Real x, Real d1, Real d2) {
    const std::int32_t m = WholeCount((d2 - 2) / 2);
    const Real e = Div(d2, d2 + d1 * x);
    const Real r = Div(e, 1 - e);
    const Real s = d1 + d2;
    Real term = 1, sum = 1;
    for (std::int32_t i = 1; i <= m; ++i) {
        term = Fin(term * r * (s - 2 * i) / (2 * i));
        sum = Fin(sum + term);
    }
    return 1 - Power(1 - e, (s - 2) / 2) * sum;
}

Real FOddCosineSeries(Real d2, Real theta) {
    const Real c = Cos(theta);
    Real term = c, sum = c;
    const std::int32_t n = WholeCount(d2);
    for (std::int32_t i = 5; i <= n; i += 2) {
        term = term * (i - 3) * (c * c) / (i - 2);
        sum = sum + term;
    }
    return (theta + Sin(theta) * sum) * kTwoOverPi;
}

Real FOddSineSeries(Real d1, Real d2, Real theta) {
    const Real s = Sin(theta);
    Real term = 1, sum = 1;
    const std::int32_t n = WholeCount(d1);
    for (std::int32_t i = 5; i <= n; i += 2) {
        term = Fin(term * (d2 + i - 4) * (s * s) / (i - 2));
        sum = Fin(sum + term);
    }
    // r/u = Gamma(d2/2)/sqrt(pi) for odd d2, by explicit products.
    Real r = 1, u = 1;
    const std::int32_t last = SubInt32(WholeCount(d2), 2);
    for (std::int32_t w = 1; w <= last; w += 2) {
        r = Mul(r, w);
        u = Mul(u, 2);
    }
    const Real coefficient = Div(2 * Factorial((d2 - 1) / 2), kPi * (r / u));
    return Fin(Power(Cos(theta), d2) * coefficient * s * sum);
}

// d1 and d2 odd: the arctangent form.
Real FUpperTailBothOdd(Real x, Real d1, Real d2) {
    const Real theta = Atan2(Sqrt(Div(d1 * x, d2)), Real(1));
    const Real a = d2 == 1 ? 2 * theta / kPi : FOddCosineSeries(d2, theta);
    const Real b = d1 == 1 ? 0 : FOddSineSeries(d1, d2, theta);
    return 1 - a + b;
}

// Both df at least 300: Paulson's cube-root normal approximation.
Real FUpperTailPaulson(Real x, Real d1, Real d2) {
    const Real g = Div(2, d1 * 9);
    const Real h = Div(2, d2 * 9);
    const Real z =
        Div(g + (Power(x, 1.0_r / 3) * (1 - h) - 1), Sqrt(g + h * Power(x, 2.0_r / 3)));
    return NormalUpperTailFast(z);
}

// The even-df chi-square tail of the limit form: the Poisson sum.
Real ChiSquareLimitTailEven(Real df, Real y) { return PoissonTailSum(df, y); }

// The odd-df chi-square tail: 2 (1 - Phi(sqrt y)) + 2 phi(sqrt y) times the
// odd power sum, with the fast normal tail (double precision, as the whole
// limit form; it only places the chart's range and the quantile's start).
Real ChiSquareLimitTailOdd(Real df, Real y) {
    const Real q = Sqrt(y);
    const std::int32_t n = WholeCount((df - 1) / 2);
    const Real sum = n >= 1 ? OddPowerSum(q, n) : 0;
    return OddTailDensityPart(y, sum) + 2 * NormalUpperTailFast(q);
}

Real ChiSquareLimitTail(Real df, Real y) {
    return IsOddDf(df) ? ChiSquareLimitTailOdd(df, y) : ChiSquareLimitTailEven(df, y);
}

}  // namespace detail

Real FUpperTail(Real x, Real d1, Real d2) {
    // d1 F tends to chi-square(d1) as d2 grows, d2/F to chi-square(d2) as d1 grows.
    if (d1 >= kLargeDf || d2 >= kLargeDf) {
        if (d1 >= kLargeDf && d2 >= kLargeDf) return detail::FUpperTailPaulson(x, d1, d2);
        if (d1 >= kLargeDf) return 1 - detail::ChiSquareLimitTail(d2, Div(d2, x));
        return detail::ChiSquareLimitTail(d1, Mul(d1, x));
    }
    if (!detail::IsOddDf(d1)) return detail::FUpperTailEvenNumerator(x, d1, d2);
    if (!detail::IsOddDf(d2)) return detail::FUpperTailEvenDenominator(x, d1, d2);
    return detail::FUpperTailBothOdd(x, d1, d2);
}

}  // namespace tarvik
