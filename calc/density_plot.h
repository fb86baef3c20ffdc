#pragma once
// What the density chart shows: the chi-square density over a range fitted
// to the distribution, and the marker at the value. Pure data; the window
// hands it to the chart engine.
#include <vector>

#include "core/real.h"
#include "math/constants.h"

namespace tarvik {

struct PlotPoint {
    double X, Y;
};

struct DensityPlot {
    std::vector<PlotPoint> Curve;  // ascending x; the last kDensitySamples evenly spaced
    PlotPoint Marker;
    double LeftAxisMaximum;
    // The upper tail under the curve, right of the marker (the p-value
    // region): from (value, density at value) along the curve to its end.
    std::vector<PlotPoint> Tail;
    Real TailProbability;  // P(X > value), the shaded area, to its last digit
};

inline constexpr int kDensitySamples = 200;
inline constexpr double kMarkerHeight = 0.0001;
// The chart's range comes from an F quantile with this denominator df.
inline const Real kRangeDenominatorDf = constants::kFDenominatorDf;

// The curve over a range fitted to the df: from 0 to where the upper tail
// is 0.0001 (widened to 1.025 x the value when the value lies beyond it),
// at i/200 of the range for i = 1..200 and, toward 0, at halving steps
// below the first of them, so that the bend at 0 is smooth at any size.
// The curve starts where the density does: at (0, 0) above df 2, at
// (0, 1/2) for df 2; below df 2 it comes down from above the plot, whose
// top (5 per cent above the highest density of the range) clips it. The
// marker at (value, 0.0001); the upper tail's region and probability.
DensityPlot ComputeDensityPlot(Real df, Real value);
// The same with the upper tail at the value already known (the calculator's
// value chain has just computed it).
DensityPlot ComputeDensityPlot(Real df, Real value, Real upperTail);

// The same in its two parts. The curve depends on the df and the range's
// end alone, and the range's end moves with the value only beyond the
// df's own end: a calculator keeps the curve while the value moves within
// it (some 220 densities and an F quantile an edit, in the software Real
// some milliseconds).
struct DensityCurve {
    std::vector<PlotPoint> Curve;
    double LeftAxisMaximum = 0;
};
// Where the df's upper tail is 0.0001.
Real DensityRangeEnd(Real df);
// The range's end for a value: the df's own, or just beyond the value.
Real DensityRangeEnd(Real rangeEndOfDf, Real value);
DensityCurve ComputeDensityCurve(Real df, Real rangeEnd);
// The curve with the marker at the value and the upper tail shaded.
DensityPlot DensityPlotOnCurve(const DensityCurve& curve, Real df, Real value, Real upperTail);

}  // namespace tarvik
