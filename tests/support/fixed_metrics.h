#pragma once
// Exact, font-independent text metrics for chart layout tests: 7 pixels a
// character, 13 pixels high.
#include <string>

#include "plot/chart_layout.h"

namespace tarvik::test {

class FixedMetrics : public TextMetrics {
public:
    // Per UTF-16 unit of the text, as the label's QString counted it: a
    // narrow no-break space (French thousands) is one, like a digit.
    int TextWidth(const std::string& text) const override {
        int units = 0;
        for (unsigned char c : text) units += (c & 0xC0) != 0x80 ? 1 : 0;
        for (unsigned char c : text) units += c >= 0xF0 ? 1 : 0;  // a surrogate pair
        return 7 * units;
    }
    int FontHeight() const override { return 13; }
};

}  // namespace tarvik::test
