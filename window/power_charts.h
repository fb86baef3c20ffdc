#pragma once
// The power window's two charts: the hypotheses (H0's central density and
// H1's noncentral one, the critical value, alpha shaded under H0 and beta
// under H1) and the power curve. Drawn on white, so that they read under a
// dark theme and in print; H0 solid and dark, H1 dotted and light, the
// alpha region dark and the beta region light, so that they read in grey.
#include "calc/power_plot.h"
#include "platform/colors.h"

namespace tarvik {

class Chart;

void ConfigureHypothesesChart(Chart& chart);
void ShowHypotheses(Chart& chart, const HypothesesPlot& plot);

void ConfigurePowerCurveChart(Chart& chart);
void ShowPowerCurve(Chart& chart, const PowerCurve& curve);

// The colours, for the legends beside the charts.
// Luminance: the dark blue about 3 %, the orange about 27 %, on white 100 %.
inline constexpr Rgb kCentralColor{16, 32, 96};
inline constexpr Rgb kNoncentralColor{208, 112, 0};
inline constexpr Rgb kAlphaRegionColor{16, 32, 96};
inline constexpr Rgb kBetaRegionColor{240, 160, 64};

}  // namespace tarvik
