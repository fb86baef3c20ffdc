#include "files/settings.h"

#include <QSettings>

namespace tarvik {

namespace {
constexpr const char* kNumbersKey = "numbers";
QSettings Store() { return QSettings("tarvik", "tarvik"); }
}  // namespace

NumberFormat SavedNumberFormat() {
    NumberFormat format;
    NumberStyleOfName(Store().value(kNumbersKey).toString().toStdString(), format.style);
    return format;
}

void SaveNumberFormat(const NumberFormat& format) { Store().setValue(kNumbersKey, NumberStyleName(format.style)); }

}  // namespace tarvik
