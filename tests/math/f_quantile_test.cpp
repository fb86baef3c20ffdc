#include <gtest/gtest.h>

#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/errors.h"
#include "tests/support/expect_fault.h"

namespace tarvik {
namespace {

TEST(FQuantile, KnownPoints) {
    struct Case {
        Real target, d1, d2, x, tol;
    } cases[] = {
        {0.5_r, 2, 2, 1, 0.0003_r},        {0.05_r, 1, 1, 161.4476_r, 0.0003_r},
        {0.05_r, 5, 10, 3.3258_r, 0.0003_r}, {0.01_r, 3, 7, 8.4513_r, 0.0003_r},
        {0.95_r, 10, 20, 0.3605_r, 0.0003_r},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(double(FQuantile(c.target, c.d1, c.d2)), double(c.x), double(c.tol));
    EXPECT_NEAR(double(FQuantileStart(0.5_r, 2, 2)), 1, 1e-7);
    EXPECT_NEAR(double(FQuantileStart(0.05_r, 1, 1)), 305.757, 1e-3);
    EXPECT_NEAR(double(10 * FQuantile(0.5_r, 10, 3000)), 9.341818, 0.003);
    // Paulson's form at df 300: the unrefined start the quantile no longer uses.
    EXPECT_NEAR(double(300 * FQuantile(0.0001_r, 300, 3000)), 406.507, 0.09);
}

TEST(FQuantile, ZeroTargetReturnsTheStart) {
    // df 1: the tail at the start is already below 1e-20.
    EXPECT_EQ(FQuantile(0, 1, 3000), FQuantileStart(0, 1, 3000));
    EXPECT_NEAR(double(FQuantile(0, 1, 3000)), 94.135, 0.001);
    for (Real d1 : {2.0_r, 57.0_r, 299.0_r, 300.0_r})
        EXPECT_EQ(FQuantile(0, d1, 3000), FQuantileStart(0, d1, 3000)) << double(d1);
    EXPECT_NEAR(double(FQuantileStart(0, 300, 3000)), 1.802, 0.001);
}

TEST(FQuantile, NegativeTargetOverflows) {
    for (Real d1 : {1.0_r, 4.0_r, 5.0_r, 300.0_r})
        TARVIK_EXPECT_FAULT(EOverflow, "Floating point overflow", FQuantile(-0.5_r, d1, 3000));
}

TEST(FQuantile, FlooredStartDoublesUp) {
    // df 3 near p 0.0002: the cube-root base is floored, start 1e-12.
    EXPECT_NEAR(double(FQuantileStart(1 - 0.0002_r, 3, 3000)), 1e-12, 1e-20);
    const Real x = 3 * FQuantile(1 - 0.0002_r, 3, 3000);
    EXPECT_NEAR(double(ChiSquareCdf(3, x)), 0.0002, 1e-4);
}

TEST(FQuantile, IllinoisStatuses) {
    const detail::FQuantileObjective objective{0.05_r, 5, 10};
    // No sign change between the ends: the start comes back unchanged.
    Real xLo = 1, xHi = 2, fLo = objective(1), fHi = objective(2);
    detail::RootResult r = detail::RegulaFalsiIllinois(objective, xLo, xHi, fLo, fHi, 0.0003_r, 1e-20_r, 1e-15_r);
    EXPECT_EQ(r.x, 1);
    EXPECT_EQ(r.status, -1);
    EXPECT_EQ(r.steps, 0);
    // A proper bracket ends on the bracket width.
    xLo = 1, xHi = 8, fLo = objective(1), fHi = objective(8);
    r = detail::RegulaFalsiIllinois(objective, xLo, xHi, fLo, fHi, 0.0003_r, 1e-20_r, 1e-15_r);
    EXPECT_EQ(r.status, 0);
    EXPECT_NEAR(double(r.x), 3.3258, 0.0003);
    EXPECT_LE(r.steps, 30);
    EXPECT_EQ(detail::SignOf(-0.0_r), 0);
}

TEST(FQuantile, FalsePositionIsBounded) {
    // Zero tolerances can never be met: the bound ends the search.
    const detail::FQuantileObjective objective{0.05_r, 5, 10};
    Real xLo = 1, xHi = 8, fLo = objective(1), fHi = objective(8);
    EXPECT_THROW(detail::RegulaFalsiIllinois(objective, xLo, xHi, fLo, fHi, 0, 0, 0),
                 ENoConvergence);
}

}  // namespace
}  // namespace tarvik
