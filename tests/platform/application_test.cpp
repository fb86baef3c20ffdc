#include "platform/application.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "core/errors.h"
#include "core/format_settings.h"
#include "tests/support/qt_env.h"

namespace tarvik {
namespace {

TEST(Application, FullStopRule) {
    struct Case {
        const char* message;
        const char* shown;
        const char* why;
    } cases[] = {
        {"Range check error", "Range check error.", "a letter sorts after the full stop"},
        {"I/O error 105", "I/O error 105.", "so does a digit"},
        {"'+' is not a valid floating point value", "'+' is not a valid floating point value.", ""},
        {"Done.", "Done.", "already ends in one"},
        {"odd (x)", "odd (x)", "a bracket sorts before the full stop"},
        {"", "", "nothing to end"},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageWithFullStop(c.message), QString(c.shown)) << c.why;
}

TEST(Application, GuardShowsTheMessageAndGoesOn) {
    auto& shown = test::ShownMessages();
    const auto before = shown.size();
    bool after = false;
    Guarded([] { throw EOverflow(); });
    after = true;
    ASSERT_EQ(shown.size(), before + 1);
    EXPECT_EQ(shown.back().first, "Tarvik");
    EXPECT_EQ(shown.back().second, "Floating point overflow.");
    EXPECT_TRUE(after);
}

TEST(Application, BeepIsCounted) {
    const int before = BeepCount();
    Beep();
    Beep();
    EXPECT_EQ(BeepCount(), before + 2);
}

TEST(Application, SeparatorsComeFromTheLocale) {
    const FormatSettings saved = CurrentFormatSettings();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    LoadFormatSettingsFromLocale();
    EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, ',');
    EXPECT_EQ(CurrentFormatSettings().ThousandSeparator, '.');
    EXPECT_EQ(CurrentFormatSettings().DateSeparator, '.');
    EXPECT_EQ(CurrentFormatSettings().TimeSeparator, ':');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    LoadFormatSettingsFromLocale();
    EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, '.');
    EXPECT_EQ(CurrentFormatSettings().DateSeparator, '/');
    CurrentFormatSettings() = saved;
    QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace tarvik
