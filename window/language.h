#pragma once
// The language of the program's words: the desktop's (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG, as gettext reads them), or one chosen with
// --language or the menu and remembered. English is the source text and
// the fallback for every word without a translation.
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct Language {
    const char* code;  // "" for English, "de", "zh_CN"
    const char* name;  // in its own language: "Deutsch"
};

// English first, then every translation the program carries.
const std::vector<Language>& Languages();

// The supported language a locale name asks for: "de_AT.UTF-8" gives
// "de", "zh" and "zh_CN.UTF-8" give "zh_CN", "en_GB" gives "" (English).
// Unsupported ones (and "C", "POSIX") give nullopt-like "?" : see below.
// Returns false where the program has no translation for it.
bool SupportedLanguage(std::string_view locale, std::string& code);

// The desktop's language by gettext's order: each entry of LANGUAGE's
// colon list in turn (unless the locale is "C"), then the first set of
// LC_ALL, LC_MESSAGES and LANG. English where none is supported.
std::string DesktopLanguage(const std::function<const char*(const char*)>& environment);

// Where the environment names no locale at all (Windows, or a session
// without LANG): the system's user interface languages as Qt reads them,
// the first one carried.
std::string SystemLanguage();

// "--language de" taken out of the arguments (also "--language=de").
// Returns false with a message for a missing or unknown language.
bool TakeLanguageOption(std::vector<std::string>& arguments, std::string& code, bool& given, std::string& error);

// Makes code the language of every later Tr() and tr(), and loads Qt's
// own translations of its dialogs and menus where an application object
// exists. Returns false (and stays English) for a code it cannot load.
bool UseLanguage(const std::string& code);
std::string CurrentLanguage();

// The name of a language in its own words, for menus ("Deutsch").
QString LanguageName(const std::string& code);

}  // namespace tarvik
