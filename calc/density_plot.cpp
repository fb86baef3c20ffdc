#include "calc/density_plot.h"

#include <algorithm>

#include "calc/plot_frame.h"
#include "core/checked_math.h"
#include "math/distributions.h"

namespace tarvik {

namespace {
using plot_frame::kHeadroom;
using plot_frame::kRightEndTail;
const Real kWidening = 1.025_r;
// Halving steps toward 0 below the first even sample: 2^-16 of it is far
// below a pixel at any size the chart is drawn.
constexpr int kSteps = 16;
// Below df 2 the curve goes on toward 0 until it has left the plot.
const Real kAbovePlot = 2;

// The density's limit at 0: 1/2 for df 2, 0 above; none below df 2.
Real DensityAtZero(Real df) { return df == 2 ? 0.5_r : 0; }
}  // namespace

DensityPlot ComputeDensityPlot(Real df, Real value) { return ComputeDensityPlot(df, value, ChiSquareUpperTail(df, value)); }

DensityPlot ComputeDensityPlot(Real df, Real value, Real upperTail) {
    return DensityPlotOnCurve(ComputeDensityCurve(df, DensityRangeEnd(DensityRangeEnd(df), value)), df, value, upperTail);
}

// The range follows the df: where its upper tail is 0.0001, or just
// beyond a value that lies further out.
Real DensityRangeEnd(Real df) { return df * FQuantile(kRightEndTail, df, kRangeDenominatorDf); }
Real DensityRangeEnd(Real rangeEndOfDf, Real value) { return value > rangeEndOfDf ? kWidening * value : rangeEndOfDf; }

DensityCurve ComputeDensityCurve(Real df, Real xmax) {
    const ChiSquarePdfTerms terms = ChiSquarePdfPrepare(df);
    auto density = [&](Real x) { return x > 0 ? ChiSquarePdfWith(terms, x) : DensityAtZero(df); };

    std::vector<PlotPoint> even;
    even.reserve(kDensitySamples);
    Real ymax = 0;
    for (int i = 1; i <= kDensitySamples; ++i) {
        // The quotient first, so that the last point lies exactly at xmax.
        const Real x = (Real(i) / kDensitySamples) * xmax;
        const Real y = density(x);
        even.push_back({checked::ToDouble(x), checked::ToDouble(y)});
        ymax = std::max(ymax, y);
    }
    // Toward 0: halving steps below the first even sample.
    const bool unbounded = df < 2;
    std::vector<PlotPoint> nearZero;
    Real x = even.front().X;
    for (int k = 0; k < kSteps || (unbounded && nearZero.back().Y <= double(kAbovePlot * kHeadroom * ymax)); ++k) {
        x = x / 2;
        if (!(x > 0)) break;
        const Real y = density(x);
        if (!unbounded) ymax = std::max(ymax, y);
        nearZero.push_back({checked::ToDouble(x), checked::ToDouble(y)});
        if (unbounded && k >= kSteps && y > kAbovePlot * kHeadroom * ymax) break;
    }

    DensityCurve curve;
    curve.LeftAxisMaximum = checked::ToDouble(kHeadroom * std::max(ymax, DensityAtZero(df)));
    if (!unbounded) curve.Curve.push_back({0, checked::ToDouble(DensityAtZero(df))});
    curve.Curve.insert(curve.Curve.end(), nearZero.rbegin(), nearZero.rend());
    curve.Curve.insert(curve.Curve.end(), even.begin(), even.end());
    return curve;
}

DensityPlot DensityPlotOnCurve(const DensityCurve& curve, Real df, Real value, Real upperTail) {
    const bool unbounded = df < 2;
    DensityPlot chart;
    chart.Curve = curve.Curve;
    chart.LeftAxisMaximum = curve.LeftAxisMaximum;
    // The marker's height does not count toward the axis maximum.
    chart.Marker = {checked::ToDouble(value), kMarkerHeight};

    // The tail starts on the curve exactly at the value, then follows the
    // curve's own points, so its top edge is the drawn curve. Near 0 the
    // density of df 1 grows past any axis (4e499 at 1e-1000): its edge then
    // starts from the top of the plot.
    const Real top = Real(chart.LeftAxisMaximum);
    const Real atValue = value > 0 ? std::min(ChiSquarePdfWith(ChiSquarePdfPrepare(df), value), top)
                                   : (unbounded ? top : DensityAtZero(df));
    chart.Tail.push_back({checked::ToDouble(value), checked::ToDouble(atValue)});
    for (const PlotPoint& p : chart.Curve)
        if (p.X > chart.Tail.front().X) chart.Tail.push_back(p);
    chart.TailProbability = upperTail;
    return chart;
}

}  // namespace tarvik
