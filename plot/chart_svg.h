#pragma once
// The chart as SVG elements: every position as the layout computed it
// (fractional, so the drawing stays smooth at any zoom), the labels as text,
// the series clipped to the plot. Written from the same layout the screen
// paints, never traced from pixels; the desktop's files and the browser's
// page both draw from it.
#include <string>

#include "plot/chart_layout.h"
#include "plot/chart_model.h"

namespace tarvik {

// The font the layout measured the labels with: its family, its size in
// pixels, and its ascent (from the top of a label's box to its baseline).
struct SvgFont {
    std::string family;
    double pixelSize = 0, ascent = 0;
};

// The elements, with (0, 0) at the chart's top left, for a chart of
// width x height. A layout without background bands is filled in the
// model's colour, or in white where `whiteBackground` asks for a plain one.
std::string ChartSvgElements(const ChartModel& model, const ChartLayout& layout, const SvgFont& labelsFont,
                             int width, int height, bool whiteBackground = false);

// A number for an SVG attribute: at most three decimals, no trailing zeros,
// a point whatever the desktop's locale.
std::string SvgNumber(double v);
// Text made safe inside an SVG element or attribute.
std::string SvgEscaped(const std::string& text);
// "#rrggbb".
std::string SvgColor(Rgb c);

}  // namespace tarvik
