// The layout as the screen draws it: every position rounded to the pixel
// grid, ties to even (the FPU's default mode, as std::llrint rounds).
#include <cmath>

#include "chart/chart_layout.h"

namespace tarvik {

QPointF OnPixelGrid(const QPointF& p) { return QPointF(double(std::llrint(p.x())), double(std::llrint(p.y()))); }

ChartLayout ToPixelGrid(const ChartLayout& layout) {
    ChartLayout out = layout;
    auto line = [](const QLineF& l) { return QLineF(OnPixelGrid(l.p1()), OnPixelGrid(l.p2())); };
    for (AxisLayout* a : {&out.left, &out.bottom}) {
        for (AxisLabel& label : a->labels) {
            label.position = double(std::llrint(label.position));
            label.textTopLeft = OnPixelGrid(label.textTopLeft);
        }
        for (double& p : a->majorPositions) p = double(std::llrint(p));
        for (auto* lines : {&a->majorTicks, &a->minorTicks, &a->grid})
            for (QLineF& l : *lines) l = line(l);
    }
    for (SeriesLayout& s : out.series) {
        QPolygonF grid;
        for (const QPointF& p : s.line) {
            const QPointF q = OnPixelGrid(p);
            if (grid.isEmpty() || grid.back() != q) grid << q;
        }
        s.line = grid;
        for (QPointF& p : s.area) p = OnPixelGrid(p);
        for (auto& t : s.triangles)
            for (QPointF& p : t) p = OnPixelGrid(p);
        for (QRectF& r : s.rectangles) r = QRectF(OnPixelGrid(r.topLeft()), OnPixelGrid(r.bottomRight()));
    }
    return out;
}

}  // namespace tarvik
