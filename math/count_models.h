#pragma once
// The Poisson and binomial models a frequency table is fitted to: each
// value's probability and the tails a fit pools.
#include "core/real.h"

namespace tarvik {

// P(X = k) for X Poisson with mean lambda > 0, k whole from 0.
Real PoissonProbability(Real k, Real lambda);
// P(X >= k) and P(X <= k): by the chi-square's tails (Poisson's sum is a
// chi-square tail of 2k or 2(k + 1) degrees of freedom at 2 lambda), so a
// tail keeps its digits however small.
Real PoissonUpperTail(Real k, Real lambda);
Real PoissonLowerTail(Real k, Real lambda);
// P(X = k) for X binomial of n trials with success probability p, 0..n;
// q = 1 - p is given as its own quotient (1 - p rounded would cost a
// small q its digits).
Real BinomialProbability(Real k, Real n, Real p, Real q);
// P(X <= k) for the same X: the terms summed from k away from the mode
// until they no longer count, where k lies below it; else 1 minus the
// upper tail so summed.
Real BinomialLowerTail(Real k, Real n, Real p, Real q);

}  // namespace tarvik
