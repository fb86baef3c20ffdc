#pragma once
// The chart's settings and data as plain values: axes, series, gradient,
// back wall and margins. The layout reads them; the panel paints the layout.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/errors.h"
#include "plot/colors.h"

namespace tarvik {

struct ChartPen {
    Rgb Color = kBlack;
    int Width = 1;
    bool Visible = true;
    bool Dotted = false;
};

enum class AxisSide { Left, Top, Right, Bottom };

struct ChartAxis {
    explicit ChartAxis(AxisSide side) : Side(side) {}
    AxisSide Side;
    bool Horizontal() const { return Side == AxisSide::Top || Side == AxisSide::Bottom; }

    bool Automatic = true, AutomaticMinimum = true, AutomaticMaximum = true;
    double Minimum = 0, Maximum = 0;
    double Increment = 0;
    int LabelsSeparation = 10;
    std::string AxisValuesFormat = "#,##0.###";
    bool RoundFirstLabel = true, LabelsOnAxis = true, TickOnLabelsOnly = true;
    int TickLength = 4, TickInnerLength = 0, MinorTickLength = 2, MinorTickCount = 3;
    int StartPosition = 0, EndPosition = 100, PositionPercent = 0;
    bool Labels = true, Visible = true;
    std::string LabelsFontName = "Arial";
    int LabelsFontPoints = 8;
    Rgb LabelsFontColor = kBlack;
    ChartPen Axis{kBlack, 2, true, false};
    ChartPen Ticks{Rgb{128, 128, 128}, 1, true, false};
    ChartPen MinorTicks{Rgb{128, 128, 128}, 1, true, false};
    ChartPen Grid{Rgb{128, 128, 128}, 1, true, true};

    bool MinimumAutomatic() const { return Automatic || AutomaticMinimum; }
    bool MaximumAutomatic() const { return Automatic || AutomaticMaximum; }
    void SetMinMax(double lo, double hi) {
        Minimum = lo;
        Maximum = hi;
        Automatic = AutomaticMinimum = AutomaticMaximum = false;
    }

};

struct ChartPoint {
    double X, Y;
    Rgb Color;
};

enum class PointerStyle { Rectangle, Circle, Triangle };

struct SeriesPointer {
    bool Visible = true;
    bool InflateMargins = true;
    int HorizSize = 4, VertSize = 4;
    PointerStyle Style = PointerStyle::Rectangle;
    ChartPen Pen{kBlack, 1, true, false};
    Rgb BrushColor = kWhite;  // the series colour fills the pointer
};

class ChartSeries {
public:
    virtual ~ChartSeries() = default;
    std::string Name, Title;
    Rgb SeriesColor = kRed;
    bool Active = true;

    const std::vector<ChartPoint>& Points() const { return points_; }
    int Count() const { return int(points_.size()); }
    void Clear() { points_.clear(); }
    // Appends a point in the given colour (points are 64-bit floats).
    void AddXY(double x, double y, Rgb color) { points_.push_back({x, y, color}); }

    // Pixels of margin this series needs at each end of a horizontal or
    // vertical axis (the pointer's size plus one when it inflates margins).
    virtual int HorizMargin() const { return 0; }
    virtual int VertMargin() const { return 0; }

private:
    std::vector<ChartPoint> points_;
};

class LineSeries : public ChartSeries {
public:
    ChartPen LinePen{kYellow, 2, true, false};
    // An edge drawn under the line, OutlinePen.Width pixels on each side of
    // it: keeps a light line visible on a light background. Off by default.
    ChartPen OutlinePen{kBlack, 0, false, false};
};

// The area between a polyline through the points and the bottom of the
// plot (the left axis minimum), filled in SeriesColor at the given
// transparency. Areas are painted beneath every line and pointer, so a
// shaded region never covers the curve or a marker.
class AreaSeries : public ChartSeries {
public:
    int Transparency = 50;  // per cent: 0 opaque, 100 invisible
};

class PointSeries : public ChartSeries {
public:
    SeriesPointer Pointer;
    int HorizMargin() const override {
        return Pointer.Visible && Pointer.InflateMargins ? Pointer.HorizSize + 1 : 0;
    }
    int VertMargin() const override {
        return Pointer.Visible && Pointer.InflateMargins ? Pointer.VertSize + 1 : 0;
    }
};

struct ChartGradient {
    bool Visible = false;
    bool TopBottom = true;  // the only direction in use
    Rgb StartColor = kWhite, EndColor = kYellow;
};

struct ChartBackWall {
    ChartPen Pen{kBlack, 1, true, false};
    Rgb BrushColor = kWhite;
    bool BrushClear = false;
};

struct ChartModel {
    int MarginLeft = 3, MarginTop = 4, MarginRight = 3, MarginBottom = 4;
    int BorderWidth = 0;
    ChartGradient Gradient;
    Rgb Color = kWhite;
    ChartBackWall BackWall;
    ChartAxis LeftAxis{AxisSide::Left}, TopAxis{AxisSide::Top}, RightAxis{AxisSide::Right},
        BottomAxis{AxisSide::Bottom};
    std::vector<std::unique_ptr<ChartSeries>> Series;

    template <typename S>
    S* AddSeries() {
        Series.push_back(std::make_unique<S>());
        return static_cast<S*>(Series.back().get());
    }
    // A point that is not finite has no place on an axis: refused
    // (EInvalidOp) before a series takes it, so the layout never sees one.
    static void RequireFinite(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) throw EInvalidOp();
    }
    template <typename Points>
    static void RequireFinite(const Points& points) {
        for (const auto& p : points) RequireFinite(p.X, p.Y);
    }
    // Replaces a series' points (anything with X and Y) in the series'
    // colour. A point that is not finite refuses the whole set and leaves
    // the series as it was.
    template <typename Points>
    void SetPoints(int index, const Points& points) {
        RequireFinite(points);
        ChartSeries& series = *Series.at(std::size_t(index));
        series.Clear();
        for (const auto& p : points) series.AddXY(p.X, p.Y, series.SeriesColor);
    }
};

}  // namespace tarvik
