#pragma once
// The density chart's fixed look: gradient teal to aqua, clear back wall,
// margins, the two axes, the yellow curve series and the red triangle marker;
// and the chart filled with the core's picture, for the calculator window
// and the command line's --export-chart alike.
#include <QString>

#include "core/real.h"

namespace tarvik {

class Chart;
struct DensityPlot;

// Configures a chart as the calculator's densityChart, with its empty series: the
// curve, the marker and the shaded upper tail.
void ConfigureDensityChart(Chart& chart);

inline constexpr int kCurveSeries = 0;
inline constexpr int kMarkerSeries = 1;
inline constexpr int kTailSeries = 2;

// Fills a chart configured so with the core's picture.
void ShowDensityChart(Chart& chart, const DensityPlot& d);
// A probability for the chart's tooltip and description: six decimals, and
// six significant digits beside them where the decimals show nothing.
QString ProbabilityText(Real p);

}  // namespace tarvik
