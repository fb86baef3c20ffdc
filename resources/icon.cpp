#include "resources/icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace tarvik {

void PaintProgramIcon(QPainter& p, double size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, size, size), QColor(0, 128, 128));
    // Drawn on a 32-unit grid and scaled: the same picture at every size.
    const double s = size / 32.0;
    // A chi-square density with 4 degrees of freedom over 0..16.
    QPainterPath curve;
    for (int i = 0; i <= 64; ++i) {
        const double x = i / 4.0;
        const double y = x * std::exp(-x / 2) / 4;  // peak 0.18 at x = 2
        const QPointF pt((2 + x * 1.75) * s, (28 - y * 130) * s);
        if (i == 0)
            curve.moveTo(pt);
        else
            curve.lineTo(pt);
    }
    p.setPen(QPen(QColor(255, 255, 0), 2.2 * s));
    p.drawPath(curve);
    p.setPen(QPen(Qt::black, 1.5 * s));
    p.drawLine(QPointF(2 * s, 29 * s), QPointF(30 * s, 29 * s));
    p.setPen(QPen(Qt::black, 0.8 * s));
    p.setBrush(QColor(255, 0, 0));
    const double mx = 20 * s, my = 29 * s;
    p.drawPolygon(QPolygonF({QPointF(mx - 4 * s, my), QPointF(mx + 4 * s, my), QPointF(mx, my - 7 * s)}));
    p.restore();
}

QImage ProgramIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    PaintProgramIcon(p, size);
    return image;
}

// The "?" is a stroked hook and a square dot, not a character: as text it
// made the start-up open a bold font engine for this one glyph (4 million
// of the 80 million instructions to the mapped window, and the bold face's
// pages in memory). The strokes follow DejaVu Sans Bold's "?" at 13 pixels.
QIcon HelpGlyph() {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 128, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, 16, 16));
    constexpr double kCentreX = 9, kCentreY = 7, kRadius = 1.9, kStroke = 2;
    const QRectF round(kCentreX - kRadius, kCentreY - kRadius, 2 * kRadius, 2 * kRadius);
    QPainterPath hook;
    hook.arcMoveTo(round, 160);
    hook.arcTo(round, 160, -220);
    hook.lineTo(kCentreX, kCentreY + kRadius + 0.6);
    hook.lineTo(kCentreX, kCentreY + kRadius + 1.6);
    p.setPen(QPen(Qt::white, kStroke, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(kCentreX - kStroke / 2, kCentreY + kRadius + 2.9, kStroke, kStroke));
    return QIcon(pixmap);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}

}  // namespace tarvik
