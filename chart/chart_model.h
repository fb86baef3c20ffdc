#pragma once
// The chart's settings and data as plain values: axes, series, gradient,
// back wall and margins. The layout reads them; the panel paints the layout.
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/colors.h"

namespace tarvik {

struct TChartPen {
    TColor Color = clBlack;
    int Width = 1;
    bool Visible = true;
    bool Dotted = false;
};

enum class TAxisSide { Left, Top, Right, Bottom };

struct TChartAxis {
    explicit TChartAxis(TAxisSide side) : Side(side) {}
    TAxisSide Side;
    bool Horizontal() const { return Side == TAxisSide::Top || Side == TAxisSide::Bottom; }

    bool Automatic = true, AutomaticMinimum = true, AutomaticMaximum = true;
    double Minimum = 0, Maximum = 0;
    double Increment = 0;
    int LabelsSeparation = 10;
    std::string AxisValuesFormat = "#,##0.###";
    bool RoundFirstLabel = true, LabelsOnAxis = true, TickOnLabelsOnly = true;
    int TickLength = 4, TickInnerLength = 0, MinorTickLength = 2, MinorTickCount = 3;
    int StartPosition = 0, EndPosition = 100, PositionPercent = 0;
    bool Labels = true, Visible = true;
    QString LabelsFontName = "Arial";
    int LabelsFontPoints = 8;
    TColor LabelsFontColor = clBlack;
    TChartPen Axis{clBlack, 2, true, false};
    TChartPen Ticks{RGB(128, 128, 128), 1, true, false};
    TChartPen MinorTicks{RGB(128, 128, 128), 1, true, false};
    TChartPen Grid{RGB(128, 128, 128), 1, true, true};

    bool MinimumAutomatic() const { return Automatic || AutomaticMinimum; }
    bool MaximumAutomatic() const { return Automatic || AutomaticMaximum; }
    void SetMinMax(double lo, double hi) {
        Minimum = lo;
        Maximum = hi;
        Automatic = AutomaticMinimum = AutomaticMaximum = false;
    }

};

struct TChartPoint {
    double X, Y;
    TColor Color;
};

enum class TPointerStyle { psRectangle, psCircle, psTriangle };

struct TSeriesPointer {
    bool Visible = true;
    bool InflateMargins = true;
    int HorizSize = 4, VertSize = 4;
    TPointerStyle Style = TPointerStyle::psRectangle;
    TChartPen Pen{clBlack, 1, true, false};
    TColor BrushColor = clWhite;  // the series colour fills the pointer
};

class TChartSeries {
public:
    virtual ~TChartSeries() = default;
    QString Name, Title;
    TColor SeriesColor = clRed;
    bool Active = true;

    const std::vector<TChartPoint>& Points() const { return points_; }
    int Count() const { return int(points_.size()); }
    void Clear() { points_.clear(); }
    // Appends a point in the given colour (points are 64-bit floats).
    void AddXY(double x, double y, TColor color) { points_.push_back({x, y, color}); }

    // Pixels of margin this series needs at each end of a horizontal or
    // vertical axis (the pointer's size plus one when it inflates margins).
    virtual int HorizMargin() const { return 0; }
    virtual int VertMargin() const { return 0; }

private:
    std::vector<TChartPoint> points_;
};

class TLineSeries : public TChartSeries {
public:
    TChartPen LinePen{clYellow, 2, true, false};
    // An edge drawn under the line, OutlinePen.Width pixels on each side of
    // it: keeps a light line visible on a light background. Off by default.
    TChartPen OutlinePen{clBlack, 0, false, false};
};

// The area between a polyline through the points and the bottom of the
// plot (the left axis minimum), filled in SeriesColor at the given
// transparency. Areas are painted beneath every line and pointer, so a
// shaded region never covers the curve or a marker.
class TAreaSeries : public TChartSeries {
public:
    int Transparency = 50;  // per cent: 0 opaque, 100 invisible
};

class TPointSeries : public TChartSeries {
public:
    TSeriesPointer Pointer;
    int HorizMargin() const override {
        return Pointer.Visible && Pointer.InflateMargins ? Pointer.HorizSize + 1 : 0;
    }
    int VertMargin() const override {
        return Pointer.Visible && Pointer.InflateMargins ? Pointer.VertSize + 1 : 0;
    }
};

struct TChartGradient {
    bool Visible = false;
    bool TopBottom = true;  // the only direction in use
    TColor StartColor = clWhite, EndColor = clYellow;
};

struct TBackWall {
    TChartPen Pen{clBlack, 1, true, false};
    TColor BrushColor = clWhite;
    bool BrushClear = false;
};

struct ChartModel {
    int MarginLeft = 3, MarginTop = 4, MarginRight = 3, MarginBottom = 4;
    int BorderWidth = 0;
    TChartGradient Gradient;
    TColor Color = clWhite;
    TBackWall BackWall;
    TChartAxis LeftAxis{TAxisSide::Left}, TopAxis{TAxisSide::Top}, RightAxis{TAxisSide::Right},
        BottomAxis{TAxisSide::Bottom};
    std::vector<std::unique_ptr<TChartSeries>> Series;
};

}  // namespace tarvik
