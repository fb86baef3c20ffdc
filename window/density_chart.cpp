// The density chart's refresh: the core's curve, marker and shaded tail
// handed to the chart engine. The series are refilled only from a complete
// computation, so a failed one leaves the previous picture.
#include "calc/density_chart.h"
#include "chart/chart.h"
#include "core/number_text.h"
#include "window/density_chart_config.h"
#include "window/form1.h"

namespace tarvik {

void ShowDensityChart(TChart& chart, const TDensityChart& d) {
    for (int i = 0; i < chart.SeriesCount(); ++i) chart.ClearSeries(i);
    auto fill = [&](int series, const std::vector<TDensityPoint>& points) {
        const TColor color = chart.Series(series)->SeriesColor;
        for (const TDensityPoint& p : points) chart.AddXY(series, p.X, p.Y, color);
    };
    fill(kCurveSeries, d.Curve);
    fill(kMarkerSeries, {d.Marker});
    fill(kTailSeries, d.Tail);
    chart.LeftAxis().Maximum = d.LeftAxisMaximum;
    const QString tail = QString::fromStdString(FormatFixed(d.TailProbability));
    chart.setToolTip("Shaded: upper tail P(X > x) = " + tail);
    chart.setAccessibleDescription("Chi-square density, shaded upper tail P(X > x) = " + tail);
    chart.update();
}

void TForm1::ShowChart(const TDensityChart& chart) { ShowDensityChart(*Chart1, chart); }

}  // namespace tarvik
