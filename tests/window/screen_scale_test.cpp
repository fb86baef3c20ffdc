// The calculator and the help window on small and scaled screens, run by
// ctest on several: at 1600x900 and scale 1 they open where designed; where
// the logical screen is smaller (1600x900 at scale 2, 1280x1024 at scale 3,
// 640x480 at 1.5) they are moved and shrunk, the chart first, to open fully
// on screen.
#include <QScreen>
#include <QTest>
#include <cstdlib>

#include "tests/window/window_fixture.h"
#include "window/critical_values_window.h"

namespace tarvik::test {
namespace {

double Scale() {
    const char* s = std::getenv("QT_SCALE_FACTOR");
    return s ? std::atof(s) : 1;
}

QSize Screen() {
    const char* s = std::getenv("TARVIK_TEST_SCREEN");  // "1600x900"
    const QStringList wh = QString(s ? s : "1600x900").split('x');
    return QSize(wh[0].toInt(), wh[1].toInt());
}

TEST_F(WindowTest, BothWindowsOpenFullyOnScreen) {
    const QRect available = form->screen()->availableGeometry();
    const QSize logical = (QSizeF(Screen()) / Scale()).toSize();
    ASSERT_LE(std::abs(form->screen()->geometry().width() - logical.width()), 1) << "the screen configuration was not read";
    help->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.get()));
    for (QWidget* w : std::initializer_list<QWidget*>{form.get(), help.get()}) {
        EXPECT_TRUE(available.contains(w->frameGeometry()))
            << w->windowTitle().toStdString() << " frame " << w->frameGeometry().x() << "," << w->frameGeometry().y()
            << " " << w->frameGeometry().width() << "x" << w->frameGeometry().height() << " client " << w->x() << ","
            << w->y() << " " << w->width() << "x" << w->height() << " minimum " << w->minimumWidth() << " on "
            << available.width() << "x" << available.height();
    }
    // The minimum size never exceeds the screen: the window can always be
    // made to fit, and the chart stays inside it.
    EXPECT_LE(form->minimumWidth() + form->frameGeometry().width() - form->width(), available.width());
    EXPECT_LE(form->minimumHeight() + form->frameGeometry().height() - form->height(), available.height());
    EXPECT_TRUE(form->rect().contains(form->densityChart->geometry()));
    const bool roomy = available.width() >= 700 && available.height() >= 320;
    if (roomy) {
        EXPECT_EQ(form->size(), QSize(632, 253)) << "the calculator keeps its design size";
        EXPECT_EQ(form->densityChart->size(), QSize(275, 240));
    } else {
        EXPECT_LT(form->densityChart->width(), 275) << "the chart gives up its width first";
        EXPECT_GE(form->densityChart->x(), 335) << "the fields keep their places";
    }
    // The critical values open beside the calculator where the screen has
    // room for both (1366x768 has), and whole on the screen always.
    form->ShowCriticalValues();
    QWidget* table = form->CriticalValues();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    EXPECT_TRUE(available.contains(table->frameGeometry()));
    if (available.width() >= 1366) {
        EXPECT_FALSE(table->frameGeometry().intersects(form->frameGeometry()));
    }
    if (Scale() == 1) {
        // Where designed (the position is the frame's, as Qt's move() sets it).
        EXPECT_EQ(form->pos(), QPoint(189, 184));
        EXPECT_EQ(help->pos(), QPoint(187, 248));
        EXPECT_EQ(help->size(), QSize(592, 453));
    } else {
        EXPECT_LT(help->height(), 453) << "the help is shrunk to the screen";
    }
}

}  // namespace
}  // namespace tarvik::test
