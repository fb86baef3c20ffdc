// The spin edit and its arrows driven through real Qt events.
#include "controls/spin_edit.h"
#include "controls/spin_arrows.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>
#include <functional>
#include <memory>

#include "platform/application.h"
#include "core/errors.h"
#include "tests/support/qt_env.h"

namespace tarvik {
namespace {

// A window with the calculator's spin edit (limits 1 and 300, 45 x 26) and a
// second field to move the focus to.
class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(200, 100);
        QFont font("DejaVu Sans");
        font.setPixelSize(13);
        window->setFont(font);
        spin = new SpinEdit(window.get());
        spin->BeginLoad();
        spin->SetMinValue(1);
        spin->SetMaxValue(300);
        spin->SetValue(1);
        spin->SetIncrementPage(10);
        spin->setGeometry(10, 10, 45, 26);
        spin->EndLoad();
        other = new QLineEdit(window.get());
        other->setGeometry(100, 10, 60, 24);
        QObject::connect(spin, &SpinEdit::changed, [this] {
            ++changes;
            if (onChange) onChange();
        });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        spin->setFocus();
        changes = 0;
    }
    // A write the test does not count.
    void SetTextQuietly(const QString& t) {
        const QSignalBlocker quiet(spin);
        spin->SetText(t);
    }
    // Presses an arrow and restarts the simulated clock of its repeat.
    void Press(SpinArrowButton* arrow, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(arrow, button, {}, QPoint(5, 4));
        sinceTimerStart = 0;
    }
    // Simulated time for the repeat: `ms` milliseconds, in which each due
    // tick runs what the timer's timeout runs. The timer restarts at the
    // press and with every new interval, as a QTimer does.
    void Advance(SpinArrowButton* arrow, int ms) {
        for (int t = 0; t < ms && arrow->RepeatTimer().isActive(); ++t) {
            if (++sinceTimerStart < arrow->RepeatTimer().interval()) continue;
            sinceTimerStart = 0;
            arrow->RepeatTick();
        }
    }
    SpinArrowButton* Up() { return spin->SpinButton()->UpArrow(); }
    SpinArrowButton* Down() { return spin->SpinButton()->DownArrow(); }
    void ClickArrow(SpinArrowButton* arrow) {
        QTest::mousePress(arrow, Qt::LeftButton, {}, QPoint(5, 4));
        QTest::mouseRelease(arrow, Qt::LeftButton, {}, QPoint(5, 4));
    }

    std::unique_ptr<QWidget> window;
    SpinEdit* spin = nullptr;
    QLineEdit* other = nullptr;
    int changes = 0;
    std::function<void()> onChange;  // runs inside the `changed` slot
    int sinceTimerStart = 0;
};

TEST_F(SpinEditTest, LoadedStateAndLayout) {
    EXPECT_EQ(spin->text(), "1");
    EXPECT_EQ(spin->Value(), 1);
    // Pair at (25, 0) of the 41 x 22 client area, which starts 2 pixels in.
    EXPECT_EQ(spin->SpinButton()->geometry(), QRect(27, 2, 15, 21));
    EXPECT_EQ(Up()->geometry(), QRect(0, 0, 15, 10));
    EXPECT_EQ(Down()->geometry(), QRect(0, 9, 15, 12));
    // The text rectangle (0, 0) - (24, 23): never under the arrows.
    EXPECT_EQ(spin->EditRect(), QRect(QPoint(0, 0), QPoint(23, 22)));
    // Too low a height is raised to the smallest edit height.
    spin->resize(45, 8);
    EXPECT_EQ(spin->height(), spin->MinEditHeight());
}

