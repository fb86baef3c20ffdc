#include "files/settings.h"

#include <QSettings>

namespace tarvik {

namespace {
constexpr const char* kNumbersKey = "numbers";
constexpr const char* kLanguageKey = "language";
QSettings Store() { return QSettings("tarvik", "tarvik"); }
}  // namespace

NumberFormat SavedNumberFormat() {
    NumberFormat format;
    NumberStyleOfName(Store().value(kNumbersKey).toString().toStdString(), format.style);
    return format;
}

void SaveNumberFormat(const NumberFormat& format) { Store().setValue(kNumbersKey, NumberStyleName(format.style)); }

bool SavedLanguage(std::string& code) {
    const QVariant saved = Store().value(kLanguageKey);
    if (!saved.isValid()) return false;
    // English is saved as "en": an empty value reads back as no choice.
    code = saved.toString().toStdString();
    if (code == "en") code.clear();
    return true;
}

void SaveLanguage(const std::string& code, bool forget) {
    if (forget)
        Store().remove(kLanguageKey);
    else
        Store().setValue(kLanguageKey, QString::fromStdString(code.empty() ? "en" : code));
}

}  // namespace tarvik
