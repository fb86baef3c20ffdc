#pragma once
// The computations behind a results line, shared by the window's core and
// the command line: the results at a value, and at a probability given on
// either tail, its complement exact from the decimal text.
#include <string>

#include "calc/calculator.h"
#include "core/format_settings.h"

namespace tarvik {

struct ExactTails {
    Real cdf, upper;
};

// The tail a text gives, read from it, and the other from its exact decimal
// complement (1 - 0.999999 is 0.000001, not a Real's rounding of it). The
// text must read as a number in [0, 1]; EConvertError otherwise.
ExactTails TailsOfText(const std::string& text, Field tail, const FormatSettings& fs = CurrentFormatSettings());

// The value with these tails, solved on the smaller one.
Real QuantileOfTails(Real df, const ExactTails& tails);

// The density at x, or the flag that it has no finite value (df below 2 at 0).
void DensityAt(Real df, Real x, Real& density, bool& unbounded);

Results ResultsAtValue(Real df, Real x);
Results ResultsAtTails(Real df, const ExactTails& tails);

// P(a < X <= b) for a <= b, to its full relative precision: from the
// lower tails, the upper tails, or both, whichever does not cancel.
Real ProbabilityBetween(Real df, Real a, Real b);

}  // namespace tarvik