TEST_F(SpinEditTest, LoadingPassesValuesThenLimits) {
    SpinEdit edit;
    EXPECT_EQ(edit.text(), "0");
    EXPECT_EQ(edit.MinValue(), 0);
    EXPECT_EQ(edit.MaxValue(), 100);
    edit.BeginLoad();
    edit.SetMinValue(1);
    edit.SetMaxValue(300);
    edit.SetValue(999);
    EXPECT_EQ(edit.text(), "999");
    edit.EndLoad();
    EXPECT_EQ(edit.text(), "300");
    // The look applied after loading uses the font-change rectangle.
    const QRect client = edit.ClientRect();
    EXPECT_EQ(edit.EditRect(), SpinTextRect(client.width(), client.height(), 15,
                                            EditBorderStyle::Single, true));
}

TEST_F(SpinEditTest, StepsStopAtTheLimits) {
    SetTextQuietly("300");
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->text(), "300");
    ClickArrow(Up());
    EXPECT_EQ(spin->text(), "300");
    SetTextQuietly("1");
    QTest::keyClick(spin, Qt::Key_Down);
    ClickArrow(Down());
    EXPECT_EQ(spin->text(), "1");
    EXPECT_EQ(changes, 0);
    SetTextQuietly("295");
    QTest::keyClick(spin, Qt::Key_PageUp);
    EXPECT_EQ(spin->text(), "300");
    SetTextQuietly("5");
    QTest::keyClick(spin, Qt::Key_PageDown);
    EXPECT_EQ(spin->text(), "1");
    EXPECT_EQ(changes, 2);
}

TEST_F(SpinEditTest, EmptyTextReadsMinValue) {
    SetTextQuietly("");
    EXPECT_EQ(spin->Value(), 1);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->text(), "2");
    EXPECT_EQ(changes, 1);
    SetTextQuietly("");
    ClickArrow(Down());
    EXPECT_EQ(spin->text(), "1");
    EXPECT_EQ(changes, 2);
    // An unconvertible text stays as it is when the focus leaves.
    SetTextQuietly("");
    other->setFocus();
    EXPECT_EQ(spin->text(), "");
    EXPECT_EQ(changes, 2);
}

TEST_F(SpinEditTest, TypedValueIsLimitedWhenTheFocusLeaves) {
    spin->selectAll();
    QTest::keyClicks(spin, "999");
    EXPECT_EQ(spin->text(), "999");
    EXPECT_EQ(spin->Value(), 999);  // reading applies no limit
    EXPECT_EQ(changes, 3);          // one per typed character
    other->setFocus();
    EXPECT_EQ(spin->text(), "300");
    EXPECT_EQ(changes, 4);          // exactly one for the correction
}

TEST_F(SpinEditTest, PastedTexts) {
    struct Case {
        const char* text;
        int value;
        const char* shown;
    } cases[] = {{" 7", 7, "7"}, {"$1F", 31, "$1F"}, {"7 \n", 7, "7"}, {"0x10", 16, "0x10"}, {"2147483648", 1, "2147483648"}};
    for (const auto& c : cases) {
        spin->selectAll();
        QGuiApplication::clipboard()->setText(c.text);
        const int before = changes;
        QTest::keyClick(spin, Qt::Key_V, Qt::ControlModifier);
        // Pasted text is not filtered, only trimmed of the blanks around it.
        EXPECT_EQ(spin->text(), c.shown);
        EXPECT_EQ(spin->Value(), c.value) << c.text;
        EXPECT_EQ(changes, before + 1) << c.text;
    }
}

TEST_F(SpinEditTest, EqualLimitsMeanNoLimits) {
    spin->SetMinValue(0);
    spin->SetMaxValue(0);
    SetTextQuietly("300");
    ClickArrow(Up());
    EXPECT_EQ(spin->text(), "301");
}

