#pragma once
// What the power window draws, as pure data: the two hypotheses' densities
// with the critical value, the alpha region under H0 right of it and the
// beta region under H1 left of it; and the power curve against N or w with
// the chosen point marked. The window hands both to the chart engine.
#include <vector>

#include "calc/density_plot.h"
#include "calc/power_analysis.h"

namespace tarvik {

struct HypothesesPlot {
    std::vector<PlotPoint> central, noncentral;  // H0 and H1, ascending x
    std::vector<PlotPoint> alphaRegion;          // under H0, from the critical value right
    std::vector<PlotPoint> betaRegion;           // under H1, from 0 to the critical value
    std::vector<PlotPoint> criticalLine;         // from the axis to the top of the plot
    double xMaximum = 0, yMaximum = 0;
};

inline constexpr int kHypothesesSamples = 200;
inline constexpr int kPowerCurveSamples = 100;

// Both densities at i/200 of a range from 0 to where each upper tail is
// 0.0001 (and past the critical value), their top 5 per cent above the
// higher density: below df 2, whose densities grow without bound at 0,
// the plot's top clips them.
HypothesesPlot ComputeHypothesesPlot(Real df, Real lambda, Real critical);

enum class PowerCurveAxis { SampleSize, EffectSize };

struct PowerCurve {
    std::vector<PlotPoint> points;  // ascending x, power from alpha up
    PlotPoint chosen;               // the answer's N (or w) and its power
    double xMaximum = 0;
};

// The power at 100 points from 0 to twice the answer's N (at least 10), or
// to twice its w, at the answer's alpha and the other one held.
PowerCurve ComputePowerCurve(const PowerAnswer& answer, PowerCurveAxis axis);

}  // namespace tarvik
