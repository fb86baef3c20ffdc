// The pixel rules the chart's frame and pointers and the classic arrows are
// drawn by: which pixels an outline, a fill and a keyed glyph cover.
#include "platform/pixel_shapes.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace tarvik {
namespace {

const QColor kWhitePixel(255, 255, 255), kRedPixel(255, 0, 0), kBluePixel(0, 0, 255), kBlackPixel(0, 0, 0);

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(PixelShapes, RectangleOutlinesItsOwnOuterPixelsAndFillsInside) {
    QImage image = Blank(10, 10);
    {
        QPainter painter(&image);
        DrawPixelRect(painter, QRect(QPoint(2, 3), QPoint(6, 7)), PixelPen(kRedPixel), QBrush(kBluePixel));
    }
    struct Case {
        int x, y;
        QColor expected;
        const char* why;
    } cases[] = {
        {2, 3, kRedPixel, "top-left corner is outline"},
        {6, 7, kRedPixel, "bottom-right corner is outline, not one further out"},
        {4, 5, kBluePixel, "inside is filled"},
        {7, 5, kWhitePixel, "right of the rectangle untouched"},
        {4, 8, kWhitePixel, "below the rectangle untouched"},
        {1, 3, kWhitePixel, "left of the rectangle untouched"},
    };
    for (const Case& c : cases) EXPECT_EQ(image.pixelColor(c.x, c.y), c.expected) << c.why;
}

TEST(PixelShapes, NoBrushLeavesTheInside) {
    QImage image = Blank(10, 10);
    {
        QPainter painter(&image);
        DrawPixelRect(painter, QRect(0, 0, 10, 10), PixelPen(kBlackPixel), Qt::NoBrush);
    }
    EXPECT_EQ(image.pixelColor(0, 0), kBlackPixel);
    EXPECT_EQ(image.pixelColor(9, 9), kBlackPixel);
    EXPECT_EQ(image.pixelColor(5, 5), kWhitePixel);
}

// QPainter's own polygon outline leaves out the right and bottom corners;
// the pointers' and arrows' outlines hold every corner.
TEST(PixelShapes, PolygonOutlineHoldsEveryCorner) {
    QImage image = Blank(12, 12);
    const QPolygon triangle({QPoint(2, 9), QPoint(9, 9), QPoint(5, 2)});
    {
        QPainter painter(&image);
        DrawPixelPolygon(painter, triangle, PixelPen(kRedPixel), QBrush(kBluePixel));
    }
    for (const QPoint& corner : triangle) EXPECT_EQ(image.pixelColor(corner), kRedPixel) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixelColor(5, 7), kBluePixel);
    EXPECT_EQ(image.pixelColor(10, 10), kWhitePixel);
}

TEST(PixelShapes, TheKeyColourIsLeftOut) {
    QImage glyph(2, 1, QImage::Format_RGB32);
    glyph.setPixelColor(0, 0, QColor(128, 128, 0));  // olive, the glyphs' key
    glyph.setPixelColor(1, 0, kBlackPixel);
    QImage image = Blank(4, 4);
    {
        QPainter painter(&image);
        painter.drawImage(1, 1, WithoutColor(glyph, QColor(128, 128, 0)));
    }
    EXPECT_EQ(image.pixelColor(1, 1), kWhitePixel);
    EXPECT_EQ(image.pixelColor(2, 1), kBlackPixel);
}

}  // namespace
}  // namespace tarvik
