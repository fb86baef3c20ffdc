#pragma once
// The chart's geometry as a pure computation: background bands, plot
// rectangle, axis ranges and pixels, label increments, values and texts,
// ticks, the curve's segments and the markers' triangles. Text sizes come
// from an interface so tests can give exact metrics.
#include <QLine>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

#include "chart/chart_model.h"
#include "core/format_settings.h"

namespace tarvik {

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual int TextWidth(const QString& text) const = 0;
    virtual int FontHeight() const = 0;
};

// MulDiv(a, b, d) = a*b/d without overflow, halves away from zero.
long long MulDiv(long long a, long long b, long long d);

// The label increment sequence 1, 2, 5, 10, 20, 50, ... scaled by powers of 10.
double NextStep(double s);

struct GradientBand {
    int top, bottom;  // rows [top, bottom)
    ColorRef color;
};
// Vertical gradient over `rect` (right/bottom exclusive), StartColor at the
// bottom edge; at most 256 bands.
std::vector<GradientBand> ComputeGradientBands(const QRect& rect, ColorRef start, ColorRef end);

// The label increment for an axis with the given range, pixel extent, label
// size and settings: the smallest 1-2-5 step whose labels do not overlap.
double ComputeLabelIncrement(double axisRange, int axisPixels, int labelSize, double increment,
                             int labelsSeparation);

// Label values from the top down; empty when the axis would need 10000 or more.
std::vector<double> ComputeLabelValues(double axisMin, double axisMax, double inc,
                                       bool roundFirstLabel);

// Value to pixel; the centre of the axis when the range is 0 or the offset
// does not fit 32 bits.
int ValueToPixel(double v, double axisMin, double axisRange, int startPixel, int endPixel,
                 bool horizontal);

// Minor tick pixels for major ticks in drawing order (largest value first).
std::vector<int> ComputeMinorTicks(const std::vector<int>& majors, int minorCount, int startPixel,
                                   int endPixel);

struct AxisLabel {
    double value;
    QString text;
    int pixel;
    QPoint textTopLeft;
};

struct AxisLayout {
    bool visible = false;
    double axisMin = 0, axisMax = 0, axisRange = 0, increment = 0;
    int startPixel = 0, endPixel = 0, axisPixels = 0;
    int labelsLine = 0;       // where the label room ends toward the plot
    std::vector<AxisLabel> labels;
    std::vector<int> majorPixels;  // one per label, in drawing order
    std::vector<QLine> majorTicks, minorTicks, grid;
    QRect lineRect;           // the axis line, as filled by its pen
};

struct SeriesLayout {
    std::vector<QLine> segments;                       // line series
    std::vector<std::array<QPoint, 3>> triangles;      // triangle pointers
    std::vector<QRect> rectangles;                     // other pointer styles
    QPolygon area;  // area series: the points, closed along the bottom of the plot
};

struct ChartLayout {
    std::vector<GradientBand> background;  // empty when the gradient is hidden
    QRect plot;                            // inclusive: the back wall's frame
    AxisLayout left, bottom;
    std::vector<SeriesLayout> series;
};

ChartLayout ComputeChartLayout(const ChartModel& model, int width, int height,
                               const TextMetrics& metrics,
                               const FormatSettings& fs = CurrentFormatSettings());


}  // namespace tarvik
