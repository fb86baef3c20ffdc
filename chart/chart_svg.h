#pragma once
// The chart as SVG elements: every position as the layout computed it
// (fractional, so the drawing stays smooth at any zoom), the labels as text,
// the series clipped to the plot. Written from the same layout the screen
// paints, never traced from pixels.
#include <QFont>
#include <QSize>
#include <QString>

#include "chart/chart_layout.h"
#include "chart/chart_model.h"

namespace tarvik {

// The elements, with (0, 0) at the chart's top left; `labelsFont` is the
// font the layout measured the labels with.
// A layout without background bands is filled in the model's colour, or in
// white where `whiteBackground` asks for a plain one.
QString ChartSvgElements(const ChartModel& model, const ChartLayout& layout, const QFont& labelsFont,
                         const QSize& size, bool whiteBackground = false);

// A number for an SVG attribute: at most three decimals, no trailing zeros.
QString SvgNumber(double v);
// Text made safe inside an SVG element or attribute.
QString SvgEscaped(const QString& text);
// "#rrggbb".
QString SvgColor(QColor c);

}  // namespace tarvik
