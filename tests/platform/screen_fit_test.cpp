#include "platform/screen_fit.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

// The calculator's and the help window's design rectangles on a 1600x900
// screen at scale 2 (800x450 logical), with a 4-pixel border and a 24-pixel
// title bar.
TEST(ScreenFit, TopLevelWindowsStayOnScreen) {
    const QMargins frame(4, 28, 4, 4);
    struct Case {
        QRect client, available;
        QSize minimum;
        QRect fitted;
        const char* why;
    } cases[] = {
        {{189, 184, 632, 253}, {0, 0, 1600, 900}, {632, 253}, {189, 184, 632, 253}, "fits: left as designed"},
        {{189, 184, 632, 253}, {0, 0, 800, 450}, {632, 253}, {164, 184, 632, 253}, "moved left, not shrunk"},
        {{187, 248, 592, 453}, {0, 0, 800, 450}, {0, 0}, {187, 28, 592, 418}, "too high: shrunk to the screen"},
        {{189, 184, 632, 253}, {0, 0, 500, 200}, {632, 253}, {4, 28, 632, 253}, "larger than the screen: the title bar stays"},
        {{-50, -20, 300, 200}, {0, 0, 800, 450}, {0, 0}, {4, 28, 300, 200}, "off the top-left corner"},
        {{900, 100, 300, 200}, {800, 0, 800, 600}, {0, 0}, {900, 100, 300, 200}, "on a second screen"},
        {{100, 100, 300, 200}, {0, 32, 800, 418}, {0, 0}, {100, 100, 300, 200}, "below a top panel"},
        {{100, 10, 300, 200}, {0, 32, 800, 418}, {0, 0}, {100, 60, 300, 200}, "under a top panel: moved below it"},
    };
    for (const auto& c : cases) {
        const QRect got = FitOnScreen(c.client, frame, c.available, c.minimum);
        EXPECT_EQ(got, c.fitted) << c.why;
        const QRect outer = got.marginsAdded(frame);
        if (outer.width() <= c.available.width() && outer.height() <= c.available.height()) {
            EXPECT_TRUE(c.available.contains(outer)) << c.why;
        }
    }
}

}  // namespace
}  // namespace tarvik
