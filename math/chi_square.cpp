// Chi-square density, cdf and upper tail. Whole df up to 300 use exact
// finite sums; every other df goes through the incomplete gamma.
#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "platform/checked_math.h"
#include "platform/diagnostics.h"

namespace tarvik {

using namespace checked;

namespace {

constexpr Real kExactSumLimit = 300;
constexpr Real kSqrt2Pi13 = 2.506628274631L;
constexpr Real kCountOffset = 0.1L;  // guards Trunc of df-derived counts against 2.9999...

// A negative x is reported, then the computation goes on with it.
void ReportNegative(Real x) {
    if (x < 0) WriteDiagnosticLine("***" + FormatScientific23(x));
}

bool UsesExactSums(Real df) { return df <= kExactSumLimit && detail::IsWhole(df); }

}  // namespace

namespace detail {

bool IsWhole(Real df) { return Real(Round(df)) == df; }

// Q = e^(-x/2) sum_{i=0..k} (x/2)^i / i!, k = df/2 - 1 (Poisson sum).
// At df 300, x 900 the partial power reaches about 1e395 and 149! about
// 1e260: both live only in the extended range.
Real ChiSquareUpperTailEven(Real df, Real x) {
    ReportNegative(x);
    return PoissonTailSum(df, x);
}

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

// Q = 2 (1 - Phi(sqrt x)) + 2 phi(sqrt x) sum_{i=1..k} x^((2i-1)/2) / (1*3*...*(2i-1)).
Real ChiSquareUpperTailOdd(Real df, Real x) {
    ReportNegative(x);
    const Real r = Sqrt(x);
    const std::int32_t k = ToInt32(Trunc((df - 1) / 2 + kCountOffset));
    Real d = 1, s = 0;
    if (x > 0 && k >= 1) {
        // Power(r, m) is exp(m ln r); ln r is the same for every term, so it
        // is taken once. The terms stay bit-identical to calling Power.
        const Real lnR = Ln(r);
        for (std::int32_t i = 1; i <= k; ++i) {
            const std::int32_t m = SubInt32(MulInt32(2, i), 1);
            d = Mul(d, m);
            s = Fin(s + Exp(Mul(Real(m), lnR)) / d);
        }
    } else {
        // x = 0: every term is 0, but the running product is still formed.
        for (std::int32_t i = 1; i <= k; ++i) d = Mul(d, SubInt32(MulInt32(2, i), 1));
    }
    const Real t = (Exp(-x / 2) * (2 * s)) / kSqrt2Pi13;
    return 2 * NormalUpperTail(r) + t;
}

}  // namespace detail

namespace {
// The numerator reaches about 1e442 at df 299, x 922.5; never narrow it.
Real PdfNumerator(Real h, Real x) { return Mul(Power(x, h - 1), Exp(-x / 2)); }
}  // namespace

Real ChiSquarePdfDenominator(Real df) {
    const Real h = df / 2;
    return Mul(Power(2, h), Exp(LnGamma(h)));
}

Real ChiSquarePdfWith(Real df, Real x, Real denominator) {
    if (!(df > 0 && x > 0)) return 0;
    return Div(PdfNumerator(df / 2, x), denominator);
}

Real ChiSquarePdf(Real df, Real x) {
    if (!(df > 0 && x > 0)) return 0;
    const Real numerator = PdfNumerator(df / 2, x);  // formed first, then the denominator
    return Div(numerator, ChiSquarePdfDenominator(df));
}

Real ChiSquareCdfGamma(Real df, Real x, Real tol) {
    int flag = 0;  // not read: a refusal already wrote its line
    return IncompleteGamma(x / 2, df / 2, tol, flag);
}

Real ChiSquareUpperTail(Real df, Real x) {
    if (UsesExactSums(df)) {
        const std::int64_t k = Trunc(df + kCountOffset);
        return k % 2 != 0 ? detail::ChiSquareUpperTailOdd(df, x)
                          : detail::ChiSquareUpperTailEven(df, x);
    }
    return 1 - ChiSquareCdfGamma(df, x, 1e-12L);
}

Real ChiSquareCdf(Real df, Real x) {
    // On the exact path the cdf is 1 minus the upper tail, never the reverse.
    if (UsesExactSums(df)) return 1 - ChiSquareUpperTail(df, x);
    return ChiSquareCdfGamma(df, x, 1e-14L);
}

}  // namespace tarvik
