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
    std::vector<PlotPoint> Curve;  // kDensitySamples points, ascending x
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

// The curve at i/200 of the range for i = 1..200, the range ending where
// the upper tail is min(cdf, 0.0001) (widened to 1.025 x the value when the
// value lies beyond it), the marker at (value, 0.0001), and the left axis 5
// per cent above the highest density, and the upper tail's region and
// probability. Faults (a negative cdf reaching the F quantile's search) are
// exceptions.
DensityPlot ComputeDensityPlot(Real df, Real cdf, Real value);

}  // namespace tarvik
