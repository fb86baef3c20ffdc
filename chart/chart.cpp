#include "chart/chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/qt_geometry.h"
#include "plot/chart_svg.h"
#include "core/errors.h"

#include "platform/application.h"
#include "platform/colors.h"
#include "platform/focus_frame.h"
#include "platform/fonts.h"
#include "platform/pixel_shapes.h"

namespace tarvik {

namespace {

class FontTextMetrics : public TextMetrics {
public:
    explicit FontTextMetrics(const QFont& font) : fm_(font) {}
    int TextWidth(const std::string& text) const override { return fm_.horizontalAdvance(QString::fromStdString(text)); }
    int FontHeight() const override { return fm_.height(); }

private:
    QFontMetrics fm_;
};

QPen PenOf(const ChartPen& p) {
    QPen pen(ToQColor(p.Color));
    pen.setWidth(p.Width);
    pen.setStyle(p.Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

}  // namespace

Chart::Chart(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void Chart::ClearSeries(int index) {
    Series(index)->Clear();
    update();
}

void Chart::AddXY(int index, double x, double y, Rgb color) {
    ChartModel::RequireFinite(x, y);
    Series(index)->AddXY(x, y, color);
    update();
}

QFont Chart::LabelsFont(double textScale) const {
    const ChartAxis& axis = model_.BottomAxis;
    // Points at 96 pixels per inch.
    return LayoutFont(QString::fromStdString(axis.LabelsFontName), int(std::lround(axis.LabelsFontPoints * 96 / 72 * textScale)));
}

ChartLayout Chart::Layout() const { return Layout(width(), height()); }

ChartLayout Chart::Layout(int width, int height, const ChartLook& look) const {
    ChartLayout layout = ComputeChartLayout(model_, width, height, FontTextMetrics(LabelsFont(look.textScale)));
    if (look.whiteBackground) layout.background.clear();
    return layout;
}

void Chart::paintEvent(QPaintEvent*) {
    GuardedDeferred([this] {
        QPainter painter(this);
        Paint(painter, size(), true);
    });
    if (hasFocus()) GuardedDeferred([this] { DrawFocusFrame(*this); });
}

// The screen draws on its pixel grid, as it always has: every position
// rounded, lines and polygons without antialiasing. A picture at a higher
// pixel ratio draws the same layout unrounded and smooth.
void Chart::Paint(QPainter& painter, const QSize& size, bool pixelGrid, const ChartLook& look) const {
    const ChartLayout exact = Layout(size.width(), size.height(), look);
    const ChartLayout layout = pixelGrid ? ToPixelGrid(exact) : exact;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(LabelsFont(look.textScale));

    // Background.
    if (layout.background.empty()) {
        painter.fillRect(QRect(QPoint(0, 0), size), look.whiteBackground ? QColor(Qt::white) : ToQColor(model_.Color));
    } else {
        for (const GradientBand& band : layout.background)
            painter.fillRect(QRect(0, band.top, size.width(), band.bottom - band.top), ToQColor(band.color));
    }

    // Back wall: a frame over the plot rectangle, both ends inclusive.
    const QRect plot = ToQt(layout.plot);
    DrawPixelRect(painter, plot, PixelPen(ToQColor(model_.BackWall.Pen.Color)),
                  model_.BackWall.BrushClear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(model_.BackWall.BrushColor)));

    // Axes: grid, line, ticks, labels.
    for (auto [axis, a] : {std::pair{&model_.LeftAxis, &layout.left}, std::pair{&model_.BottomAxis, &layout.bottom}}) {
        if (!a->visible) continue;
        painter.setPen(PenOf(axis->Grid));
        for (const Segment& g : a->grid) painter.drawLine(ToQt(g));
        if (axis->Axis.Visible) painter.fillRect(ToQt(a->lineRect), ToQColor(axis->Axis.Color));
        painter.setPen(PenOf(axis->Ticks));
        for (const Segment& t : a->majorTicks) painter.drawLine(ToQt(t));
        painter.setPen(PenOf(axis->MinorTicks));
        for (const Segment& t : a->minorTicks) painter.drawLine(ToQt(t));
        painter.setPen(ToQColor(axis->LabelsFontColor));
        const double ascent = pixelGrid ? QFontMetrics(painter.font()).ascent() : QFontMetricsF(painter.font()).ascent();
        for (const AxisLabel& label : a->labels) painter.drawText(ToQt(label.textTopLeft) + QPointF(0, ascent), QString::fromStdString(label.text));
    }

    // The series stay inside the plot: a density that grows without bound
    // near 0 leaves it at the top.
    painter.setClipRect(QRectF(plot.left(), plot.top(), plot.width() + 1, plot.height() + 1));
    painter.setRenderHint(QPainter::Antialiasing, !pixelGrid);

    // Areas first, beneath every line and pointer.
    for (int i = 0; i < SeriesCount() && i < int(layout.series.size()); ++i) {
        const auto* area = dynamic_cast<const AreaSeries*>(Series(i));
        const QPolygonF polygon = ToQt(layout.series[std::size_t(i)].area);
        if (!area || polygon.size() < 3) continue;
        QColor fill = ToQColor(area->SeriesColor);
        fill.setAlphaF(1.0 - std::clamp(area->Transparency, 0, 100) / 100.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPolygon(polygon);
        painter.setBrush(Qt::NoBrush);
    }

    // Series over the axes, in order.
    for (int i = 0; i < SeriesCount() && i < int(layout.series.size()); ++i) {
        const SeriesLayout& sl = layout.series[std::size_t(i)];
        const QPolygonF curve = ToQt(sl.line);
        if (const auto* line = dynamic_cast<const LineSeries*>(Series(i))) {
            if (sl.line.size() < 2) continue;
            // The whole edge first, then the whole line over it, so no
            // segment's edge covers its neighbour's line; one polyline with
            // real joins, at a fraction of the cost of wide lines one by one.
            if (line->OutlinePen.Visible && line->OutlinePen.Width > 0) {
                ChartPen edge = line->OutlinePen;
                edge.Width = line->LinePen.Width + 2 * line->OutlinePen.Width;
                QPen pen = PenOf(edge);
                pen.setJoinStyle(Qt::RoundJoin);  // no notches where segments meet
                painter.setPen(pen);
                painter.drawPolyline(curve);
            }
            if (line->LinePen.Visible) {
                QPen pen = PenOf(line->LinePen);
                painter.setPen(pen);
                if (pixelGrid) {
                    for (qsizetype k = 1; k < curve.size(); ++k) painter.drawLine(curve[k - 1], curve[k]);
                } else {
                    pen.setJoinStyle(Qt::RoundJoin);
                    painter.setPen(pen);
                    painter.drawPolyline(curve);
                }
            }
        }
        if (const auto* points = dynamic_cast<const PointSeries*>(Series(i))) {
            if (pixelGrid) {
                const QPen pen = PixelPen(ToQColor(points->Pointer.Pen.Color), points->Pointer.Pen.Width);
                const QBrush fill(ToQColor(points->SeriesColor));
                for (const auto& t : sl.triangles)
                    DrawPixelPolygon(painter, QPolygon({ToQt(t[0]).toPoint(), ToQt(t[1]).toPoint(), ToQt(t[2]).toPoint()}), pen, fill);
                for (const Box& r : sl.rectangles) DrawPixelRect(painter, ToQt(r).toRect(), pen, fill);
            } else {
                QPen pen(ToQColor(points->Pointer.Pen.Color));
                pen.setWidthF(points->Pointer.Pen.Width);
                pen.setJoinStyle(Qt::MiterJoin);
                painter.setPen(pen);
                painter.setBrush(ToQColor(points->SeriesColor));
                for (const auto& t : sl.triangles) {
                    const QPointF corners[] = {ToQt(t[0]), ToQt(t[1]), ToQt(t[2])};
                    painter.drawPolygon(corners, 3);
                }
                for (const Box& r : sl.rectangles) painter.drawRect(ToQt(r));
                painter.setBrush(Qt::NoBrush);
            }
        }
    }
    painter.restore();
}

QString Chart::SvgElements(const QSize& size, const ChartLook& look) const {
    const QFont font = LabelsFont(look.textScale);
    const SvgFont svgFont{font.family().toStdString(),
                          font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96 / 72,
                          QFontMetricsF(font).ascent()};
    return QString::fromStdString(ChartSvgElements(model_, Layout(size.width(), size.height(), look), svgFont,
                                                   size.width(), size.height(), look.whiteBackground));
}

}  // namespace tarvik
