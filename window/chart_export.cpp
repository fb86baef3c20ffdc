#include "window/chart_export.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>

#include "chart/chart.h"
#include "chart/chart_svg.h"

namespace tarvik {

namespace {

constexpr int kTitleHeight = 20;
constexpr int kTitleInset = 4;
constexpr int kTitlePixels = 12, kSmallestTitlePixels = 7;

// One line over the chart's width: the font shrinks until the title fits.
QFont TitleFont(const Chart& chart, const QString& title, int width) {
    QFont font = chart.font();
    font.setPixelSize(kTitlePixels);
    while (font.pixelSize() > kSmallestTitlePixels &&
           QFontMetrics(font).horizontalAdvance(title) > width - 2 * kTitleInset)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

}  // namespace

bool ChartFormatOfName(const QString& path, ChartFormat& format) {
    if (path.endsWith(".png", Qt::CaseInsensitive)) {
        format = ChartFormat::Png;
        return true;
    }
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        format = ChartFormat::Svg;
        return true;
    }
    return false;
}

QImage RenderChart(const Chart& chart, const QString& title, const QSize& size, int scale) {
    QImage image(size.width() * scale, (size.height() + kTitleHeight) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(TitleFont(chart, title, size.width()));
    painter.drawText(QRect(kTitleInset, 0, size.width() - 2 * kTitleInset, kTitleHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, title);
    painter.translate(0, kTitleHeight);
    chart.Paint(painter, size, scale == 1);
    return image;
}

QString ChartSvgDocument(const Chart& chart, const QString& title, const QSize& size) {
    const int height = size.height() + kTitleHeight;
    const QFont font = TitleFont(chart, title, size.width());
    const double baseline = (kTitleHeight + QFontMetricsF(font).ascent() - QFontMetricsF(font).descent()) / 2;
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n"
                   "<title>%3</title>\n"
                   "<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%4\" fill=\"#ffffff\"/>\n"
                   "<text x=\"%5\" y=\"%6\" font-family=\"%7\" font-size=\"%8\" fill=\"#000000\">%3</text>\n"
                   "<g transform=\"translate(0,%4)\">\n%9</g>\n</svg>\n")
        .arg(size.width())
        .arg(height)
        .arg(SvgEscaped(title))
        .arg(kTitleHeight)
        .arg(kTitleInset)
        .arg(SvgNumber(baseline), SvgEscaped(font.family()))
        .arg(font.pixelSize())
        .arg(ChartSvgElements(chart.Model(), chart.Layout(size.width(), size.height()), chart.LabelsFont(), size));
}

void SaveChart(const Chart& chart, const QString& path, ChartFormat format, const QString& title,
               const QSize& size, int scale, ReadOnlyTarget readOnly) {
    WriteFileWhole(path, "the chart", readOnly, [&](QIODevice& device) {
        if (format == ChartFormat::Svg) return WriteAll(device, ChartSvgDocument(chart, title, size).toUtf8());
        // Encoded in memory first: a failed write is then one checked call.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!RenderChart(chart, title, size, scale).save(&buffer, "PNG")) return false;
        return WriteAll(device, png);
    });
}

}  // namespace tarvik
