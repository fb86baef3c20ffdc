#include "files/settings.h"

#include <QFileInfo>
#include <QSettings>

namespace tarvik {

namespace {
constexpr const char* kNumbersKey = "numbers";
constexpr const char* kLanguageKey = "language";
constexpr const char* kFolderKey = "saveFolder";
// The file holds a few hundred bytes. One grown past 1 MiB (by another
// program, or a fault) is neither read nor written: QSettings parses the
// whole file at its first read through each object, 11 s for 99 MB at
// every change of the number style.
constexpr qint64 kLargestSettingsBytes = 1 << 20;
QSettings Store() { return QSettings("tarvik", "tarvik"); }
bool Usable(const QSettings& store) { return QFileInfo(store.fileName()).size() <= kLargestSettingsBytes; }

// Written at once and checked: QSettings otherwise writes later, and a
// file that cannot be written (a read-only home, a full disk, a file
// owned by another) would go unnoticed.
bool Written(QSettings& store) {
    if (!Usable(store)) return false;
    store.sync();
    return store.status() == QSettings::NoError && store.isWritable();
}
}  // namespace

QString SettingsPlace() { return Store().fileName(); }

QString SavedFolder() {
    const QSettings store = Store();
    return Usable(store) ? store.value(kFolderKey).toString() : QString();
}

void SaveFolder(const QString& folder) {
    QSettings store = Store();
    if (Usable(store)) store.setValue(kFolderKey, folder);
}

NumberFormat SavedNumberFormat() {
    NumberFormat format;
    const QSettings store = Store();
    if (Usable(store)) NumberStyleOfName(store.value(kNumbersKey).toString().toStdString(), format.style);
    return format;
}

bool SaveNumberFormat(const NumberFormat& format) {
    QSettings store = Store();
    if (!Usable(store)) return false;
    store.setValue(kNumbersKey, NumberStyleName(format.style));
    return Written(store);
}

bool SavedLanguage(std::string& code) {
    const QSettings store = Store();
    if (!Usable(store)) return false;
    const QVariant saved = store.value(kLanguageKey);
    if (!saved.isValid()) return false;
    // English is saved as "en": an empty value reads back as no choice.
    code = saved.toString().toStdString();
    if (code == "en") code.clear();
    return true;
}

bool SaveLanguage(const std::string& code, bool forget) {
    QSettings store = Store();
    if (!Usable(store)) return false;
    if (forget)
        store.remove(kLanguageKey);
    else
        store.setValue(kLanguageKey, QString::fromStdString(code.empty() ? "en" : code));
    return Written(store);
}

}  // namespace tarvik
