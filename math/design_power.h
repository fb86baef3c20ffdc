#pragma once
// Power of the tests a study is planned by besides Cohen's w: McNemar's
// test of paired proportions and the comparison of two independent
// proportions, and the effect-size conversions around w. Plain functions;
// the arguments are taken as valid (the callers check them with messages).
#include <functional>

#include "core/real.h"

namespace tarvik {

// McNemar's test of N pairs whose discordant cells have probabilities p10
// and p01: w = |p10 - p01| / sqrt(p10 + p01), so that N w^2 is the
// noncentrality of the chi-square with 1 df (the chi-square approximation).
Real McNemarEffectSize(Real p10, Real p01);
// The p10 above p01 that a w reaches with p01 held: the root of
// (p10 - p01)^2 = w^2 (p10 + p01).
Real McNemarDetectableP10(Real w, Real p01);
// The exact power: the probability, over the binomial count of discordant
// pairs, that the exact (binomial, two-sided) McNemar test rejects at alpha.
// n up to kLargestExactPairs.
inline constexpr int kLargestExactPairs = 100000;
Real McNemarExactPower(Real p10, Real p01, Real n, Real alpha);

// Two independent proportions p1 (n1 subjects) and p2 (n2), the two-sided
// z-test at alpha with the pooled variance under H0, with or without the
// continuity correction (1/n1 + 1/n2) / 2 (Fleiss, Tytun and Ury 1980):
//   power = Phi((|d| - cc - z s0) / s1) + Phi((-|d| - cc - z s0) / s1),
// s0^2 = pbar qbar (1/n1 + 1/n2), s1^2 = p1 q1 / n1 + p2 q2 / n2.
Real TwoProportionsPower(Real p1, Real p2, Real n1, Real n2, Real alpha, bool corrected);

// The p2 with the odds ratio p2 q1 / (p1 q2) to the baseline p1.
Real ProportionOfOddsRatio(Real p1, Real oddsRatio);
// The odds ratio of p2 to p1.
Real OddsRatioOfProportions(Real p1, Real p2);
// w of a 2 x 2 table whose groups have the shares 1 : ratio and the event
// proportions p1 and p2.
Real TwoProportionsEffectSize(Real p1, Real p2, Real ratio);

// Cramer's V and w of an r x c table: w = V sqrt(min(r, c) - 1).
Real EffectSizeOfCramersV(Real v, int rows, int columns);
Real CramersVOfEffectSize(Real w, int rows, int columns);

// The smallest whole n from 1 to `largest` at which `reaches` holds, 0
// where even `largest` does not. `reaches` is taken to hold from some n on;
// the search starts near `guess` and ends by checking n and n - 1.
Real SmallestWholeReaching(const std::function<bool(Real)>& reaches, Real guess, Real largest);

// The x in [lo, hi] where a function rising on it reaches `target`, to the
// Real's last bits by bisection: lo or hi where it is outside their values.
Real RisingRoot(const std::function<Real(Real)>& f, Real target, Real lo, Real hi);

}  // namespace tarvik
