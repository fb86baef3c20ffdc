#pragma once
// The frame both density plots share: the x axis runs to where the upper
// tail has fallen to 1e-4, and the y axis leaves 5 % above the highest
// point, so that the curve never touches the chart's top edge.
#include "core/real.h"

namespace tarvik::plot_frame {

inline const Real kRightEndTail = 0.0001_r;
inline const Real kHeadroom = 1.05_r;

}  // namespace tarvik::plot_frame
