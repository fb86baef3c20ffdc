#pragma once
// The density chart's fixed look: gradient teal to aqua, clear back wall,
// margins, the two axes, the yellow curve series, the red triangle marker
// and the shaded upper tail; and the model filled with the core's picture.
// The calculator window, the command line's --export-chart and the
// browser's page all draw this one model.
#include <string>

#include "calc/density_plot.h"
#include "plot/chart_model.h"

namespace tarvik {

inline constexpr int kCurveSeries = 0;
inline constexpr int kMarkerSeries = 1;
inline constexpr int kTailSeries = 2;

// Sets the look and adds the three empty series.
void ConfigureDensityModel(ChartModel& model);
// Fills a model configured so with the core's picture. A point that is not
// finite has no place on an axis: it refuses the whole picture (EInvalidOp)
// and leaves the model as it was.
void FillDensityModel(ChartModel& model, const DensityPlot& d);
// A probability for the chart's tooltip and description: six decimals, and
// six significant digits beside them where the decimals show nothing.
std::string ProbabilityText(Real p);

}  // namespace tarvik
