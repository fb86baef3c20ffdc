// The power window's two pictures: drawn from an answer, titled, saved
// and copied like the calculator's chart.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>

#include "chart/chart.h"
#include "platform/application.h"
#include "window/chart_file_dialog.h"
#include "window/power_charts.h"
#include "window/power_window.h"

namespace tarvik {

void PowerWindow::ShowCharts(const PowerAnswer& a) {
    ShowHypotheses(*hypothesesChart, ComputeHypothesesPlot(a.df, a.lambda, a.critical));
    const PowerCurveAxis axis = curveAxisBox->currentIndex() == 1 ? PowerCurveAxis::EffectSize : PowerCurveAxis::SampleSize;
    ShowPowerCurve(*curveChart, ComputePowerCurve(a, axis));
    hypothesesChart->setAccessibleDescription(
        tr("Central density under H0 and noncentral density under H1 with lambda %1; critical value %2; "
           "alpha %3 shaded under H0, beta %4 under H1")
            .arg(Number(a.lambda), Number(a.critical), Number(a.alpha), Number(1 - a.power)));
    curveChart->setAccessibleDescription(tr("Power against %1; the chosen point has power %2")
                                             .arg(axis == PowerCurveAxis::SampleSize ? "N" : "w", Number(a.power)));
}

QString PowerWindow::ChartTitle(const Chart& chart) const {
    if (!answer_) return {};
    const PowerAnswer& a = *answer_;
    return QString("%1df %2   w = %3   \u03B1 = %4   N = %5   %6 = %7")
        .arg(&chart == hypothesesChart ? tr("H0 and H1: ") : tr("Power curve: "))
        .arg(qlonglong(ToLongDouble(a.df)))
        .arg(Number(a.w), Number(a.alpha))
        .arg(qlonglong(ToLongDouble(a.n)))
        .arg(tr("power"), Number(a.power));
}

void PowerWindow::SaveChart(const Chart& chart, const QString& name) {
    ChartFileChoice choice;
    if (AskChartFile(this, name, choice)) SaveChartAsked(this, chart, choice, ChartTitle(chart));
}

void PowerWindow::SaveChartTo(const Chart& chart, const QString& path, int format, int scale) {
    SaveChartAsked(this, chart, {path, format == 1 ? ChartFormat::Svg : ChartFormat::Png, scale, false}, ChartTitle(chart));
}

void PowerWindow::CopyChart(const Chart& chart) {
    QGuiApplication::clipboard()->setImage(RenderChart(chart, ChartTitle(chart), chart.size()));
}

}  // namespace tarvik
