// The density chart's refresh: the core's curve and marker handed to the
// chart engine. The series are refilled only from a complete computation,
// so a failed one leaves the previous picture.
#include "calc/density_chart.h"
#include "chart/chart.h"
#include "window/form1.h"

namespace tarvik {

void TForm1::ShowChart(const TDensityChart& chart) {
    for (int i = 0; i < Chart1->SeriesCount(); ++i) Chart1->ClearSeries(i);
    const TColor curveColor = Chart1->Series(0)->SeriesColor;
    for (const TDensityPoint& p : chart.Curve) Chart1->AddXY(0, p.X, p.Y, curveColor);
    Chart1->AddXY(1, chart.Marker.X, chart.Marker.Y, Chart1->Series(1)->SeriesColor);
    Chart1->LeftAxis().Maximum = chart.LeftAxisMaximum;
    Chart1->update();
}

}  // namespace tarvik
