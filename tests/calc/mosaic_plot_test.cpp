#include "calc/mosaic_plot.h"

#include <gtest/gtest.h>

namespace tarvik::test {
namespace {

TEST(Mosaic, ShadesStepAtTwoAndFour) {
    const struct {
        Real adjusted;
        MosaicShade shade;
    } cases[] = {
        {0, MosaicShade::Near},         {1.99_r, MosaicShade::Near},      {-1.99_r, MosaicShade::Near},
        {2, MosaicShade::Above},        {3.99_r, MosaicShade::Above},     {4, MosaicShade::FarAbove},
        {-2, MosaicShade::Below},       {-3.99_r, MosaicShade::Below},    {-4, MosaicShade::FarBelow},
    };
    for (const auto& c : cases) EXPECT_EQ(ShadeOf(c.adjusted), c.shade) << double(c.adjusted);
}

// Each tile's area is its cell's share of what the gaps leave; the bands
// and tiles keep their order and stay inside the unit square. 12 5 / 3 9:
// adjusted residuals of +-2.42, so the tiles are shaded in the light steps.
TEST(Mosaic, AreasAreTheCellsShares) {
    const CountTable tables[] = {{{12, 5}, {3, 9}}, {{20, 15, 25}, {30, 25, 10}, {1, 0, 7}}, {{10, 20, 30, 40}}};
    for (const CountTable& counts : tables) {
        const TableReport report = ReportOf(counts, {});
        const MosaicPlot plot = LayOutMosaic(report);
        ASSERT_EQ(plot.tiles.size(), report.rows * report.columns);
        const double gapX = report.rows > 1 ? 0.02 : 0, gapY = report.columns > 1 ? 0.02 : 0;
        const double usable = (1 - gapX * double(report.rows - 1)) * (1 - gapY * double(report.columns - 1));
        for (const MosaicTile& t : plot.tiles) {
            EXPECT_NEAR(t.width * t.height / usable, double(counts[t.row][t.column] / report.total), 1e-12);
            EXPECT_GE(t.x, 0);
            EXPECT_LE(t.x + t.width, 1 + 1e-12);
            EXPECT_LE(t.y + t.height, 1 + 1e-12);
        }
    }
    const MosaicPlot plot = LayOutMosaic(ReportOf({{12, 5}, {3, 9}}, {}));
    EXPECT_EQ(plot.tiles[0].shade, MosaicShade::Above);
    EXPECT_EQ(plot.tiles[1].shade, MosaicShade::Below);
}

}  // namespace
}  // namespace tarvik::test
