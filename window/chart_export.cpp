#include "window/chart_export.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "chart/chart.h"
#include "calc/limits.h"
#include "chart/chart_svg.h"

namespace tarvik {

namespace {

constexpr int kTitleHeight = 20;
constexpr int kTitleInset = 4;
constexpr int kTitlePixels = 12, kSmallestTitlePixels = 7;

int Scaled(int pixels, double textScale) { return int(std::lround(pixels * textScale)); }

// One line over the chart's width: the font shrinks until the title fits.
QFont TitleFont(const Chart& chart, const QString& title, int width, double textScale) {
    QFont font = chart.font();
    font.setPixelSize(Scaled(kTitlePixels, textScale));
    while (font.pixelSize() > kSmallestTitlePixels &&
           QFontMetrics(font).horizontalAdvance(title) > width - 2 * Scaled(kTitleInset, textScale))
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

double SavedTextScale(const QSize& size) {
    return std::max(1.0, std::min(double(size.width()) / kChartWidth, double(size.height()) / kChartHeight));
}

QImage RenderChart(const Chart& chart, const QString& title, const QSize& size, int scale) {
    return RenderChart(chart, title, size, scale, ChartLook{});
}

QImage RenderChart(const Chart& chart, const QString& title, const QSize& size, int scale, const ChartLook& look) {
    const int titleHeight = Scaled(kTitleHeight, look.textScale), inset = Scaled(kTitleInset, look.textScale);
    QImage image(size.width() * scale, (size.height() + titleHeight) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(TitleFont(chart, title, size.width(), look.textScale));
    painter.drawText(QRect(inset, 0, size.width() - 2 * inset, titleHeight), Qt::AlignVCenter | Qt::AlignLeft, title);
    painter.translate(0, titleHeight);
    chart.Paint(painter, size, scale == 1, look);
    return image;
}

QString ChartSvgDocument(const Chart& chart, const QString& title, const QSize& size) {
    return ChartSvgDocument(chart, title, size, ChartLook{});
}

QString ChartSvgDocument(const Chart& chart, const QString& title, const QSize& size, const ChartLook& look) {
    const int titleHeight = Scaled(kTitleHeight, look.textScale);
    const int height = size.height() + titleHeight;
    const QFont font = TitleFont(chart, title, size.width(), look.textScale);
    const double baseline = (titleHeight + QFontMetricsF(font).ascent() - QFontMetricsF(font).descent()) / 2;
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n"
                   "<title>%3</title>\n"
                   "<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%4\" fill=\"#ffffff\"/>\n"
                   "<text x=\"%5\" y=\"%6\" font-family=\"%7\" font-size=\"%8\" fill=\"#000000\">%3</text>\n"
                   "<g transform=\"translate(0,%4)\">\n%9</g>\n</svg>\n")
        .arg(size.width())
        .arg(height)
        .arg(SvgEscaped(title))
        .arg(titleHeight)
        .arg(Scaled(kTitleInset, look.textScale))
        .arg(SvgNumber(baseline), SvgEscaped(font.family()))
        .arg(font.pixelSize())
        .arg(ChartSvgElements(chart.Model(), chart.Layout(size.width(), size.height(), look),
                              chart.LabelsFont(look.textScale), size, look.whiteBackground));
}

void SaveChart(const Chart& chart, const QString& path, ChartFormat format, const QString& title,
               const QSize& size, int scale, ReadOnlyTarget readOnly, bool whiteBackground) {
    const ChartLook look{SavedTextScale(size), whiteBackground};
    WriteFileWhole(path, "the chart", readOnly, [&](QIODevice& device) {
        if (format == ChartFormat::Svg) return WriteAll(device, ChartSvgDocument(chart, title, size, look).toUtf8());
        // Encoded in memory first: a failed write is then one checked call.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!RenderChart(chart, title, size, scale, look).save(&buffer, "PNG")) return false;
        return WriteAll(device, png);
    });
}

}  // namespace tarvik
