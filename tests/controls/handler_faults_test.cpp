// Every handler of ours that Qt calls is guarded: a handler that throws is
// reported with its message and the control goes on working. None of the
// exceptions reaches a Qt frame (the test would abort if one did).
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <functional>

#include "controls/spin_edit.h"
#include "controls/spin_arrows.h"
#include "controls/check_box.h"
#include "core/errors.h"
#include "tests/support/qt_env.h"

namespace tarvik {
namespace {

TEST(HandlerFaults, EachHandlerThrowsOnceAndIsReported) {
    QWidget window;
    SpinEdit spin(&window);
    spin.SetMinValue(1);
    spin.SetMaxValue(300);
    spin.SetValue(5);
    CheckBox box(&window);
    box.setGeometry(100, 0, 15, 15);
    window.resize(200, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto thrower = [] { throw ERangeError(); };
    struct Case {
        const char* handler;
        std::function<void()> arm, fire, disarm;
    } cases[] = {
        {"OnKeyDown", [&] { spin.OnKeyDown = [&](QObject*, int&, Qt::KeyboardModifiers) { thrower(); }; },
         [&] { QTest::keyClick(&spin, Qt::Key_Home); }, [&] { spin.OnKeyDown = nullptr; }},
        {"OnKeyPress", [&] { spin.OnKeyPress = [&](QObject*, QChar&) { thrower(); }; },
         [&] { QTest::keyClick(&spin, '7'); }, [&] { spin.OnKeyPress = nullptr; }},
        {"OnKeyUp", [&] { spin.OnKeyUp = [&](QObject*, int&, Qt::KeyboardModifiers) { thrower(); }; },
         [&] { QTest::keyClick(&spin, Qt::Key_End); }, [&] { spin.OnKeyUp = nullptr; }},
        {"OnChange", [&] { spin.OnChange = [&](QObject*) { thrower(); }; },
         [&] { QTest::keyClick(&spin, Qt::Key_Up); }, [&] { spin.OnChange = nullptr; }},
        {"OnExit", [&] { spin.OnExit = [&](QObject*) { thrower(); }; },
         [&] { spin.setFocus(); box.setFocus(); }, [&] { spin.OnExit = nullptr; }},
        {"OnEnter", [&] { spin.OnEnter = [&](QObject*) { thrower(); }; },
         [&] { box.setFocus(); spin.setFocus(); }, [&] { spin.OnEnter = nullptr; }},
        {"arrow OnClick", [&] { spin.SpinButton()->OnUpClick = [&](QObject*) { thrower(); }; },
         [&] { QTest::mouseClick(spin.SpinButton()->UpArrow(), Qt::LeftButton, {}, QPoint(5, 4)); },
         [&, step = spin.SpinButton()->OnUpClick] { spin.SpinButton()->OnUpClick = step; }},
        {"check box OnMouseUp", [&] { box.OnMouseUp = [&](QObject*, Qt::MouseButton) { thrower(); }; },
         [&] { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(7, 7)); }, [&] { box.OnMouseUp = nullptr; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handler);
        const auto before = test::ShownMessages().size();
        c.arm();
        c.fire();
        c.disarm();
        ASSERT_GE(test::ShownMessages().size(), before + 1);
        EXPECT_EQ(test::ShownMessages().back().second, "Range check error.");
    }
    // And the spin edit still works.
    spin.setFocus();
    spin.selectAll();
    QTest::keyClicks(&spin, "42");
    EXPECT_EQ(spin.Value(), 42);
}

}  // namespace
}  // namespace tarvik
