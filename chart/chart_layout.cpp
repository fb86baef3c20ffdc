#include "chart/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/number_pattern.h"

namespace tarvik {

namespace {

constexpr double kTinyIncrement = 1e-12;
constexpr double kLabelLimit = 10000;
constexpr double kMaxInt = 2147483647.0;
constexpr int kIncrementSearchLimit = 4000;
constexpr double kFewestLabels = 4, kMostLabels = 10;

// Rounding to nearest, ties to even (the FPU's default mode).
long long RoundEven(double v) { return std::llrint(v); }

QString LabelText(double v, const std::string& pattern, const FormatSettings& fs) {
    return QString::fromStdString(FormatNumberPattern(v, pattern, fs));
}

// A label in the axis's unit: in thousands it carries the SI prefix ("20k"),
// except 0, which is 0 in any unit. The pattern is the one for the step in
// that unit.
QString LabelText(double v, double unit, const std::string& pattern, const FormatSettings& fs) {
    if (unit == 1) return LabelText(v, pattern, fs);
    const QString text = LabelText(v / unit, pattern, fs);
    return v == 0 ? text : text + QStringLiteral("k");
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
        label.textTopLeft = horizontal ? QPointF(p - w / 2, a.labelsLine)
                                       : QPointF(a.labelsLine - w, p - m.FontHeight() / 2);
        if (axis.Labels) a.labels.push_back(label);
        a.majorPositions.push_back(p);
    }
}

// Ticks and the axis line, outward from the plot edge.
void PlaceTicks(AxisLayout& a, const ChartAxis& axis, const QRect& plot) {
    const int w = axis.Axis.Visible ? axis.Axis.Width : 0;
    const std::vector<double>& majors = a.majorPositions;
    auto tick = [&](double p, int length) {
        if (axis.Horizontal()) return QLineF(p, plot.bottom() + w, p, plot.bottom() + w + length - 1);
        return QLineF(plot.left() - w, p, plot.left() - w - length + 1, p);
    };
    if (axis.Horizontal())
        a.lineRect = QRectF(a.startPixel, plot.bottom(), a.axisPixels + 1, w);
    else
        a.lineRect = QRectF(plot.left() - w + 1, a.startPixel, w, a.axisPixels + 1);
    if (axis.Ticks.Visible && axis.TickLength > 0)
        for (double p : majors) a.majorTicks.push_back(tick(p, axis.TickLength));
    if (axis.MinorTicks.Visible && axis.MinorTickLength > 0)
        for (double p : ComputeMinorTicks(majors, axis.MinorTickCount, a.startPixel, a.endPixel))
            a.minorTicks.push_back(tick(p, axis.MinorTickLength));
    if (axis.Grid.Visible)
        for (double p : majors)
            a.grid.push_back(axis.Horizontal() ? QLineF(p, plot.top(), p, plot.bottom())
                                               : QLineF(plot.left(), p, plot.right(), p));
}

}  // namespace

long long MulDiv(long long a, long long b, long long d) {
    if (d == 0) return -1;  // as Win32 MulDiv answers a zero divisor
    const long long num = a * b;
    const long long q = num / d, r = num % d;
    // Halves away from zero.
    if (2 * std::llabs(r) >= std::llabs(d)) return q + (((num < 0) != (d < 0)) ? -1 : 1);
    return q;
}

double NextStep(double s) {
    if (!(s > 0) || !std::isfinite(s)) return kTinyIncrement;
    // s = m * 10^e with m in [1, 10), then 1 -> 2 -> 5 -> 10. Done on the
    // decade directly: the recursive scaling by ten drifts (1e-12 * 10^12 is
    // 0.99999..., which would step back to 1e-12 instead of 2e-12).
    constexpr double kSlack = 1e-9;
    double p = std::pow(10.0, std::floor(std::log10(s)));
    double m = s / p;
    if (m >= 10 * (1 - kSlack)) m /= 10, p *= 10;
    if (m < 1 - kSlack) m *= 10, p /= 10;
    if (m < 2 * (1 - kSlack)) return 2 * p;
    if (m < 5 * (1 - kSlack)) return 5 * p;
    return 10 * p;
}

