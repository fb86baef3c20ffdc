#pragma once
// The colours the layouts name.
#include <QColor>

namespace tarvik {

inline constexpr QColor kBlack(0, 0, 0);
inline constexpr QColor kBlue(0, 0, 255);
inline constexpr QColor kAqua(0, 255, 255);
inline constexpr QColor kTeal(0, 128, 128);
inline constexpr QColor kYellow(255, 255, 0);
inline constexpr QColor kRed(255, 0, 0);
inline constexpr QColor kWhite(255, 255, 255);
inline constexpr QColor kOlive(128, 128, 0);

}  // namespace tarvik
