#include "plot/density_chart_model.h"

#include "core/number_text.h"

namespace tarvik {

namespace {

constexpr int kLabelRoom = 100;  // per cent of a label's height or width

}  // namespace

void ConfigureDensityModel(ChartModel& m) {
    m.MarginLeft = 5;
    m.MarginTop = 5;
    m.MarginRight = 2;
    m.MarginBottom = 5;
    m.BorderWidth = 0;  // no outer bevel
    m.Gradient = {true, true, kTeal, kAqua};
    m.Color = Rgb{0, 128, 192};  // set, but hidden behind the gradient
    m.BackWall.BrushColor = kWhite;
    m.BackWall.BrushClear = true;

    ChartAxis& bottom = m.BottomAxis;
    bottom.Automatic = false;
    bottom.AutomaticMinimum = false;
    bottom.AutomaticMaximum = true;
    bottom.Minimum = 0;
    bottom.Grid.Visible = false;
    bottom.Ticks.Color = Rgb{64, 64, 64};
    // Labels keep a label's own size of free space between them: the step
    // follows the room, from the window's minimum to a 4K screen.
    bottom.LabelsSeparation = kLabelRoom;

    ChartAxis& left = m.LeftAxis;
    left.SetMinMax(0, 0.1);
    left.AxisValuesFormat = "#,###.00#";
    left.MinorTickCount = 1;
    left.Grid.Visible = false;
    left.Ticks.Color = Rgb{64, 64, 64};
    left.LabelsSeparation = kLabelRoom;

    m.RightAxis.Visible = false;
    m.TopAxis.Visible = false;

    auto* curve = m.AddSeries<LineSeries>();
    curve->Name = "curve";
    curve->Title = "PDF";
    curve->SeriesColor = kYellow;
    curve->LinePen = {kYellow, 2, true, false};
    // A one-pixel dark edge: yellow alone stands at 1.2:1 on the aqua top
    // of the panel, the edge at 15:1 there; on the teal bottom the yellow
    // carries the contrast.
    curve->OutlinePen = {kBlack, 1, true, false};

    auto* marker = m.AddSeries<PointSeries>();
    marker->Name = "marker";
    marker->Title = "Value";
    marker->SeriesColor = kRed;
    marker->Pointer.Visible = true;
    marker->Pointer.InflateMargins = true;
    marker->Pointer.Style = PointerStyle::Triangle;

    // Beneath the curve and the marker: navy at 65 per cent transparency
    // darkens the panel enough to read as a region, and leaves the yellow
    // curve and the red marker as they are.
    auto* tail = m.AddSeries<AreaSeries>();
    tail->Name = "tail";
    tail->Title = "Upper tail";
    tail->SeriesColor = Rgb{0, 0, 128};
    tail->Transparency = 65;
}

void FillDensityModel(ChartModel& m, const DensityPlot& d) {
    const std::vector<PlotPoint> marker{d.Marker};
    // All three checked before any is set: the picture is whole or not at all.
    for (const auto* points : {&d.Curve, &marker, &d.Tail}) ChartModel::RequireFinite(*points);
    m.SetPoints(kCurveSeries, d.Curve);
    m.SetPoints(kMarkerSeries, marker);
    m.SetPoints(kTailSeries, d.Tail);
    m.LeftAxis.Maximum = d.LeftAxisMaximum;
}

// Six decimals, and six significant digits where those show nothing (a
// p-value of 2.5e-10 reads 0.000000 otherwise).
std::string ProbabilityText(Real p) {
    std::string text = FormatFixed(p);
    if (p > 0 && p < 0.0001_r) text += " (" + FormatScientific(p, 6) + ")";
    return text;
}

}  // namespace tarvik
