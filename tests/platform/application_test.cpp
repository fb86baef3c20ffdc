#include "platform/application.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QTest>
#include <QWidget>

#include "core/errors.h"
#include "core/format_settings.h"
#include <QTimer>
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

// A fault while painting or in a timer tick is shown after the event, not
// inside it: a modal box there would paint and tick again, nested.
TEST(Application, FaultsInPaintAndTimerAreReportedAfterTheEvent) {
    class FailingPaint : public QWidget {
    protected:
        void paintEvent(QPaintEvent*) override {
            GuardedDeferred([] { throw EOverflow(); });
            painted = true;
        }

    public:
        bool painted = false;
    };
    auto& shown = test::ShownMessages();
    const auto before = shown.size();
    FailingPaint widget;
    widget.resize(20, 20);
    QImage image(widget.size(), QImage::Format_RGB32);
    widget.render(&image);
    EXPECT_TRUE(widget.painted);          // the paint handler went on
    EXPECT_EQ(shown.size(), before);      // nothing shown inside the paint
    QCoreApplication::processEvents();    // the event has finished
    ASSERT_EQ(shown.size(), before + 1);
    EXPECT_EQ(shown.back().second, "Floating point overflow.");

    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        GuardedDeferred([&] {
            ++ticks;
            throw ERangeError();
        });
    });
    timer.start(1);
    QTRY_VERIFY_WITH_TIMEOUT(ticks > 0, 5000);
    timer.stop();
    QCoreApplication::processEvents();
    ASSERT_GE(shown.size(), before + 2);  // each tick's fault reported, after its tick
    EXPECT_EQ(shown.back().second, "Range check error.");
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
