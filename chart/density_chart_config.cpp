#include "chart/density_chart_config.h"

#include <QCoreApplication>

#include "chart/chart.h"
#include "plot/density_chart_model.h"

namespace tarvik {

void ConfigureDensityChart(Chart& chart) { ConfigureDensityModel(chart.Model()); }

// The texts keep the calculator window's context: the command line's
// chart says what the window's does, in the same translation.
void ShowDensityChart(Chart& chart, const DensityPlot& d) {
    FillDensityModel(chart.Model(), d);
    chart.update();
    const QString tail = QString::fromStdString(ProbabilityText(d.TailProbability));
    chart.setToolTip(QCoreApplication::translate("CalculatorWindow", "Shaded: upper tail P(X > x) = %1").arg(tail));
    chart.setAccessibleDescription(
        QCoreApplication::translate("CalculatorWindow", "Chi-square density, shaded upper tail P(X > x) = %1").arg(tail));
}

}  // namespace tarvik
