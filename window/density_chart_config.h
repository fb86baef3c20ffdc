#pragma once
// The density chart's fixed look: gradient teal to aqua, clear back wall,
// margins, the two axes, the yellow curve series and the red triangle marker.
namespace tarvik {

class TChart;

// Configures a chart as the calculator's Chart1, with its two empty series.
void ConfigureDensityChart(TChart& chart);

}  // namespace tarvik
