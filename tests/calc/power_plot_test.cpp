// The power window's pictures without pixels: the shaded regions are the
// test's alpha and beta (their areas, by the trapezoid rule on the drawn
// points, come within the rule's own error of the probabilities), cut at
// the critical value and held inside the plot; the power curve rises from
// alpha through the chosen point.
#include "calc/power_plot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "math/distributions.h"

namespace tarvik {
namespace {

double Area(const std::vector<PlotPoint>& points) {
    double area = 0;
    for (std::size_t i = 1; i < points.size(); ++i)
        area += (points[i].X - points[i - 1].X) * (points[i].Y + points[i - 1].Y) / 2;
    return area;
}

TEST(HypothesesPlot, RegionsAreAlphaAndBetaCutAtTheCriticalValue) {
    const struct Case {
        Real df, lambda;
        double tolerance;  // the trapezoid rule on 200 points of the range
        const char* why;
    } cases[] = {
        {2, 9.72_r, 2e-3, "the worked example"},
        {6, 20, 2e-3, "a 4 x 3 table"},
        {30, 60, 2e-3, "many df"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const Real critical = ChiSquareUpperQuantile(c.df, 0.05_r);
        const HypothesesPlot plot = ComputeHypothesesPlot(c.df, c.lambda, critical);
        ASSERT_EQ(plot.noncentral.size(), plot.central.size());
        EXPECT_DOUBLE_EQ(plot.alphaRegion.front().X, double(critical));
        EXPECT_DOUBLE_EQ(plot.betaRegion.back().X, double(critical));
        for (const PlotPoint& p : plot.alphaRegion) EXPECT_GE(p.X, double(critical));
        for (const PlotPoint& p : plot.betaRegion) EXPECT_LE(p.X, double(critical));
        EXPECT_NEAR(Area(plot.alphaRegion), 0.05, c.tolerance);
        EXPECT_NEAR(Area(plot.betaRegion), double(NoncentralChiSquareCdf(c.df, c.lambda, critical)), c.tolerance);
        // Both curves reach far enough that each upper tail is 0.0001 or less.
        EXPECT_LE(double(NoncentralChiSquareUpperTail(c.df, c.lambda, Real(plot.xMaximum))), 1.0001e-4);
        EXPECT_EQ(plot.criticalLine.back().Y, plot.yMaximum);
    }
}

TEST(HypothesesPlot, DensitiesWithoutBoundAreClippedAtTheTop) {
    // df 1: both densities run off toward 0; the top follows the curves from
    // 5 per cent of the range on, and the beta region stays inside the plot.
    const HypothesesPlot plot = ComputeHypothesesPlot(1, 10, ChiSquareUpperQuantile(1, 0.05_r));
    EXPECT_GT(plot.central.front().Y, plot.yMaximum);
    for (const PlotPoint& p : plot.betaRegion) EXPECT_LE(p.Y, plot.yMaximum);
    EXPECT_GT(plot.central.front().X, 0);  // no point at 0, where there is no value
    // df 2: both start at their limits at 0, 1/2 and e^-lambda/2 / 2.
    const HypothesesPlot two = ComputeHypothesesPlot(2, 4, ChiSquareUpperQuantile(2, 0.05_r));
    EXPECT_EQ(two.central.front().X, 0);
    EXPECT_DOUBLE_EQ(two.central.front().Y, 0.5);
    EXPECT_DOUBLE_EQ(two.noncentral.front().Y, std::exp(-2.0) / 2);
}

TEST(PowerCurve, RisesFromAlphaThroughTheChosenPoint) {
    const PowerAnswer a = SolvePower({PowerField::SampleSize, 2, 0.3_r, 0.05_r, 0.8_r, 0});
    for (const PowerCurveAxis axis : {PowerCurveAxis::SampleSize, PowerCurveAxis::EffectSize}) {
        const PowerCurve curve = ComputePowerCurve(a, axis);
        ASSERT_EQ(curve.points.size(), std::size_t(kPowerCurveSamples + 1));
        EXPECT_DOUBLE_EQ(curve.points.front().Y, 0.05);
        for (std::size_t i = 1; i < curve.points.size(); ++i) EXPECT_GT(curve.points[i].Y, curve.points[i - 1].Y);
        EXPECT_DOUBLE_EQ(curve.points.back().X, curve.xMaximum);
        // The curve passes through the chosen point: it lies between the
        // samples on either side of it.
        const PlotPoint chosen = curve.chosen;
        for (std::size_t i = 1; i < curve.points.size(); ++i)
            if (curve.points[i - 1].X <= chosen.X && chosen.X <= curve.points[i].X) {
                EXPECT_GE(chosen.Y, curve.points[i - 1].Y);
                EXPECT_LE(chosen.Y, curve.points[i].Y);
            }
    }
    EXPECT_DOUBLE_EQ(ComputePowerCurve(a, PowerCurveAxis::SampleSize).xMaximum, 216);  // twice N
}

}  // namespace
}  // namespace tarvik
