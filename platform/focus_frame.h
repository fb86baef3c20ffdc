#pragma once
// The style's focus frame around a whole widget, for the controls that
// draw themselves and take the keyboard (the density label, the chart).
class QWidget;

namespace tarvik {

void DrawFocusFrame(QWidget& widget);

}  // namespace tarvik