namespace {

// The step before s in the 1-2-5 sequence.
double PreviousStep(double s) {
    const double p = std::pow(10.0, std::floor(std::log10(s) + 1e-9));
    const double m = s / p;
    if (m > 4) return 2 * p;
    if (m > 1.5) return p;
    return 5 * p / 10;
}

// The labels a step shows: its multiples in [lo, hi].
double LabelCount(double inc, double lo, double hi) {
    constexpr double kSlack = 1e-9;
    return std::floor(hi / inc + kSlack) - std::ceil(lo / inc - kSlack) + 1;
}

// 4 to 10 labels on every axis, as matplotlib's, ggplot2's and gnuplot's
// axes give: the rule above only keeps labels apart, and leaves 40 of them
// on a large picture and 2 on a tall density at df 1. A coarser 1-2-5 step
// while more than 10 would show; a finer one while fewer than 4 do and the
// finer labels still keep a quarter of a label's size free between them.
double WithinLabelBounds(double inc, double lo, double hi, int axisPixels, int labelSize) {
    const double range = hi - lo;
    if (!(inc > 0) || !std::isfinite(range) || range <= 0) return inc;
    for (int pass = 0; pass < 64 && LabelCount(inc, lo, hi) > kMostLabels; ++pass) inc = NextStep(inc);
    for (int pass = 0; pass < 64 && LabelCount(inc, lo, hi) < kFewestLabels; ++pass) {
        const double finer = PreviousStep(inc);
        if (axisPixels * finer / range < 1.25 * labelSize) break;
        inc = finer;
    }
    return inc;
}

}  // namespace

std::vector<GradientBand> ComputeGradientBands(const QRect& rect, ColorRef start, ColorRef end) {
    const int h = rect.height();
    const int n = std::min(h, 256);
    std::vector<GradientBand> bands;
    if (n <= 0) return bands;
    const int bottom = rect.top() + h;  // exclusive
    for (int k = 0; k < n; ++k) {
        auto channel = [&](int s, int e) {
            const long long delta = n > 1 ? MulDiv(k, e - s, n - 1) : 0;
            return int((s + delta) & 0xFF);
        };
        const ColorRef c = RGB(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
                             channel(BlueOf(start), BlueOf(end)));
        bands.push_back({int(bottom - MulDiv(k + 1, h, n)), int(bottom - MulDiv(k, h, n)), c});
    }
    return bands;
}

double ComputeLabelIncrement(double axisRange, int axisPixels, int labelSize, double increment,
                             int labelsSeparation) {
    long long n = 1;
    if (labelSize > 0) {
        const long long divisor =
            labelsSeparation > 0 ? labelSize + RoundEven(labelsSeparation * 0.01 * labelSize) : labelSize;
        n = RoundEven(double(axisPixels) / double(divisor));
    }
    // An axis range that is not a finite number (NaN, or the difference of
    // two huge ends) has no labels to step through: NextStep(inf) falls back
    // to the smallest increment and the search would start over for ever.
    if (n < 1 || !std::isfinite(axisRange)) return kTinyIncrement;
    double inc = increment > 0 && std::isfinite(increment) ? increment
                                                           : (std::fabs(axisRange) >= 1 ? 1 : kTinyIncrement);
    if (labelsSeparation > 0) {
        long long count = n + 1;
        // Each step at least doubles inc: from 1e-12 past any finite double
        // range takes about 1000 steps, so the bound never cuts a real search.
        for (int pass = 0; pass < kIncrementSearchLimit && count > n; ++pass) {
            const double q = axisRange / inc;
            if (std::fabs(q) < kMaxInt) {
                count = RoundEven(q);
                if (count > n) inc = NextStep(inc);
            } else {
                inc = NextStep(inc);
            }
        }
    }
    return std::max(inc, kTinyIncrement);
}

