#include "window/mosaic_chart.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "chart/svg_text.h"
#include "platform/application.h"

namespace tarvik {

namespace {

constexpr double kPadding = 8, kSwatch = 14;

// The legend's steps from the top: the most above expectation first.
constexpr MosaicShade kLegendSteps[] = {MosaicShade::FarAbove, MosaicShade::Above, MosaicShade::Near, MosaicShade::Below,
                                        MosaicShade::FarBelow};

QString StepText(MosaicShade shade) {
    switch (shade) {
        case MosaicShade::FarAbove: return MosaicChart::tr("4 or more");
        case MosaicShade::Above: return MosaicChart::tr("2 to 4");
        case MosaicShade::Near: return MosaicChart::tr("−2 to 2");
        case MosaicShade::Below: return MosaicChart::tr("−4 to −2");
        case MosaicShade::FarBelow: return MosaicChart::tr("−4 or less");
    }
    return {};
}

}  // namespace

QColor MosaicFill(MosaicShade shade) {
    switch (shade) {
        case MosaicShade::FarAbove: return {33, 102, 172};
        case MosaicShade::Above: return {146, 197, 222};
        case MosaicShade::Near: return {255, 255, 255};
        case MosaicShade::Below: return {244, 165, 130};
        case MosaicShade::FarBelow: return {178, 24, 43};
    }
    return {255, 255, 255};
}

QColor MosaicOutline(MosaicShade shade) {
    if (shade == MosaicShade::Near) return {128, 128, 128};
    return int(shade) > 0 ? QColor(5, 48, 97) : QColor(103, 0, 31);
}

bool MosaicDashed(MosaicShade shade) { return int(shade) < 0; }

MosaicScene PlaceMosaic(const MosaicPlot& plot, const QStringList& rowLabels, const QStringList& columnLabels,
                        const QSize& size, const QFont& font) {
    MosaicScene scene;
    const QFontMetricsF metrics(font);
    const double line = metrics.height(), scale = line / 16;
    const double pad = kPadding * scale, swatch = kSwatch * scale;
    // The legend: a heading over five swatches with their ranges.
    const QString heading = MosaicChart::tr("Adjusted residual");
    double legendWidth = metrics.horizontalAdvance(heading);
    for (MosaicShade step : kLegendSteps)
        legendWidth = std::max(legendWidth, swatch + pad / 2 + metrics.horizontalAdvance(StepText(step)));
    legendWidth = std::min(legendWidth, size.width() / 3.0);
    double widestColumn = 0;
    for (const QString& label : columnLabels) widestColumn = std::max(widestColumn, metrics.horizontalAdvance(label));
    const double left = pad + std::min(widestColumn, size.width() / 5.0) + pad / 2;
    const QRectF area(left, pad, std::max(1.0, size.width() - left - legendWidth - 2 * pad),
                      std::max(1.0, size.height() - 2 * pad - line - pad / 2));
    for (const MosaicTile& t : plot.tiles)
        scene.tiles.push_back({QRectF(area.left() + t.x * area.width(), area.top() + t.y * area.height(),
                                      t.width * area.width(), t.height * area.height()),
                               t.shade});
    // Labels cut to their room with an ellipsis: a long label never runs
    // into its neighbour.
    for (std::size_t i = 0; i < plot.rowCentres.size() && int(i) < rowLabels.size(); ++i) {
        const double room = i < plot.tiles.size() ? scene.tiles[i * plot.columnCentres.size()].rect.width() : area.width();
        const QRectF box(area.left() + plot.rowCentres[i] * area.width() - room / 2, area.bottom() + pad / 2, room, line);
        scene.texts.push_back({box, metrics.elidedText(rowLabels[int(i)], Qt::ElideRight, room), Qt::AlignCenter});
    }
    for (std::size_t j = 0; j < plot.columnCentres.size() && int(j) < columnLabels.size(); ++j) {
        const QRectF box(pad, area.top() + plot.columnCentres[j] * area.height() - line / 2, left - pad * 1.5, line);
        scene.texts.push_back({box, metrics.elidedText(columnLabels[int(j)], Qt::ElideRight, box.width()),
                               Qt::AlignRight | Qt::AlignVCenter});
    }
    const double legendLeft = area.right() + pad;
    scene.texts.push_back({QRectF(legendLeft, pad, legendWidth, line), metrics.elidedText(heading, Qt::ElideRight, legendWidth),
                           Qt::AlignLeft | Qt::AlignVCenter});
    double y = pad + line + pad / 2;
    for (MosaicShade step : kLegendSteps) {
        scene.tiles.push_back({QRectF(legendLeft, y + (line - swatch) / 2, swatch, swatch), step});
        const QRectF box(legendLeft + swatch + pad / 2, y, legendWidth - swatch - pad / 2, line);
        scene.texts.push_back({box, metrics.elidedText(StepText(step), Qt::ElideRight, box.width()), Qt::AlignLeft | Qt::AlignVCenter});
        y += line + pad / 2;
    }
    return scene;
}

MosaicChart::MosaicChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
    setAccessibleName(tr("Mosaic of the table"));
}

