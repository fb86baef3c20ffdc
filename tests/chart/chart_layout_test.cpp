#include "plot/chart_layout.h"

#include <gtest/gtest.h>

#include "tests/support/format_settings_cases.h"

#include <clocale>
#include <string>
#include <cmath>
#include <limits>
#include <memory>

#include "core/errors.h"

#include "chart/chart.h"
#include "plot/chart_svg.h"
#include "plot/number_pattern.h"
#include "tests/support/fixed_metrics.h"

namespace tarvik {
namespace {

using test::kPoint;

using test::FixedMetrics;

// The SVG's numbers: three decimals at most, and a point on a German
// desktop too, whose C library would write a comma ("%.3f").
TEST(ChartLayout, SvgNumbersAreLocaleFree) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const struct {
        double v;
        const char* text;
    } cases[] = {{0.0004, "0"}, {-0.0004, "0"}, {1.5, "1.5"}, {-2.25, "-2.25"}, {1234.5678, "1234.568"},
                 {0.1 + 0.2, "0.3"}, {275, "275"}, {1e300, "1000000000000000"}};
    for (const auto& c : cases) EXPECT_EQ(SvgNumber(c.v), c.text) << c.v;
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(ChartLayout, MulDivRoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(5, 275, 100), 14);   // 13.75
    EXPECT_EQ(MulDiv(2, 275, 100), 6);    // 5.5 up
    EXPECT_EQ(MulDiv(-2, 275, 100), -6);  // -5.5 away from zero
    EXPECT_EQ(MulDiv(1, 5, 2), 3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(3000000000LL, 3, 3), 3000000000LL);
}

TEST(ChartLayout, NextStepSequence) {
    double s = 1;
    const double expected[] = {2, 5, 10, 20, 50, 100, 200};
    for (double e : expected) {
        s = NextStep(s);
        EXPECT_DOUBLE_EQ(s, e);
    }
    EXPECT_NEAR(NextStep(1e-12), 2e-12, 1e-24);  // not a drift back to 1e-12
    EXPECT_NEAR(NextStep(2e-12), 5e-12, 1e-24);
    EXPECT_NEAR(NextStep(0.1 + 0.2), 0.5, 1e-15);
    EXPECT_NEAR(NextStep(0.02), 0.05, 1e-15);
    EXPECT_NEAR(NextStep(0.05), 0.1, 1e-15);
    EXPECT_DOUBLE_EQ(NextStep(3), 5);
    EXPECT_DOUBLE_EQ(NextStep(7), 10);
}

TEST(ChartLayout, GradientBands) {
    // 240 rows: 240 one-pixel bands, band 0 on the bottom edge in StartColor.
    auto bands = ComputeGradientBands(PixelRect(0, 0, 275, 240), kTeal, kAqua);
    ASSERT_EQ(bands.size(), 240u);
    EXPECT_EQ(bands[0].top, 239);
    EXPECT_EQ(bands[0].bottom, 240);
    EXPECT_EQ(bands[0].color, kTeal);
    EXPECT_EQ(bands[239].top, 0);
    EXPECT_EQ(bands[239].color, kAqua);
    for (const auto& b : bands) EXPECT_EQ(b.bottom - b.top, 1);
    // Green and blue climb 128 -> 255 by MulDiv(k, 127, 239).
    EXPECT_EQ(bands[120].color.green(), 128 + 64);  // 120*127/239 = 63.77
    // 300 rows: 256 bands of one or two rows, covering every row once.
    bands = ComputeGradientBands(PixelRect(0, 0, 100, 300), kTeal, kAqua);
    ASSERT_EQ(bands.size(), 256u);
    int covered = 0;
    for (std::size_t k = 0; k < bands.size(); ++k) {
        const int h = bands[k].bottom - bands[k].top;
        EXPECT_TRUE(h == 1 || h == 2) << k;
        if (k > 0) {
            EXPECT_EQ(bands[k].bottom, bands[k - 1].top);
        }
        covered += h;
    }
    EXPECT_EQ(covered, 300);
    EXPECT_EQ(bands.front().bottom, 300);
    EXPECT_EQ(bands.back().top, 0);
}

TEST(ChartLayout, LabelIncrement) {
    struct Case {
        double range;
        int pixels, label;
        double increment;
        int separation;
        double expected;
        const char* why;
    } cases[] = {
        {0.4825, 200, 13, 0, 10, 0.05, "start-up left axis: N = 14, climbs from 1e-12"},
        {0.4825, 40, 13, 0, 10, 0.2, "few pixels, larger steps"},
        {94.135 * 1.02, 228, 42, 0, 10, 20, "bottom axis: never below 1"},
        {5, 400, 7, 0, 10, 1, "plenty of room: the start value 1 stays"},
        {1e6, 200, 20, 0, 10, 200000, "large counts climb by decades"},
        {0, 200, 13, 0, 10, 1e-12, "an empty range keeps the tiny floor"},
        {-3, 200, 13, 0, 10, 1, "a negative span counts by magnitude"},
        {1e-9, 200, 13, 0, 10, 1e-10, "tiny spans"},
        {10, 200, 13, 2.5, 10, 2.5, "a wanted increment that fits is kept"},
        {10, 200, 13, 0.1, 10, 1, "one that does not fit climbs the sequence"},
        {10, 200, 13, 0, 0, 1, "no separation: no climbing at all"},
        {10, 3, 13, 0, 10, 1e-12, "not even one label fits"},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ComputeLabelIncrement(c.range, c.pixels, c.label, c.increment, c.separation),
                    c.expected, c.expected * 1e-9)
            << c.why;
}

TEST(ChartLayout, LabelValuesFromTheTopDown) {
    const auto v = ComputeLabelValues(0, 0.4825, 0.05, true);
    ASSERT_EQ(v.size(), 10u);
    EXPECT_NEAR(v.front(), 0.45, 1e-15);
    EXPECT_NEAR(v.back(), 0, 1e-15);
    std::vector<std::string> texts;
    for (double x : v) texts.push_back(FormatNumberPattern(x, "#,###.00#", kPoint));
    EXPECT_EQ(texts, (std::vector<std::string>{".45", ".40", ".35", ".30", ".25", ".20", ".15", ".10", ".05", ".00"}));
    // Not rounded: the first label is the maximum itself.
    EXPECT_DOUBLE_EQ(ComputeLabelValues(0, 0.4825, 0.05, false).front(), 0.4825);
    // Equal ends start at the maximum; the 1e-12 guard lets the tiny
    // increment repeat it a few times, all at the same value and pixel.
    for (double x : ComputeLabelValues(3, 3, 1e-12, true)) EXPECT_NEAR(x, 3, 1e-11);
    // The cut-off: 10000 labels or more draw none.
    EXPECT_TRUE(ComputeLabelValues(0, 1e-8, 1e-12, true).empty());
    EXPECT_EQ(ComputeLabelValues(0, 9999, 1, true).size(), 10000u);
    // Negative ranges work from the top down too; the guard divides a
    // negative minimum towards zero, so the label at the minimum itself
    // (-10) falls outside it.
    const auto neg = ComputeLabelValues(-10, -5, 2, true);
    EXPECT_EQ(neg, (std::vector<double>{-6, -8}));
}

TEST(ChartLayout, ValueToPixelAndMinorTicks) {
    EXPECT_EQ(ValueToPixel(50, 0, 100, 10, 210, true), 110);
    EXPECT_EQ(ValueToPixel(50, 0, 100, 10, 210, false), 110);
    EXPECT_EQ(ValueToPixel(100, 0, 100, 10, 210, false), 10);  // top
    EXPECT_EQ(ValueToPixel(5, 5, 0, 10, 210, true), 110);      // range 0: centre
    EXPECT_EQ(ValueToPixel(1e300, 0, 1, 10, 210, true), 110);  // beyond 32 bits: centre
    // Major ticks 20, 60, 100 (drawing order) with one minor between.
    EXPECT_EQ(ComputeMinorTicks({20, 60, 100}, 1, 0, 200), (std::vector<double>{40, 80, 120}));
    // Beyond the ends only strictly inside the axis.
    EXPECT_EQ(ComputeMinorTicks({20, 60, 100}, 1, 0, 110), (std::vector<double>{40, 80}));
    // Unrounded positions for vector files and high-resolution pictures;
    // the screen's grid rounds ties to even.
    EXPECT_DOUBLE_EQ(ValueToPosition(1, 0, 8, 0, 100, true), 12.5);
    EXPECT_EQ(ValueToPixel(1, 0, 8, 0, 100, true), 12);
    EXPECT_EQ(ValueToPixel(3, 0, 8, 0, 100, true), 38);  // 37.5
    EXPECT_TRUE(ComputeMinorTicks({50}, 3, 0, 100).empty());
}

TEST(ChartLayout, SamePixelPointsDrawNoSegment) {
    ChartModel model;
    model.LeftAxis.SetMinMax(0, 1);
    model.BottomAxis.SetMinMax(0, 1);
    auto line = std::make_unique<LineSeries>();
    line->AddXY(0.1, 0.5, kYellow);
    line->AddXY(0.1000001, 0.5, kYellow);  // same pixel
    line->AddXY(0.9, 0.5, kYellow);
    model.Series.push_back(std::move(line));
    const ChartLayout layout = ComputeChartLayout(model, 300, 200, FixedMetrics(), kPoint);
    EXPECT_EQ(layout.series[0].line.size(), 3);  // a vector file keeps all three
    const ChartLayout screen = ToPixelGrid(layout);
    ASSERT_EQ(screen.series[0].line.size(), 2);
    EXPECT_EQ(screen.series[0].line[0], OnPixelGrid(layout.series[0].line[0]));
}

// A label shows as many decimals as its step needs: the pattern's own
// "#,###.00#" gives two or three, a finer step more, and neighbours never
// read alike.
TEST(ChartLayout, LabelDecimalsFollowTheStep) {
    struct Case {
        double increment;
        int decimals;
        const char* pattern;
    } cases[] = {
        {1, 0, "#,###.00#"},        {0.5, 1, "#,###.00#"},      {0.05, 2, "#,###.00#"},
        {0.005, 3, "#,###.00#"},    {0.0005, 4, "#,###.0000"},  {2e-7, 7, "#,###.0000000"},
        {0.002, 3, "#,###.00#"},    {20, 0, "#,###.00#"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalsForIncrement(c.increment), c.decimals) << c.increment;
        EXPECT_EQ(PatternForIncrement("#,###.00#", c.increment), c.pattern) << c.increment;
    }
}

// Whatever the df and the value, the labels of each axis differ from each
// other and are spaced by the axis' increment.
TEST(ChartLayout, LabelsOfTinyRangesStayDistinct) {
    for (const double top : {0.4825, 0.0031, 0.00042, 3e-6}) {
        ChartModel model;
        model.LeftAxis.SetMinMax(0, top);
        model.LeftAxis.AxisValuesFormat = "#,###.00#";
        model.LeftAxis.LabelsSeparation = 100;
        model.BottomAxis.SetMinMax(0, 10);
        const ChartLayout layout = ComputeChartLayout(model, 275, 240, FixedMetrics(), kPoint);
        ASSERT_GE(layout.left.labels.size(), 2u) << top;
        for (std::size_t i = 1; i < layout.left.labels.size(); ++i)
            EXPECT_NE(layout.left.labels[i].text, layout.left.labels[i - 1].text) << top;
    }
}

// The layout is total: any axis ends and any points, finite or not, give a
// layout in bounded time with a bounded number of labels. A NaN or infinite
// range used to step its label increment for ever.
TEST(ChartLayout, TotalOverNonFiniteAndExtremeInput) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double ends[] = {0, 1, -1, 1e-300, 1.7e308, -1.7e308, inf, -inf, nan};
    for (double lo : ends)
        for (double hi : ends) {
            ChartModel model;
            model.LeftAxis.SetMinMax(lo, hi);
            model.BottomAxis.Automatic = true;
            auto line = std::make_unique<LineSeries>();
            line->AddXY(lo, hi, kYellow);  // the model itself may hold anything
            line->AddXY(hi, lo, kYellow);
            model.Series.push_back(std::move(line));
            const ChartLayout layout = ComputeChartLayout(model, 275, 240, FixedMetrics(), kPoint);
            EXPECT_LE(layout.left.labels.size(), 10000u) << lo << " " << hi;
            EXPECT_LE(layout.bottom.labels.size(), 10000u) << lo << " " << hi;
        }
    EXPECT_GT(ComputeLabelIncrement(nan, 200, 13, 0, 50), 0);
    EXPECT_GT(ComputeLabelIncrement(inf, 200, 13, 0, 50), 0);
    EXPECT_GT(ComputeLabelIncrement(1.7e308, 200, 13, 0, 50), 1e300);
}

