#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tarvik {

QFont FrameworkFont(const QString& family, int pixelHeight) {
    const QStringList families = QFontDatabase::families();
    QString chosen = family;
    if (!families.contains(family)) chosen = families.contains("Liberation Sans") ? "Liberation Sans" : "DejaVu Sans";
    QFont font(chosen);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace tarvik
