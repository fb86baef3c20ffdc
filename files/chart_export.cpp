#include "files/chart_export.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "chart/svg_text.h"
#include "chart/picture.h"
#include "calc/limits.h"

namespace tarvik {

namespace {

constexpr int kTitleHeight = 20;
constexpr int kTitleInset = 4;
constexpr int kTitlePixels = 12, kSmallestTitlePixels = 7;

int Scaled(int pixels, double textScale) { return int(std::lround(pixels * textScale)); }

// The title over the chart: one line, its font shrunk until it fits. Where
// even the smallest font does not (a chart 180 pixels wide), the title is
// broken between its items, which stand three blanks apart, and its band
// grows by a line for each line more: cut at the picture's edge, the
// probabilities at its end were lost.
struct TitleLayout {
    QFont font;
    QStringList lines;
    int height = 0;       // of the band above the chart
    int lineSpacing = 0;  // from one line's baseline to the next
};

TitleLayout LayOutTitle(const Picture& chart, const QString& title, int width, double textScale) {
    TitleLayout out;
    out.font = chart.TitleFont();
    out.font.setPixelSize(Scaled(kTitlePixels, textScale));
    const int room = width - 2 * Scaled(kTitleInset, textScale);
    while (out.font.pixelSize() > kSmallestTitlePixels && QFontMetrics(out.font).horizontalAdvance(title) > room)
        out.font.setPixelSize(out.font.pixelSize() - 1);
    const QFontMetrics metrics(out.font);
    const QString gap = QStringLiteral("   ");
    for (const QString& item : title.split(gap)) {
        if (!out.lines.isEmpty() && metrics.horizontalAdvance(out.lines.back() + gap + item) <= room)
            out.lines.back() += gap + item;
        else
            out.lines << item;
    }
    out.lineSpacing = metrics.lineSpacing();
    out.height = Scaled(kTitleHeight, textScale) + int(out.lines.size() - 1) * out.lineSpacing;
    return out;
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

QImage RenderChart(const Picture& chart, const QString& title, const QSize& size, int scale) {
    return RenderChart(chart, title, size, scale, ChartLook{});
}

QImage RenderChart(const Picture& chart, const QString& title, const QSize& size, int scale, const ChartLook& look) {
    const TitleLayout heading = LayOutTitle(chart, title, size.width(), look.textScale);
    const int lineBand = Scaled(kTitleHeight, look.textScale), inset = Scaled(kTitleInset, look.textScale);
    QImage image(size.width() * scale, (size.height() + heading.height) * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(heading.font);
    for (int i = 0; i < heading.lines.size(); ++i)
        painter.drawText(QRect(inset, i * heading.lineSpacing, size.width() - 2 * inset, lineBand),
                         Qt::AlignVCenter | Qt::AlignLeft, heading.lines[i]);
    painter.translate(0, heading.height);
    chart.PaintPicture(painter, size, scale == 1, look);
    return image;
}

QString ChartSvgDocument(const Picture& chart, const QString& title, const QSize& size) {
    return ChartSvgDocument(chart, title, size, ChartLook{});
}

QString ChartSvgDocument(const Picture& chart, const QString& title, const QSize& size, const ChartLook& look) {
    const TitleLayout heading = LayOutTitle(chart, title, size.width(), look.textScale);
    const int height = size.height() + heading.height;
    const QFontMetricsF metrics(heading.font);
    const double baseline = (Scaled(kTitleHeight, look.textScale) + metrics.ascent() - metrics.descent()) / 2;
    // One line is one text element, as before; more lines are its spans.
    QString lines = SvgEscapedText(heading.lines.value(0));
    if (heading.lines.size() > 1) {
        lines.clear();
        for (int i = 0; i < heading.lines.size(); ++i)
            lines += QString("<tspan x=\"%1\" y=\"%2\">%3</tspan>")
                         .arg(Scaled(kTitleInset, look.textScale))
                         .arg(SvgNumberText(baseline + i * heading.lineSpacing), SvgEscapedText(heading.lines[i]));
    }
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n"
                   "<title>%3</title>\n"
                   "<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%4\" fill=\"#ffffff\"/>\n"
                   "<text x=\"%5\" y=\"%6\" font-family=\"%7\" font-size=\"%8\" fill=\"#000000\">%9</text>\n"
                   "<g transform=\"translate(0,%4)\">\n%10</g>\n</svg>\n")
        .arg(size.width())
        .arg(height)
        .arg(SvgEscapedText(title))
        .arg(heading.height)
        .arg(Scaled(kTitleInset, look.textScale))
        .arg(SvgNumberText(baseline), SvgEscapedText(heading.font.family()))
        .arg(heading.font.pixelSize())
        .arg(lines)
        .arg(chart.SvgElements(size, look));
}

void SaveChart(const Picture& chart, const QString& path, ChartFormat format, const QString& title,
               const QSize& size, int scale, ReadOnlyTarget readOnly, bool whiteBackground) {
    const ChartLook look{SavedTextScale(size), whiteBackground};
    WriteFileWhole(path, QCoreApplication::translate("SafeFile", "the chart"), readOnly, [&](QIODevice& device) {
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
