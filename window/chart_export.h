#pragma once
// The density chart for reports: a title line above the chart, written to a
// PNG (at a pixel ratio: text, lines and the curve drawn at that
// resolution) or an SVG drawing (every position fractional, text as text),
// or rendered for the clipboard.
#include <QImage>
#include <QSize>
#include <QString>

#include "window/safe_file.h"

namespace tarvik {

class Chart;

enum class ChartFormat { Png, Svg };

// The format a file name asks for, by its extension (.png, .svg, any case).
bool ChartFormatOfName(const QString& path, ChartFormat& format);

// The chart at `size` (logical pixels) under its title, at `scale` pixels
// per logical pixel.
QImage RenderChart(const Chart& chart, const QString& title, const QSize& size, int scale = 1);
// The same as an SVG document.
QString ChartSvgDocument(const Chart& chart, const QString& title, const QSize& size);

// Writes the chart to `path` in `format`, whole or not at all (safe_file.h).
// Throws Exception with the reason when it cannot.
void SaveChart(const Chart& chart, const QString& path, ChartFormat format, const QString& title,
               const QSize& size, int scale, ReadOnlyTarget readOnly);

}  // namespace tarvik
