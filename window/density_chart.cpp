// The density chart's refresh: the core's curve, marker and shaded tail
// handed to the chart engine. The series are refilled only from a complete
// computation, so a failed one leaves the previous picture.
#include "calc/density_plot.h"
#include "chart/chart.h"
#include "core/number_text.h"
#include "chart/density_chart_config.h"
#include "window/calculator_window.h"

namespace tarvik {

// Six decimals, and six significant digits where those show nothing (a
// p-value of 2.5e-10 reads 0.000000 otherwise).
QString ProbabilityText(Real p) {
    QString text = QString::fromStdString(FormatFixed(p));
    if (p > 0 && p < 0.0001_r) text += " (" + QString::fromStdString(FormatScientific(p, 6)) + ")";
    return text;
}

void ShowDensityChart(Chart& chart, const DensityPlot& d) {
    chart.SetPoints(kCurveSeries, d.Curve);
    chart.SetPoints(kMarkerSeries, std::vector<PlotPoint>{d.Marker});
    chart.SetPoints(kTailSeries, d.Tail);
    chart.LeftAxis().Maximum = d.LeftAxisMaximum;  // read at the one repaint the points asked for
    const QString tail = ProbabilityText(d.TailProbability);
    chart.setToolTip(CalculatorWindow::tr("Shaded: upper tail P(X > x) = %1").arg(tail));
    chart.setAccessibleDescription(CalculatorWindow::tr("Chi-square density, shaded upper tail P(X > x) = %1").arg(tail));
}

// The chart's description states what it shows, for a screen reader.
void CalculatorWindow::ShowChart(const DensityPlot& chart) {
    ShowDensityChart(*densityChart, chart);
    const Results r = calc_.CurrentResults();
    auto fixed = [](Real v) { return QString::fromStdString(FormatFixed(v)); };
    densityChart->setAccessibleDescription(tr("Chi-square density for df %1 at x = %2, P(X<=x) = %3; shaded upper tail P(X > x) = %4")
                                         .arg(qlonglong(r.df))
                                         .arg(fixed(r.value), ProbabilityText(r.cdf), ProbabilityText(chart.TailProbability)));
}

}  // namespace tarvik
