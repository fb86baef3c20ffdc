#pragma once
// The density chart for reports: written to a PNG (at the screen size or a
// multiple of it) or an SVG file, with a title line above the chart, or
// rendered for the clipboard.
#include <QImage>
#include <QString>

namespace tarvik {

class Chart;

// The chart under a title line, at `scale` times its size.
QImage RenderChart(Chart& chart, const QString& title, int scale = 1);

// Writes the chart to `path`: SVG when the name ends in ".svg", else PNG at
// `scale`. The file appears whole or not at all (written aside, then
// renamed). Throws Exception with the system's reason when it cannot be
// written.
void SaveChart(Chart& chart, const QString& path, const QString& title, int scale = 1);

}  // namespace tarvik
