#include "window/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <map>
#include <memory>
#include <mutex>

#include "core/translation.h"
#include "resources/translations.h"

namespace tarvik {

namespace {

std::string current;
std::unique_ptr<QTranslator> ours, qts;

// Tr()'s look-up: the texts it hands out must outlive the call, so each
// translation is kept once per context and source (a few hundred at most).
std::mutex lookupMutex;
std::map<std::pair<std::string, std::string>, std::string> translated;

const char* LookUp(const char* context, const char* source) {
    const std::lock_guard<std::mutex> lock(lookupMutex);
    if (!ours) return nullptr;
    auto key = std::make_pair(std::string(context), std::string(source));
    auto found = translated.find(key);
    if (found == translated.end()) {
        const QString text = ours->translate(context, source);
        if (text.isEmpty()) return nullptr;
        found = translated.emplace(std::move(key), text.toStdString()).first;
    }
    return found->second.c_str();
}

}  // namespace

const std::vector<Language>& Languages() {
    static const std::vector<Language> all{
        {"", "English"},      {"de", "Deutsch"}, {"es", "Espa\u00f1ol"},         {"fr", "Fran\u00e7ais"},
        {"nl", "Nederlands"}, {"tr", "T\u00fcrk\u00e7e"}, {"zh_CN", "\u7b80\u4f53\u4e2d\u6587"}};
    return all;
}

bool SupportedLanguage(std::string_view locale, std::string& code) {
    // "de_AT.UTF-8@euro": language, then territory, before the codeset.
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    const std::string_view language = name.substr(0, name.find('_'));
    const std::string_view territory = name.size() > language.size() ? name.substr(language.size() + 1) : "";
    if (language == "en") {
        code.clear();
        return true;
    }
    if (language == "zh") {
        // Simplified Chinese for China and Singapore; Taiwan and Hong Kong
        // write the traditional characters, which the program does not carry.
        if (!territory.empty() && territory != "CN" && territory != "SG") return false;
        code = "zh_CN";
        return true;
    }
    for (const Language& l : Languages())
        if (*l.code && language == l.code) {
            code = l.code;
            return true;
        }
    return false;
}

std::string DesktopLanguage(const std::function<const char*(const char*)>& environment) {
    const auto get = [&](const char* name) -> std::string {
        const char* value = environment(name);
        return value ? value : "";
    };
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = get(name); !locale.empty()) break;
    std::string code;
    // gettext ignores LANGUAGE where the locale is "C": the user asked for
    // no translation at all.
    if (!locale.empty() && locale != "C" && locale != "POSIX") {
        const std::string list = get("LANGUAGE");
        for (std::size_t start = 0; start <= list.size();) {
            const std::size_t end = std::min(list.find(':', start), list.size());
            const std::string entry = list.substr(start, end - start);
            if (!entry.empty() && SupportedLanguage(entry, code)) return code;
            start = end + 1;
        }
    }
    if (SupportedLanguage(locale, code)) return code;
    return "";
}

std::string SystemLanguage() {
    std::string code;
    for (QString name : QLocale::system().uiLanguages())
        if (SupportedLanguage(name.replace('-', '_').toStdString(), code)) return code;
    return "";
}

bool TakeLanguageOption(std::vector<std::string>& arguments, std::string& code, bool& given, std::string& error) {
    given = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string value;
        std::size_t taken = 0;
        if (arguments[i] == "--language") {
            if (i + 1 >= arguments.size()) {
                error = Tr("Language", "--language needs a language: de, en, es, fr, nl, tr or zh_CN");
                return false;
            }
            value = arguments[i + 1];
            taken = 2;
        } else if (arguments[i].rfind("--language=", 0) == 0) {
            value = arguments[i].substr(11);
            taken = 1;
        } else {
            continue;
        }
        std::string supported;
        if (given || !SupportedLanguage(value, supported) || value.empty()) {
            error = given ? Tr("Language", "--language is given twice")
                          : Fill(Tr("Language", "--language '%1' is not de, en, es, fr, nl, tr or zh_CN"), {value});
            return false;
        }
        code = supported;
        given = true;
        arguments.erase(arguments.begin() + std::ptrdiff_t(i), arguments.begin() + std::ptrdiff_t(i + taken));
        --i;
    }
    return true;
}

bool UseLanguage(const std::string& code) {
    std::unique_ptr<QTranslator> mine, qt;
    if (!code.empty()) {
        std::size_t count = 0;
        const EmbeddedTranslation* all = EmbeddedTranslations(count);
        for (std::size_t i = 0; i < count && !mine; ++i) {
            if (all[i].code != code) continue;
            mine = std::make_unique<QTranslator>();
            if (!mine->load(all[i].data, int(all[i].size))) mine.reset();
        }
        if (!mine) return false;
        // Qt's own words (the file dialog, the edit menus' Undo, Copy,
        // Paste): Debian's qt6-translations-l10n. Missing, they stay English.
        // On Windows the package carries them in translations/ beside the
        // program.
        qt = std::make_unique<QTranslator>();
        const QString file = QString("qtbase_%1").arg(QString::fromStdString(code));
        if (!qt->load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            !(QCoreApplication::instance() && qt->load(file, QCoreApplication::applicationDirPath() + "/translations")))
            qt.reset();
    }
    const std::lock_guard<std::mutex> lock(lookupMutex);
    if (QCoreApplication::instance()) {
        if (ours) QCoreApplication::removeTranslator(ours.get());
        if (qts) QCoreApplication::removeTranslator(qts.get());
        if (mine) QCoreApplication::installTranslator(mine.get());
        if (qt) QCoreApplication::installTranslator(qt.get());
    }
    ours = std::move(mine);
    qts = std::move(qt);
    translated.clear();
    current = code;
    SetTextLookup(ours ? &LookUp : nullptr);
    return true;
}

std::string CurrentLanguage() { return current; }

QString LanguageName(const std::string& code) {
    for (const Language& l : Languages())
        if (code == l.code) return QString::fromUtf8(l.name);
    return QString::fromStdString(code);
}

}  // namespace tarvik
