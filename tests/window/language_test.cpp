// The language chosen: from the desktop's variables as gettext reads them,
// from --language, and in force for every later message.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <map>

#include "core/errors.h"
#include "core/translation.h"
#include "files/settings.h"
#include "tests/support/qt_env.h"
#include "window/calculator_window.h"
#include "window/language.h"

namespace tarvik::test {
namespace {

TEST(Language, LocaleNamesGiveTheLanguagesCarried) {
    const struct {
        const char* locale;
        bool supported;
        const char* code;
        const char* why;
    } cases[] = {
        {"de_DE.UTF-8", true, "de", "territory and codeset dropped"},
        {"de_AT.UTF-8@euro", true, "de", "every German territory, the modifier dropped"},
        {"nl_BE", true, "nl", "Flemish reads Dutch"},
        {"es_MX.UTF-8", true, "es", ""},
        {"fr_CA", true, "fr", ""},
        {"tr_TR.UTF-8", true, "tr", ""},
        {"zh_CN.UTF-8", true, "zh_CN", ""},
        {"zh", true, "zh_CN", "Chinese without a territory: the simplified characters"},
        {"zh_SG", true, "zh_CN", "Singapore writes the simplified characters"},
        {"zh_TW.UTF-8", false, "", "Taiwan writes the traditional ones, which are not carried"},
        {"en_GB.UTF-8", true, "", "English is the source"},
        {"ja_JP.UTF-8", false, "", "not carried"},
        {"C", false, "", "no language"},
        {"", false, "", "nothing set"},
    };
    for (const auto& c : cases) {
        std::string code = "unchanged";
        EXPECT_EQ(SupportedLanguage(c.locale, code), c.supported) << c.locale << ": " << c.why;
        if (c.supported) {
            EXPECT_EQ(code, c.code) << c.locale << ": " << c.why;
        }
    }
}

TEST(Language, TheDesktopsVariablesInGettextsOrder) {
    using Env = std::map<std::string, std::string>;
    const struct {
        Env env;
        const char* code;
        const char* why;
    } cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, "de", "LANG alone"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr", "LC_MESSAGES before LANG"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LC_ALL", "nl_NL.UTF-8"}}, "nl", "LC_ALL first"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "ja:tr:de"}}, "tr", "LANGUAGE's first carried entry"},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "es"}}, "es", "LANGUAGE over an English locale"},
        {{{"LANG", "C"}, {"LANGUAGE", "de"}}, "", "gettext ignores LANGUAGE under the C locale"},
        {{{"LANGUAGE", "de"}}, "", "nor without any locale"},
        {{{"LANG", "ja_JP.UTF-8"}}, "", "not carried: English"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "::"}}, "de", "empty entries skipped"},
        {{}, "", "nothing set"},
    };
    for (const auto& c : cases) {
        const auto lookup = [&](const char* name) -> const char* {
            const auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(DesktopLanguage(lookup), c.code) << c.why;
    }
}

