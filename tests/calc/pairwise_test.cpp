// The rows of a table compared in pairs, against R: chisq.test of each pair
// of rows (correct = FALSE) and p.adjust's Holm and Bonferroni.
#include "calc/pairwise.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(Pairwise, HolmAndBonferroniAsRAdjusts) {
    // p.adjust(c(0.01, 0.04, 0.03, 0.005), "holm"): 0.03 0.06 0.06 0.02.
    const std::vector<Real> p{0.01_r, 0.04_r, 0.03_r, 0.005_r};
    const std::vector<double> holm{0.03, 0.06, 0.06, 0.02}, bonferroni{0.04, 0.16, 0.12, 0.02};
    const std::vector<Real> h = AdjustedP(p, Adjustment::Holm), b = AdjustedP(p, Adjustment::Bonferroni);
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_NEAR(double(h[i]), holm[i], 1e-17);
        EXPECT_NEAR(double(b[i]), bonferroni[i], 1e-17);
    }
    EXPECT_EQ(AdjustedP({0.6_r, 0.7_r}, Adjustment::Bonferroni), (std::vector<Real>{1, 1}));  // at most 1
}

TEST(Pairwise, EachPairOfRowsIsItsOwnTest) {
    const struct {
        std::size_t first, second;
        double chiSquare, p, holm, bonferroni;
    } want[] = {
        {0, 1, 10.7457646520146497, 4.6407359008085597e-03, 0.00928147180161711938, 0.01392220770242567907},
        {0, 2, 4.5021645021645025, 1.0528521784009053e-01, 0.10528521784009052531, 0.31585565352027156205},
        {1, 2, 20.3881766381766383, 3.7390708542985791e-05, 0.00011217212562895737, 0.00011217212562895737},
    };
    const std::vector<PairwiseComparison> pairs = PairwiseRows({{20, 15, 25}, {30, 25, 10}, {10, 20, 30}});
    ASSERT_EQ(pairs.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(pairs[k].first, want[k].first);
        EXPECT_EQ(pairs[k].second, want[k].second);
        EXPECT_NEAR(double(pairs[k].chiSquare), want[k].chiSquare, 1e-14 * want[k].chiSquare);
        EXPECT_NEAR(double(pairs[k].p), want[k].p, 1e-13 * want[k].p);
        EXPECT_NEAR(double(pairs[k].holm), want[k].holm, 1e-13 * want[k].holm);
        EXPECT_NEAR(double(pairs[k].bonferroni), want[k].bonferroni, 1e-13 * want[k].bonferroni);
    }
    // A column empty in both rows is left out; rows that share one column
    // only have nothing to compare.
    const std::vector<PairwiseComparison> sparse = PairwiseRows({{5, 0, 3}, {7, 0, 2}, {0, 4, 0}});
    EXPECT_TRUE(sparse[0].tested);
    EXPECT_EQ(sparse[0].df, 1);
    EXPECT_TRUE(sparse[1].tested);
}

}  // namespace
}  // namespace tarvik