void MosaicChart::Show(MosaicPlot plot, QStringList rowLabels, QStringList columnLabels) {
    plot_ = std::move(plot);
    rowLabels_ = std::move(rowLabels);
    columnLabels_ = std::move(columnLabels);
    update();
}

QFont MosaicChart::TextFont(double textScale) const {
    QFont f = font();
    f.setPixelSize(std::max(1, int(std::lround(QFontInfo(font()).pixelSize() * textScale))));
    return f;
}

MosaicScene MosaicChart::Scene(const QSize& size, const ChartLook& look) const {
    return PlaceMosaic(plot_, rowLabels_, columnLabels_, size, TextFont(look.textScale));
}

void MosaicChart::PaintPicture(QPainter& painter, const QSize& size, bool pixelGrid, const ChartLook& look) const {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const MosaicScene scene = Scene(size, look);
    for (const PlacedTile& tile : scene.tiles) {
        QPen pen(MosaicOutline(tile.shade), std::abs(int(tile.shade)) == 2 ? 2 : 1);
        if (MosaicDashed(tile.shade)) pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(MosaicFill(tile.shade));
        painter.drawRect(pixelGrid ? QRectF(tile.rect.toRect()) : tile.rect);
    }
    painter.setPen(Qt::black);
    painter.setFont(TextFont(look.textScale));
    for (const PlacedText& text : scene.texts) painter.drawText(text.box, int(text.alignment), text.text);
}

QString MosaicChart::SvgElements(const QSize& size, const ChartLook& look) const {
    const MosaicScene scene = Scene(size, look);
    const QFont textFont = TextFont(look.textScale);
    const QFontMetricsF metrics(textFont);
    QString svg = QString("<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"#ffffff\"/>\n").arg(size.width()).arg(size.height());
    for (const PlacedTile& tile : scene.tiles)
        svg += QString("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\" stroke=\"%6\" stroke-width=\"%7\"%8/>\n")
                   .arg(SvgNumberText(tile.rect.x()), SvgNumberText(tile.rect.y()), SvgNumberText(tile.rect.width()),
                        SvgNumberText(tile.rect.height()), SvgColorText(MosaicFill(tile.shade)), SvgColorText(MosaicOutline(tile.shade)))
                   .arg(std::abs(int(tile.shade)) == 2 ? 2 : 1)
                   .arg(MosaicDashed(tile.shade) ? " stroke-dasharray=\"4 2\"" : "");
    for (const PlacedText& text : scene.texts) {
        const bool right = text.alignment & Qt::AlignRight, centre = text.alignment & Qt::AlignHCenter;
        const double x = right ? text.box.right() : centre ? text.box.center().x() : text.box.left();
        const double baseline = text.box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
        svg += QString("<text x=\"%1\" y=\"%2\" text-anchor=\"%3\" font-family=\"%4\" font-size=\"%5\">%6</text>\n")
                   .arg(SvgNumberText(x), SvgNumberText(baseline), right ? "end" : centre ? "middle" : "start",
                        SvgEscapedText(textFont.family()))
                   .arg(textFont.pixelSize())
                   .arg(SvgEscapedText(text.text));
    }
    return svg;
}

void MosaicChart::paintEvent(QPaintEvent*) {
    GuardedDeferred([this] {
        QPainter painter(this);
        PaintPicture(painter, size(), true, {});
    });
}

}  // namespace tarvik
