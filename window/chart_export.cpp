#include "window/chart_export.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "chart/chart.h"
#include "core/errors.h"

namespace tarvik {

namespace {

constexpr int kTitleHeight = 20;
constexpr int kTitleInset = 4;
constexpr int kTitlePixels = 12, kSmallestTitlePixels = 7;

// The title line in black on white, then the chart below it.
void Draw(QPainter& painter, Chart& chart, const QString& title) {
    painter.fillRect(QRect(0, 0, chart.width(), kTitleHeight), Qt::white);
    painter.setPen(Qt::black);
    // One line over the chart's width: the font shrinks until it fits.
    QFont font = chart.font();
    font.setPixelSize(kTitlePixels);
    while (font.pixelSize() > kSmallestTitlePixels &&
           QFontMetrics(font).horizontalAdvance(title) > chart.width() - 2 * kTitleInset)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.drawText(QRect(kTitleInset, 0, chart.width() - 2 * kTitleInset, kTitleHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, title);
    chart.render(&painter, QPoint(0, kTitleHeight), QRegion(), QWidget::DrawChildren);
}

[[noreturn]] void Fail(const QString& path, const QString& reason) {
    throw Exception(("Cannot save the chart to '" + path + "': " + reason).toStdString());
}

}  // namespace

QImage RenderChart(Chart& chart, const QString& title, int scale) {
    QImage image(chart.width() * scale, (chart.height() + kTitleHeight) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    Draw(painter, chart, title);
    return image;
}

void SaveChart(Chart& chart, const QString& path, const QString& title, int scale) {
    // QSaveFile writes beside the target and renames on commit: a full disk
    // or a failed write leaves no partial file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) Fail(path, file.errorString());
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(chart.width(), chart.height() + kTitleHeight));
        svg.setViewBox(QRect(0, 0, chart.width(), chart.height() + kTitleHeight));
        // Qt 6.4 writes the title into <title> as it is: "P(X<=x)" would
        // make the file ill-formed XML.
        svg.setTitle(title.toHtmlEscaped());
        QPainter painter(&svg);
        Draw(painter, chart, title);
        painter.end();
    } else if (!RenderChart(chart, title, scale).save(&file, "PNG")) {
        file.cancelWriting();
        Fail(path, file.errorString().isEmpty() ? "the image could not be encoded" : file.errorString());
    }
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        Fail(path, reason);
    }
    if (!file.commit()) Fail(path, file.errorString());
}

}  // namespace tarvik