TEST_F(SpinEditTest, ReturnReachesTheCharacterSignalOnly) {
    std::vector<QChar> seen;
    QObject::connect(spin, &LineEdit::characterTyped, [&](QChar& key) { seen.push_back(key); });
    const int beeps = BeepCount();
    QTest::keyClick(spin, Qt::Key_Return);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], QChar('\r'));
    EXPECT_EQ(spin->text(), "1");
    EXPECT_EQ(BeepCount(), beeps);  // the control itself does not beep
    // ReturnIsTab moves the focus on, and the handler still sees Return.
    spin->SetReturnIsTab(true);
    QTest::keyClick(spin, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(SpinEditTest, LocaleSeparatorsInTheFilter) {
    test::ScopedFormatSettings us(test::kUnitedStates);
    SetTextQuietly("");
    int beeps = BeepCount();
    QTest::keyClick(spin, ':');
    QTest::keyClick(spin, '/');
    QTest::keyClick(spin, 'a');
    EXPECT_EQ(BeepCount(), beeps + 3);
    EXPECT_EQ(spin->text(), "");
    QTest::keyClicks(spin, ".,+-");
    EXPECT_EQ(spin->text(), ".,+-");  // the calculator's own handler refuses these later
    test::ScopedFormatSettings minusDate(FormatSettings{'.', ',', '-', ':'});
    SetTextQuietly("");
    beeps = BeepCount();
    QTest::keyClick(spin, '-');
    EXPECT_EQ(spin->text(), "");
    EXPECT_EQ(BeepCount(), beeps + 1);
}

TEST_F(SpinEditTest, ChangedOncePerChangeOnEveryRoad) {
    SetTextQuietly("12");
    spin->setCursorPosition(2);
    struct Road {
        const char* name;
        std::function<void()> act;
        int expected;
    } roads[] = {
        {"typing", [&] { QTest::keyClick(spin, '3'); }, 1},
        {"backspace", [&] { QTest::keyClick(spin, Qt::Key_Backspace); }, 1},
        {"delete", [&] { spin->setCursorPosition(0); QTest::keyClick(spin, Qt::Key_Delete); }, 1},
        {"cut", [&] { spin->selectAll(); QTest::keyClick(spin, Qt::Key_X, Qt::ControlModifier); }, 1},
        {"paste", [&] { QTest::keyClick(spin, Qt::Key_V, Qt::ControlModifier); }, 1},
        {"value write", [&] { spin->SetValue(77); }, 1},
        {"same value", [&] { spin->SetValue(77); }, 0},
        {"arrow", [&] { ClickArrow(Up()); }, 1},
        {"key up", [&] { QTest::keyClick(spin, Qt::Key_Up); }, 1},
        {"page down", [&] { QTest::keyClick(spin, Qt::Key_PageDown); }, 1},
    };
    for (auto& road : roads) {
        const int before = changes;
        road.act();
        EXPECT_EQ(changes - before, road.expected) << road.name;
    }
    EXPECT_EQ(spin->text(), "69");
}

TEST_F(SpinEditTest, StepKeepsCaretAndSelection) {
    SetTextQuietly("123");
    spin->setSelection(1, 2);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->text(), "122");
    EXPECT_EQ(spin->SelStart(), 1);
    EXPECT_EQ(spin->SelLength(), 2);
    spin->setCursorPosition(2);
    ClickArrow(Up());
    EXPECT_EQ(spin->text(), "123");
    EXPECT_EQ(spin->SelStart(), 2);
    EXPECT_EQ(spin->SelLength(), 0);
    EXPECT_TRUE(spin->isModified());
}

TEST_F(SpinEditTest, ArrowPressFocusesTheEditAndSelectsAll) {
    SetTextQuietly("42");
    other->setFocus();
    ASSERT_FALSE(spin->hasFocus());
    QTest::mousePress(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_TRUE(spin->hasFocus());
    EXPECT_EQ(spin->SelStart(), 0);
    EXPECT_EQ(spin->SelLength(), 2);
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(spin->text(), "43");
    EXPECT_EQ(spin->SelStart(), 0);
    EXPECT_EQ(spin->SelLength(), 2);
}

TEST_F(SpinEditTest, ReadOnlyBeepsOnStepsButPagesStillMove) {
    spin->SetReadOnly(true);
    SetTextQuietly("50");
    const int beeps = BeepCount();
    ClickArrow(Up());
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->text(), "50");
    EXPECT_EQ(BeepCount(), beeps + 2);
    QTest::keyClick(spin, Qt::Key_PageUp);
    EXPECT_EQ(spin->text(), "60");
    QTest::keyClick(spin, '7');
    EXPECT_EQ(spin->text(), "60");
}

