// The calculator's density chart refreshed: the core's curve, marker and
// shaded tail handed to the chart (chart/density_chart_config), and its
// description for a screen reader. The series are refilled only from a
// complete computation, so a failed one leaves the previous picture.
#include "calc/density_plot.h"
#include "chart/chart.h"
#include "core/number_text.h"
#include "chart/density_chart_config.h"
#include "plot/density_chart_model.h"
#include "window/calculator_window.h"

namespace tarvik {

// The chart's description states what it shows, for a screen reader.
void CalculatorWindow::ShowChart(const DensityPlot& chart) {
    ShowDensityChart(*densityChart, chart);
    const Results r = calc_.CurrentResults();
    auto fixed = [](Real v) { return QString::fromStdString(FormatFixed(v)); };
    auto probability = [](Real p) { return QString::fromStdString(ProbabilityText(p)); };
    densityChart->setAccessibleDescription(tr("Chi-square density for df %1 at x = %2, P(X<=x) = %3; shaded upper tail P(X > x) = %4")
                                         .arg(qlonglong(r.df))
                                         .arg(fixed(r.value), probability(r.cdf), probability(chart.TailProbability)));
}

}  // namespace tarvik
