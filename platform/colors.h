#pragma once
// The layouts' colours as Qt paints them.
#include <QColor>

#include "plot/colors.h"

namespace tarvik {

constexpr QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace tarvik
