// The layout as the screen draws it: every position rounded to the pixel
// grid, ties to even (the FPU's default mode, as std::llrint rounds).
#include <cmath>

#include "plot/chart_layout.h"

namespace tarvik {

Position OnPixelGrid(const Position& p) { return {double(std::llrint(p.x())), double(std::llrint(p.y()))}; }

ChartLayout ToPixelGrid(const ChartLayout& layout) {
    ChartLayout out = layout;
    auto line = [](const Segment& l) { return Segment(OnPixelGrid(l.p1()), OnPixelGrid(l.p2())); };
    for (AxisLayout* a : {&out.left, &out.bottom}) {
        for (AxisLabel& label : a->labels) {
            label.position = double(std::llrint(label.position));
            label.textTopLeft = OnPixelGrid(label.textTopLeft);
        }
        for (double& p : a->majorPositions) p = double(std::llrint(p));
        for (auto* lines : {&a->majorTicks, &a->minorTicks, &a->grid})
            for (Segment& l : *lines) l = line(l);
    }
    for (SeriesLayout& s : out.series) {
        Polyline grid;
        for (const Position& p : s.line) {
            const Position q = OnPixelGrid(p);
            if (grid.empty() || grid.back() != q) grid.push_back(q);
        }
        s.line = grid;
        for (Position& p : s.area) p = OnPixelGrid(p);
        for (auto& t : s.triangles)
            for (Position& p : t) p = OnPixelGrid(p);
        for (Box& r : s.rectangles) r = Box(OnPixelGrid(r.topLeft()), OnPixelGrid(r.bottomRight()));
    }
    return out;
}

}  // namespace tarvik
