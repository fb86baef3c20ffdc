#pragma once
// Tests of a k x k table of the same subjects classified twice (rows the
// first time, columns the second). For 2 x 2, McNemar's test on the
// discordant pairs b (first yes, then no) and c (first no, then yes), with
// and without the continuity correction, the exact binomial p and its
// mid-p, and the paired odds ratio b/c with its exact (Clopper-Pearson)
// interval; for k x k, Bowker's test of symmetry.
#include <vector>

#include "core/real.h"
#include "math/contingency_table.h"
#include "math/two_by_two.h"

namespace tarvik {

struct McNemarResult {
    bool defined = false;  // false without discordant pairs
    Real b = 0, c = 0;
    Real chiSquare = 0, p = 0;                    // (b - c)^2 / (b + c), df 1
    Real correctedChiSquare = 0, correctedP = 0;  // (|b - c| - 1)^2 / (b + c)
    Real exactP = 0, midP = 0;                    // binomial, n = b + c, 1/2
    EstimateInterval oddsRatio;                   // b / c, exact
};
McNemarResult McNemarTest(Real b, Real c);

struct BowkerResult {
    bool defined = false;  // false where every pair of cells off the diagonal is empty
    Real chiSquare = 0, p = 0;
    int df = 0;  // the pairs i < j with n_ij + n_ji above 0
};
BowkerResult BowkerTest(const CountTable& counts);

}  // namespace tarvik