TEST(ChartLayout, NonFinitePointsAreRefusedAtTheChart) {
    Chart chart;
    chart.AddSeries<LineSeries>();
    EXPECT_THROW(chart.AddXY(0, std::nan(""), 1, kYellow), EInvalidOp);
    EXPECT_THROW(chart.AddXY(0, 1, std::numeric_limits<double>::infinity(), kYellow), EInvalidOp);
    EXPECT_EQ(chart.Series(0)->Count(), 0);
}

// A refill replaces the points in the series' colour; one point that is not
// finite refuses the whole set, and the picture keeps its previous points.
TEST(ChartLayout, SetPointsReplacesWholeOrNotAtAll) {
    struct Point {
        double X, Y;
    };
    Chart chart;
    chart.AddSeries<LineSeries>()->SeriesColor = kYellow;
    chart.SetPoints(0, std::vector<Point>{{0, 1}, {2, 3}});
    chart.SetPoints(0, std::vector<Point>{{4, 5}});
    ASSERT_EQ(chart.Series(0)->Count(), 1);
    EXPECT_EQ(chart.Series(0)->Points()[0].X, 4);
    EXPECT_EQ(chart.Series(0)->Points()[0].Color, kYellow);
    EXPECT_THROW(chart.SetPoints(0, std::vector<Point>{{6, 7}, {std::nan(""), 1}}), EInvalidOp);
    ASSERT_EQ(chart.Series(0)->Count(), 1);
    EXPECT_EQ(chart.Series(0)->Points()[0].X, 4);
}

}  // namespace
}  // namespace tarvik
