// Chi-square quantile: small-p series inversion for df 1 to 3, otherwise an
// F-quantile start refined by the seven-term Taylor step of Best & Roberts
// (1975, AS 91, "The percentage points of the chi-square distribution").
#include <cmath>

#include "math/constants.h"
#include "math/detail.h"
#include "math/distributions.h"
#include "core/checked_math.h"
#include "core/diagnostics.h"

namespace tarvik {

using namespace checked;

namespace {

const Real kRefineTol = 0.000001_r;
// Above df 300 (a typed df the spin edit has not corrected yet) the value
// reaches 66000 at df 65535: a 1e-6 step relative to x would leave the
// fourth decimal wrong. 1e-13 relative is well inside the sixth decimal and
// still above the incomplete gamma's own noise (about 1e-16 in x there).
const Real kLargeDfRefineTol = 1e-13_r;
const Real kLargeDf = constants::kExactSumLimit;
const Real kHighP = 0.9999_r;

}  // namespace

Real ChiSquareQuantileSmallDf(Real df, Real p) {
    const Real n = df;
    const Real g = Exp(LnGamma(n / 2 + 1));
    const Real x0 = 2 * Power(p * g, Div(2, n));
    // A_k = n / ((n + 2k) 2^k k!): the lower-tail series with e^(-x/2) expanded.
    const Real a1 = Div(n, (n + 2) * 2);
    const Real a2 = Div(n, (n + 4) * 8);
    const Real a3 = Div(n, (n + 6) * 48);
    const Real a4 = Div(n, (n + 8) * 384);
    const Real a5 = Div(n, (n + 10) * 3840);
    if (a1 * x0 >= 1) {
        WriteDiagnosticLine(" xsmall5 " + FormatFixedWidth(p, 8, 4));
        return x0;
    }
    const Real e = Div(-2, n);
    // Five fixed-point steps, each with one more term of the alternating series.
    const Real x1 = x0 * Power(1 - a1 * x0, e);
    const Real x2 = x0 * Power(1 - a1 * x1 + a2 * x1 * x1, e);
    const Real x3 = x0 * Power(1 - a1 * x2 + a2 * x2 * x2 - a3 * x2 * x2 * x2, e);
    const Real x4 = x0 * Power(1 - a1 * x3 + a2 * x3 * x3 - a3 * x3 * x3 * x3 +
                                   a4 * x3 * x3 * x3 * x3,
                               e);
    const Real x5 = x0 * Power(1 - a1 * x4 + a2 * x4 * x4 - a3 * x4 * x4 * x4 +
                                   a4 * x4 * x4 * x4 * x4 - a5 * x4 * x4 * x4 * x4 * x4,
                               e);
    return x5;
}

Real ChiSquareQuantileRefine(Real df, Real p, Real x, Real tol) {
    const Real a = df * 0.5_r;
    const Real c = a - 1;
    const Real g = LnGamma(a);
    // The path is decided by df alone. The test is signed: df - round(df)
    // is negative for any df just below a whole number (2.7 too), so every
    // df up to 1e-10 above a whole number takes ChiSquareCdf; only df a
    // little more above one (2.3) takes the series.
    const bool notAboveWhole = df - Real(Round(df)) < 0.0000000001_r;
    for (int pass = 0;; ++pass) {
        if (pass == detail::kRefinePassLimit)
            throw ENoConvergence("ChiSquareQuantile", detail::kRefinePassLimit);
        const Real q = x;
        const Real lower = notAboveWhole ? ChiSquareCdf(df, x) : IncompleteGammaSeries(x * 0.5_r, a, tol);
        // (p - P) divided by the density at x; the constant is ln 2.
        const Real t = (p - lower) * Exp(a * constants::kLn2Digits19 + g + x * 0.5_r - c * Ln(x));
        const Real b = Div(t, x);
        const Real A = t * 0.5_r - b * c;
        // The method's truncated decimal constants, not exact 1/420, 1/2520, 1/5040.
        const Real k1 = (210 + A * (140 + A * (105 + A * (84 + A * (70 + 60 * A))))) * 0.00238095238_r;
        const Real k2 = (420 + A * (735 + A * (966 + A * (1141 + 1278 * A)))) * 0.0003968253968_r;
        const Real k3 = (210 + A * (462 + A * (707 + 932 * A))) * 0.0003968253968_r;
        const Real k4 = (252 + A * (672 + 1182 * A) + c * (294 + A * (889 + 1740 * A))) *
                        0.000198412698_r;
        const Real k5 = (84 + 264 * A + c * (175 + 606 * A)) * 0.0003968253968_r;
        const Real k6 = (120 + c * (346 + 127 * c)) * 0.000198412698_r;
        const Real h = k1 - b * (k2 - b * (k3 - b * (k4 - b * (k5 - b * k6))));
        const Real xNew = Fin(x + t * (1 + 0.5_r * t * k1 - b * c * h));
        // A step landing exactly on 0 divides by zero here, by design.
        if (tol >= Abs(Div(q, xNew) - 1) || !(xNew >= 0)) return xNew > 0 ? xNew : q;
        x = xNew;
    }
}

Real ChiSquareQuantile(Real df, Real p) {
    if ((df == 1 && p < 0.15_r) || (df == 2 && p < 0.01_r) || (df == 3 && p < 0.0001_r))
        return ChiSquareQuantileSmallDf(df, p);
    if (df > kLargeDf) {
        // The F start (Paulson's approximation with 3000 denominator df)
        // drifts away with df: its Taylor refinement overflows from about
        // df 1801 and settles on wrong roots above that (3708.9 for 3638.8
        // at df 3500, p 0.95). Wilson-Hilferty is within a fraction of a per
        // cent for every p the window passes once df is this large.
        return ChiSquareQuantileRefine(df, p, ChiSquareQuantileWilsonHilferty(df, p), kLargeDfRefineTol);
    }
    if (df == kLargeDf && p >= kHighP) {
        // Here the F start comes from Paulson's approximation, up to 1.7% off
        // (406.5 against 399.756 at df 300, p 0.9999), and the Taylor step
        // from it overflows or settles on a wrong root above p 0.99998. The
        // Wilson-Hilferty start is within a fraction of a per cent there and
        // the refinement converges from it in two passes.
        return ChiSquareQuantileRefine(df, p, ChiSquareQuantileWilsonHilferty(df, p), kRefineTol);
    }
    const Real x = df * FQuantile(1 - p, df, constants::kFDenominatorDf);
    return ChiSquareQuantileRefine(df, p, x, kRefineTol);
}

}  // namespace tarvik