std::vector<double> ComputeLabelValues(double axisMin, double axisMax, double inc,
                                       bool roundFirstLabel) {
    std::vector<double> values;
    if (!(inc > 0) || std::fabs((axisMax - axisMin) / inc) >= kLabelLimit) return values;
    double v = (axisMin == axisMax || !roundFirstLabel) ? axisMax : std::trunc(axisMax / inc) * inc;
    for (int i = 0; v > axisMax; ++i) {
        const double next = v - inc;
        if (!(next < v) || i == int(kLabelLimit)) {  // no progress in the last bits
            v = axisMax;
            break;
        }
        v = next;
    }
    // The guards keep the lowest label when repeated subtraction lands a
    // hair below the minimum.
    const double floor = (axisMin - 1e-12) / 1.000000000001;
    while (v >= floor && values.size() < std::size_t(kLabelLimit)) {
        values.push_back(v);
        // Near 1e308 an increment below the value's last bit leaves v as it
        // is: stop rather than write the same label for ever.
        const double next = v - inc;
        if (!(next < v)) break;
        v = next;
    }
    return values;
}

double ValueToPosition(double v, double axisMin, double axisRange, int startPixel, int endPixel,
                       bool horizontal) {
    const int centre = (startPixel + endPixel) / 2;
    if (axisRange == 0) return centre;
    const double offset = (v - axisMin) * (endPixel - startPixel) / axisRange;
    if (!(std::fabs(offset) <= kMaxInt)) return centre;
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

int DecimalsForIncrement(double inc) {
    if (!(inc > 0) || !std::isfinite(inc)) return 0;
    // The fewest decimals that write the step itself exactly (to 1e-6 of it).
    for (int d = 0; d < 15; ++d) {
        const double scaled = inc * std::pow(10.0, d);
        if (std::fabs(scaled - std::round(scaled)) <= 1e-6 * scaled) return d;
    }
    return 15;
}

std::string PatternForIncrement(const std::string& pattern, double inc) {
    const int needed = DecimalsForIncrement(inc);
    const std::size_t point = pattern.find('.');
    const int has = point == std::string::npos ? 0 : int(pattern.size() - point - 1);
    if (has >= needed) return pattern;
    std::string wider = point == std::string::npos ? pattern + "." : pattern;
    // Required zeros: neighbouring labels then always differ in a digit shown.
    const std::size_t first = wider.find('.') + 1;
    for (std::size_t i = first; i < wider.size(); ++i) wider[i] = '0';
    wider.append(std::size_t(needed - has), '0');
    return wider;
}

ChartLayout ComputeChartLayout(const ChartModel& model, int width, int height,
                               const TextMetrics& m, const FormatSettings& fs) {
    ChartLayout out;
    if (model.Gradient.Visible)
        out.background =
            ComputeGradientBands(QRect(0, 0, width, height), model.Gradient.StartColor, model.Gradient.EndColor);

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
                                        l.axisMin, l.axisMax, l.axisPixels, m.FontHeight());
        // Where even the finest step that keeps the labels apart leaves
        // fewer than four (df 1 on 150 pixels: 0, .5 and 1 up to 1.47), the
        // top is raised to the next label when that costs at most a tenth of
        // the height (1.5): the curve keeps its shape, the axis a fourth label.
        if (LabelCount(l.increment, l.axisMin, l.axisMax) < kFewestLabels && l.increment > 0) {
            const double top = std::ceil(l.axisMax / l.increment - 1e-9) * l.increment;
            if (LabelCount(l.increment, l.axisMin, top) >= kFewestLabels && top - l.axisMax <= 0.1 * l.axisRange) {
                l.axisMax = top;
                l.axisRange = l.axisMax - l.axisMin;
            }
        }
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
    out.plot = QRect(QPoint(left, top), QPoint(right, bottom));

    // The bottom axis over the final width, widened by the series margins.
    {
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
            std::string pattern = bAxis.AxisValuesFormat;
            for (int pass = 0; pass < 3; ++pass) {
                const double step = pass == 0 ? 0 : b.increment;
                const auto label = [&](double v) { return step > 0 ? std::trunc(v / step) * step : v; };
                const int labelSize = std::max(m.TextWidth(LabelText(label(b.axisMin), unit, pattern, fs)),
                                               m.TextWidth(LabelText(label(b.axisMax), unit, pattern, fs)));
                b.increment = WithinLabelBounds(ComputeLabelIncrement(b.axisRange, b.axisPixels, labelSize,
                                                                      bAxis.Increment, bAxis.LabelsSeparation),
                                                b.axisMin, b.axisMax, b.axisPixels, labelSize);
                pattern = PatternForIncrement(bAxis.AxisValuesFormat, b.increment / unit);
            }
        };
        settle(1);
        // A wide number on a narrow axis ("60,000" on 130 pixels: two
        // labels): in thousands, where the steps are whole thousands.
        if (LabelCount(b.increment, b.axisMin, b.axisMax) < kFewestLabels && b.increment >= 1000) {
            const double whole = b.increment;
            settle(1000);
            if (b.increment < 1000) {
                b.increment = whole;
                b.labelUnit = 1;
            }
        }
    }

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
                return QPointF(ValueToPosition(p.X, b.axisMin, b.axisRange, b.startPixel, b.endPixel, true),
                               ValueToPosition(p.Y, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false));
            };
            if (dynamic_cast<const LineSeries*>(s.get())) {
                for (const ChartPoint& p : s->Points()) sl.line << position(p);
            } else if (dynamic_cast<const AreaSeries*>(s.get())) {
                if (s->Count() > 0) {
                    const double base =
                        ValueToPosition(l.axisMin, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false);
                    sl.area << QPointF(position(s->Points().front()).x(), base);
                    for (const ChartPoint& p : s->Points()) sl.area << position(p);
                    sl.area << QPointF(position(s->Points().back()).x(), base);
                }
            } else if (const auto* ps = dynamic_cast<const PointSeries*>(s.get())) {
                if (ps->Pointer.Visible) {
                    const int hs = ps->Pointer.HorizSize, vs = ps->Pointer.VertSize;
                    for (const ChartPoint& p : s->Points()) {
                        const QPointF q = position(p);
                        if (ps->Pointer.Style == PointerStyle::Triangle)
                            sl.triangles.push_back({QPointF(q.x() - hs, q.y() + vs), QPointF(q.x() + hs, q.y() + vs),
                                                    QPointF(q.x(), q.y() - vs)});
                        else
                            sl.rectangles.push_back(QRectF(QPointF(q.x() - hs, q.y() - vs), QPointF(q.x() + hs, q.y() + vs)));
                    }
                }
            }
        }
        out.series.push_back(std::move(sl));
    }
    return out;
}

