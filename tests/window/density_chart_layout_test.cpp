// The density chart's look laid out by the chart engine with exact
// metrics: margins, the axes' labels and ticks, the curve and the marker.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "plot/chart_layout.h"
#include "tests/support/fixed_metrics.h"
#include "tests/support/format_settings_cases.h"
#include "tests/support/label_rule.h"
#include "calc/density_plot.h"
#include "chart/density_chart_config.h"

namespace tarvik {
namespace {

using test::FixedMetrics;
using test::ExpectLabelRule;
using test::kPoint;

// The calculator's configuration at its size, with the start-up picture:
// a curve to 94.135 whose first point is the highest, and a marker at 0.
struct StartupChart {
    StartupChart() {
        chart.resize(275, 240);
        ConfigureDensityChart(chart);
        const double xmax = 94.135;
        double ymax = 0;
        for (int i = 1; i <= 200; ++i) {
            const double x = i / 200.0 * xmax;
            const double y = std::exp(-0.5 * std::log(x) - x / 2) / std::sqrt(2 * M_PI);
            chart.AddXY(0, x, y, kYellow);
            ymax = std::max(ymax, y);
        }
        chart.AddXY(1, 0, 0.0001, kRed);
        chart.LeftAxis().Maximum = 1.05 * ymax;
    }
    Chart chart;
};

TEST(ChartLayout, StartupPictureWithExactMetrics) {
    StartupChart s;
    const ChartLayout layout = ComputeChartLayout(s.chart.Model(), 275, 240, FixedMetrics(), kPoint);
    // Margins 14 | 12 | 6 | 12; bottom: 13-pixel labels and 6 of ticks.
    EXPECT_EQ(layout.plot.top(), 12);
    EXPECT_EQ(layout.plot.bottom(), 240 - 12 - 13 - 6);
    EXPECT_EQ(layout.plot.right(), 275 - 6);
    // Left labels ".45" are 3 characters: 21 + one blank 7, then 6 of ticks.
    EXPECT_EQ(layout.left.labelsLine, 14 + 28);
    EXPECT_EQ(layout.plot.left(), 14 + 28 + 6);
    // Left axis: 0 to 0.4825 over 197 pixels, each label 13 high with as
    // much free space again: steps of 0.1.
    EXPECT_NEAR(layout.left.axisMax, 0.4825, 1e-4);
    EXPECT_NEAR(layout.left.increment, 0.1, 1e-15);
    ASSERT_EQ(layout.left.labels.size(), 5u);
    EXPECT_EQ(layout.left.labels.front().text, ".40");
    EXPECT_EQ(layout.left.labels.back().text, ".00");
    EXPECT_EQ(layout.left.labels.back().position, layout.plot.bottom());
    // Bottom axis: the maximum widened by the marker's 5 pixels, so the last
    // curve point lands 5 pixels inside the right end.
    const AxisLayout& b = layout.bottom;
    const double expectedMax = 94.135 * b.axisPixels / (b.axisPixels - 5);
    EXPECT_NEAR(b.axisMax, expectedMax, 1e-9);
    EXPECT_EQ(ValueToPixel(94.135, b.axisMin, b.axisRange, b.startPixel, b.endPixel, true), b.endPixel - 5);
    EXPECT_GE(b.increment, 1);
    EXPECT_EQ(b.labels.back().text, "0");
    EXPECT_EQ(b.labels.front().text, std::to_string(int(b.labels.front().value)));
    // Ticks lie outside the plot: below the bottom edge, left of the left edge.
    for (const Segment& t : b.majorTicks) EXPECT_GT(t.y1(), layout.plot.bottom());
    for (const Segment& t : layout.left.majorTicks) EXPECT_LT(t.x1(), layout.plot.left());
    EXPECT_EQ(layout.left.minorTicks.size(), 5u);  // four between, one above .40
    // The curve: 200 points; on the screen's grid no two neighbours alike.
    EXPECT_EQ(layout.series[0].line.size(), 200u);
    const Polyline onGrid = ToPixelGrid(layout).series[0].line;
    for (std::size_t i = 1; i < onGrid.size(); ++i) EXPECT_NE(onGrid[i], onGrid[i - 1]);
    // The marker: apex up, 9 wide and 9 high around (x, y).
    ASSERT_EQ(layout.series[1].triangles.size(), 1u);
    const auto& t = layout.series[1].triangles[0];
    const Position centre(b.startPixel, layout.left.endPixel - 0);
    EXPECT_EQ(t[2], Position(centre.x(), t[0].y() - 8));
    EXPECT_EQ(t[1].x() - t[0].x(), 8);
    EXPECT_EQ(t[0].x(), centre.x() - 4);
}

// The label rule, at every size from the window's minimum to a 4K screen
// and at dfs every 6 % from 1 to the command line's 65535 (densities over
// six orders of magnitude, df 1 rising without bound): 4 to 10 labels per
// axis, on 1-2-5 steps, each differing from its neighbours, neighbours
// keeping free at least a quarter of the larger one's size, and every label
// inside the picture. The corners this guards: df 1 on 150 pixels (0, .5, 1
// up to 1.47: the top raised to 1.5); df 75 at 180 wide (0, 50, 100 up to
// 134: the bottom raised to 150); df 1482 at 180 wide ("1,000" alone: in
// thousands, 0 to 1.5k); a last label centred just inside the axis end,
// which ran past the picture's edge (df 980 at 485 wide by 13 pixels).
TEST(ChartLayout, FourToTenLabelsOnOneTwoFiveStepsInsideThePicture) {
    const QSize sizes[] = {{180, 150}, {190, 150}, {275, 240}, {485, 300}, {640, 480}, {1280, 900},
                           {1600, 1000}, {1900, 1000}, {3840, 2100}, {4000, 4000}};
    std::vector<int> dfs;
    for (double df = 1; df < 65535; df *= 1.06) dfs.push_back(int(std::lround(df)));
    dfs.insert(dfs.end(), {75, 980, 1482, 20000, 65535});
    const FixedMetrics metrics;
    for (const int df : dfs)
        for (const QSize size : sizes) {
            SCOPED_TRACE("df " + std::to_string(df) + " at " + std::to_string(size.width()) + "x" +
                         std::to_string(size.height()));
            Chart chart;
            ConfigureDensityChart(chart);
            ShowDensityChart(chart, ComputeDensityPlot(df, df));
            const ChartLayout layout = ComputeChartLayout(chart.Model(), size.width(), size.height(), metrics, kPoint);
            ExpectLabelRule(layout, size, metrics);
            // Thousands only for the command line's large df: the window
            // (df up to 300) never shows them.
            if (df <= 300) {
                EXPECT_EQ(layout.bottom.labelUnit, 1);
            }
        }
}

}  // namespace
}  // namespace tarvik
