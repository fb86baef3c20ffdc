#pragma once
// What a saved or copied picture needs of whatever draws it: painted at a
// size, written as SVG elements, and the font its title takes after. The
// density and power charts and the mosaic each are one; the title band,
// the file formats and the clipboard are shared (files/chart_export.h).
#include <QFont>
#include <QPainter>
#include <QSize>
#include <QString>

namespace tarvik {

// How a picture is drawn beyond its model: its text grown for a large
// saved picture (the labels' points times textScale), and a plain white
// background for print in place of the gradient.
struct ChartLook {
    double textScale = 1;
    bool whiteBackground = false;
};

class Picture {
public:
    virtual ~Picture() = default;
    // At `size` (logical pixels): on the pixel grid as the screen shows it,
    // or unrounded for a vector file or a higher pixel ratio.
    virtual void PaintPicture(QPainter& painter, const QSize& size, bool pixelGrid, const ChartLook& look) const = 0;
    // The same drawing as SVG elements, in a group of `size`.
    virtual QString SvgElements(const QSize& size, const ChartLook& look) const = 0;
    virtual QFont TitleFont() const = 0;
};

}  // namespace tarvik
