#pragma once
// The number texts of the window's fields: read with the framework's
// conversion (EConvertError on failure), written in the fixed format.
#include <QString>

#include "platform/number_text.h"

namespace tarvik {

inline Real Read(const QString& text) { return TextToReal(text.toStdString()); }
inline QString Fixed(Real v) { return QString::fromStdString(FormatFixed(v)); }

}  // namespace tarvik
