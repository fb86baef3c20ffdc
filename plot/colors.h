#pragma once
// The colours the layouts name.
#include "plot/geometry.h"

namespace tarvik {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kAqua{0, 255, 255};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kOlive{128, 128, 0};

}  // namespace tarvik
