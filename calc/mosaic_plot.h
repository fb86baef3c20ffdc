#pragma once
// A mosaic of a table of counts (Hartigan and Kleiner 1981): the rows side
// by side, each as wide as its share of the total, and in each row its
// cells stacked, each as tall as its share of the row, so that a tile's
// area is its cell's share of the whole. Tiles are shaded by their
// adjusted residuals in Friendly's (1994) steps: below 2 in size
// unshaded, 2 to 4 light, 4 and more full; above expectation blue, below
// red. The same steps set the outline (solid above, dashed below), so the
// picture reads without colour.
#include <cstddef>
#include <vector>

#include "calc/table_report.h"

namespace tarvik {

enum class MosaicShade { FarBelow = -2, Below = -1, Near = 0, Above = 1, FarAbove = 2 };
MosaicShade ShadeOf(Real adjusted);

struct MosaicTile {
    std::size_t row = 0, column = 0;
    // In the unit square, y down: the first column's cells on top.
    double x = 0, y = 0, width = 0, height = 0;
    MosaicShade shade = MosaicShade::Near;
};

struct MosaicPlot {
    std::vector<MosaicTile> tiles;
    std::vector<double> rowCentres;     // x of each row's band
    std::vector<double> columnCentres;  // y of each column's cell in the first row
};

// The tiles of the report's table (one row for a goodness of fit).
MosaicPlot LayOutMosaic(const TableReport& report);

}  // namespace tarvik
