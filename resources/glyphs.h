#pragma once
// The arrow glyph bitmaps "SPINUP" and "SPINDOWN": 9 x 6 pixels in the
// standard 16-colour palette, olive background (painted transparent), black
// arrow. Names do not depend on case.
#include <QImage>
#include <QString>

namespace tarvik {

// An empty image for an unknown name.
QImage LoadGlyph(const QString& name);

}  // namespace tarvik
