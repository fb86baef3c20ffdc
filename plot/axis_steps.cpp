#include "plot/axis_steps.h"

#include <algorithm>
#include <cmath>

#include "plot/round_even.h"

namespace tarvik {

namespace {

constexpr double kTinyIncrement = 1e-12;
constexpr double kLabelLimit = 10000;
constexpr int kIncrementSearchLimit = 4000;

}  // namespace

double NextStep(double s) {
    if (!(s > 0) || !std::isfinite(s)) return kTinyIncrement;
    // s = m * 10^e with m in [1, 10), then 1 -> 2 -> 5 -> 10. Done on the
    // decade directly: the recursive scaling by ten drifts (1e-12 * 10^12 is
    // 0.99999..., which would step back to 1e-12 instead of 2e-12).
    constexpr double kSlack = 1e-9;
    double p = std::pow(10.0, std::floor(std::log10(s)));
    double m = s / p;
    if (m >= 10 * (1 - kSlack)) m /= 10, p *= 10;
    if (m < 1 - kSlack) m *= 10, p /= 10;
    if (m < 2 * (1 - kSlack)) return 2 * p;
    if (m < 5 * (1 - kSlack)) return 5 * p;
    return 10 * p;
}

double PreviousStep(double s) {
    const double p = std::pow(10.0, std::floor(std::log10(s) + 1e-9));
    const double m = s / p;
    if (m > 4) return 2 * p;
    if (m > 1.5) return p;
    return 5 * p / 10;
}

double LabelCount(double inc, double lo, double hi) {
    constexpr double kSlack = 1e-9;
    return std::floor(hi / inc + kSlack) - std::ceil(lo / inc - kSlack) + 1;
}

// 4 to 10 labels on every axis, as matplotlib's, ggplot2's and gnuplot's
// axes give: the rule above only keeps labels apart, and leaves 40 of them
// on a large picture and 2 on a tall density at df 1. A coarser 1-2-5 step
// while more than 10 would show; a finer one while fewer than 4 do and the
// finer labels are still apart.
double WithinLabelBounds(double inc, double lo, double hi, const LabelsApart& apart) {
    const double range = hi - lo;
    if (!(inc > 0) || !std::isfinite(range) || range <= 0) return inc;
    for (int pass = 0; pass < 64 && LabelCount(inc, lo, hi) > kMostLabels; ++pass) inc = NextStep(inc);
    for (int pass = 0; pass < 64 && LabelCount(inc, lo, hi) < kFewestLabels; ++pass) {
        const double finer = PreviousStep(inc);
        if (!apart(finer, lo, hi)) break;
        inc = finer;
    }
    return inc;
}

double ComputeLabelIncrement(double axisRange, int axisPixels, int labelSize, double increment,
                             int labelsSeparation) {
    long long n = 1;
    if (labelSize > 0) {
        const long long divisor =
            labelsSeparation > 0 ? labelSize + RoundEven(labelsSeparation * 0.01 * labelSize) : labelSize;
        n = RoundEven(double(axisPixels) / double(divisor));
    }
    // An axis range that is not a finite number (NaN, or the difference of
    // two huge ends) has no labels to step through: NextStep(inf) falls back
    // to the smallest increment and the search would start over for ever.
    if (n < 1 || !std::isfinite(axisRange)) return kTinyIncrement;
    double inc = increment > 0 && std::isfinite(increment) ? increment
                                                           : (std::fabs(axisRange) >= 1 ? 1 : kTinyIncrement);
    if (labelsSeparation > 0) {
        long long count = n + 1;
        // Each step at least doubles inc: from 1e-12 past any finite double
        // range takes about 1000 steps, so the bound never cuts a real search.
        for (int pass = 0; pass < kIncrementSearchLimit && count > n; ++pass) {
            const double q = axisRange / inc;
            if (std::fabs(q) < kLargestInt) {
                count = RoundEven(q);
                if (count > n) inc = NextStep(inc);
            } else {
                inc = NextStep(inc);
            }
        }
    }
    return std::max(inc, kTinyIncrement);
}

std::vector<double> ComputeLabelValues(double axisMin, double axisMax, double inc,
                                       bool roundFirstLabel) {
    std::vector<double> values;
    if (!(inc > 0) || std::fabs((axisMax - axisMin) / inc) >= kLabelLimit) return values;
    double v = axisMax;
    if (axisMin != axisMax && roundFirstLabel) {
        // The quotient of a multiple can round below its whole number (0.6 /
        // 0.2 is 2.9999999999999996, which lost the label at 0.6): whole
        // within a billionth, and the label then sits on the end itself.
        const double q = axisMax / inc;
        const double whole = std::round(q);
        v = std::fabs(q - whole) <= 1e-9 * std::max(1.0, std::fabs(q)) ? axisMax : std::trunc(q) * inc;
    }
    for (int i = 0; v > axisMax; ++i) {
        const double next = v - inc;
        if (!(next < v) || i == int(kLabelLimit)) {  // no progress in the last bits
            v = axisMax;
            break;
        }
        v = next;
    }
    // The guards keep the lowest label when repeated subtraction lands a
    // hair below the minimum.
    const double floor = (axisMin - 1e-12) / 1.000000000001;
    while (v >= floor && values.size() < std::size_t(kLabelLimit)) {
        values.push_back(v);
        // Near 1e308 an increment below the value's last bit leaves v as it
        // is: stop rather than write the same label for ever.
        const double next = v - inc;
        if (!(next < v)) break;
        v = next;
    }
    return values;
}

int DecimalsForIncrement(double inc) {
    if (!(inc > 0) || !std::isfinite(inc)) return 0;
    // The fewest decimals that write the step itself exactly (to 1e-6 of it).
    for (int d = 0; d < 15; ++d) {
        const double scaled = inc * std::pow(10.0, d);
        if (std::fabs(scaled - std::round(scaled)) <= 1e-6 * scaled) return d;
    }
    return 15;
}

std::string PatternForIncrement(const std::string& pattern, double inc) {
    const int needed = DecimalsForIncrement(inc);
    const std::size_t point = pattern.find('.');
    const int has = point == std::string::npos ? 0 : int(pattern.size() - point - 1);
    if (has >= needed) return pattern;
    std::string wider = point == std::string::npos ? pattern + "." : pattern;
    // Required zeros: neighbouring labels then always differ in a digit shown.
    const std::size_t first = wider.find('.') + 1;
    for (std::size_t i = first; i < wider.size(); ++i) wider[i] = '0';
    wider.append(std::size_t(needed - has), '0');
    return wider;
}

}  // namespace tarvik
