// Pixels of the painted chart where the geometry is fixed.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "chart/chart.h"
#include "chart/qt_geometry.h"
#include "chart/density_chart_config.h"

namespace tarvik {
namespace {

QImage Paint(Chart& chart) {
    QImage image(chart.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    chart.render(&image);
    return image;
}

class ChartPaint : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(275, 240);
        ConfigureDensityChart(chart);
        chart.LeftAxis().Maximum = 1;
        // A straight curve from (10, 0.2) to (90, 0.6) and a marker at (50, 0.5).
        chart.AddXY(0, 10, 0.2, kYellow);
        chart.AddXY(0, 90, 0.6, kYellow);
        chart.AddXY(1, 50, 0.5, kRed);
    }
    Chart chart;
};

TEST_F(ChartPaint, BackgroundGradientBottomToTop) {
    const QImage image = Paint(chart);
    EXPECT_EQ(image.pixelColor(1, 239), QColor(0, 128, 128));  // band 0: StartColor (teal)
    EXPECT_EQ(image.pixelColor(1, 0), QColor(0, 255, 255));    // last band: EndColor (aqua)
    EXPECT_EQ(image.pixelColor(270, 120).red(), 0);
    // One-pixel bands: neighbouring rows differ somewhere along the way.
    EXPECT_NE(image.pixelColor(1, 100), image.pixelColor(1, 102));
}

TEST_F(ChartPaint, BackWallFrameAndClearInside) {
    const ChartLayout layout = chart.Layout();
    const QImage image = Paint(chart);
    const QRect p = ToQt(layout.plot);
    EXPECT_EQ(image.pixelColor(p.right(), p.top()), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(p.center().x(), p.top()), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(p.right(), p.center().y()), QColor(0, 0, 0));
    // Inside the frame the gradient shows (no white fill).
    const QColor inside = image.pixelColor(p.right() - 3, p.top() + 3);
    EXPECT_EQ(inside.red(), 0);
    EXPECT_GT(inside.green(), 128);
}

TEST_F(ChartPaint, TriangleMarkerCorners) {
    const ChartLayout layout = ToPixelGrid(chart.Layout());
    const QImage image = Paint(chart);
    ASSERT_EQ(layout.series[1].triangles.size(), 1u);
    const auto& t = layout.series[1].triangles[0];
    const QPoint apex = ToQt(t[2]).toPoint(), baseLeft = ToQt(t[0]).toPoint(), baseRight = ToQt(t[1]).toPoint();
    // The outline (pointer pen, black) runs through the three corners.
    EXPECT_EQ(image.pixelColor(apex), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(baseLeft), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(baseRight), QColor(0, 0, 0));
    // Filled red in the middle; nothing red above the apex.
    EXPECT_EQ(image.pixelColor((baseLeft.x() + baseRight.x()) / 2, baseLeft.y() - 2), QColor(255, 0, 0));
    EXPECT_NE(image.pixelColor(apex.x(), apex.y() - 2), QColor(255, 0, 0));
}

TEST_F(ChartPaint, LineSegmentBetweenTwoKnownPoints) {
    const ChartLayout layout = ToPixelGrid(chart.Layout());
    ASSERT_EQ(layout.series[0].line.size(), 2u);
    const QLine seg(ToQt(layout.series[0].line[0]).toPoint(), ToQt(layout.series[0].line[1]).toPoint());
    const AxisLayout& b = layout.bottom;
    const AxisLayout& l = layout.left;
    EXPECT_EQ(seg.p1(), QPoint(ValueToPixel(10, b.axisMin, b.axisRange, b.startPixel, b.endPixel, true),
                               ValueToPixel(0.2, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false)));
    const QImage image = Paint(chart);
    // The midpoint of the segment is yellow (the 2-pixel pen).
    const QPoint mid = (seg.p1() + seg.p2()) / 2;
    bool yellow = false;
    for (int dy = -1; dy <= 1; ++dy) yellow |= image.pixelColor(mid.x(), mid.y() + dy) == QColor(255, 255, 0);
    EXPECT_TRUE(yellow);
}

TEST_F(ChartPaint, TheLayoutGivesTheAxesWorkingValues) {
    const ChartLayout layout = chart.Layout();
    const AxisLayout& bottom = layout.bottom;
    EXPECT_EQ(bottom.axisMin, 0);
    EXPECT_GT(bottom.axisMax, 90);  // widened by the marker margin
    EXPECT_EQ(bottom.axisPixels, bottom.endPixel - bottom.startPixel);
    EXPECT_EQ(layout.left.axisMax, 1);
    EXPECT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(chart.Series(2)->Title, "Upper tail");
    EXPECT_EQ(chart.Series(0)->Title, "PDF");
    EXPECT_EQ(chart.Series(1)->Title, "Value");
}

}  // namespace
}  // namespace tarvik
