#include "controls/gradient_bands.h"

#include <cmath>

namespace tarvik {

namespace {
// Nearest whole number, ties to even; the product is formed in extended
// precision from the double step, which decides ties such as 50 x -1.27.
long long Nearest(long double v) { return std::llrint(v); }
}  // namespace

std::vector<PanelBand> ComputePanelBands(int width, int height, ColorRef from, ColorRef to,
                                           std::uint16_t steps, bool direction) {
    if (steps == 0) steps = 1;
    const int fr = RedOf(from), fg = GreenOf(from), fb = BlueOf(from);
    const double stepR = double(RedOf(to) - fr) / steps;
    const double stepG = double(GreenOf(to) - fg) / steps;
    const double stepB = double(BlueOf(to) - fb) / steps;
    const double bandSize = double(direction ? width : height) / steps;
    const long long thickness = Nearest(bandSize) + 1;

    std::vector<PanelBand> bands;
    bands.reserve(steps);
    for (int i = 0; i < steps; ++i) {
        const long double li = i;
        const ColorRef color = RGB(int(fr + Nearest(li * stepR)), int(fg + Nearest(li * stepG)),
                                 int(fb + Nearest(li * stepB)));
        const int pos = int(static_cast<std::uint16_t>(Nearest(li * bandSize)));
        if (direction)
            bands.push_back({color, pos, 0, int(pos + thickness), height});
        else
            bands.push_back({color, 0, pos, width, int(pos + thickness)});
    }
    return bands;
}

}  // namespace tarvik
