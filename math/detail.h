#pragma once
// Private steps of the distribution mathematics, reachable by tests only.
#include <cstdint>

#include "core/checked_math.h"
#include "core/real.h"
#include "math/double_real.h"

namespace tarvik::detail {

Real NormalCdfSeries(Real x);
Real NormalCdfContinuedFraction(Real x);
Real LnGammaStirling(Real z, Real shift, Real w);
// P(a, x) by the series (x below a or 1) or the continued fraction for the
// upper tail: IncompleteGamma without its cube-root normal shortcut above
// a = 1000. Both converge in about sqrt(a) terms.
Real IncompleteGammaExpansion(Real x, Real a, Real tol);

// The F limit form's chi-square tails: the even-df Poisson sum, and for
// odd df sum_{i=1..k} root^(2i-1) / (1*3*...*(2i-1)) and 2 phi(root) times it.
Real PoissonTailSum(Real df, Real x);
Real OddPowerSum(Real root, std::int32_t k);
Real OddTailDensityPart(Real x, Real sum);

// The error of Stirling's formula, ln Gamma(b+1) - (b+1/2) ln b + b - ln sqrt(2 pi), b > 0.
Real StirlingError(Real b);
// ln n! for whole n >= 0 in double-Real precision (about 1e-27 absolute).
DoubleReal LnFactorial(Real n);
// Loader's deviance b ln(b / lambda) + lambda - b >= 0 in double-Real precision.
DoubleReal PoissonDeviance(Real b, Real lambda);
// lambda^b e^-lambda / Gamma(b + 1) for b >= 0 and lambda >= 0, times
// e^lnFactor, within a few epsilons; 0 below the smallest normal Real. The
// factor enters the exponent, so a weight below the Real range can still
// give a product inside it.
Real PoissonWeight(Real b, Real lambda, const DoubleReal& lnFactor = {});
// Legendre's continued fraction for the upper incomplete gamma:
// Q(a, lambda) = a PoissonWeight(a, lambda) times it, for lambda >= a.
Real UpperGammaContinuedFraction(Real a, Real lambda);

// Both tails and the density from one Poisson weight.
struct ChiSquareTailsWithDensity {
    Real lower, upper, density;
};
ChiSquareTailsWithDensity ChiSquareTailsAndDensity(Real df, Real x);

// Fisher's exact tests: a table within a relative 1e-7 of the observed one
// is as probable as it (as R's fisher.test counts); in logarithms, 1e-7
// added to the observed.
inline const Real kFisherTie = 1e-7_r;
// exp of a double-Real logarithm; 0 below the normal Reals.
inline Real ExpOfLn(const DoubleReal& ln) {
    if (ln.hi < -11350) return 0;
    return checked::Exp(ln.hi) * (1 + ln.lo);
}

// Which tail a quantile inverts.
enum class Tail { Lower, Upper };

// Rounding can put a probability a hair outside [0, 1]; none is ever shown so.
inline Real Probability(Real p) { return p < 0 ? Real(0) : p > 1 ? Real(1) : p; }

// The shapes every chi-square function accepts: a finite df above 0 and,
// for the noncentral ones, a noncentrality from 0 to the largest the series
// are built for. Anything else is the range error.
void CheckDf(Real df);
void CheckNoncentralShape(Real df, Real ncp);

// Counts and parities of df: the whole part of v plus 0.1, in 32 bits.
std::int32_t WholeCount(Real v);
bool IsOddDf(Real df);

// IncompleteGamma takes a cube-root normal shortcut above this shape.
inline const Real kCubeRootShape = 1000;

Real FUpperTailEvenNumerator(Real x, Real d1, Real d2);
Real FUpperTailEvenDenominator(Real x, Real d1, Real d2);
Real FUpperTailBothOdd(Real x, Real d1, Real d2);
Real FOddCosineSeries(Real d2, Real theta);
Real FOddSineSeries(Real d1, Real d2, Real theta);
Real FUpperTailPaulson(Real x, Real d1, Real d2);
Real ChiSquareLimitTail(Real df, Real y);
Real ChiSquareLimitTailEven(Real df, Real y);
Real ChiSquareLimitTailOdd(Real df, Real y);

int SignOf(Real v);

// The false-position search; the objective is FUpperTail(x, d1, d2) - target.
struct FQuantileObjective {
    Real target, d1, d2;
    Real operator()(Real x) const;
};
// How the search ended: -1 no sign change between the ends, 0 the bracket
// narrower than xTol, 1 |f| below fTol, 2 the ends' values closer than
// fDiffTol; and the number of false-position steps taken.
struct RootResult {
    Real x;
    int status;
    int steps;
};
// The bracket and its values are updated in place as the search narrows.
RootResult RegulaFalsiIllinois(const FQuantileObjective& objective, Real& xLo, Real& xHi, Real& fLo,
                               Real& fHi, Real xTol, Real fTol, Real fDiffTol);

// A sum or continued fraction of the chi-square tails stops once what it
// leaves out falls below this part of it.
inline const Real kSumTol = 2e-21_r;

// Safety bounds of the iterative methods (far above what the window needs).
inline constexpr int kSeriesPassLimit = 1000000;
inline constexpr int kRefinePassLimit = 1000;
inline constexpr int kBracketPassLimit = 40000;
inline constexpr int kFalsePositionPassLimit = 10000;

}  // namespace tarvik::detail
