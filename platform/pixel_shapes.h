#pragma once
// Outlined shapes on the screen's pixel grid, drawn as the window has always
// drawn them: the outline of a one-pixel pen covers both end pixels of every
// edge, corners included (QPainter's own outline of a polygon leaves out the
// right and bottom corners, and its rectangle outline lies one pixel further
// out than the rectangle it is given).
#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QRect>

namespace tarvik {

// A pen that covers both end pixels of a one-pixel line (square caps).
QPen PixelPen(const QColor& color, int width = 1);

// The rectangle's outermost rows and columns in the pen, the inside filled
// with `fill` (Qt::NoBrush leaves it).
void DrawPixelRect(QPainter& painter, const QRect& rect, const QPen& pen, const QBrush& fill);

// The polygon filled, then its outline edge by edge.
void DrawPixelPolygon(QPainter& painter, const QPolygon& points, const QPen& pen, const QBrush& fill);

// The image with every pixel of `transparent` cleared: the glyphs' key colour.
QImage WithoutColor(const QImage& image, const QColor& transparent);

}  // namespace tarvik
