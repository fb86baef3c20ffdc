// P(a < X <= b) against the 50-digit reference difference of two tails, which keeps 35
// digits even where the two differ only in the 12th: wide intervals,
// narrow ones on either side of the median and astride it. Tolerance: 64
// epsilons, the tails' own few units times the three bits a difference may
// lose before the density is integrated instead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "math/distributions.h"
#include "tests/support/reference.h"

namespace tarvik::test {
namespace {

TEST(ChiSquareBetween, NarrowAndWideIntervalsKeepTheirRelativePrecision) {
    const struct Case {
        Real df, a, b;
        const char* why;
    } cases[] = {
        {300, 2.993335973492180528410245e+02_r, 2.993335973495173902847455e+02_r,
         "width 3e-10 at the median: the difference of the tails kept 8 digits"},
        {1, 0.5_r, 0.5000001_r, "df 1, narrow, below the median"},
        {2, 200, 200.001_r, "far in the upper tail, narrow"},
        {10, 3.246973_r, 20.483177_r, "the two-sided 95 per cent"},
        {4, 1e-9_r, 2e-9_r, "near 0, where the lower tails are tiny"},
        {65535, 65534, 65534.0001_r, "the largest df at its median"},
        {5, 0, 3, "from 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        // The reference subtracts the tails that are small: in 50 digits P(b) - P(a)
        // near 1 would cancel too.
        const ReferenceChiSquare at = ReferenceAt(c.df, c.a), bt = ReferenceAt(c.df, c.b);
        const Ref want = at.upper < Ref(0.5) ? at.upper - bt.upper : bt.lower - at.lower;
        EXPECT_LE(EpsilonsFrom(ChiSquareProbabilityBetween(c.df, c.a, c.b), want), 64);
    }
    EXPECT_EQ(ChiSquareProbabilityBetween(3, 2, 2), 0);
}

}  // namespace
}  // namespace tarvik::test
