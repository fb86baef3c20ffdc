// The density chart's refresh and the help window.
#include <QTest>

#include "chart/chart_layout.h"

#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

TEST_F(WindowTest, ChartAtTheStartValues) {
    const Real xmax = 1 * FQuantile(0.0001L, 1, 3000);
    ASSERT_EQ(Curve()->Count(), 200);
    EXPECT_DOUBLE_EQ(Curve()->Points().front().X, double(xmax / 200));
    EXPECT_DOUBLE_EQ(Curve()->Points().back().X, double(xmax));
    // The first point is the highest; the left axis gets 5 per cent above it.
    const double first = Curve()->Points().front().Y;
    EXPECT_DOUBLE_EQ(first, double(ChiSquarePdf(1, xmax / 200)));
    EXPECT_DOUBLE_EQ(form->densityChart->LeftAxis().Maximum, double(1.05L * ChiSquarePdf(1, xmax / 200)));
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].Y, 0.0001);
}

TEST_F(WindowTest, SmallCdfReachesFurther) {
    Retype(form->cdfEdit, "0.00005");
    const Real df = 1;
    EXPECT_DOUBLE_EQ(Curve()->Points().back().X, double(df * FQuantile(0.00005L, df, 3000)));
    EXPECT_GT(Curve()->Points().back().X, double(FQuantile(0.0001L, 1, 3000)));
}

TEST_F(WindowTest, ValueBeyondTheRangeWidensIt) {
    Retype(form->valueEdit, "900");
    EXPECT_DOUBLE_EQ(Curve()->Points().back().X, 922.5);
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].X, 900);
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].Y, 0.0001);
    EXPECT_EQ(Curve()->Count(), 200);
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
    const QPolygon& area = layout.series[2].area;
    const AxisLayout& b = layout.bottom;
    const AxisLayout& l = layout.left;
    auto px = [&](double x) { return ValueToPixel(x, b.axisMin, b.axisRange, b.startPixel, b.endPixel, true); };
    auto py = [&](double y) { return ValueToPixel(y, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false); };
    ASSERT_GE(area.size(), 4);
    const int base = py(0);
    EXPECT_EQ(area.front(), QPoint(px(Marker()->Points()[0].X), base));
    EXPECT_EQ(area[1], QPoint(px(3), py(double(ChiSquarePdf(4, 3)))));
    EXPECT_EQ(area.back(), QPoint(px(Curve()->Points().back().X), base));
    // Every vertex between is one of the curve's points right of the marker.
    int matched = 0;
    for (int i = 2; i < area.size() - 1; ++i)
        for (const auto& p : Curve()->Points())
            if (p.X > 3 && area[i] == QPoint(px(p.X), py(p.Y))) {
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
    EXPECT_GT(red, 10);
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
