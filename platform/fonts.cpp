#include "platform/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace tarvik {

namespace {
// Asking the font database for its families is slow and the answer does not
// change while the program runs; the chart asks at every paint.
QString Resolve(const QString& family) {
    static QHash<QString, QString> resolved;
    auto it = resolved.find(family);
    if (it != resolved.end()) return *it;
    const QStringList families = QFontDatabase::families();
    QString chosen = family;
    if (!families.contains(family)) chosen = families.contains("Liberation Sans") ? "Liberation Sans" : "DejaVu Sans";
    resolved.insert(family, chosen);
    return chosen;
}
}  // namespace

QFont LayoutFont(const QString& family, int pixelHeight) {
    QFont font(Resolve(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace tarvik
