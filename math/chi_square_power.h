#pragma once
// Power analysis of the chi-square test: df, Cohen's effect size w, the
// level alpha, the power and the total sample size N; any three give the
// fourth. lambda = N w^2 is the noncentrality under H1. The arguments are
// taken as valid (df > 0, w > 0, alpha and power in (0, 1), power above
// alpha, N >= 1); the callers check them with messages of their own.
#include <vector>

#include "core/real.h"

namespace tarvik {

// P(X > c; df, N w^2) with c the central upper-alpha point.
Real ChiSquareTestPower(Real df, Real w, Real alpha, Real n);
// The lambda at which the test of level alpha has this power.
Real ChiSquareTestNoncentrality(Real df, Real alpha, Real power);
// The lambda >= 0 with P(X > x; df, lambda) = q, for q in (0, 1); 0 where
// even the central distribution's tail reaches q. The tail rises with
// lambda, its slope the density of df + 2 at x. Newton's method starts at
// `start` where it is above 0, else at max(1, df).
Real NoncentralityOfUpperTail(Real df, Real x, Real q, Real start = 0);
// The smallest whole N, up to `largest`, whose power reaches `power`; 0
// when none does.
Real ChiSquareTestSampleSize(Real df, Real w, Real alpha, Real power, Real largest);
// The w with this power at N.
Real ChiSquareTestEffectSize(Real df, Real alpha, Real power, Real n);
// The alpha at which N and w give this power.
Real ChiSquareTestAlpha(Real df, Real w, Real power, Real n);

// w = sqrt(sum (p1 - p0)^2 / p0) for k categories under H0 and H1
// (goodness of fit, df k - 1).
Real EffectSizeOfProportions(const std::vector<Real>& expected, const std::vector<Real>& alternative);
// w of an r x c table of cell probabilities under H1 against the product
// of its margins (independence, df (r - 1)(c - 1)); the cells are scaled to
// add up to 1.
Real EffectSizeOfTable(const std::vector<std::vector<Real>>& cells);

}  // namespace tarvik
