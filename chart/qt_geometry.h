#pragma once
// The layout's plain geometry as Qt's painter takes it.
#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QRectF>

#include "plot/geometry.h"

namespace tarvik {

inline QPointF ToQt(Position p) { return {p.x(), p.y()}; }
inline QLineF ToQt(const Segment& s) { return {ToQt(s.p1()), ToQt(s.p2())}; }
inline QRectF ToQt(const Box& b) { return {b.x(), b.y(), b.width(), b.height()}; }
inline QRect ToQt(const PixelRect& r) { return {QPoint(r.left(), r.top()), QPoint(r.right(), r.bottom())}; }
inline QPolygonF ToQt(const Polyline& line) {
    QPolygonF polygon;
    polygon.reserve(qsizetype(line.size()));
    for (const Position& p : line) polygon << ToQt(p);
    return polygon;
}

}  // namespace tarvik
