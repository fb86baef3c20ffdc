#include "calc/density_plot.h"

#include <algorithm>

#include "core/checked_math.h"
#include "math/distributions.h"

namespace tarvik {

namespace {
const Real kRangeTail = 0.0001_r;
const Real kWidening = 1.025_r;
const Real kHeadroom = 1.05_r;
}  // namespace

DensityPlot ComputeDensityPlot(Real df, Real cdf, Real value) {
    const Real tail = cdf <= kRangeTail ? cdf : kRangeTail;
    Real xmax = df * FQuantile(tail, df, kRangeDenominatorDf);
    if (value > xmax) xmax = kWidening * value;

    DensityPlot chart;
    chart.Curve.reserve(kDensitySamples);
    Real ymax = 0;
    // The density's denominator 2^(df/2) Gamma(df/2) is the same for all
    // points: formed once, with bit-identical densities.
    const ChiSquarePdfTerms terms = ChiSquarePdfPrepare(df);
    for (int i = 1; i <= kDensitySamples; ++i) {
        // The quotient first, so that the last point lies exactly at xmax.
        const Real x = (Real(i) / kDensitySamples) * xmax;
        const Real y = ChiSquarePdfWith(terms, x);
        chart.Curve.push_back({checked::ToDouble(x), checked::ToDouble(y)});
        if (y > ymax) ymax = y;
    }
    // The marker's height does not count toward the axis maximum.
    chart.Marker = {checked::ToDouble(value), kMarkerHeight};
    chart.LeftAxisMaximum = checked::ToDouble(kHeadroom * ymax);

    // The tail starts on the curve exactly at the value, then follows the
    // curve's own points, so its top edge is the drawn curve.
    // Near 0 the density of df 1 grows past any axis (4e499 at 1e-1000): its
    // edge is drawn from the top of the plot, where the rest is clipped.
    const Real atValue = std::min<Real>(ChiSquarePdfWith(terms, value), Real(chart.LeftAxisMaximum));
    chart.Tail.push_back({checked::ToDouble(value), checked::ToDouble(atValue)});
    for (const PlotPoint& p : chart.Curve)
        if (p.X > chart.Tail.front().X) chart.Tail.push_back(p);
    chart.TailProbability = ChiSquareUpperTail(df, value);
    return chart;
}

}  // namespace tarvik
