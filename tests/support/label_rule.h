#pragma once
// The axes' label rule, one check for every chart Tarvik draws: 4 to 10
// labels per axis, on 1-2-5 steps, each differing from its neighbours,
// neighbours keeping free at least a quarter of the larger one's size (its
// width across, its height up), and every label inside the picture.
#include <gtest/gtest.h>

#include <QSize>
#include <algorithm>
#include <cmath>
#include <string>

#include "plot/chart_layout.h"

namespace tarvik::test {

inline void ExpectLabelRule(const ChartLayout& layout, QSize size, const TextMetrics& metrics) {
    for (const AxisLayout* axis : {&layout.left, &layout.bottom}) {
        const bool vertical = axis == &layout.left;
        SCOPED_TRACE(std::string(vertical ? "left" : "bottom") + " step " + std::to_string(axis->increment));
        EXPECT_GE(axis->labels.size(), 4u);
        EXPECT_LE(axis->labels.size(), 10u);
        const double mantissa = axis->increment / std::pow(10.0, std::floor(std::log10(axis->increment) + 1e-9));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 || std::abs(mantissa - 5) < 1e-6)
            << mantissa;
        const auto labelSize = [&](const AxisLabel& label) {
            return vertical ? metrics.FontHeight() : metrics.TextWidth(label.text);
        };
        for (const AxisLabel& label : axis->labels) {
            EXPECT_GE(label.textTopLeft.x(), 0) << label.text;
            EXPECT_GE(label.textTopLeft.y(), 0) << label.text;
            EXPECT_LE(label.textTopLeft.x() + metrics.TextWidth(label.text), size.width()) << label.text;
            EXPECT_LE(label.textTopLeft.y() + metrics.FontHeight(), size.height()) << label.text;
        }
        for (std::size_t i = 1; i < axis->labels.size(); ++i) {
            const AxisLabel& a = axis->labels[i - 1];
            const AxisLabel& b = axis->labels[i];
            EXPECT_NE(a.text, b.text) << a.text;
            const double free = std::abs(a.position - b.position) - (labelSize(a) + labelSize(b)) / 2.0;
            // A billionth of a pixel: the positions' own rounding.
            EXPECT_GE(free + 1e-9, 0.25 * std::max(labelSize(a), labelSize(b)))
                << a.text << " " << b.text;
        }
    }
}

}  // namespace tarvik::test
