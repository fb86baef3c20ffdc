#include "chart/chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/errors.h"

#include "platform/application.h"
#include "platform/focus_frame.h"
#include "platform/fonts.h"
#include "platform/canvas.h"

namespace tarvik {

namespace {

class FontTextMetrics : public TextMetrics {
public:
    explicit FontTextMetrics(const QFont& font) : fm_(font) {}
    int TextWidth(const QString& text) const override { return fm_.horizontalAdvance(text); }
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

Chart::Chart(QWidget* parent) : Panel(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void Chart::ClearSeries(int index) {
    Series(index)->Clear();
    update();
}

void Chart::AddXY(int index, double x, double y, ColorRef color) {
    // A point that is not finite has no place on an axis: refused here, so
    // the layout never sees one from the series.
    if (!std::isfinite(x) || !std::isfinite(y)) throw EInvalidOp();
    Series(index)->AddXY(x, y, color);
    update();
}

QFont Chart::LabelsFont() const {
    const ChartAxis& axis = model_.BottomAxis;
    // Points at 96 pixels per inch.
    return LayoutFont(axis.LabelsFontName, axis.LabelsFontPoints * 96 / 72);
}

ChartLayout Chart::Layout() const {
    return ComputeChartLayout(model_, width(), height(), FontTextMetrics(LabelsFont()));
}

void Chart::paintEvent(QPaintEvent*) {
    GuardedDeferred([this] {
        const ChartLayout layout = Layout();

        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, false);
        Canvas canvas(painter);
        canvas.SetFont(LabelsFont());

        // Background.
        if (layout.background.empty()) {
            painter.fillRect(rect(), ToQColor(model_.Color));
        } else {
            for (const GradientBand& band : layout.background)
                painter.fillRect(QRect(0, band.top, width(), band.bottom - band.top), ToQColor(band.color));
        }

        // Back wall: a frame over the plot rectangle, both ends inclusive.
        const QRect& plot = layout.plot;
        canvas.SetPenColor(model_.BackWall.Pen.Color);
        canvas.SetBrushColor(model_.BackWall.BrushColor);
        canvas.SetBrushStyle(model_.BackWall.BrushClear ? BrushStyle::Clear : BrushStyle::Solid);
        canvas.Rectangle(plot.left(), plot.top(), plot.right() + 1, plot.bottom() + 1);

        // Axes: grid, line, ticks, labels.
        for (auto [axis, a] : {std::pair{&model_.LeftAxis, &layout.left}, std::pair{&model_.BottomAxis, &layout.bottom}}) {
            if (!a->visible) continue;
            painter.setPen(PenOf(axis->Grid));
            for (const QLine& g : a->grid) painter.drawLine(g);
            if (axis->Axis.Visible) painter.fillRect(a->lineRect, ToQColor(axis->Axis.Color));
            painter.setPen(PenOf(axis->Ticks));
            for (const QLine& t : a->majorTicks) painter.drawLine(t);
            painter.setPen(PenOf(axis->MinorTicks));
            for (const QLine& t : a->minorTicks) painter.drawLine(t);
            canvas.SetFontColor(axis->LabelsFontColor);
            for (const AxisLabel& label : a->labels)
                canvas.TextOut(label.textTopLeft.x(), label.textTopLeft.y(), label.text);
        }

        // Areas first, beneath every line and pointer.
        for (int i = 0; i < SeriesCount() && i < int(layout.series.size()); ++i) {
            const auto* area = dynamic_cast<const AreaSeries*>(Series(i));
            const QPolygon& polygon = layout.series[std::size_t(i)].area;
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
            if (const auto* line = dynamic_cast<const LineSeries*>(Series(i))) {
                // The whole edge first, then the whole line over it, so no
                // segment's edge covers its neighbour's line.
                if (line->OutlinePen.Visible && line->OutlinePen.Width > 0) {
                    ChartPen edge = line->OutlinePen;
                    edge.Width = line->LinePen.Width + 2 * line->OutlinePen.Width;
                    QPen pen = PenOf(edge);
                    pen.setJoinStyle(Qt::RoundJoin);  // no notches where segments meet
                    painter.setPen(pen);
                    // Consecutive segments as one polyline: one stroke with
                    // real joins, and a fraction of the cost of wide lines
                    // drawn one by one.
                    QPolygon run;
                    auto flush = [&] {
                        if (run.size() > 1) painter.drawPolyline(run);
                        run.clear();
                    };
                    for (const QLine& seg : sl.segments) {
                        if (run.isEmpty() || run.back() != seg.p1()) {
                            flush();
                            run << seg.p1();
                        }
                        run << seg.p2();
                    }
                    flush();
                }
                if (line->LinePen.Visible) {
                    painter.setPen(PenOf(line->LinePen));
                    for (const QLine& seg : sl.segments) painter.drawLine(seg);
                }
            }
            if (const auto* points = dynamic_cast<const PointSeries*>(Series(i))) {
                canvas.SetPenColor(points->Pointer.Pen.Color);
                canvas.SetPenWidth(points->Pointer.Pen.Width);
                canvas.SetBrushStyle(BrushStyle::Solid);
                canvas.SetBrushColor(points->SeriesColor);
                for (const auto& t : sl.triangles) canvas.Polygon({t[0], t[1], t[2]});
                for (const QRect& r : sl.rectangles) canvas.Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
                canvas.SetPenWidth(1);
            }
        }
    });
    if (hasFocus()) GuardedDeferred([this] { DrawFocusFrame(*this); });
}

}  // namespace tarvik
