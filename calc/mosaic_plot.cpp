#include "calc/mosaic_plot.h"

#include <algorithm>

namespace tarvik {

MosaicShade ShadeOf(Real adjusted) {
    if (adjusted >= 4) return MosaicShade::FarAbove;
    if (adjusted >= 2) return MosaicShade::Above;
    if (adjusted <= -4) return MosaicShade::FarBelow;
    if (adjusted <= -2) return MosaicShade::Below;
    return MosaicShade::Near;
}

namespace {

// Gaps part the bands and the tiles: 2 % of the side between each, less
// where there are many, so that gaps never take more than a fifth of it.
double GapFor(std::size_t parts) { return parts < 2 ? 0 : std::min(0.02, 0.2 / double(parts - 1)); }

}  // namespace

MosaicPlot LayOutMosaic(const TableReport& r) {
    MosaicPlot plot;
    if (r.rows == 0 || r.columns == 0 || !(r.total > 0)) return plot;
    const double across = GapFor(r.rows), down = GapFor(r.columns);
    const double width = 1 - across * double(r.rows - 1), height = 1 - down * double(r.columns - 1);
    double x = 0;
    for (std::size_t i = 0; i < r.rows; ++i) {
        const double band = width * double(r.rowTotals[i] / r.total);
        double y = 0;
        for (std::size_t j = 0; j < r.columns; ++j) {
            const CellDiagnostics& c = r.cells[i][j];
            const double tall = r.rowTotals[i] > 0 ? height * double(c.observed / r.rowTotals[i]) : 0;
            plot.tiles.push_back({i, j, x, y, band, tall, ShadeOf(c.adjusted)});
            if (i == 0) plot.columnCentres.push_back(y + tall / 2);
            y += tall + down;
        }
        plot.rowCentres.push_back(x + band / 2);
        x += band + across;
    }
    return plot;
}

}  // namespace tarvik
