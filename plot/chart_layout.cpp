#include "plot/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "plot/number_pattern.h"
#include "plot/round_even.h"

namespace tarvik {

namespace {

std::string LabelText(double v, const std::string& pattern, const FormatSettings& fs) {
    return FormatNumberPattern(v, pattern, fs);
}

// A label in the axis's unit: in thousands it carries the SI prefix ("20k"),
// except 0, which is 0 in any unit. The pattern is the one for the step in
// that unit.
std::string LabelText(double v, double unit, const std::string& pattern, const FormatSettings& fs) {
    if (unit == 1) return LabelText(v, pattern, fs);
    const std::string text = LabelText(v / unit, pattern, fs);
    return v == 0 ? text : text + "k";
}

// Room between the label line and the plot: the axis line, the major ticks,
// and at least the minor ticks.
int TickRoom(const ChartAxis& axis) {
    int room = (axis.Axis.Visible ? axis.Axis.Width : 0) + (axis.Ticks.Visible ? axis.TickLength : 0);
    if (axis.MinorTicks.Visible) room = std::max(room, axis.MinorTickLength);
    return room;
}

struct Range {
    double min, max;
};

// Ends in use: fixed or from the data of the active series with points;
// automatic ends widened by the largest series margin, so that a marker at
// the end of the data is never clipped.
Range AxisRangeFor(const ChartAxis& axis, const ChartModel& model, int axisPixels) {
    bool any = false;
    double lo = 0, hi = 0;
    int margin = 0;
    for (const auto& s : model.Series) {
        if (!s->Active || s->Count() == 0) continue;
        for (const ChartPoint& p : s->Points()) {
            const double v = axis.Horizontal() ? p.X : p.Y;
            if (!any) lo = hi = v, any = true;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        margin = std::max(margin, axis.Horizontal() ? s->HorizMargin() : s->VertMargin());
    }
    Range r{axis.MinimumAutomatic() ? (any ? lo : 0) : axis.Minimum,
            axis.MaximumAutomatic() ? (any ? hi : 0) : axis.Maximum};
    const int mLo = axis.MinimumAutomatic() ? margin : 0;
    const int mHi = axis.MaximumAutomatic() ? margin : 0;
    const int shortened = axisPixels - mLo - mHi;
    if ((mLo || mHi) && shortened > 0) {
        // The extreme points land `margin` pixels inside the axis ends.
        const double perPixel = (r.max - r.min) / shortened;
        r.min -= mLo * perPixel;
        r.max += mHi * perPixel;
    }
    return r;
}

void SetSpan(AxisLayout& a, const ChartAxis& axis, int edge, int extent) {
    a.startPixel = edge + int(RoundEven(extent * axis.StartPosition / 100.0));
    a.endPixel = edge + int(RoundEven(extent * axis.EndPosition / 100.0));
    a.axisPixels = a.endPixel - a.startPixel;
}

void PlaceLabels(AxisLayout& a, const ChartAxis& axis, const TextMetrics& m,
                 const FormatSettings& fs) {
    const bool horizontal = axis.Horizontal();
    const std::string pattern = PatternForIncrement(axis.AxisValuesFormat, a.increment / a.labelUnit);
    for (double v : ComputeLabelValues(a.axisMin, a.axisMax, a.increment, axis.RoundFirstLabel)) {
        const double p = ValueToPosition(v, a.axisMin, a.axisRange, a.startPixel, a.endPixel, horizontal);
        if (!(axis.LabelsOnAxis || (a.startPixel < p && p < a.endPixel))) continue;
        AxisLabel label{v, LabelText(v, a.labelUnit, pattern, fs), p, {}};
        const int w = m.TextWidth(label.text);
        label.textTopLeft = horizontal ? Position(p - w / 2, a.labelsLine)
                                       : Position(a.labelsLine - w, p - m.FontHeight() / 2);
        if (axis.Labels) a.labels.push_back(label);
        a.majorPositions.push_back(p);
    }
}

// Ticks and the axis line, outward from the plot edge.
void PlaceTicks(AxisLayout& a, const ChartAxis& axis, const PixelRect& plot) {
    const int w = axis.Axis.Visible ? axis.Axis.Width : 0;
    const std::vector<double>& majors = a.majorPositions;
    auto tick = [&](double p, int length) {
        if (axis.Horizontal()) return Segment(p, plot.bottom() + w, p, plot.bottom() + w + length - 1);
        return Segment(plot.left() - w, p, plot.left() - w - length + 1, p);
    };
    if (axis.Horizontal())
        a.lineRect = Box(a.startPixel, plot.bottom(), a.axisPixels + 1, w);
    else
        a.lineRect = Box(plot.left() - w + 1, a.startPixel, w, a.axisPixels + 1);
    if (axis.Ticks.Visible && axis.TickLength > 0)
        for (double p : majors) a.majorTicks.push_back(tick(p, axis.TickLength));
    if (axis.MinorTicks.Visible && axis.MinorTickLength > 0)
        for (double p : ComputeMinorTicks(majors, axis.MinorTickCount, a.startPixel, a.endPixel))
            a.minorTicks.push_back(tick(p, axis.MinorTickLength));
    if (axis.Grid.Visible)
        for (double p : majors)
            a.grid.push_back(axis.Horizontal() ? Segment(p, plot.top(), p, plot.bottom())
                                               : Segment(plot.left(), p, plot.right(), p));
}

}  // namespace

namespace {

// Where even the finest step whose labels are apart leaves fewer than four,
// the top is raised to the next multiple of the step when that gives the
// fourth label, costs at most `largestRaise` of the range, and the labels
// are still apart on the longer axis. The density chart's bottom axis ends
// where the curve has fallen to nothing: a longer axis shows more of the
// flat tail (df 75 on 133 pixels: 0, 50 and 100 up to 134 become four up
// to 150). The power curve against w ends at twice w, itself a label at
// times: 0 to 0.1 becomes 0 to 0.15.
constexpr double kLargestLeftRaise = 0.1, kLargestBottomRaise = 0.5;
void RaiseTopForFourthLabel(AxisLayout& a, double largestRaise, const LabelsApart& apart) {
    const double inc = a.increment;
    if (!(inc > 0) || LabelCount(inc, a.axisMin, a.axisMax) >= kFewestLabels) return;
    // The fourth label from the bottom, or the first at or past the top.
    const double top = std::max(std::ceil(a.axisMax / inc - 1e-9), std::ceil(a.axisMin / inc - 1e-9) + kFewestLabels - 1) * inc;
    if (LabelCount(inc, a.axisMin, top) < kFewestLabels || top - a.axisMax > (largestRaise + 1e-9) * a.axisRange) return;
    if (!apart(inc, a.axisMin, top)) return;
    a.axisMax = top;
    a.axisRange = a.axisMax - a.axisMin;
}

// Labels of one size (the left axis's text height) at a step's spacing.
LabelsApart EvenlySizedApart(int axisPixels, int labelSize) {
    return [=](double inc, double lo, double hi) { return axisPixels * inc / (hi - lo) >= 1.25 * labelSize; };
}

// The bottom axis's labels as written, each as wide as its own text: "1k"
// beside "1.5k" needs less room than two of "1.5k".
LabelsApart WrittenLabelsApart(int axisPixels, const std::string& format, double unit, const TextMetrics& m,
                               const FormatSettings& fs) {
    return [=, &m, &fs](double inc, double lo, double hi) {
        const double spacing = axisPixels * inc / (hi - lo);
        const std::string pattern = PatternForIncrement(format, inc / unit);
        int previous = -1;
        const double first = std::ceil(lo / inc - 1e-9), last = std::floor(hi / inc + 1e-9);
        const double count = last - first + 1;
        if (!(count <= 100)) return false;  // far more than any axis shows (or no number)
        // Counted in whole labels: far out (1e300 / inc) k + 1 is k.
        for (int i = 0; i < int(std::max(count, 0.0)); ++i) {
            const int w = m.TextWidth(LabelText((first + i) * inc, unit, pattern, fs));
            if (previous >= 0 && spacing - (previous + w) / 2.0 < 0.25 * std::max(previous, w)) return false;
            previous = w;
        }
        return true;
    };
}

}  // namespace

double ValueToPosition(double v, double axisMin, double axisRange, int startPixel, int endPixel,
                       bool horizontal) {
    const int centre = (startPixel + endPixel) / 2;
    if (axisRange == 0) return centre;
    const double offset = (v - axisMin) * (endPixel - startPixel) / axisRange;
    if (!(std::fabs(offset) <= kLargestInt)) return centre;
    return horizontal ? startPixel + offset : endPixel - offset;
}

int ValueToPixel(double v, double axisMin, double axisRange, int startPixel, int endPixel,
                 bool horizontal) {
    return int(RoundEven(ValueToPosition(v, axisMin, axisRange, startPixel, endPixel, horizontal)));
}

std::vector<double> ComputeMinorTicks(const std::vector<double>& majors, int minorCount, int startPixel,
                                      int endPixel) {
    std::vector<double> out;
    if (minorCount <= 0) return out;
    auto add = [&](double p) {
        if (startPixel < p && p < endPixel) out.push_back(p);
    };
    for (std::size_t i = 1; i < majors.size(); ++i)
        for (int j = 1; j <= minorCount; ++j)
            add(majors[i] - double(j) * (majors[i] - majors[i - 1]) / (minorCount + 1));
    if (majors.size() >= 2) {
        for (int j = 1; j <= minorCount; ++j) {
            const double d = double(j) * (majors[1] - majors[0]) / (minorCount + 1);
            add(majors.front() - d);
            add(majors.back() + d);
        }
    }
    return out;
}

namespace {

// The bottom axis over the plot's width, widened by the series margins.
void LayOutBottomAxis(AxisLayout& b, const ChartAxis& bAxis, const ChartModel& model, int left, int right,
                      const TextMetrics& m, const FormatSettings& fs) {
    const Range r = AxisRangeFor(bAxis, model, right - left);
    b.axisMin = r.min;
    b.axisMax = r.max;
    b.axisRange = r.max - r.min;
    SetSpan(b, bAxis, left, right - left);
    // The labels' width depends on the step's decimals and the step on
    // the width: further passes settle it.
    // The first pass measures the ends as they are ("406.509"); later
    // ones the labels the step gives ("400").
    const auto settle = [&](double unit) {
        b.labelUnit = unit;
        const LabelsApart apart = WrittenLabelsApart(b.axisPixels, bAxis.AxisValuesFormat, unit, m, fs);
        std::string pattern = bAxis.AxisValuesFormat;
        for (int pass = 0; pass < 3; ++pass) {
            const double step = pass == 0 ? 0 : b.increment;
            const auto label = [&](double v) { return step > 0 ? std::trunc(v / step) * step : v; };
            const int labelSize = std::max(m.TextWidth(LabelText(label(b.axisMin), unit, pattern, fs)),
                                           m.TextWidth(LabelText(label(b.axisMax), unit, pattern, fs)));
            b.increment = WithinLabelBounds(ComputeLabelIncrement(b.axisRange, b.axisPixels, labelSize,
                                                                  bAxis.Increment, bAxis.LabelsSeparation),
                                            b.axisMin, b.axisMax, apart);
            pattern = PatternForIncrement(bAxis.AxisValuesFormat, b.increment / unit);
        }
        // The ends are not always the widest labels: in thousands "0.8k"
        // is wider than "1k" (df 813 at 190 wide: steps of 0.2k overlapped).
        for (int pass = 0; pass < 64 && !apart(b.increment, b.axisMin, b.axisMax); ++pass)
            b.increment = NextStep(b.increment);
    };
    const auto settleAndRaise = [&](double unit) {
        settle(unit);
        RaiseTopForFourthLabel(b, kLargestBottomRaise,
                               WrittenLabelsApart(b.axisPixels, bAxis.AxisValuesFormat, unit, m, fs));
        return LabelCount(b.increment, b.axisMin, b.axisMax);
    };
    const double axisMax = b.axisMax;
    const double plainCount = settleAndRaise(1);
    // A wide number on a narrow axis ("60,000" on 130 pixels: two
    // labels; "1,500" at df 1241 on 126): in thousands, "60k" or
    // "1.5k", when that shows more labels, on steps of at least a
    // hundred (never "1.25k").
    if (plainCount < kFewestLabels && axisMax >= 1000) {
        const AxisLayout plain = b;
        b.axisMax = axisMax;
        b.axisRange = b.axisMax - b.axisMin;
        if (settleAndRaise(1000) <= plainCount || b.increment < 100) b = plain;
    }
}

// Where the text of the largest label ends on the right, placed as the
// layout will place it.
double LastLabelRight(const AxisLayout& b, const ChartAxis& bAxis, const TextMetrics& m, const FormatSettings& fs) {
    AxisLayout placed = b;
    placed.labels.clear();
    PlaceLabels(placed, bAxis, m, fs);
    if (placed.labels.empty()) return 0;
    const AxisLabel& last = placed.labels.front();  // labels run from the top down
    return last.textTopLeft.x() + m.TextWidth(last.text);
}

}  // namespace

ChartLayout ComputeChartLayout(const ChartModel& model, int width, int height,
                               const TextMetrics& m, const FormatSettings& fs) {
    ChartLayout out;
    if (model.Gradient.Visible)
        out.background =
            ComputeGradientBands(PixelRect(0, 0, width, height), model.Gradient.StartColor, model.Gradient.EndColor);

    // Plot rectangle: margins in percent of the panel, then each axis's room.
    int left = int(MulDiv(model.MarginLeft, width, 100)) + model.BorderWidth;
    int right = width - int(MulDiv(model.MarginRight, width, 100)) - model.BorderWidth;
    int top = int(MulDiv(model.MarginTop, height, 100)) + model.BorderWidth;
    int bottom = height - int(MulDiv(model.MarginBottom, height, 100)) - model.BorderWidth;

    const ChartAxis& bAxis = model.BottomAxis;
    const ChartAxis& lAxis = model.LeftAxis;
    AxisLayout& b = out.bottom;
    AxisLayout& l = out.left;
    b.visible = bAxis.Visible;
    l.visible = lAxis.Visible;

    if (b.visible) {
        if (bAxis.Labels) bottom -= m.FontHeight();
        b.labelsLine = bottom;
        bottom -= TickRoom(bAxis);
    }

    // The left axis: its range and increment decide the width of its labels.
    {
        const Range r = AxisRangeFor(lAxis, model, bottom - top);
        l.axisMin = r.min;
        l.axisMax = r.max;
        l.axisRange = r.max - r.min;
        SetSpan(l, lAxis, top, bottom - top);
        l.increment = WithinLabelBounds(ComputeLabelIncrement(l.axisRange, l.axisPixels, m.FontHeight(),
                                                              lAxis.Increment, lAxis.LabelsSeparation),
                                        l.axisMin, l.axisMax, EvenlySizedApart(l.axisPixels, m.FontHeight()));
        // df 1 on 150 pixels: 0, .5 and 1 up to 1.47 become four labels up
        // to 1.5. At most a tenth: the curve keeps its height.
        RaiseTopForFourthLabel(l, kLargestLeftRaise, EvenlySizedApart(l.axisPixels, m.FontHeight()));
        if (l.visible) {
            if (lAxis.Labels) {
                const double inc = l.increment;
                const std::string pattern = PatternForIncrement(lAxis.AxisValuesFormat, inc);
                const int w = std::max(m.TextWidth(LabelText(std::trunc(l.axisMin / inc) * inc, pattern, fs)),
                                       m.TextWidth(LabelText(std::trunc(l.axisMax / inc) * inc, pattern, fs)));
                left += w + m.TextWidth(" ");
            }
            l.labelsLine = left;
            left += TickRoom(lAxis);
        }
    }
    // The last bottom label is centred on its value: where it would run
    // past the picture's right edge (data ending just past a label, or a
    // raised top), the plot gives up that much and the axis is laid out
    // again (df 980 at 485 pixels lost 13 pixels of "1,000" to the edge).
    for (int pass = 0; pass < 5; ++pass) {
        LayOutBottomAxis(b, bAxis, model, left, right, m, fs);
        // In doubles until it is known to be a few pixels: a label far out
        // (a position near 2^31) is no width to give up.
        const double overhang =
            b.visible && bAxis.Labels ? std::ceil(LastLabelRight(b, bAxis, m, fs) - (width - model.BorderWidth)) : 0;
        if (!(overhang > 0) || overhang >= right - left) break;
        right -= int(overhang);
    }
    out.plot = PixelRect::FromCorners(left, top, right, bottom);

    for (auto [axis, layout] : {std::pair{&lAxis, &l}, std::pair{&bAxis, &b}}) {
        if (!layout->visible) continue;
        PlaceLabels(*layout, *axis, m, fs);
        PlaceTicks(*layout, *axis, out.plot);
    }

    // Series, in order: the curve, then the markers.
    for (const auto& s : model.Series) {
        SeriesLayout sl;
        if (s->Active) {
            auto position = [&](const ChartPoint& p) {
                return Position(ValueToPosition(p.X, b.axisMin, b.axisRange, b.startPixel, b.endPixel, true),
                               ValueToPosition(p.Y, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false));
            };
            if (dynamic_cast<const LineSeries*>(s.get())) {
                for (const ChartPoint& p : s->Points()) sl.line.push_back(position(p));
            } else if (dynamic_cast<const AreaSeries*>(s.get())) {
                if (s->Count() > 0) {
                    const double base =
                        ValueToPosition(l.axisMin, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false);
                    sl.area.push_back(Position(position(s->Points().front()).x(), base));
                    for (const ChartPoint& p : s->Points()) sl.area.push_back(position(p));
                    sl.area.push_back(Position(position(s->Points().back()).x(), base));
                }
            } else if (const auto* ps = dynamic_cast<const PointSeries*>(s.get())) {
                if (ps->Pointer.Visible) {
                    const int hs = ps->Pointer.HorizSize, vs = ps->Pointer.VertSize;
                    for (const ChartPoint& p : s->Points()) {
                        const Position q = position(p);
                        if (ps->Pointer.Style == PointerStyle::Triangle)
                            sl.triangles.push_back({Position(q.x() - hs, q.y() + vs), Position(q.x() + hs, q.y() + vs),
                                                    Position(q.x(), q.y() - vs)});
                        else
                            sl.rectangles.push_back(Box(Position(q.x() - hs, q.y() - vs), Position(q.x() + hs, q.y() + vs)));
                    }
                }
            }
        }
        out.series.push_back(std::move(sl));
    }
    return out;
}

}  // namespace tarvik
