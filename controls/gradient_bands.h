#pragma once
// The gradient panel's bands as a pure computation: colours and rectangles.
#include <cstdint>
#include <vector>

#include "platform/colors.h"

namespace tarvik {

struct PanelBand {
    QColor color;
    // Columns [left, right) and rows [top, bottom); the rectangle as drawn
    // (one pixel thicker than the band spacing; later bands paint over).
    int left, top, right, bottom;
};

// Bands for a panel of width x height. `steps` 0 is treated as 1 (the panel
// stores the 1 back). Colours use only the low three bytes of each value.
// direction false: bands stacked downwards; true: side by side rightwards.
std::vector<PanelBand> ComputePanelBands(int width, int height, QColor from, QColor to,
                                           std::uint16_t steps, bool direction);

}  // namespace tarvik
