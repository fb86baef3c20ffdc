// The mark of a field: a two-pixel frame in the mark's colour painted over
// the field's edge, and nothing else of the field changed.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/marked_line_edit.h"

namespace tarvik {
namespace {

QImage Picture(MarkedLineEdit& edit) { return edit.grab().toImage(); }

TEST(MarkedLineEdit, TheMarkIsATwoPixelFrameOverTheEdgeOnly) {
    MarkedLineEdit edit("0.05");
    edit.resize(80, 24);
    const QImage plain = Picture(edit);
    edit.SetMarked(true);
    const QImage marked = Picture(edit);
    ASSERT_EQ(marked.size(), plain.size());
    const QRgb red = QColor(0xb0, 0, 0).rgb();
    int framePixels = 0, changedInside = 0;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x) {
            const bool edge = x < 2 || y < 2 || x >= marked.width() - 2 || y >= marked.height() - 2;
            if (edge)
                framePixels += marked.pixel(x, y) == red;
            else
                changedInside += marked.pixel(x, y) != plain.pixel(x, y);
        }
    // 80 x 24 less the 76 x 20 inside: every edge pixel red, the text and
    // ground within untouched.
    EXPECT_EQ(framePixels, 80 * 24 - 76 * 20);
    EXPECT_EQ(changedInside, 0);

    struct Case {
        bool marked;
        QColor color;
        QRgb corner;
        const char* why;
    } cases[] = {{true, QColor(0xa0, 0, 0), QColor(0xa0, 0, 0).rgb(), "another colour, painted at once"},
                 {false, QColor(0xa0, 0, 0), plain.pixel(0, 0), "unmarked: the field's own edge again"}};
    for (const Case& c : cases) {
        edit.SetMarkColor(c.color);
        edit.SetMarked(c.marked);
        EXPECT_EQ(Picture(edit).pixel(0, 0), c.corner) << c.why;
    }
    EXPECT_EQ(Picture(edit), plain) << "the mark leaves nothing behind";
}

}  // namespace
}  // namespace tarvik
