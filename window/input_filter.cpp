#include "window/input_filter.h"

#include <cfloat>
#include <cmath>

#include "platform/errors.h"
#include "platform/number_text.h"

namespace tarvik {

namespace {
// Narrowing to a 32-bit float: beyond its range it overflows; below its
// smallest numbers it quietly becomes 0 (so "-1e-50" is not below zero).
float NarrowToSingle(Real v) {
    if (std::fabs(v) > Real(FLT_MAX)) throw EOverflow();
    return static_cast<float>(v);
}
}  // namespace

bool NumericKeyAccepted(const QString& text, int caret, QChar ch) {
    if (ch.unicode() < 32) return true;
    QString copy = text;
    copy.insert(std::clamp(caret, 0, int(copy.size())), ch);
    Real value = 0;
    if (!TryTextToReal(copy.toStdString(), value)) return copy == "+";
    return !(NarrowToSingle(value) < 0);
}

}  // namespace tarvik
