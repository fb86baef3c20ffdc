#include "platform/pixel_shapes.h"

namespace tarvik {

QPen PixelPen(const QColor& color, int width) {
    QPen pen(color);
    pen.setWidth(width);
    pen.setCapStyle(width <= 1 ? Qt::SquareCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void DrawPixelRect(QPainter& painter, const QRect& rect, const QPen& pen, const QBrush& fill) {
    if (rect.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (fill.style() != Qt::NoBrush) painter.fillRect(rect, fill);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void DrawPixelPolygon(QPainter& painter, const QPolygon& points, const QPen& pen, const QBrush& fill) {
    if (points.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (fill.style() != Qt::NoBrush) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPolygon(points);
    }
    painter.setPen(pen);
    for (qsizetype i = 0; i < points.size(); ++i) painter.drawLine(points[i], points[(i + 1) % points.size()]);
    painter.restore();
}

QImage WithoutColor(const QImage& image, const QColor& transparent) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & 0xFFFFFF;
    for (int row = 0; row < out.height(); ++row)
        for (int col = 0; col < out.width(); ++col)
            if ((out.pixel(col, row) & 0xFFFFFF) == key) out.setPixel(col, row, 0);
    return out;
}

}  // namespace tarvik
