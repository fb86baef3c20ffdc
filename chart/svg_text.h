#pragma once
// The SVG writer's numbers, escapes and colours as the Qt side's texts.
#include <QColor>
#include <QString>

#include "plot/chart_svg.h"

namespace tarvik {

inline QString SvgNumberText(double v) { return QString::fromStdString(SvgNumber(v)); }
inline QString SvgEscapedText(const QString& text) { return QString::fromStdString(SvgEscaped(text.toStdString())); }
inline QString SvgColorText(QColor c) { return QString::fromStdString(SvgColor(Rgb{c.red(), c.green(), c.blue()})); }

}  // namespace tarvik
