#include "window/power_charts.h"

#include "chart/chart.h"
#include "window/plain_chart.h"

namespace tarvik {

namespace {
enum HypothesesSeries { kAlphaRegion, kBetaRegion, kCentral, kNoncentral, kCriticalLine };
enum CurveSeries { kCurve, kChosen };

}  // namespace

void ConfigureHypothesesChart(Chart& chart) {
    ConfigurePlain(chart);
    chart.LeftAxis().AxisValuesFormat = "#,##0.00#";
    Add<AreaSeries>(chart, "alpha", kAlphaRegionColor)->Transparency = 45;
    Add<AreaSeries>(chart, "beta", kBetaRegionColor)->Transparency = 45;
    Add<LineSeries>(chart, "H0", kCentralColor)->LinePen = {kCentralColor, 2, true, false};
    Add<LineSeries>(chart, "H1", kNoncentralColor)->LinePen = {kNoncentralColor, 2, true, true};
    Add<LineSeries>(chart, "critical", kBlack)->LinePen = {kBlack, 1, true, false};
}

void ShowHypotheses(Chart& chart, const HypothesesPlot& plot) {
    chart.SetPoints(kAlphaRegion, plot.alphaRegion);
    chart.SetPoints(kBetaRegion, plot.betaRegion);
    chart.SetPoints(kCentral, plot.central);
    chart.SetPoints(kNoncentral, plot.noncentral);
    chart.SetPoints(kCriticalLine, plot.criticalLine);
    chart.BottomAxis().SetMinMax(0, plot.xMaximum);
    chart.LeftAxis().SetMinMax(0, plot.yMaximum);
    chart.update();
}

void ConfigurePowerCurveChart(Chart& chart) {
    ConfigurePlain(chart);
    chart.LeftAxis().AxisValuesFormat = "0.0#";
    chart.LeftAxis().Increment = 0.1;  // tenths at least: a power reads in per cents
    Add<LineSeries>(chart, "power", kCentralColor)->LinePen = {kCentralColor, 2, true, false};
    auto* chosen = Add<PointSeries>(chart, "chosen", kRed);
    chosen->Pointer.Visible = true;
    chosen->Pointer.Style = PointerStyle::Circle;
    chosen->Pointer.InflateMargins = true;
}

void ShowPowerCurve(Chart& chart, const PowerCurve& curve) {
    chart.SetPoints(kCurve, curve.points);
    chart.SetPoints(kChosen, std::vector<PlotPoint>{curve.chosen});
    chart.BottomAxis().SetMinMax(0, curve.xMaximum);
    chart.LeftAxis().SetMinMax(0, 1);
    chart.update();
}

}  // namespace tarvik
