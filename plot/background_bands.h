#pragma once
// The chart's background: a vertical gradient drawn as bands of one colour.
#include <vector>

#include "plot/chart_model.h"

namespace tarvik {

// MulDiv(a, b, d) = a*b/d without overflow, halves away from zero.
long long MulDiv(long long a, long long b, long long d);

struct GradientBand {
    int top, bottom;  // rows [top, bottom)
    Rgb color;
};
// Vertical gradient over `rect` (right/bottom exclusive), StartColor at the
// bottom edge; at most 256 bands.
std::vector<GradientBand> ComputeGradientBands(const PixelRect& rect, Rgb start, Rgb end);

}  // namespace tarvik
