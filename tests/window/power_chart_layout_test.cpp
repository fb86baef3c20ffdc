// The power window's two charts keep the density chart's label rule, from
// the window's smallest chart to a picture for a paper, over the questions
// a study plan asks: small to large effects, df 1 (whose density rises
// without bound at 0) to 1000, answers N from a handful to tens of thousands.
#include <gtest/gtest.h>

#include <QSize>
#include <string>

#include "calc/power_analysis.h"
#include "calc/power_plot.h"
#include "chart/chart.h"
#include "tests/support/fixed_metrics.h"
#include "tests/support/format_settings_cases.h"
#include "tests/support/label_rule.h"
#include "window/power_charts.h"

namespace tarvik::test {
namespace {

TEST(PowerChartLayout, FourToTenLabelsOnOneTwoFiveStepsInsideThePicture) {
    const QSize sizes[] = {{180, 150}, {275, 240}, {640, 480}, {1600, 1000}, {4000, 4000}};
    const FixedMetrics metrics;
    for (const int df : {1, 2, 4, 12, 100, 1000})
        for (const double w : {0.05, 0.1, 0.3, 0.5, 1.0}) {
            const PowerAnswer answer =
                SolvePower({PowerField::SampleSize, Real(df), Real(w), Real(0.05), Real(0.8), 0});
            for (const QSize size : sizes) {
                SCOPED_TRACE("df " + std::to_string(df) + " w " + std::to_string(w) + " at " +
                             std::to_string(size.width()) + "x" + std::to_string(size.height()));
                Chart hypotheses;
                ConfigureHypothesesChart(hypotheses);
                ShowHypotheses(hypotheses, ComputeHypothesesPlot(answer.df, answer.lambda, answer.critical));
                ExpectLabelRule(ComputeChartLayout(hypotheses.Model(), size.width(), size.height(), metrics, kPoint),
                                size, metrics);
                for (const PowerCurveAxis axis : {PowerCurveAxis::SampleSize, PowerCurveAxis::EffectSize}) {
                    SCOPED_TRACE(axis == PowerCurveAxis::SampleSize ? "power against N" : "power against w");
                    Chart curve;
                    ConfigurePowerCurveChart(curve);
                    ShowPowerCurve(curve, ComputePowerCurve(answer, axis));
                    ExpectLabelRule(ComputeChartLayout(curve.Model(), size.width(), size.height(), metrics, kPoint),
                                    size, metrics);
                }
            }
        }
}

}  // namespace
}  // namespace tarvik::test
