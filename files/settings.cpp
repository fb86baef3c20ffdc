#include "files/settings.h"

#include <QSettings>

namespace tarvik {

namespace {
constexpr const char* kNumbersKey = "numbers";
constexpr const char* kLanguageKey = "language";
QSettings Store() { return QSettings("tarvik", "tarvik"); }

// Written at once and checked: QSettings otherwise writes later, and a
// file that cannot be written (a read-only home, a full disk, a file
// owned by another) would go unnoticed.
bool Written(QSettings& store) {
    store.sync();
    return store.status() == QSettings::NoError && store.isWritable();
}
}  // namespace

QString SettingsPlace() { return Store().fileName(); }

NumberFormat SavedNumberFormat() {
    NumberFormat format;
    NumberStyleOfName(Store().value(kNumbersKey).toString().toStdString(), format.style);
    return format;
}

bool SaveNumberFormat(const NumberFormat& format) {
    QSettings store = Store();
    store.setValue(kNumbersKey, NumberStyleName(format.style));
    return Written(store);
}

bool SavedLanguage(std::string& code) {
    const QVariant saved = Store().value(kLanguageKey);
    if (!saved.isValid()) return false;
    // English is saved as "en": an empty value reads back as no choice.
    code = saved.toString().toStdString();
    if (code == "en") code.clear();
    return true;
}

bool SaveLanguage(const std::string& code, bool forget) {
    QSettings store = Store();
    if (forget)
        store.remove(kLanguageKey);
    else
        store.setValue(kLanguageKey, QString::fromStdString(code.empty() ? "en" : code));
    return Written(store);
}

}  // namespace tarvik