QPointF OnPixelGrid(const QPointF& p) { return QPointF(double(RoundEven(p.x())), double(RoundEven(p.y()))); }

ChartLayout ToPixelGrid(const ChartLayout& layout) {
    ChartLayout out = layout;
    auto line = [](const QLineF& l) { return QLineF(OnPixelGrid(l.p1()), OnPixelGrid(l.p2())); };
    for (AxisLayout* a : {&out.left, &out.bottom}) {
        for (AxisLabel& label : a->labels) {
            label.position = double(RoundEven(label.position));
            label.textTopLeft = OnPixelGrid(label.textTopLeft);
        }
        for (double& p : a->majorPositions) p = double(RoundEven(p));
        for (auto* lines : {&a->majorTicks, &a->minorTicks, &a->grid})
            for (QLineF& l : *lines) l = line(l);
    }
    for (SeriesLayout& s : out.series) {
        QPolygonF grid;
        for (const QPointF& p : s.line) {
            const QPointF q = OnPixelGrid(p);
            if (grid.isEmpty() || grid.back() != q) grid << q;
        }
        s.line = grid;
        for (QPointF& p : s.area) p = OnPixelGrid(p);
        for (auto& t : s.triangles)
            for (QPointF& p : t) p = OnPixelGrid(p);
        for (QRectF& r : s.rectangles) r = QRectF(OnPixelGrid(r.topLeft()), OnPixelGrid(r.bottomRight()));
    }
    return out;
}

}  // namespace tarvik
