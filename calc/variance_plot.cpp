#include "calc/variance_plot.h"

#include <algorithm>

#include "core/checked_math.h"
#include "math/distributions.h"

namespace tarvik {

VariancePlot ComputeVariancePlot(const VarianceQuestion& q, const VarianceAnswer& a) {
    VariancePlot plot;
    const Real half = q.level.upper / 2;
    plot.lowerCut = ChiSquareQuantile(a.df, half);
    plot.upperCut = ChiSquareUpperQuantile(a.df, half);
    // The range the density chart fits to the df, widened to the upper
    // cut-off and the statistic where they lie beyond it.
    const Real rightmost = q.hasNullVariance ? std::max(plot.upperCut, a.chiSquare) : plot.upperCut;
    const DensityPlot curve = ComputeDensityPlot(a.df, rightmost);
    plot.density = curve.Curve;
    plot.xMaximum = plot.density.empty() ? 1 : plot.density.back().X;
    plot.yMaximum = curve.LeftAxisMaximum;
    const auto at = [&](Real x) { return PlotPoint{checked::ToDouble(x), std::min(checked::ToDouble(ChiSquarePdf(a.df, x)), plot.yMaximum)}; };
    const double low = checked::ToDouble(plot.lowerCut), high = checked::ToDouble(plot.upperCut);
    // Each region's edge is cut exactly at its cut-off and held inside the
    // plot, where a density of df 1 runs off its top.
    for (const PlotPoint& p : plot.density)
        if (p.X < low) plot.lowerRegion.push_back({p.X, std::min(p.Y, plot.yMaximum)});
    plot.lowerRegion.push_back(at(plot.lowerCut));
    plot.upperRegion.push_back(at(plot.upperCut));
    for (const PlotPoint& p : plot.density)
        if (p.X > high) plot.upperRegion.push_back(p);
    plot.lowerCutLine = {{low, 0}, {low, plot.yMaximum}};
    plot.upperCutLine = {{high, 0}, {high, plot.yMaximum}};
    if (q.hasNullVariance) {
        const double s = checked::ToDouble(a.chiSquare);
        plot.statisticLine = {{s, 0}, {s, plot.yMaximum}};
    }
    return plot;
}

}  // namespace tarvik