TEST(Language, TheOptionIsTakenOutOfTheArguments) {
    const struct {
        std::vector<std::string> arguments;
        bool read;
        bool given;
        const char* code;
        std::vector<std::string> left;
    } cases[] = {
        {{"--language", "de"}, true, true, "de", {}},
        {{"--df", "3", "--language=zh_CN", "--value", "2"}, true, true, "zh_CN", {"--df", "3", "--value", "2"}},
        {{"--language", "en"}, true, true, "", {}},
        {{"--df", "3"}, true, false, "", {"--df", "3"}},
        {{"--language"}, false, false, "", {"--language"}},
        {{"--language", "xx"}, false, false, "", {"--language", "xx"}},
        {{"--language", "de", "--language", "fr"}, false, true, "de", {"--language", "fr"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        std::string code, error;
        bool given = false;
        EXPECT_EQ(TakeLanguageOption(arguments, code, given, error), c.read) << c.arguments.size();
        EXPECT_EQ(given, c.given);
        if (c.given) {
            EXPECT_EQ(code, c.code);
        }
        EXPECT_EQ(arguments, c.left);
        EXPECT_EQ(error.empty(), c.read);
    }
}

// The messages of the layers without Qt follow the language chosen, and
// English comes back with it.
TEST(Language, MessagesOfEveryLayerFollowTheLanguage) {
    ASSERT_TRUE(UseLanguage("de"));
    EXPECT_EQ(EIntOverflow().Message(), "Ganzzahlüberlauf");
    EXPECT_EQ(EConvertError("x").Message(), "'x' ist keine gültige Gleitkommazahl");
    EXPECT_EQ(QCoreApplication::translate("CalculatorWindow", "Degrees of freedom"), "Freiheitsgrade");
    EXPECT_EQ(CurrentLanguage(), "de");
    ASSERT_TRUE(UseLanguage("zh_CN"));
    EXPECT_EQ(EIntOverflow().Message(), "整数溢出");
    EXPECT_FALSE(UseLanguage("xx")) << "a language not carried";
    EXPECT_EQ(CurrentLanguage(), "zh_CN") << "a failed choice keeps the language in force";
    ASSERT_TRUE(UseLanguage(""));
    EXPECT_EQ(EIntOverflow().Message(), "Integer overflow");
    EXPECT_EQ(QCoreApplication::translate("CalculatorWindow", "Degrees of freedom"), "Degrees of freedom");
}

// The menus' Language entry: the choice is remembered, said so, and taken
// back by "The desktop's language".
TEST(Language, TheMenuRemembersTheChoice) {
    QSettings("tarvik", "tarvik").clear();
    CalculatorWindow calculator;
    const auto menu = calculator.ChartMenu();
    const auto entry = [&](const QString& text) -> QAction* {
        for (QAction* a : menu->actions())
            if (a->menu() && a->text() == "&Language")
                for (QAction* choice : a->menu()->actions())
                    if (choice->text() == text) return choice;
        return nullptr;
    };
    const std::size_t before = ShownMessages().size();
    ASSERT_NE(entry("Deutsch"), nullptr);
    entry("Deutsch")->trigger();
    std::string saved;
    EXPECT_TRUE(SavedLanguage(saved));
    EXPECT_EQ(saved, "de");
    ASSERT_EQ(ShownMessages().size(), before + 1);
    EXPECT_EQ(ShownMessages().back().second, "Tarvik shows its words in Deutsch from its next start.");
    entry("English")->trigger();
    EXPECT_TRUE(SavedLanguage(saved)) << "English chosen is a choice, not the desktop's";
    EXPECT_EQ(saved, "");
    entry("The desktop's language")->trigger();
    EXPECT_FALSE(SavedLanguage(saved));
    // A menu built after a choice shows it checked.
    entry("Deutsch")->trigger();
    const auto again = calculator.ChartMenu();
    for (QAction* a : again->actions()) {
        if (!a->menu() || a->text() != "&Language") continue;
        for (QAction* choice : a->menu()->actions()) {
            EXPECT_EQ(choice->isChecked(), choice->text() == "Deutsch") << choice->text().toStdString();
        }
    }

    // Settings that cannot be written are said so, not reported as saved:
    // a file grown past 1 MiB, which is neither read (Qt parses it whole at
    // every read: seconds) nor written, and a folder where the file goes
    // (root writes read-only files). The folder comes last: Qt keeps the
    // choice it could not write and writes it at its next chance.
    const QString place = SettingsPlace();
    {
        QFile grown(place);
        ASSERT_TRUE(grown.open(QIODevice::WriteOnly));
        QByteArray bytes("[General]\nlanguage=de\n");
        bytes.append(QByteArray(2 << 20, '#'));
        ASSERT_EQ(grown.write(bytes), bytes.size());
    }
    std::string read;
    EXPECT_FALSE(SavedLanguage(read));
    entry("English")->trigger();
    EXPECT_EQ(ShownMessages().back().second,
              "The choice of English could not be saved in " + place + ": Tarvik keeps its words as they are.");
    EXPECT_EQ(QFileInfo(place).size(), (2 << 20) + 22);
    QFile::remove(place);
    ASSERT_TRUE(QDir().mkpath(place));
    entry("English")->trigger();
    EXPECT_EQ(ShownMessages().back().second,
              "The choice of English could not be saved in " + place + ": Tarvik keeps its words as they are.");
    QDir(place).removeRecursively();
}

}  // namespace
}  // namespace tarvik::test
