#pragma once
// Top-level windows open fully on screen, whatever the screen's size and
// the desktop's scale: a design position of (189, 184) and a 453-pixel-high
// help window run off a 1600x900 screen at scale 2 (800x450 logical).
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace tarvik {

// The client rectangle moved, and shrunk down to `minimum` where needed, so
// that with the frame's margins around it it lies inside `available`. Where
// even the minimum does not fit, its top-left frame corner is kept on screen
// (the title bar stays reachable).
QRect FitOnScreen(const QRect& client, const QMargins& frame, const QRect& available, const QSize& minimum);

// Applies FitOnScreen to a top-level window on its screen. Before the window
// is shown the frame is not known yet: the style's title bar height and a
// border stand in for it.
void PlaceOnScreen(QWidget& window);

// The smallest size `window` may take: its layout's, where every word of
// its buttons and labels stands whole, as far as the screen allows (a
// smaller screen gets the smaller window, words cut), and never below
// `floor`. Call after the window's layout is built.
QSize SmallestWholeSize(const QWidget& window, const QSize& floor);

// Shows `window` beside `beside` (the calculator), on the side with more
// room, narrowed to that room down to a usable width (1366 pixels leave 529
// right of the calculator at its designed place) or `narrowest` if the
// window's words need more, at most `width` wide; where neither side has
// the room, over it. Always whole on the screen, raised and active.
void ShowBesideWindow(QWidget& window, const QWidget& beside, int width, int narrowest = 0);

}  // namespace tarvik
