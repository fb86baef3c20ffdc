#include "plot/chart_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace tarvik {

// Thousandths counted in an integer: printf's "%.3f" would write the C
// library's decimal comma on a German desktop.
std::string SvgNumber(double v) {
    if (!(std::fabs(v) < 1e15)) v = v < 0 ? -1e15 : 1e15;
    const long long thousandths = std::llround(v * 1000);
    if (thousandths == 0) return "0";
    const unsigned long long magnitude = thousandths < 0 ? 0ULL - (unsigned long long)thousandths : thousandths;
    std::string s = (thousandths < 0 ? "-" : "") + std::to_string(magnitude / 1000);
    const unsigned fraction = unsigned(magnitude % 1000);
    if (fraction) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%03u", fraction);
        std::string decimals(digits);
        while (decimals.back() == '0') decimals.pop_back();
        s += "." + decimals;
    }
    return s;
}

std::string SvgEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string SvgColor(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r & 0xFF, c.g & 0xFF, c.b & 0xFF);
    return text;
}

namespace {

std::string Points(const Polyline& polygon) {
    std::string out;
    for (const Position& p : polygon) {
        if (!out.empty()) out += ' ';
        out += SvgNumber(p.x()) + "," + SvgNumber(p.y());
    }
    return out;
}

std::string Attribute(const char* name, const std::string& value) { return std::string(" ") + name + "=\"" + value + "\""; }

std::string Line(const Segment& l, const ChartPen& pen) {
    return "<line" + Attribute("x1", SvgNumber(l.x1())) + Attribute("y1", SvgNumber(l.y1())) +
           Attribute("x2", SvgNumber(l.x2())) + Attribute("y2", SvgNumber(l.y2())) +
           Attribute("stroke", SvgColor(pen.Color)) + Attribute("stroke-width", std::to_string(pen.Width)) +
           (pen.Dotted ? " stroke-dasharray=\"1,2\"" : "") + "/>\n";
}

std::string Rect(const Box& r, const std::string& attributes) {
    return "<rect" + Attribute("x", SvgNumber(r.x())) + Attribute("y", SvgNumber(r.y())) +
           Attribute("width", SvgNumber(r.width())) + Attribute("height", SvgNumber(r.height())) + " " +
           attributes + "/>\n";
}

}  // namespace

std::string ChartSvgElements(const ChartModel& model, const ChartLayout& layout, const SvgFont& labelsFont,
                             int width, int height, bool whiteBackground) {
    std::string svg;
    if (layout.background.empty()) {
        svg += Rect(Box(0, 0, width, height), "fill=\"" + SvgColor(whiteBackground ? kWhite : model.Color) + "\"");
    } else {
        for (const GradientBand& band : layout.background)
            svg += Rect(Box(0, band.top, width, band.bottom - band.top), "fill=\"" + SvgColor(band.color) + "\"");
    }
    // The back wall's frame: one pixel wide, on the plot's outermost rows
    // and columns (the centre of the stroke half a pixel in).
    const PixelRect& plot = layout.plot;
    const Box frame(plot.left() + 0.5, plot.top() + 0.5, plot.width() - 1, plot.height() - 1);
    svg += Rect(frame, "fill=\"" + (model.BackWall.BrushClear ? std::string("none") : SvgColor(model.BackWall.BrushColor)) +
                           "\" stroke=\"" + SvgColor(model.BackWall.Pen.Color) + "\" stroke-width=\"1\"");
    // Axes: grid, line, ticks, labels.
    for (auto [axis, a] : {std::pair{&model.LeftAxis, &layout.left}, std::pair{&model.BottomAxis, &layout.bottom}}) {
        if (!a->visible) continue;
        if (axis->Grid.Visible)
            for (const Segment& g : a->grid) svg += Line(g, axis->Grid);
        if (axis->Axis.Visible) svg += Rect(a->lineRect, "fill=\"" + SvgColor(axis->Axis.Color) + "\"");
        // A tick covers its pixels: its centre line half a pixel in.
        const Position half = axis->Horizontal() ? Position(0.5, 0) : Position(0, 0.5);
        for (const Segment& t : a->majorTicks) svg += Line(t.translated(half), axis->Ticks);
        for (const Segment& t : a->minorTicks) svg += Line(t.translated(half), axis->MinorTicks);
        for (const AxisLabel& label : a->labels)
            svg += "<text" + Attribute("x", SvgNumber(label.textTopLeft.x())) +
                   Attribute("y", SvgNumber(label.textTopLeft.y() + labelsFont.ascent)) +
                   Attribute("font-family", SvgEscaped(labelsFont.family)) +
                   Attribute("font-size", SvgNumber(labelsFont.pixelSize)) +
                   Attribute("fill", SvgColor(axis->LabelsFontColor)) + ">" + SvgEscaped(label.text) + "</text>\n";
    }
    // The series, clipped to the plot: areas beneath lines and pointers.
    std::string clip = Rect(Box(plot.left(), plot.top(), plot.width(), plot.height()), "");
    clip.pop_back();  // the line's end
    svg += "<clipPath id=\"plot\">" + clip + "</clipPath>\n";
    svg += "<g clip-path=\"url(#plot)\">\n";
    for (std::size_t i = 0; i < model.Series.size() && i < layout.series.size(); ++i) {
        const auto* area = dynamic_cast<const AreaSeries*>(model.Series[i].get());
        if (!area || layout.series[i].area.size() < 3) continue;
        svg += "<polygon" + Attribute("points", Points(layout.series[i].area)) + Attribute("fill", SvgColor(area->SeriesColor)) +
               Attribute("fill-opacity", SvgNumber(1.0 - std::clamp(area->Transparency, 0, 100) / 100.0)) + "/>\n";
    }
    for (std::size_t i = 0; i < model.Series.size() && i < layout.series.size(); ++i) {
        const SeriesLayout& sl = layout.series[i];
        if (const auto* line = dynamic_cast<const LineSeries*>(model.Series[i].get())) {
            if (sl.line.size() < 2) continue;
            auto polyline = [&](Rgb color, int width) {
                return "<polyline" + Attribute("points", Points(sl.line)) + " fill=\"none\"" +
                       Attribute("stroke", SvgColor(color)) + Attribute("stroke-width", std::to_string(width)) +
                       " stroke-linejoin=\"round\"/>\n";
            };
            if (line->OutlinePen.Visible && line->OutlinePen.Width > 0)
                svg += polyline(line->OutlinePen.Color, line->LinePen.Width + 2 * line->OutlinePen.Width);
            if (line->LinePen.Visible) svg += polyline(line->LinePen.Color, line->LinePen.Width);
        } else if (const auto* points = dynamic_cast<const PointSeries*>(model.Series[i].get())) {
            const std::string style = "fill=\"" + SvgColor(points->SeriesColor) + "\" stroke=\"" +
                                      SvgColor(points->Pointer.Pen.Color) + "\" stroke-width=\"" +
                                      std::to_string(points->Pointer.Pen.Width) + "\"";
            for (const auto& t : sl.triangles)
                svg += "<polygon" + Attribute("points", Points(Polyline{t[0], t[1], t[2]})) + " " + style + "/>\n";
            for (const Box& r : sl.rectangles) svg += Rect(r, style);
        }
    }
    svg += "</g>\n";
    return svg;
}

}  // namespace tarvik
