#pragma once
// The distribution mathematics: plain functions of Reals, no state.
// Faults are exceptions (core/errors.h); no NaN or infinity is returned.
#include "core/real.h"

namespace tarvik {

// Standard normal distribution.
Real NormalCdf(Real x);             // polynomial approximation (A&S 26.2.17)
Real NormalCdfAccurate(Real x);     // Taylor series or continued fraction by bands
Real NormalUpperTail(Real x);       // 1 - Phi(x) on NormalCdfAccurate
Real NormalUpperTailFast(Real x);   // 1 - Phi(x), A&S 26.2.17 in double precision
Real NormalQuantile(Real p);        // Odeh-Evans rational approximation

// Gamma functions and the regularised lower incomplete gamma P(a, x).
Real Power(Real base, Real exponent);
Real LnGamma(Real x);
Real Factorial(Real x);
Real IncompleteGammaSeries(Real x, Real a, Real tol);
// errorFlag is 1 when a or x is negative: the line "maka am incgamma1" has
// then been written and 0 comes back; else 0. Every other fault is an
// exception, so a caller may ignore the flag and lose nothing but that 0.
Real IncompleteGamma(Real x, Real a, Real tol, int& errorFlag);

// Chi-square distribution; df first, then x.
Real ChiSquarePdf(Real df, Real x);
Real ChiSquareCdf(Real df, Real x);
Real ChiSquareUpperTail(Real df, Real x);
Real ChiSquareCdfGamma(Real df, Real x, Real tol);

// Both tails at once, each as accurate as its path allows: on the exact
// sums the upper tail keeps its full relative precision (2.5e-10 at df 1,
// x 40) and the cdf is 1 minus it, bit-identical to ChiSquareCdf; on the
// incomplete gamma the upper tail is 1 minus the cdf.
struct ChiSquareTailPair {
    Real cdf, upper;
};
ChiSquareTailPair ChiSquareTails(Real df, Real x);

// Chi-square quantile: the x with ChiSquareCdf(df, x) = p.
Real ChiSquareQuantile(Real df, Real p);
Real ChiSquareQuantileSmallDf(Real df, Real p);
Real ChiSquareQuantileRefine(Real df, Real p, Real x, Real tol);

// F distribution: x or target first, then numerator and denominator df.
Real FUpperTail(Real x, Real d1, Real d2);
Real FQuantile(Real target, Real d1, Real d2);
Real FQuantileStart(Real target, Real d1, Real d2);
Real ChiSquareQuantileWilsonHilferty(Real df, Real q);

// The density with its x-independent denominator 2^(df/2) * Gamma(df/2)
// formed once, for callers that evaluate many densities of one df (the
// chart). ChiSquarePdfWith(ChiSquarePdfPrepare(df), x) is bit-identical to
// ChiSquarePdf(df, x).
struct ChiSquarePdfTerms {
    Real df;
    Real denominator;  // valid when direct
    Real lnGammaHalfDf;
    bool direct;       // false where the denominator leaves the Real range
};
ChiSquarePdfTerms ChiSquarePdfPrepare(Real df);
Real ChiSquarePdfWith(const ChiSquarePdfTerms& terms, Real x);

}  // namespace tarvik
