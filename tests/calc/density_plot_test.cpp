// The density chart's content against Boost.Math as an independent
// reference: the range end is the F(df, 3000) quantile at the range tail,
// the curve the chi-square density, the axis 5 per cent above its peak.
#include "calc/density_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>

namespace tarvik {
namespace {

TEST(DensityChart, AgainstTheReference) {
    struct Case {
        int df;
        Real cdf, value;
        double rangeTail;  // the upper tail the range ends at
        const char* why;
    } cases[] = {
        {1, 0.95_r, 3.841459_r, 1e-4, "the start values"},
        {10, 0.5_r, 9.341818_r, 1e-4, "a cdf above 0.0001 uses 0.0001"},
        {4, 0.00005_r, 0.0626_r, 5e-5, "a smaller cdf reaches further"},
        {299, 0.95_r, 340.0_r, 1e-4, "odd df near the top"},
        {3500, 0.95_r, 3638.75_r, 1e-4, "a typed df above 300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const DensityPlot chart = ComputeDensityPlot(c.df, c.cdf, c.value);
        const boost::math::fisher_f_distribution<double> f(c.df, double(kRangeDenominatorDf));
        const double xmax = c.df * boost::math::quantile(boost::math::complement(f, c.rangeTail));
        ASSERT_EQ(chart.Curve.size(), std::size_t(kDensitySamples));
        // The range search runs on approximations of the F tail (Paulson's
        // for large df): within 2 per cent, plenty for the picture's range.
        EXPECT_NEAR(chart.Curve.back().X, xmax, 0.02 * xmax);
        const boost::math::chi_squared_distribution<double> chi(c.df);
        double peak = 0;
        for (std::size_t i = 0; i < chart.Curve.size(); ++i) {
            const PlotPoint p = chart.Curve[i];
            EXPECT_DOUBLE_EQ(p.X, chart.Curve.back().X * double(i + 1) / kDensitySamples);
            const double ref = boost::math::pdf(chi, p.X);
            EXPECT_NEAR(p.Y, ref, 1e-12 * std::max(ref, 1e-300)) << "x " << p.X;
            peak = std::max(peak, ref);
        }
        EXPECT_NEAR(chart.LeftAxisMaximum, 1.05 * peak, 1e-12 * peak);
        EXPECT_DOUBLE_EQ(chart.Marker.X, double(c.value));
        EXPECT_DOUBLE_EQ(chart.Marker.Y, kMarkerHeight);
    }
}

// The shaded tail runs from the curve at the value along the curve's own
// points to its end; its area is P(X > value).
TEST(DensityChart, TailFollowsTheCurveFromTheValue) {
    for (Real value : {0.0_r, 3.0_r, 23.5_r, 900.0_r}) {
        const DensityPlot chart = ComputeDensityPlot(12, 0.95_r, value);
        ASSERT_FALSE(chart.Tail.empty());
        EXPECT_EQ(chart.Tail.front().X, double(value));
        const boost::math::chi_squared_distribution<double> chi(12);
        EXPECT_NEAR(chart.Tail.front().Y, value > 0 ? boost::math::pdf(chi, double(value)) : 0, 1e-15);
        std::size_t firstAfter = 0;
        while (chart.Curve[firstAfter].X <= double(value)) ++firstAfter;
        ASSERT_EQ(chart.Tail.size(), 1 + chart.Curve.size() - firstAfter);
        for (std::size_t i = 1; i < chart.Tail.size(); ++i) {
            EXPECT_EQ(chart.Tail[i].X, chart.Curve[firstAfter + i - 1].X);
            EXPECT_EQ(chart.Tail[i].Y, chart.Curve[firstAfter + i - 1].Y);
        }
        EXPECT_NEAR(chart.TailProbability, boost::math::cdf(boost::math::complement(chi, double(value))), 1e-15);
    }
}

TEST(DensityChart, ValueBeyondTheRangeWidensIt) {
    const DensityPlot chart = ComputeDensityPlot(1, 1, 900);
    EXPECT_DOUBLE_EQ(chart.Curve.back().X, 922.5);
    EXPECT_DOUBLE_EQ(chart.Marker.X, 900);
}

}  // namespace
}  // namespace tarvik
