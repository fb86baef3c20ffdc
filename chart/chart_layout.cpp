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

// Rounding to nearest, ties to even (the FPU's default mode).
long long RoundEven(double v) { return std::llrint(v); }

QString LabelText(double v, const ChartAxis& axis, const FormatSettings& fs) {
    return QString::fromStdString(FormatNumberPattern(v, axis.AxisValuesFormat, fs));
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
    for (double v : ComputeLabelValues(a.axisMin, a.axisMax, a.increment, axis.RoundFirstLabel)) {
        const int p = ValueToPixel(v, a.axisMin, a.axisRange, a.startPixel, a.endPixel, horizontal);
        if (!(axis.LabelsOnAxis || (a.startPixel < p && p < a.endPixel))) continue;
        AxisLabel label{v, LabelText(v, axis, fs), p, {}};
        const int w = m.TextWidth(label.text);
        label.textTopLeft = horizontal ? QPoint(p - w / 2, a.labelsLine)
                                       : QPoint(a.labelsLine - w, p - m.FontHeight() / 2);
        if (axis.Labels) a.labels.push_back(label);
        a.majorPixels.push_back(p);
    }
}

// Ticks and the axis line, outward from the plot edge.
void PlaceTicks(AxisLayout& a, const ChartAxis& axis, const QRect& plot) {
    const int w = axis.Axis.Visible ? axis.Axis.Width : 0;
    const std::vector<int>& majors = a.majorPixels;
    auto tick = [&](int p, int length) {
        if (axis.Horizontal()) return QLine(p, plot.bottom() + w, p, plot.bottom() + w + length - 1);
        return QLine(plot.left() - w, p, plot.left() - w - length + 1, p);
    };
    if (axis.Horizontal())
        a.lineRect = QRect(a.startPixel, plot.bottom(), a.axisPixels + 1, w);
    else
        a.lineRect = QRect(plot.left() - w + 1, a.startPixel, w, a.axisPixels + 1);
    if (axis.Ticks.Visible && axis.TickLength > 0)
        for (int p : majors) a.majorTicks.push_back(tick(p, axis.TickLength));
    if (axis.MinorTicks.Visible && axis.MinorTickLength > 0)
        for (int p : ComputeMinorTicks(majors, axis.MinorTickCount, a.startPixel, a.endPixel))
            a.minorTicks.push_back(tick(p, axis.MinorTickLength));
    if (axis.Grid.Visible)
        for (int p : majors)
            a.grid.push_back(axis.Horizontal() ? QLine(p, plot.top(), p, plot.bottom())
                                               : QLine(plot.left(), p, plot.right(), p));
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

int ValueToPixel(double v, double axisMin, double axisRange, int startPixel, int endPixel,
                 bool horizontal) {
    const int centre = (startPixel + endPixel) / 2;
    if (axisRange == 0) return centre;
    const double offset = (v - axisMin) * (endPixel - startPixel) / axisRange;
    if (!(std::fabs(offset) <= kMaxInt)) return centre;
    const long long r = RoundEven(offset);
    return horizontal ? int(startPixel + r) : int(endPixel - r);
}

std::vector<int> ComputeMinorTicks(const std::vector<int>& majors, int minorCount, int startPixel,
                                   int endPixel) {
    std::vector<int> out;
    if (minorCount <= 0) return out;
    auto add = [&](long long p) {
        if (startPixel < p && p < endPixel) out.push_back(int(p));
    };
    for (std::size_t i = 1; i < majors.size(); ++i)
        for (int j = 1; j <= minorCount; ++j)
            add(majors[i] - RoundEven(double(j) * (majors[i] - majors[i - 1]) / (minorCount + 1)));
    if (majors.size() >= 2) {
        for (int j = 1; j <= minorCount; ++j) {
            const long long d = RoundEven(double(j) * (majors[1] - majors[0]) / (minorCount + 1));
            add(majors.front() - d);
            add(majors.back() + d);
        }
    }
    return out;
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
        l.increment = ComputeLabelIncrement(l.axisRange, l.axisPixels, m.FontHeight(),
                                            lAxis.Increment, lAxis.LabelsSeparation);
        if (l.visible) {
            if (lAxis.Labels) {
                const double inc = l.increment;
                const int w = std::max(m.TextWidth(LabelText(std::trunc(l.axisMin / inc) * inc, lAxis, fs)),
                                       m.TextWidth(LabelText(std::trunc(l.axisMax / inc) * inc, lAxis, fs)));
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
        const int labelSize = std::max(m.TextWidth(LabelText(b.axisMin, bAxis, fs)),
                                       m.TextWidth(LabelText(b.axisMax, bAxis, fs)));
        b.increment = ComputeLabelIncrement(b.axisRange, b.axisPixels, labelSize, bAxis.Increment,
                                            bAxis.LabelsSeparation);
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
            auto pixel = [&](const ChartPoint& p) {
                return QPoint(ValueToPixel(p.X, b.axisMin, b.axisRange, b.startPixel, b.endPixel, true),
                              ValueToPixel(p.Y, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false));
            };
            if (dynamic_cast<const LineSeries*>(s.get())) {
                bool first = true;
                QPoint last;
                for (const ChartPoint& p : s->Points()) {
                    const QPoint q = pixel(p);
                    if (!first && q != last) sl.segments.emplace_back(last, q);
                    first = false;
                    last = q;
                }
            } else if (dynamic_cast<const AreaSeries*>(s.get())) {
                if (s->Count() > 0) {
                    const int base = ValueToPixel(l.axisMin, l.axisMin, l.axisRange, l.startPixel, l.endPixel, false);
                    sl.area << QPoint(pixel(s->Points().front()).x(), base);
                    for (const ChartPoint& p : s->Points()) sl.area << pixel(p);
                    sl.area << QPoint(pixel(s->Points().back()).x(), base);
                }
            } else if (const auto* ps = dynamic_cast<const PointSeries*>(s.get())) {
                if (ps->Pointer.Visible) {
                    const int hs = ps->Pointer.HorizSize, vs = ps->Pointer.VertSize;
                    for (const ChartPoint& p : s->Points()) {
                        const QPoint q = pixel(p);
                        if (ps->Pointer.Style == PointerStyle::Triangle)
                            sl.triangles.push_back({QPoint(q.x() - hs, q.y() + vs),
                                                    QPoint(q.x() + hs, q.y() + vs), QPoint(q.x(), q.y() - vs)});
                        else
                            sl.rectangles.push_back(QRect(QPoint(q.x() - hs, q.y() - vs), QPoint(q.x() + hs, q.y() + vs)));
                    }
                }
            }
        }
        out.series.push_back(std::move(sl));
    }
    return out;
}

}  // namespace tarvik
