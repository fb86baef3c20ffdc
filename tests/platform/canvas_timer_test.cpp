#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/canvas.h"
#include "platform/timer.h"

namespace tarvik {
namespace {

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(Canvas, RectangleCoversRightAndBottomExclusive) {
    QImage image = Blank(10, 10);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetPenColor(kRed);
        canvas.SetBrushColor(kBlue);
        canvas.Rectangle(2, 3, 7, 8);  // columns 2..6, rows 3..7
    }
    EXPECT_EQ(image.pixelColor(2, 3), QColor(255, 0, 0));   // outline corner
    EXPECT_EQ(image.pixelColor(6, 7), QColor(255, 0, 0));   // opposite corner
    EXPECT_EQ(image.pixelColor(4, 5), QColor(0, 0, 255));   // filled inside
    EXPECT_EQ(image.pixelColor(7, 5), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(4, 8), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(1, 3), QColor(255, 255, 255));
}

TEST(Canvas, ClearBrushLeavesTheInside) {
    QImage image = Blank(10, 10);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetPenColor(kBlack);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.Rectangle(0, 0, 10, 10);
    }
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(9, 9), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 255));
}

TEST(Canvas, TransparentColourIsLeftOut) {
    QImage glyph(2, 1, QImage::Format_RGB32);
    glyph.setPixelColor(0, 0, QColor(128, 128, 0));  // olive
    glyph.setPixelColor(1, 0, QColor(0, 0, 0));
    QImage image = Blank(4, 4);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.DrawTransparent(1, 1, glyph, kOlive);
    }
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(2, 1), QColor(0, 0, 0));
}

TEST(Timer, AdvanceFiresAtTheIntervalAndFollowsChanges) {
    Timer timer;
    std::vector<int> at;
    int now = 0;
    timer.OnTimer = [&] {
        at.push_back(now);
        timer.SetInterval(100);
    };
    timer.SetInterval(400);
    timer.SetEnabled(true);
    for (; now < 1000;) {
        ++now;
        timer.Advance(1);
    }
    EXPECT_EQ(at, (std::vector<int>{400, 500, 600, 700, 800, 900, 1000}));
    timer.SetEnabled(false);
    timer.Advance(1000);
    EXPECT_EQ(at.size(), 7u);
}

}  // namespace
}  // namespace tarvik
