#include "chart/chart_svg.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace tarvik {

QString SvgNumber(double v) {
    if (std::fabs(v) < 0.0005) return "0";
    QString s = QString::number(v, 'f', 3);
    while (s.endsWith('0')) s.chop(1);
    if (s.endsWith('.')) s.chop(1);
    return s;
}

QString SvgEscaped(const QString& text) { return text.toHtmlEscaped(); }

QString SvgColor(QColor c) {
    return QString("#%1%2%3")
        .arg(c.red(), 2, 16, QChar('0'))
        .arg(c.green(), 2, 16, QChar('0'))
        .arg(c.blue(), 2, 16, QChar('0'));
}

namespace {

QString Points(const QPolygonF& polygon) {
    QStringList out;
    for (const QPointF& p : polygon) out << SvgNumber(p.x()) + "," + SvgNumber(p.y());
    return out.join(' ');
}

QString Line(const QLineF& l, const ChartPen& pen) {
    return QString("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"%6\"%7/>\n")
        .arg(SvgNumber(l.x1()), SvgNumber(l.y1()), SvgNumber(l.x2()), SvgNumber(l.y2()), SvgColor(pen.Color))
        .arg(pen.Width)
        .arg(pen.Dotted ? " stroke-dasharray=\"1,2\"" : "");
}

QString Rect(const QRectF& r, const QString& attributes) {
    return QString("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" %5/>\n")
        .arg(SvgNumber(r.x()), SvgNumber(r.y()), SvgNumber(r.width()), SvgNumber(r.height()), attributes);
}

}  // namespace

QString ChartSvgElements(const ChartModel& model, const ChartLayout& layout, const QFont& labelsFont,
                         const QSize& size, bool whiteBackground) {
    QString svg;
    // Background.
    if (layout.background.empty()) {
        svg += Rect(QRectF(QPointF(0, 0), QSizeF(size)), "fill=\"" + SvgColor(whiteBackground ? kWhite : model.Color) + "\"");
    } else {
        for (const GradientBand& band : layout.background)
            svg += Rect(QRectF(0, band.top, size.width(), band.bottom - band.top), "fill=\"" + SvgColor(band.color) + "\"");
    }
    // The back wall's frame: one pixel wide, on the plot's outermost rows
    // and columns (the centre of the stroke half a pixel in).
    const QRect& plot = layout.plot;
    const QRectF frame(plot.left() + 0.5, plot.top() + 0.5, plot.width() - 1, plot.height() - 1);
    svg += Rect(frame, QString("fill=\"%1\" stroke=\"%2\" stroke-width=\"1\"")
                           .arg(model.BackWall.BrushClear ? "none" : SvgColor(model.BackWall.BrushColor),
                                SvgColor(model.BackWall.Pen.Color)));
    // Axes: grid, line, ticks, labels.
    const QFontMetricsF fm(labelsFont);
    for (auto [axis, a] : {std::pair{&model.LeftAxis, &layout.left}, std::pair{&model.BottomAxis, &layout.bottom}}) {
        if (!a->visible) continue;
        if (axis->Grid.Visible)
            for (const QLineF& g : a->grid) svg += Line(g, axis->Grid);
        if (axis->Axis.Visible) svg += Rect(a->lineRect, "fill=\"" + SvgColor(axis->Axis.Color) + "\"");
        // A tick covers its pixels: its centre line half a pixel in.
        const QPointF half = axis->Horizontal() ? QPointF(0.5, 0) : QPointF(0, 0.5);
        for (const QLineF& t : a->majorTicks) svg += Line(t.translated(half), axis->Ticks);
        for (const QLineF& t : a->minorTicks) svg += Line(t.translated(half), axis->MinorTicks);
        for (const AxisLabel& label : a->labels)
            svg += QString("<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-size=\"%4\" fill=\"%5\">%6</text>\n")
                       .arg(SvgNumber(label.textTopLeft.x()), SvgNumber(label.textTopLeft.y() + fm.ascent()),
                            SvgEscaped(labelsFont.family()), SvgNumber(labelsFont.pixelSize() > 0 ? labelsFont.pixelSize()
                                                                                                 : labelsFont.pointSizeF() * 96 / 72),
                            SvgColor(axis->LabelsFontColor), SvgEscaped(label.text));
    }
    // The series, clipped to the plot: areas beneath lines and pointers.
    svg += "<clipPath id=\"plot\">" +
           Rect(QRectF(plot.left(), plot.top(), plot.width(), plot.height()), "").trimmed() + "</clipPath>\n";
    svg += "<g clip-path=\"url(#plot)\">\n";
    for (std::size_t i = 0; i < model.Series.size() && i < layout.series.size(); ++i) {
        const auto* area = dynamic_cast<const AreaSeries*>(model.Series[i].get());
        if (!area || layout.series[i].area.size() < 3) continue;
        svg += QString("<polygon points=\"%1\" fill=\"%2\" fill-opacity=\"%3\"/>\n")
                   .arg(Points(layout.series[i].area), SvgColor(area->SeriesColor))
                   .arg(SvgNumber(1.0 - std::clamp(area->Transparency, 0, 100) / 100.0));
    }
    for (std::size_t i = 0; i < model.Series.size() && i < layout.series.size(); ++i) {
        const SeriesLayout& sl = layout.series[i];
        if (const auto* line = dynamic_cast<const LineSeries*>(model.Series[i].get())) {
            if (sl.line.size() < 2) continue;
            auto polyline = [&](QColor color, int width) {
                return QString("<polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                               "stroke-linejoin=\"round\"/>\n")
                    .arg(Points(sl.line), SvgColor(color))
                    .arg(width);
            };
            if (line->OutlinePen.Visible && line->OutlinePen.Width > 0)
                svg += polyline(line->OutlinePen.Color, line->LinePen.Width + 2 * line->OutlinePen.Width);
            if (line->LinePen.Visible) svg += polyline(line->LinePen.Color, line->LinePen.Width);
        } else if (const auto* points = dynamic_cast<const PointSeries*>(model.Series[i].get())) {
            const QString style = QString("fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                                      .arg(SvgColor(points->SeriesColor), SvgColor(points->Pointer.Pen.Color))
                                      .arg(points->Pointer.Pen.Width);
            for (const auto& t : sl.triangles)
                svg += QString("<polygon points=\"%1\" %2/>\n").arg(Points(QPolygonF({t[0], t[1], t[2]})), style);
            for (const QRectF& r : sl.rectangles) svg += Rect(r, style);
        }
    }
    svg += "</g>\n";
    return svg;
}

}  // namespace tarvik
