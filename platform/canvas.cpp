#include "platform/canvas.h"

#include <QFontMetrics>

namespace tarvik {

QPen Canvas::MakePen() const {
    QPen pen(ToQColor(penColor_));
    pen.setWidth(penWidth_);
    // A square cap makes a one-pixel line cover both of its end pixels, as
    // GDI's lines and outlines do.
    pen.setCapStyle(penWidth_ <= 1 ? Qt::SquareCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    if (brushStyle_ == BrushStyle::Solid)
        p_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), ToQColor(brushColor_));
    // The one-pixel outline lies on the outermost rows and columns.
    p_.setPen(MakePen());
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRect(QPoint(left, top), QPoint(right - 2, bottom - 2)));
    p_.restore();
}

void Canvas::FillRect(const QRect& r) {
    if (brushStyle_ == BrushStyle::Solid) p_.fillRect(r, ToQColor(brushColor_));
}

void Canvas::LineTo(int x, int y) {
    p_.save();
    p_.setPen(MakePen());
    p_.drawLine(penPos_, QPoint(x, y));
    p_.restore();
    penPos_ = QPoint(x, y);
}

void Canvas::Polygon(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    if (brushStyle_ == BrushStyle::Solid) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(ToQColor(brushColor_));
        p_.drawPolygon(points.data(), int(points.size()));
    }
    // The outline edge by edge: every corner pixel is part of it (the
    // polygon outline alone leaves out the right and bottom corners).
    p_.setPen(MakePen());
    for (std::size_t i = 0; i < points.size(); ++i)
        p_.drawLine(points[i], points[(i + 1) % points.size()]);
    p_.restore();
}

void Canvas::TextOut(int x, int y, const QString& text) {
    p_.save();
    p_.setPen(ToQColor(fontColor_));
    const QFontMetrics fm(p_.font());
    p_.drawText(QPoint(x, y + fm.ascent()), text);
    p_.restore();
}

int Canvas::TextWidth(const QString& text) const {
    return QFontMetrics(p_.font()).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString&) const { return QFontMetrics(p_.font()).height(); }

QRect Canvas::DrawButtonFrame(const QRect& r, bool pressed, bool flat) {
    const QColor face(0xF0, 0xF0, 0xF0), light(Qt::white), shadow(0xA0, 0xA0, 0xA0),
        dark(0x69, 0x69, 0x69);
    p_.save();
    p_.fillRect(r, face);
    if (!flat) {
        const QColor tl1 = pressed ? dark : light, br1 = pressed ? light : dark;
        const QColor tl2 = pressed ? shadow : face, br2 = pressed ? face : shadow;
        auto bevel = [&](const QRect& q, const QColor& tl, const QColor& br) {
            p_.setPen(tl);
            p_.drawLine(q.topLeft(), q.topRight());
            p_.drawLine(q.topLeft(), q.bottomLeft());
            p_.setPen(br);
            p_.drawLine(q.bottomLeft(), q.bottomRight());
            p_.drawLine(q.topRight(), q.bottomRight());
        };
        bevel(r, tl1, br1);
        bevel(r.adjusted(1, 1, -1, -1), tl2, br2);
    }
    p_.restore();
    return r.adjusted(2, 2, -2, -2);
}

void Canvas::DrawTransparent(int x, int y, const QImage& image, ColorRef transparent) {
    QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(transparent).rgb();
    for (int row = 0; row < img.height(); ++row)
        for (int col = 0; col < img.width(); ++col)
            if ((img.pixel(col, row) & 0xFFFFFF) == (key & 0xFFFFFF)) img.setPixel(col, row, 0);
    p_.drawImage(x, y, img);
}

}  // namespace tarvik
