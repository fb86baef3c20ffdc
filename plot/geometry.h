#pragma once
// The charts' geometry in plain numbers, so that the desktop's painter and
// the page's SVG draw from one layout. Positions are logical pixels, y
// downward. A PixelRect is a rectangle of whole pixels whose right and
// bottom are its last column and row (inclusive), as a frame drawn one
// pixel wide on its outermost pixels needs them.
#include <vector>

namespace tarvik {

struct Rgb {
    int r = 0, g = 0, b = 0;
    constexpr int red() const { return r; }
    constexpr int green() const { return g; }
    constexpr int blue() const { return b; }
    constexpr bool operator==(const Rgb&) const = default;
};

struct Position {
    double px = 0, py = 0;
    constexpr Position() = default;
    constexpr Position(double x, double y) : px(x), py(y) {}
    constexpr double x() const { return px; }
    constexpr double y() const { return py; }
    constexpr bool operator==(const Position&) const = default;
    constexpr Position operator+(const Position& o) const { return {px + o.px, py + o.py}; }
};

struct Segment {
    Position a, b;
    constexpr Segment() = default;
    constexpr Segment(Position from, Position to) : a(from), b(to) {}
    constexpr Segment(double x1, double y1, double x2, double y2) : a{x1, y1}, b{x2, y2} {}
    constexpr Position p1() const { return a; }
    constexpr Position p2() const { return b; }
    constexpr double x1() const { return a.px; }
    constexpr double y1() const { return a.py; }
    constexpr double x2() const { return b.px; }
    constexpr double y2() const { return b.py; }
    constexpr Segment translated(Position by) const { return {a + by, b + by}; }
    constexpr bool operator==(const Segment&) const = default;
};

// A rectangle of fractional extent: from (x, y), width w and height h.
struct Box {
    double bx = 0, by = 0, bw = 0, bh = 0;
    constexpr Box() = default;
    constexpr Box(double x, double y, double w, double h) : bx(x), by(y), bw(w), bh(h) {}
    constexpr Box(Position topLeft, Position bottomRight)
        : bx(topLeft.px), by(topLeft.py), bw(bottomRight.px - topLeft.px), bh(bottomRight.py - topLeft.py) {}
    constexpr double x() const { return bx; }
    constexpr double y() const { return by; }
    constexpr double width() const { return bw; }
    constexpr double height() const { return bh; }
    constexpr Position topLeft() const { return {bx, by}; }
    constexpr Position bottomRight() const { return {bx + bw, by + bh}; }
    constexpr bool operator==(const Box&) const = default;
};

struct PixelRect {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // inclusive corners
    constexpr PixelRect() = default;
    constexpr PixelRect(int x, int y, int w, int h) : x0(x), y0(y), x1(x + w - 1), y1(y + h - 1) {}
    static constexpr PixelRect FromCorners(int left, int top, int right, int bottom) {
        PixelRect r;
        r.x0 = left, r.y0 = top, r.x1 = right, r.y1 = bottom;
        return r;
    }
    constexpr int left() const { return x0; }
    constexpr int top() const { return y0; }
    constexpr int right() const { return x1; }
    constexpr int bottom() const { return y1; }
    constexpr int width() const { return x1 - x0 + 1; }
    constexpr int height() const { return y1 - y0 + 1; }
    constexpr bool operator==(const PixelRect&) const = default;
};

using Polyline = std::vector<Position>;

}  // namespace tarvik
