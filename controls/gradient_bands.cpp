#include "controls/gradient_bands.h"

#include <cmath>

namespace tarvik {

namespace {
// Nearest whole number, ties to even; the product is formed in extended
// precision from the double step, which decides ties such as 50 x -1.27.
long long Nearest(long double v) { return std::llrint(v); }
}  // namespace

std::vector<PanelBand> ComputePanelBands(int width, int height, QColor from, QColor to,
                                           std::uint16_t steps, bool direction) {
    if (steps == 0) steps = 1;
    const int fr = from.red(), fg = from.green(), fb = from.blue();
    const double stepR = double(to.red() - fr) / steps;
    const double stepG = double(to.green() - fg) / steps;
    const double stepB = double(to.blue() - fb) / steps;
    const double bandSize = double(direction ? width : height) / steps;
    const long long thickness = Nearest(bandSize) + 1;

    std::vector<PanelBand> bands;
    bands.reserve(steps);
    for (int i = 0; i < steps; ++i) {
        const long double li = i;
        const QColor color = QColor(int(fr + Nearest(li * stepR)), int(fg + Nearest(li * stepG)),
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
