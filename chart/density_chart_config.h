#pragma once
// The density chart panel: the model's look (plot/density_chart_model.h)
// on a chart widget, and its picture with the tooltip and the description
// that say what is shaded.
namespace tarvik {

class Chart;
struct DensityPlot;

// Configures a chart as the calculator's densityChart, with its empty
// series: the curve, the marker and the shaded upper tail.
void ConfigureDensityChart(Chart& chart);
// Fills a chart configured so with the core's picture.
void ShowDensityChart(Chart& chart, const DensityPlot& d);

}  // namespace tarvik
