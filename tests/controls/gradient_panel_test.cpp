#include <gtest/gtest.h>

#include <QImage>

#include "controls/gradient_panel.h"
#include "controls/gradient_bands.h"

namespace tarvik {
namespace {

int Cyan(QColor c) { return c.green(); }

TEST(PanelBands, CalculatorPanelWorkedExample) {
    // 632 x 253, aqua to teal in 100 steps, bands stacked downwards.
    const auto bands = ComputePanelBands(632, 253, ToQColor(kAqua), ToQColor(kTeal), 100, false);
    ASSERT_EQ(bands.size(), 100u);
    struct Row {
        int band, greenBlue, first, last;
    } rows[] = {{0, 255, 0, 3},     {1, 254, 3, 6},     {2, 252, 5, 8},  {3, 251, 8, 11},
                {50, 191, 126, 129}, {98, 131, 248, 251}, {99, 129, 250, 253}};
    for (const auto& r : rows) {
        const PanelBand& b = bands[std::size_t(r.band)];
        EXPECT_EQ(Cyan(b.color), r.greenBlue) << r.band;
        EXPECT_EQ(b.color.blue(), r.greenBlue) << r.band;
        EXPECT_EQ(b.color.red(), 0) << r.band;
        EXPECT_EQ(b.top, r.first) << r.band;
        EXPECT_EQ(b.bottom - 1, r.last) << r.band;  // 253 is clipped by the panel
        EXPECT_EQ(b.left, 0);
        EXPECT_EQ(b.right, 632);
    }
}

TEST(PanelBands, SpecialSettings) {
    // Steps 0 paints as one band of FromColor over the whole panel.
    auto one = ComputePanelBands(40, 30, ToQColor(kBlue), ToQColor(kBlack), 0, false);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].color, ToQColor(kBlue));
    EXPECT_EQ(one[0].bottom, 31);
    // Equal colours give a uniform panel.
    for (const auto& b : ComputePanelBands(40, 30, ToQColor(kRed), ToQColor(kRed), 7, false)) EXPECT_EQ(b.color, ToQColor(kRed));
    // Side by side: 632 / 100 = 6.32 spacing, 7 wide, colour changing rightwards.
    const auto cols = ComputePanelBands(632, 253, ToQColor(kAqua), ToQColor(kTeal), 100, true);
    EXPECT_EQ(cols[1].left, 6);
    EXPECT_EQ(cols[1].right - cols[1].left, 7);
    EXPECT_EQ(cols[1].top, 0);
    EXPECT_EQ(cols[1].bottom, 253);
    // More steps than pixels: bands of a pixel or two, still covering all rows.
    const auto dense = ComputePanelBands(10, 50, ToQColor(kWhite), ToQColor(kBlack), 200, false);
    EXPECT_GE(dense.back().bottom, 50);
}

QImage Render(GradientPanel& panel) {
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    panel.render(&image);
    return image;
}

TEST(GradientPanel, PaintsExactlyTheBands) {
    GradientPanel panel;
    panel.setWindowTitle("a caption, never painted");
    panel.resize(632, 253);
    panel.SetFromColor(ToQColor(kAqua));
    panel.SetToColor(ToQColor(kTeal));
    panel.SetSteps(100);
    const QImage image = Render(panel);
    for (int row : {0, 1, 2}) EXPECT_EQ(image.pixelColor(300, row), QColor(0, 255, 255)) << row;
    EXPECT_EQ(image.pixelColor(300, 3), QColor(0, 254, 254));  // band 1 paints over band 0's last row
    for (int row : {126, 127, 128}) EXPECT_EQ(image.pixelColor(10, row), QColor(0, 191, 191)) << row;
    // The last band stops one step short of ToColor, which is never painted.
    EXPECT_EQ(image.pixelColor(631, 252), QColor(0, 129, 129));
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 13) {
            ASSERT_NE(image.pixelColor(x, y), QColor(Qt::magenta)) << "gap at " << x << "," << y;
            ASSERT_NE(image.pixelColor(x, y), QColor(0, 128, 128));
        }
}

TEST(GradientPanel, StepsZeroBecomesOneAtPaint) {
    GradientPanel panel;
    panel.resize(50, 40);
    EXPECT_EQ(panel.Steps(), 20);        // construction defaults
    EXPECT_EQ(panel.FromColor(), ToQColor(kBlue));
    EXPECT_EQ(panel.ToColor(), ToQColor(kBlack));
    EXPECT_FALSE(panel.Direction());
    panel.SetSteps(0);
    const QImage image = Render(panel);
    EXPECT_EQ(panel.Steps(), 1);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(49, 39), QColor(0, 0, 255));
}

}  // namespace
}  // namespace tarvik
