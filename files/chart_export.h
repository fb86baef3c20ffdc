#pragma once
// The density chart for reports: a title line above the chart, written to a
// PNG (at a pixel ratio: text, lines and the curve drawn at that
// resolution) or an SVG drawing (every position fractional, text as text),
// or rendered for the clipboard.
#include <QImage>
#include <QSize>
#include <QString>

#include "files/safe_file.h"

namespace tarvik {

class Picture;
struct ChartLook;

enum class ChartFormat { Png, Svg };

// The format a file name asks for, by its extension (.png, .svg, any case).
bool ChartFormatOfName(const QString& path, ChartFormat& format);

// The text scale of a saved chart: its text grows with the picture, so that
// a chart saved at 1600 x 1000 and printed at the width of a page column
// reads as the window's 275 x 240 does on the screen (the smaller of the
// two ratios, never below 1).
double SavedTextScale(const QSize& size);

// The chart at `size` (logical pixels) under its title, at `scale` pixels
// per logical pixel; title and labels grown by the look's text scale.
QImage RenderChart(const Picture& chart, const QString& title, const QSize& size, int scale = 1);
QImage RenderChart(const Picture& chart, const QString& title, const QSize& size, int scale, const ChartLook& look);
// The same as an SVG document.
QString ChartSvgDocument(const Picture& chart, const QString& title, const QSize& size);
QString ChartSvgDocument(const Picture& chart, const QString& title, const QSize& size, const ChartLook& look);

// Writes the chart to `path` in `format`, whole or not at all (safe_file.h),
// its text grown for its size (SavedTextScale). Throws Exception with the
// reason when it cannot.
void SaveChart(const Picture& chart, const QString& path, ChartFormat format, const QString& title,
               const QSize& size, int scale, ReadOnlyTarget readOnly, bool whiteBackground = false);

}  // namespace tarvik
