// The density chart's refresh and the help window.
#include <QTest>

#include "chart/qt_geometry.h"
#include "plot/chart_layout.h"

#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

TEST_F(WindowTest, ChartAtTheStartValues) {
    const Real xmax = 1 * FQuantile(0.0001L, 1, 3000);
    const auto& points = Curve()->Points();
    ASSERT_GT(Curve()->Count(), 200);
    const std::size_t firstEven = points.size() - 200;
    EXPECT_DOUBLE_EQ(points[firstEven].X, double(xmax / 200));
    EXPECT_DOUBLE_EQ(points.back().X, double(xmax));
    // The left axis gets 5 per cent above the highest of the even samples,
    // the first; toward 0 the curve of df 1 leaves the plot at its top.
    EXPECT_DOUBLE_EQ(form->densityChart->LeftAxis().Maximum, double(1.05L * ChiSquarePdf(1, xmax / 200)));
    EXPECT_GT(points.front().Y, form->densityChart->LeftAxis().Maximum);
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].Y, 0.0001);
}

// The range follows the df: a value deep in the lower tail, or 0, does not
// stretch it (a cdf of 1e-300 once pushed it out to 1370 at df 1).
TEST_F(WindowTest, ASmallValueKeepsTheDfsRange) {
    const double range = double(FQuantile(0.0001L, 1, 3000));
    for (const char* cdf : {"0.00005", "0.000001"}) {
        Retype(form->cdfEdit, cdf);
        EXPECT_DOUBLE_EQ(Curve()->Points().back().X, range) << cdf;
    }
    Retype(form->valueEdit, "0");
    EXPECT_DOUBLE_EQ(Curve()->Points().back().X, range);
}

TEST_F(WindowTest, ValueBeyondTheRangeWidensIt) {
    Retype(form->valueEdit, "900");
    EXPECT_DOUBLE_EQ(Curve()->Points().back().X, 922.5);
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].X, 900);
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].Y, 0.0001);
    EXPECT_EQ(Marker()->Count(), 1);
}

TEST_F(WindowTest, ValueFrozenWithAnEmptiedValue) {
    // The emptied value is still being typed when an arrow changes df: the
    // df change commits it first, so it comes back and the chain has a value.
    QTest::mouseClick(form->keepValueBox, Qt::LeftButton, {}, QPoint(7, 7));  // value frozen
    Retype(form->valueEdit, "5");
    Retype(form->valueEdit, "");
    QTest::mouseClick(form->dfSpinEdit->SpinButton()->UpArrow(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(form->valueEdit->text(), "5");
    EXPECT_EQ(form->cdfEdit->text(), Fixed(ChiSquareCdf(2, 5)));
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].X, 5);
    EXPECT_TRUE(NewMessages().empty());
}

// The filled polygon: up from the axis at the marker's x, along the
// curve's pixels, down to the axis at the curve's end.
TEST_F(WindowTest, ShadedTailGeometry) {
    form->dfSpinEdit->SetValue(4);
    Retype(form->valueEdit, "3");
    const ChartLayout layout = form->densityChart->Layout();
    const QPolygonF area = ToQt(layout.series[2].area);
    const AxisLayout& b = layout.bottom;
    const AxisLayout& l = layout.left;
    auto px = [&](double x) { return ValueToPosition(x, b.axisMin, b.axisRange, b.startPixel, b.endPixel, true); };
    auto py = [&](double y) { return ValueToPosition(y, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false); };
    ASSERT_GE(area.size(), 4);
    const double base = py(0);
    EXPECT_EQ(area.front(), QPointF(px(Marker()->Points()[0].X), base));
    EXPECT_EQ(area[1], QPointF(px(3), py(double(ChiSquarePdf(4, 3)))));
    EXPECT_EQ(area.back(), QPointF(px(Curve()->Points().back().X), base));
    // Every vertex between is one of the curve's points right of the marker.
    int matched = 0;
    for (int i = 2; i < area.size() - 1; ++i)
        for (const auto& p : Curve()->Points())
            if (p.X > 3 && area[i] == QPointF(px(p.X), py(p.Y))) {
                ++matched;
                break;
            }
    EXPECT_EQ(matched, area.size() - 3);
    EXPECT_EQ(form->densityChart->toolTip(), "Shaded: upper tail P(X > x) = " + Fixed(1 - ChiSquareCdf(4, 3)));
}

TEST_F(WindowTest, ChartPaintsInsideItsPanel) {
    QImage image(form->densityChart->size(), QImage::Format_RGB32);
    form->densityChart->render(&image);
    // The marker's red somewhere on the bottom axis, the curve's yellow above.
    int red = 0, yellow = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            red += image.pixelColor(x, y) == QColor(255, 0, 0);
            yellow += image.pixelColor(x, y) == QColor(255, 255, 0);
        }
    EXPECT_GE(red, 10);  // the triangle's inside, less its outline
    EXPECT_GT(yellow, 100);
}

TEST_F(WindowTest, HelpWindow) {
    EXPECT_FALSE(help->isVisible());
    QTest::mouseClick(form->helpButton, Qt::LeftButton);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), " Zu  Tarvik");
    const QStringList lines = help->helpText->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 14);
    EXPECT_EQ(lines[0], QString(59, ' ') + "Welcome to Tarvik by Osterby !");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[3], "  * the cumulative distribution function (cdf, aka lower tail probability) and upper tail probability");
    EXPECT_EQ(lines[11], "If in doubt, just try it! ");
    EXPECT_EQ(lines[12], "");
    EXPECT_TRUE(help->helpText->isReadOnly());
    // Typing changes nothing.
    const QString before = help->helpText->toPlainText();
    help->helpText->setFocus();
    QTest::keyClicks(help->helpText, "xyz");
    QTest::keyClick(help->helpText, Qt::Key_Backspace);
    EXPECT_EQ(help->helpText->toPlainText(), before);
    // A second click brings it to the front again; the calculator is untouched.
    form->activateWindow();
    QTest::mouseClick(form->helpButton, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(help.get()));
    EXPECT_EQ(form->valueEdit->text(), "3.841459");
}

}  // namespace
}  // namespace tarvik::test
