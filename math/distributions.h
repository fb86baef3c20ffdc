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

// Chi-square distribution; df first, then x. Both tails keep their full
// relative precision (the smaller one is summed, never 1 minus the other)
// down to the bottom of the Real range; a value below it is 0.
Real ChiSquarePdf(Real df, Real x);
// At x = 0 the density of df below 2 grows without bound: ChiSquarePdf then
// raises the overflow error, and callers that show it ask here first.
bool ChiSquarePdfIsUnbounded(Real df, Real x);
Real ChiSquareCdf(Real df, Real x);
Real ChiSquareUpperTail(Real df, Real x);
struct ChiSquareTailPair {
    Real cdf, upper;
};
ChiSquareTailPair ChiSquareTails(Real df, Real x);
// Both tails and the density at x > 0 from one evaluation: exactly what
// ChiSquareTails and ChiSquarePdf give, for the price of one.
struct ChiSquareTailsAndPdf {
    Real cdf, upper, density;
};
ChiSquareTailsAndPdf ChiSquareAt(Real df, Real x);

// Chi-square quantiles: the x with ChiSquareCdf(df, x) = p, and the x with
// ChiSquareUpperTail(df, x) = q. Each is solved on the smaller tail, so a
// caller that knows both tails exactly (from decimal texts) passes the one
// it holds more precisely.
Real ChiSquareQuantile(Real df, Real p);
Real ChiSquareUpperQuantile(Real df, Real q);
Real ChiSquareQuantileSmallDf(Real df, Real p);

// P(a < X <= b) for 0 <= a <= b, to its full relative precision however
// narrow the interval.
Real ChiSquareProbabilityBetween(Real df, Real a, Real b);

// The noncentral chi-square: df, then the noncentrality lambda >= 0, then
// x or the probability. lambda = 0 is the central distribution, bit for bit.
// Both tails keep their full relative precision, each summed on its own
// (never 1 minus the other), and the quantiles are solved on the smaller.
//
// lambda is taken up to 1e9 (a range error above): the sums walk some
// 10 sqrt(lambda) terms, 70 ms at 1e9, and past about 1e19 the term index
// could no longer step by one.
inline const Real kLargestNoncentralityInMath = 1e9_r;
Real NoncentralChiSquareCdf(Real df, Real ncp, Real x);
Real NoncentralChiSquareUpperTail(Real df, Real ncp, Real x);
Real NoncentralChiSquarePdf(Real df, Real ncp, Real x);
Real NoncentralChiSquareQuantile(Real df, Real ncp, Real p);
Real NoncentralChiSquareUpperQuantile(Real df, Real ncp, Real q);

// F distribution: x or target first, then numerator and denominator df.
Real FUpperTail(Real x, Real d1, Real d2);
Real FQuantile(Real target, Real d1, Real d2);
Real FQuantileStart(Real target, Real d1, Real d2);
Real ChiSquareQuantileWilsonHilferty(Real df, Real q);

// The density with its x-independent denominator 2^(df/2) * Gamma(df/2)
// formed once, for callers that evaluate many densities of one df (the
// chart): within about 1e-14 of ChiSquarePdf, at a fraction of its cost.
struct ChiSquarePdfTerms {
    Real df;
    Real denominator;  // valid when direct
    Real lnGammaHalfDf;
    bool direct;       // false where the denominator leaves the Real range
};
ChiSquarePdfTerms ChiSquarePdfPrepare(Real df);
Real ChiSquarePdfWith(const ChiSquarePdfTerms& terms, Real x);

}  // namespace tarvik
