#include "calc/power_plot.h"

#include <algorithm>

#include "calc/plot_frame.h"
#include "core/checked_math.h"
#include "math/distributions.h"

namespace tarvik {

namespace {
using plot_frame::kHeadroom;
using plot_frame::kRightEndTail;

double D(Real v) { return checked::ToDouble(v); }

// The limit at 0 of the noncentral density: e^-mu / 2 for df 2, 0 above;
// below df 2 there is none, and the curve starts at its first sample.
bool HasLimitAtZero(Real df) { return df >= 2; }
Real LimitAtZero(Real df, Real lambda) { return df == 2 ? checked::Exp(-lambda / 2) / 2 : 0; }
}  // namespace

HypothesesPlot ComputeHypothesesPlot(Real df, Real lambda, Real critical) {
    const Real xmax = std::max({ChiSquareUpperQuantile(df, kRightEndTail),
                                NoncentralChiSquareUpperQuantile(df, lambda, kRightEndTail), critical * 1.05_r});
    HypothesesPlot plot;
    plot.xMaximum = D(xmax);
    if (HasLimitAtZero(df)) {
        plot.central.push_back({0, D(LimitAtZero(df, 0))});
        plot.noncentral.push_back({0, D(LimitAtZero(df, lambda))});
    }
    Real ymax = 0;
    for (int i = 1; i <= kHypothesesSamples; ++i) {
        const Real x = (Real(i) / kHypothesesSamples) * xmax;
        const Real f0 = ChiSquarePdf(df, x), f1 = NoncentralChiSquarePdf(df, lambda, x);
        plot.central.push_back({D(x), D(f0)});
        plot.noncentral.push_back({D(x), D(f1)});
        // Below df 2 both densities rise without bound toward 0: the plot's
        // top follows them from 5 per cent of the range on, and clips the rest.
        if (HasLimitAtZero(df) || i >= kHypothesesSamples / 20) ymax = std::max({ymax, f0, f1});
    }
    if (HasLimitAtZero(df)) ymax = std::max(ymax, LimitAtZero(df, 0));
    plot.yMaximum = D(kHeadroom * ymax);

    // Each region's edge is its own curve, cut exactly at the critical
    // value and held inside the plot, where a density of df 1 runs off it.
    const auto clipped = [&](Real y) { return std::min(D(y), plot.yMaximum); };
    const double c = D(critical);
    plot.alphaRegion.push_back({c, clipped(ChiSquarePdf(df, critical))});
    for (const PlotPoint& p : plot.central)
        if (p.X > c) plot.alphaRegion.push_back(p);
    for (const PlotPoint& p : plot.noncentral)
        if (p.X < c) plot.betaRegion.push_back({p.X, std::min(p.Y, plot.yMaximum)});
    plot.betaRegion.push_back({c, clipped(NoncentralChiSquarePdf(df, lambda, critical))});
    plot.criticalLine = {{c, 0}, {c, plot.yMaximum}};
    return plot;
}

PowerCurve ComputePowerCurve(const PowerAnswer& a, PowerCurveAxis axis) {
    PowerCurve curve;
    const bool bySize = axis == PowerCurveAxis::SampleSize;
    const Real end = bySize ? std::max<Real>(10, 2 * a.n) : 2 * a.w;
    curve.xMaximum = D(end);
    curve.points.push_back({0, D(a.alpha)});  // no observations, or no effect: power alpha
    for (int i = 1; i <= kPowerCurveSamples; ++i) {
        const Real at = (Real(i) / kPowerCurveSamples) * end;
        // The critical value is the answer's: one noncentral tail per point.
        const Real lambda = bySize ? at * a.w * a.w : a.n * at * at;
        const Real power = NoncentralChiSquareUpperTail(a.df, lambda, a.critical);
        curve.points.push_back({D(at), D(power)});
    }
    curve.chosen = {D(bySize ? a.n : a.w), D(a.power)};
    return curve;
}

}  // namespace tarvik
