#pragma once
// Exact, font-independent text metrics for chart layout tests: 7 pixels a
// character, 13 pixels high.
#include "chart/chart_layout.h"

namespace tarvik::test {

class FixedMetrics : public TextMetrics {
public:
    int TextWidth(const QString& text) const override { return 7 * int(text.size()); }
    int FontHeight() const override { return 13; }
};

}  // namespace tarvik::test
