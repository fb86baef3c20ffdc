#pragma once
// The measures a clinician reads from a 2 x 2 table
//
//              event   no event
//   group 1      a        b
//   group 2      c        d
//
// with their 95 % intervals: the odds ratio ad/bc (Woolf's logit interval),
// the conditional maximum-likelihood odds ratio with its exact interval
// (Fisher's noncentral hypergeometric distribution, the interval R's
// fisher.test gives), the risk ratio (Katz's log interval) and the risk
// difference (Newcombe's hybrid score interval, his method 10 of 1998).
// Fisher's one-sided p-values come from the same distribution at ratio 1.
#include "core/real.h"

namespace tarvik {

struct TwoByTwoCounts {
    Real a, b, c, d;
};

// An estimate with its interval. `defined` is false where the method gives
// none (a zero cell in Woolf's or Katz's formula, an empty group). An end
// at infinity is flagged, never held as a Real.
struct EstimateInterval {
    bool defined = false;
    Real estimate = 0, lower = 0, upper = 0;
    bool estimateInfinite = false, upperInfinite = false;
};

EstimateInterval OddsRatioWoolf(const TwoByTwoCounts& t);
EstimateInterval OddsRatioConditional(const TwoByTwoCounts& t);
EstimateInterval RiskRatioKatz(const TwoByTwoCounts& t);
EstimateInterval RiskDifferenceNewcombe(const TwoByTwoCounts& t);

// Fisher's one-sided p-values: P(A <= a) (the odds ratio below 1) and
// P(A >= a) (above 1) given the margins; and the two-sided mid-p, the
// two-sided p less half the probability of the table observed.
struct FisherOneSided {
    Real less = 0, greater = 0, midP = 0;
};
FisherOneSided FisherOneSidedTests(const TwoByTwoCounts& t, Real twoSidedP);

// z with Phi(z) = 0.975, to the Real's last digit.
inline const Real kNormal975 = 1.959963984540054235524594430520551527955550_r;

}  // namespace tarvik
