#include "resources/glyphs.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvik {
namespace {

const QColor kArrowColor(0, 0, 0);
const QColor kTransparentColor(128, 128, 0);  // olive: painted transparent

// The widths of the arrow's rows from the top, each a run centred on the
// middle column; anything but the two colours fails.
std::vector<int> RowWidths(const QImage& glyph) {
    std::vector<int> widths;
    for (int row = 0; row < glyph.height(); ++row) {
        int first = -1, last = -1;
        for (int col = 0; col < glyph.width(); ++col) {
            const QColor c = glyph.pixelColor(col, row);
            EXPECT_TRUE(c == kArrowColor || c == kTransparentColor) << row << "," << col;
            if (c == kArrowColor) {
                if (first < 0) first = col;
                EXPECT_TRUE(last < 0 || last == col - 1) << "a gap in row " << row;
                last = col;
            }
        }
        if (first >= 0) {
            EXPECT_EQ(first + last, glyph.width() - 1) << "row " << row << " is off centre";
        }
        widths.push_back(first < 0 ? 0 : last - first + 1);
    }
    return widths;
}

TEST(Glyphs, UpArrowIsACentredTriangleAndDownItsMirror) {
    const QImage up = LoadGlyph("SPINUP");
    ASSERT_EQ(up.size(), QSize(9, 6));
    EXPECT_EQ(up.colorCount(), 16);  // the standard 16-colour palette
    const std::vector<int> widths = RowWidths(up);
    // Widening by one pixel each side per row, with a blank row above and below.
    EXPECT_EQ(widths, (std::vector<int>{0, 1, 3, 5, 7, 0}));
    EXPECT_EQ(LoadGlyph("SpinDown"), up.mirrored(false, true));
}

TEST(Glyphs, NamesInAnyCase) {
    EXPECT_EQ(LoadGlyph("spinup"), LoadGlyph("SPINUP"));
    EXPECT_EQ(LoadGlyph("spindown"), LoadGlyph("SPINDOWN"));
    EXPECT_TRUE(LoadGlyph("NOSUCHGLYPH").isNull());
}

}  // namespace
}  // namespace tarvik
