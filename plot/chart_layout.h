#pragma once
// The chart's geometry as a pure computation: background bands, plot
// rectangle, axis ranges and positions, label increments, values and texts,
// ticks, the curve and the markers' triangles. Text sizes come from an
// interface so tests can give exact metrics.
//
// Positions are kept unrounded (in logical pixels): a vector file or a
// picture at twice the resolution draws them as they are; the screen rounds
// them to its pixel grid (ToPixelGrid) and draws what it always drew.
#include <array>
#include <string>
#include <vector>

#include "plot/axis_steps.h"
#include "plot/chart_model.h"
#include "plot/background_bands.h"
#include "plot/geometry.h"
#include "core/format_settings.h"

namespace tarvik {

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int FontHeight() const = 0;
};

// Value to position along an axis, unrounded; the centre of the axis when
// the range is 0 or the offset does not fit 32 bits.
double ValueToPosition(double v, double axisMin, double axisRange, int startPixel, int endPixel,
                       bool horizontal);
// The same on the pixel grid (ties to even), as the screen draws it.
int ValueToPixel(double v, double axisMin, double axisRange, int startPixel, int endPixel,
                 bool horizontal);

// Minor tick positions for major ticks in drawing order (largest value first).
std::vector<double> ComputeMinorTicks(const std::vector<double>& majors, int minorCount, int startPixel,
                                      int endPixel);

struct AxisLabel {
    double value;
    std::string text;
    double position;
    Position textTopLeft;
};

struct AxisLayout {
    bool visible = false;
    double axisMin = 0, axisMax = 0, axisRange = 0, increment = 0;
    // 1, or 1000 where labels in thousands ("60k") leave room for four that
    // "60,000" would not.
    double labelUnit = 1;
    int startPixel = 0, endPixel = 0, axisPixels = 0;
    int labelsLine = 0;       // where the label room ends toward the plot
    std::vector<AxisLabel> labels;
    std::vector<double> majorPositions;  // one per label, in drawing order
    std::vector<Segment> majorTicks, minorTicks, grid;
    Box lineRect;          // the axis line, as filled by its pen
};

struct SeriesLayout {
    Polyline line;                                    // line series: the polyline
    std::vector<std::array<Position, 3>> triangles;     // triangle pointers
    std::vector<Box> rectangles;                    // other pointer styles
    Polyline area;  // area series: the points, closed along the bottom of the plot
};

struct ChartLayout {
    std::vector<GradientBand> background;  // empty when the gradient is hidden
    PixelRect plot;                            // inclusive: the back wall's frame
    AxisLayout left, bottom;
    std::vector<SeriesLayout> series;
};

ChartLayout ComputeChartLayout(const ChartModel& model, int width, int height,
                               const TextMetrics& metrics,
                               const FormatSettings& fs = CurrentFormatSettings());

// The layout on the pixel grid: every position rounded (ties to even) as the
// screen draws it, and repeated points of a polyline dropped.
ChartLayout ToPixelGrid(const ChartLayout& layout);
Position OnPixelGrid(const Position& p);

}  // namespace tarvik
