// Every slot bound with ConnectGuarded runs inside the guard: a slot that
// throws is reported with its message and the control goes on working. None of the
// exceptions reaches a Qt frame (the test would abort if one did).
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <functional>

#include "controls/spin_edit.h"
#include "controls/spin_arrows.h"
#include "controls/check_box.h"
#include "core/errors.h"
#include "platform/application.h"
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
    // Each case binds a throwing slot as the window binds its own, fires
    // the control, then drops the binding.
    QMetaObject::Connection bound;
    auto disarm = [&] { QObject::disconnect(bound); };
    struct Case {
        const char* handler;
        std::function<void()> arm, fire;
    } cases[] = {
        {"keyDown", [&] { bound = ConnectGuarded(&spin, &LineEdit::keyDown, &window, [&](int&, Qt::KeyboardModifiers) { thrower(); }); },
         [&] { QTest::keyClick(&spin, Qt::Key_Home); }},
        {"characterTyped", [&] { bound = ConnectGuarded(&spin, &LineEdit::characterTyped, &window, [&](QChar&) { thrower(); }); },
         [&] { QTest::keyClick(&spin, '7'); }},
        {"keyUp", [&] { bound = ConnectGuarded(&spin, &LineEdit::keyUp, &window, [&](int, Qt::KeyboardModifiers) { thrower(); }); },
         [&] { QTest::keyClick(&spin, Qt::Key_End); }},
        {"changed", [&] { bound = ConnectGuarded(&spin, &SpinEdit::changed, &window, [&] { thrower(); }); },
         [&] { QTest::keyClick(&spin, Qt::Key_Up); }},
        {"exited", [&] { bound = ConnectGuarded(&spin, &LineEdit::exited, &window, [&](Qt::FocusReason) { thrower(); }); },
         [&] { spin.setFocus(); box.setFocus(); }},
        {"entered", [&] { bound = ConnectGuarded(&spin, &LineEdit::entered, &window, [&] { thrower(); }); },
         [&] { box.setFocus(); spin.setFocus(); }},
        {"arrow click", [&] { bound = ConnectGuarded(&spin, &SpinEdit::changed, &window, [&] { thrower(); }); },
         [&] { QTest::mouseClick(spin.SpinButton()->UpArrow(), Qt::LeftButton, {}, QPoint(5, 4)); }},
        {"check box mouseReleased", [&] { bound = ConnectGuarded(&box, &CheckBox::mouseReleased, &window, [&](Qt::MouseButton) { thrower(); }); },
         [&] { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(7, 7)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.handler);
        const auto before = test::ShownMessages().size();
        c.arm();
        c.fire();
        disarm();
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
