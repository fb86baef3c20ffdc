#pragma once
// What the variance window draws, as pure data: the chi-square density of
// n - 1 degrees of freedom with the interval's two cut-offs, the tails
// beyond them shaded (each (1 - level) / 2), and, given sigma0^2, the test's
// statistic (n - 1) s^2 / sigma0^2. The window hands it to the chart engine.
#include <vector>

#include "calc/density_plot.h"
#include "calc/variance_test.h"

namespace tarvik {

struct VariancePlot {
    std::vector<PlotPoint> density;                   // ascending x
    std::vector<PlotPoint> lowerRegion, upperRegion;  // under the density, beyond each cut-off
    std::vector<PlotPoint> lowerCutLine, upperCutLine, statisticLine;  // from the axis to the top
    double xMaximum = 0, yMaximum = 0;
    Real lowerCut = 0, upperCut = 0;  // the chi-square quantiles at each tail's (1 - level) / 2
};

VariancePlot ComputeVariancePlot(const VarianceQuestion& q, const VarianceAnswer& a);

}  // namespace tarvik