TEST_F(SpinEditTest, EditorDisabled) {
    spin->SetEditorEnabled(false);
    SetTextQuietly("50");
    spin->setCursorPosition(2);
    const int beeps = BeepCount();
    QTest::keyClick(spin, '5');
    QTest::keyClick(spin, Qt::Key_Backspace);
    EXPECT_EQ(BeepCount(), beeps + 2);
    spin->setCursorPosition(0);
    QTest::keyClick(spin, Qt::Key_Delete);
    QGuiApplication::clipboard()->setText("9");
    QTest::keyClick(spin, Qt::Key_V, Qt::ControlModifier);
    spin->selectAll();
    QTest::keyClick(spin, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(spin->text(), "50");
    EXPECT_EQ(changes, 0);
    spin->setCursorPosition(1);
    spin->SetValue(60);
    EXPECT_EQ(spin->SelLength(), 2);  // every write selects the whole text
}

// ------------------------------------------------------------ auto-repeat

TEST_F(SpinEditTest, HoldingForOneSecondGivesEightSteps) {
    SetTextQuietly("10");
    Press(Up());
    EXPECT_TRUE(Up()->RepeatTimer().isActive());
    EXPECT_EQ(Up()->RepeatTimer().interval(), 400);
    std::vector<int> stepTimes;
    int now = 0;
    onChange = [&] { stepTimes.push_back(now); };
    for (now = 1; now <= 1000; ++now) Advance(Up(), 1);
    EXPECT_EQ(Up()->RepeatTimer().interval(), 100);
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(stepTimes, (std::vector<int>{400, 500, 600, 700, 800, 900, 1000, 1001}));
    EXPECT_EQ(spin->text(), "18");
    EXPECT_FALSE(Up()->RepeatTimer().isActive());
}

TEST_F(SpinEditTest, ShortClickOneStepReleaseOutsideNone) {
    SetTextQuietly("10");
    Press(Down());
    Advance(Down(), 399);
    EXPECT_EQ(changes, 0);
    QTest::mouseRelease(Down(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(changes, 1);  // on release
    QTest::mousePress(Down(), Qt::LeftButton, {}, QPoint(5, 4));
    QTest::mouseMove(Down(), QPoint(60, 40));
    QTest::mouseRelease(Down(), Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(spin->text(), "9");
}

TEST_F(SpinEditTest, PointerOutsideWhileHeldPausesTheSteps) {
    SetTextQuietly("10");
    Press(Up());
    Advance(Up(), 400);
    EXPECT_EQ(changes, 1);
    QTest::mouseMove(Up(), QPoint(60, 40));
    Advance(Up(), 300);
    EXPECT_EQ(changes, 1);
    QTest::mouseMove(Up(), QPoint(5, 4));
    Advance(Up(), 200);
    EXPECT_EQ(changes, 3);
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(changes, 4);
}

TEST_F(SpinEditTest, OtherButtonStartsTheTimerButNeverSteps) {
    Press(Up(), Qt::RightButton);
    EXPECT_TRUE(Up()->RepeatTimer().isActive());
    Advance(Up(), 1000);
    QTest::mouseRelease(Up(), Qt::RightButton, {}, QPoint(5, 4));
    EXPECT_EQ(changes, 0);
}

// A step that fails stops the repeat: a tick after a reported fault would
// fail again under the message box, every 100 ms.
class FailingSpinEdit : public SpinEdit {
public:
    using SpinEdit::SpinEdit;
    void StepUp(QObject*) override { throw ERangeError(); }
};

TEST_F(SpinEditTest, FailingStepStopsTheTimerAndIsReported) {
    auto* failing = new FailingSpinEdit(window.get());
    failing->setGeometry(10, 50, 45, 26);
    failing->show();
    SpinArrowButton* up = failing->SpinButton()->UpArrow();
    const auto shown = test::ShownMessages().size();
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_TRUE(up->RepeatTimer().isActive());
    EXPECT_THROW(up->RepeatTick(), ERangeError);
    EXPECT_FALSE(up->RepeatTimer().isActive());
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(5, 4));  // release click fails too
    ASSERT_EQ(test::ShownMessages().size(), shown + 1);
    EXPECT_EQ(test::ShownMessages().back().second, "Range check error.");
    EXPECT_FALSE(up->RepeatTimer().isActive());
}

TEST_F(SpinEditTest, RealTimeHoldRepeats) {
    // The one test on the real clock: generous bounds around the 8 steps.
    QTest::mousePress(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1000) QTest::qWait(10);
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_GE(changes, 4);
    EXPECT_LE(changes, 12);
}

// ------------------------------------------------------------ the pair

TEST_F(SpinEditTest, KeyboardOnThePair) {
    SetTextQuietly("10");
    SpinArrows* pair = spin->SpinButton();
    pair->setFocus();
    EXPECT_TRUE(pair->FocusedArrow()->ShowFocus);
    QTest::keyClick(pair, Qt::Key_Space);
    EXPECT_EQ(spin->text(), "11");
    QTest::keyClick(pair, Qt::Key_Down);
    EXPECT_EQ(pair->FocusedArrow(), Down());
    EXPECT_EQ(spin->text(), "10");
    QTest::keyClick(pair, Qt::Key_Space);
    EXPECT_EQ(spin->text(), "9");
    other->setFocus();
    EXPECT_FALSE(Down()->ShowFocus);
}

TEST_F(SpinEditTest, HorizontalPair) {
    spin->SetDirection(SpinDirection::Horizontal);
    SpinArrows* pair = spin->SpinButton();
    EXPECT_EQ(pair->width(), 20);
    EXPECT_EQ(Down()->x(), 0);
    EXPECT_GT(Up()->x(), Down()->x());
    EXPECT_EQ(Down()->Direction, ArrowDirection::Left);
    EXPECT_EQ(Up()->Direction, ArrowDirection::Right);
}

QImage Paint(QWidget* w) {
    QImage image(w->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w->render(&image);
    return image;
}

int CountColor(const QImage& image, QColor c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == c;
    return n;
}

TEST_F(SpinEditTest, ClassicPaintShowsTheGlyph) {
    SetVisualStylesActive(false);
    const QImage normal = Paint(Up());
    // The glyph's 1 + 3 + 5 + 7 = 16 black pixels, olive left transparent.
    EXPECT_EQ(CountColor(normal, Qt::black), 16);
    EXPECT_EQ(CountColor(normal, QColor(128, 128, 0)), 0);
    QTest::mousePress(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    const QImage pressed = Paint(Up());
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_NE(normal, pressed);
    SetVisualStylesActive(true);
}

TEST_F(SpinEditTest, StylePaintHasThreeLooks) {
    SetVisualStylesActive(true);
    const QImage normal = Paint(Up());
    EXPECT_EQ(Up()->Look(), ArrowLook::Normal);
    QEnterEvent enter(QPointF(5, 4), QPointF(5, 4), QPointF(5, 4));
    QCoreApplication::sendEvent(Up(), &enter);
    EXPECT_EQ(Up()->Look(), ArrowLook::Hot);
    QTest::mousePress(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(Up()->Look(), ArrowLook::Pressed);
    const QImage pressed = Paint(Up());
    QTest::mouseRelease(Up(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_NE(normal, pressed);
    EXPECT_EQ(CountColor(normal, Qt::magenta), 0);  // the whole arrow is painted
}

}  // namespace
}  // namespace tarvik
