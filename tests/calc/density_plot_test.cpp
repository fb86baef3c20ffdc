// The density chart's content against Boost.Math as an independent
// reference: the range end is the F(df, 3000) quantile at the range tail,
// the curve the chi-square density, the axis 5 per cent above its peak.
#include "calc/density_plot.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/calculator.h"
#include "tests/support/reference.h"

namespace tarvik {
namespace {

namespace reference = test::reference;

TEST(DensityChart, AgainstTheReference) {
    struct Case {
        int df;
        Real value;
        const char* why;
    } cases[] = {
        {1, 3.841459_r, "the start values"},
        {10, 9.341818_r, "the median"},
        {4, 0.0626_r, "a value deep in the lower tail: the range stays the df's own"},
        {299, 340.0_r, "odd df near the top"},
        {3500, 3638.75_r, "a typed df above 300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const DensityPlot chart = ComputeDensityPlot(c.df, c.value);
        const double xmax = c.df * reference::FisherFUpperQuantile(c.df, double(kRangeDenominatorDf), 1e-4);
        ASSERT_GT(chart.Curve.size(), std::size_t(kDensitySamples));
        // The range search runs on approximations of the F tail (Paulson's
        // for large df): within 2 per cent, plenty for the picture's range.
        EXPECT_NEAR(chart.Curve.back().X, xmax, 0.02 * xmax);
        double peak = 0;
        const std::size_t firstEven = chart.Curve.size() - kDensitySamples;
        for (std::size_t i = 0; i < chart.Curve.size(); ++i) {
            const PlotPoint p = chart.Curve[i];
            if (i >= firstEven) {
                EXPECT_DOUBLE_EQ(p.X, chart.Curve.back().X * double(i - firstEven + 1) / kDensitySamples);
            }
            if (i > 0) {
                EXPECT_GT(p.X, chart.Curve[i - 1].X);
            }
            if (p.X == 0) continue;
            const double ref = reference::ChiSquaredPdf(c.df, p.X);
            EXPECT_NEAR(p.Y, ref, 1e-12 * std::max(ref, 1e-300)) << "x " << p.X;
            if (i >= firstEven) peak = std::max(peak, ref);
        }
        EXPECT_NEAR(chart.LeftAxisMaximum, 1.05 * peak, 1e-12 * peak);
        EXPECT_DOUBLE_EQ(chart.Marker.X, double(c.value));
        EXPECT_DOUBLE_EQ(chart.Marker.Y, kMarkerHeight);
    }
}

// The curve starts where the density does: at the origin above df 2, at
// one half for df 2, and from above the plot below df 2, whatever the size
// the chart is drawn at (the step toward 0 halves down to a tiny fraction
// of the first even sample).
TEST(DensityChart, TheCurveStartsWhereTheDensityDoes) {
    struct Case {
        int df;
        double startY;  // negative: above the plot
        const char* why;
    } cases[] = {
        {4, 0, "rises from the origin"},
        {3, 0, "rises from the origin, steeply"},
        {2, 0.5, "the density's limit at 0"},
        {1, -1, "unbounded: comes down from above the plot"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const DensityPlot chart = ComputeDensityPlot(c.df, 3);
        const PlotPoint first = chart.Curve.front();
        const double firstEven = chart.Curve[chart.Curve.size() - kDensitySamples].X;
        if (c.startY >= 0) {
            EXPECT_EQ(first.X, 0);
            EXPECT_EQ(first.Y, c.startY);
            EXPECT_LT(chart.Curve[1].X, firstEven / 60000);
        } else {
            EXPECT_GT(first.X, 0);
            EXPECT_GT(first.Y, 2 * chart.LeftAxisMaximum);
        }
    }
}

// The shaded tail runs from the curve at the value along the curve's own
// points to its end; its area is P(X > value).
TEST(DensityChart, TailFollowsTheCurveFromTheValue) {
    for (Real value : {0.0_r, 3.0_r, 23.5_r, 900.0_r}) {
        const DensityPlot chart = ComputeDensityPlot(12, value);
        ASSERT_FALSE(chart.Tail.empty());
        EXPECT_EQ(chart.Tail.front().X, double(value));
        EXPECT_NEAR(chart.Tail.front().Y, value > 0 ? reference::ChiSquaredPdf(12, double(value)) : 0, 1e-15);
        std::size_t firstAfter = 0;
        while (chart.Curve[firstAfter].X <= double(value)) ++firstAfter;
        ASSERT_EQ(chart.Tail.size(), 1 + chart.Curve.size() - firstAfter);
        for (std::size_t i = 1; i < chart.Tail.size(); ++i) {
            EXPECT_EQ(chart.Tail[i].X, chart.Curve[firstAfter + i - 1].X);
            EXPECT_EQ(chart.Tail[i].Y, chart.Curve[firstAfter + i - 1].Y);
        }
        EXPECT_NEAR(double(chart.TailProbability), reference::ChiSquaredUpper(12, double(value)), 1e-15);
    }
}

TEST(DensityChart, ValueBeyondTheRangeWidensIt) {
    const DensityPlot chart = ComputeDensityPlot(1, 900);
    EXPECT_DOUBLE_EQ(chart.Curve.back().X, 922.5);
    EXPECT_DOUBLE_EQ(chart.Marker.X, 900);
}

// The calculator keeps the curve while the value moves within its range:
// what it draws after each edit must be what a fresh computation draws.
TEST(DensityChart, TheKeptCurveDrawsWhatAFreshOneDraws) {
    struct Step {
        std::int64_t df;
        const char* value;
        const char* why;
    } steps[] = {
        {12, "23.5", "a new df: the curve computed"},
        {12, "7.5", "within the range: the curve kept"},
        {12, "60", "beyond the range: the range widens"},
        {12, "61", "further beyond: it widens again"},
        {12, "8", "back within: the df's own range again"},
        {1, "8", "another df"},
    };
    Calculator calc;
    calc.Show();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.why);
        calc.DfChanged(s.df);
        const Effects fx = calc.TextEdited(Field::Value, s.value);
        ASSERT_TRUE(fx.Chart.has_value());
        const Results r = calc.CurrentResults();
        const DensityPlot fresh = ComputeDensityPlot(Real(s.df), r.value);
        auto same = [](const std::vector<PlotPoint>& a, const std::vector<PlotPoint>& b) {
            return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const PlotPoint& p, const PlotPoint& q) {
                       return p.X == q.X && p.Y == q.Y;
                   });
        };
        EXPECT_TRUE(same(fx.Chart->Curve, fresh.Curve));
        EXPECT_TRUE(same(fx.Chart->Tail, fresh.Tail));
        EXPECT_EQ(fx.Chart->LeftAxisMaximum, fresh.LeftAxisMaximum);
        EXPECT_EQ(fx.Chart->TailProbability, fresh.TailProbability);
    }
}

}  // namespace
}  // namespace tarvik
