#include "chart/density_chart_config.h"

#include <QCoreApplication>

#include "calc/density_plot.h"
#include "chart/chart.h"
#include "core/number_text.h"

namespace tarvik {

namespace {
constexpr int kLabelRoom = 100;  // per cent of a label's height or width
}  // namespace

void ConfigureDensityChart(Chart& chart) {
    ChartModel& m = chart.Model();
    m.MarginLeft = 5;
    m.MarginTop = 5;
    m.MarginRight = 2;
    m.MarginBottom = 5;
    m.BorderWidth = 0;  // no outer bevel
    m.Gradient = {true, true, kTeal, kAqua};
    m.Color = QColor(0, 128, 192);  // set, but hidden behind the gradient
    m.BackWall.BrushColor = kWhite;
    m.BackWall.BrushClear = true;

    ChartAxis& bottom = chart.BottomAxis();
    bottom.Automatic = false;
    bottom.AutomaticMinimum = false;
    bottom.AutomaticMaximum = true;
    bottom.Minimum = 0;
    bottom.Grid.Visible = false;
    bottom.Ticks.Color = QColor(64, 64, 64);
    // Labels keep a label's own size of free space between them: the step
    // follows the room, from the window's minimum to a 4K screen.
    bottom.LabelsSeparation = kLabelRoom;

    ChartAxis& left = chart.LeftAxis();
    left.SetMinMax(0, 0.1);
    left.AxisValuesFormat = "#,###.00#";
    left.MinorTickCount = 1;
    left.Grid.Visible = false;
    left.Ticks.Color = QColor(64, 64, 64);
    left.LabelsSeparation = kLabelRoom;

    chart.RightAxis().Visible = false;
    chart.TopAxis().Visible = false;

    auto* curve = chart.AddSeries<LineSeries>();
    curve->Name = "curve";
    curve->Title = "PDF";
    curve->SeriesColor = kYellow;
    curve->LinePen = {kYellow, 2, true, false};
    // A one-pixel dark edge: yellow alone stands at 1.2:1 on the aqua top
    // of the panel, the edge at 15:1 there; on the teal bottom the yellow
    // carries the contrast.
    curve->OutlinePen = {kBlack, 1, true, false};

    auto* marker = chart.AddSeries<PointSeries>();
    marker->Name = "marker";
    marker->Title = "Value";
    marker->SeriesColor = kRed;
    marker->Pointer.Visible = true;
    marker->Pointer.InflateMargins = true;
    marker->Pointer.Style = PointerStyle::Triangle;

    // Beneath the curve and the marker: navy at 65 per cent transparency
    // darkens the panel enough to read as a region, and leaves the yellow
    // curve and the red marker as they are.
    auto* tail = chart.AddSeries<AreaSeries>();
    tail->Name = "tail";
    tail->Title = "Upper tail";
    tail->SeriesColor = QColor(0, 0, 128);
    tail->Transparency = 65;
}

// Six decimals, and six significant digits where those show nothing (a
// p-value of 2.5e-10 reads 0.000000 otherwise).
QString ProbabilityText(Real p) {
    QString text = QString::fromStdString(FormatFixed(p));
    if (p > 0 && p < 0.0001_r) text += " (" + QString::fromStdString(FormatScientific(p, 6)) + ")";
    return text;
}

// The texts keep the calculator window's context: the command line's
// chart says what the window's does, in the same translation.
void ShowDensityChart(Chart& chart, const DensityPlot& d) {
    chart.SetPoints(kCurveSeries, d.Curve);
    chart.SetPoints(kMarkerSeries, std::vector<PlotPoint>{d.Marker});
    chart.SetPoints(kTailSeries, d.Tail);
    chart.LeftAxis().Maximum = d.LeftAxisMaximum;  // read at the one repaint the points asked for
    const QString tail = ProbabilityText(d.TailProbability);
    chart.setToolTip(QCoreApplication::translate("CalculatorWindow", "Shaded: upper tail P(X > x) = %1").arg(tail));
    chart.setAccessibleDescription(
        QCoreApplication::translate("CalculatorWindow", "Chi-square density, shaded upper tail P(X > x) = %1").arg(tail));
}

}  // namespace tarvik
