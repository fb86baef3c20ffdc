#pragma once
// The axes' label steps as plain numbers: the 1-2-5 sequence, the step that
// keeps labels apart, 4 to 10 labels per axis, the values from the top down
// and the decimals a step needs.
#include <functional>
#include <string>
#include <vector>

namespace tarvik {

inline constexpr double kFewestLabels = 4, kMostLabels = 10;

// The label increment sequence 1, 2, 5, 10, 20, 50, ... scaled by powers of 10.
double NextStep(double s);
// The step before s in the same sequence.
double PreviousStep(double s);

// The labels a step shows: its multiples in [lo, hi].
double LabelCount(double inc, double lo, double hi);

// The label increment for an axis with the given range, pixel extent, label
// size and settings: the smallest 1-2-5 step whose labels do not overlap.
double ComputeLabelIncrement(double axisRange, int axisPixels, int labelSize, double increment,
                             int labelsSeparation);

// Whether the labels a step shows on an axis from lo to hi keep free
// between each pair of neighbours at least a quarter of the larger one's
// size: never touching, still reading as separate numbers.
using LabelsApart = std::function<bool(double inc, double lo, double hi)>;

// The step moved into 4 to 10 labels: coarser while more than 10 show,
// finer while fewer than 4 do and the finer labels are still apart.
double WithinLabelBounds(double inc, double lo, double hi, const LabelsApart& apart);

// Label values from the top down; empty when the axis would need 10000 or more.
std::vector<double> ComputeLabelValues(double axisMin, double axisMax, double inc,
                                       bool roundFirstLabel);

// The decimals a label needs so that it differs from its neighbours `inc`
// away: the pattern's own, or more where the step is finer ("#,###.00#" at
// a step of 0.0005 needs four).
int DecimalsForIncrement(double inc);
// The pattern widened, if need be, to that many required decimals.
std::string PatternForIncrement(const std::string& pattern, double inc);

}  // namespace tarvik
