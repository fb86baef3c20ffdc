#pragma once
#include <QIcon>
#include <QImage>

class QPainter;

namespace tarvik {

// The program's icon: a yellow density curve with a red marker on teal.
QIcon ProgramIcon();

// The same picture painted at `size` pixels square on any device (a
// pixmap, an SVG generator): the installed icons are drawn from it.
void PaintProgramIcon(QPainter& painter, double size);
QImage ProgramIconImage(int size);

// The help button's glyph: a question mark.
QIcon HelpGlyph();

}  // namespace tarvik
