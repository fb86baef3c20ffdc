#include "resources/glyphs.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

// The up arrow row by row: '#' black, '.' olive (painted transparent).
constexpr const char* kUp[6] = {".........", "....#....", "...###...", "..#####..", ".#######.", "........."};

void ExpectPicture(const QImage& glyph, bool upsideDown) {
    ASSERT_EQ(glyph.size(), QSize(9, 6));
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 9; ++col) {
            const char want = kUp[upsideDown ? 5 - row : row][col];
            const QColor got = glyph.pixelColor(col, row);
            EXPECT_EQ(got, want == '#' ? QColor(0, 0, 0) : QColor(128, 128, 0)) << row << "," << col;
        }
}

TEST(Glyphs, ArrowPicturesByNameInAnyCase) {
    ExpectPicture(LoadGlyph("ADVSPINUP"), false);
    ExpectPicture(LoadGlyph("AdvSpinUp"), false);
    ExpectPicture(LoadGlyph("advspindown"), true);
    EXPECT_EQ(LoadGlyph("ADVSPINUP").colorCount(), 16);  // the standard 16-colour palette
    EXPECT_TRUE(LoadGlyph("NOSUCHGLYPH").isNull());
}

}  // namespace
}  // namespace tarvik
