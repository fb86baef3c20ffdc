// The calculator and the help window on a 1600x900 screen, run twice by
// ctest: at scale 1 they open where designed; at QT_SCALE_FACTOR=2 (800x450
// logical) they are moved, and the help shrunk, to open fully on screen.
#include <QScreen>
#include <QTest>
#include <cstdlib>

#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

int Scale() {
    const char* s = std::getenv("QT_SCALE_FACTOR");
    return s ? std::atoi(s) : 1;
}

TEST_F(WindowTest, BothWindowsOpenFullyOnScreen) {
    const QRect available = form->screen()->availableGeometry();
    ASSERT_EQ(form->screen()->geometry().size(), QSize(1600, 900) / Scale()) << "the screen configuration was not read";
    help->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.get()));
    for (QWidget* w : std::initializer_list<QWidget*>{form.get(), help.get()}) {
        EXPECT_TRUE(available.contains(w->frameGeometry()))
            << w->windowTitle().toStdString() << " frame " << w->frameGeometry().x() << "," << w->frameGeometry().y()
            << " " << w->frameGeometry().width() << "x" << w->frameGeometry().height();
    }
    EXPECT_EQ(form->size(), QSize(632, 253)) << "the calculator keeps its design size";
    if (Scale() == 1) {
        // Where designed (the position is the frame's, as Qt's move() sets it).
        EXPECT_EQ(form->pos(), QPoint(189, 184));
        EXPECT_EQ(help->pos(), QPoint(187, 248));
        EXPECT_EQ(help->size(), QSize(592, 453));
    } else {
        EXPECT_LT(help->height(), 453) << "the help is shrunk to the screen";
        EXPECT_EQ(help->width(), 592);
    }
}

}  // namespace
}  // namespace tarvik::test
