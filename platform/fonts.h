#pragma once
// Fonts named by the layouts ("MS Sans Serif", "Arial") with a stand-in
// where the face is missing: Liberation Sans (Arial's metrics), else the
// fontconfig's default sans-serif.
#include <QFont>
#include <QString>

namespace tarvik {

QFont LayoutFont(const QString& family, int pixelHeight);

}  // namespace tarvik
