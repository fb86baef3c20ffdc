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

QIcon HelpGlyph() {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 128, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(1, 1, 16, 16));
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 16, 16), Qt::AlignCenter, "?");
    return QIcon(pixmap);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}

}  // namespace tarvik
