#include "platform/screen_fit.h"

#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace tarvik {

QRect FitOnScreen(const QRect& client, const QMargins& frame, const QRect& available, const QSize& minimum) {
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    QSize size = client.size().boundedTo(room).expandedTo(minimum);
    // The frame's top-left corner as far right and down as it may stand,
    // never left of or above the available area.
    const int maxLeft = std::max(available.left(), available.right() + 1 - frame.right() - size.width() - frame.left());
    const int maxTop = std::max(available.top(), available.bottom() + 1 - frame.bottom() - size.height() - frame.top());
    const int left = std::clamp(client.left() - frame.left(), available.left(), maxLeft);
    const int top = std::clamp(client.top() - frame.top(), available.top(), maxTop);
    return QRect(QPoint(left + frame.left(), top + frame.top()), size);
}

namespace {
// The window's frame, or before it is mapped a typical decoration.
QMargins FrameOf(const QWidget& window) {
    const QRect inner = window.geometry(), outer = window.frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    if (!frame.isNull()) return frame;
    constexpr int kBorder = 4;
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return QMargins(kBorder, title + kBorder, kBorder, kBorder);
}
}  // namespace

void PlaceOnScreen(QWidget& window) {
    const QMargins frame = FrameOf(window);
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect fitted = FitOnScreen(window.geometry(), frame, screen->availableGeometry(), window.minimumSize());
    if (fitted != window.geometry()) window.setGeometry(fitted);
}

QSize SmallestWholeSize(const QWidget& window, const QSize& floor) {
    const QSize whole = window.layout() ? window.layout()->minimumSize() : floor;
    const QScreen* screen = window.screen();
    const QMargins frame = FrameOf(window);
    const QSize room = screen ? screen->availableGeometry().size() -
                                    QSize(frame.left() + frame.right(), frame.top() + frame.bottom())
                              : whole;
    return whole.boundedTo(room).expandedTo(floor.boundedTo(room));
}

void ShowBesideWindow(QWidget& window, const QWidget& beside, int width, int narrowest) {
    constexpr int kGap = 8;
    const int usable = std::max(420, narrowest);
    const QRect frame = beside.frameGeometry();
    const QScreen* screen = beside.screen();
    const QRect available = screen ? screen->availableGeometry() : frame;
    const QMargins border(window.geometry().left() - window.frameGeometry().left(),
                          window.geometry().top() - window.frameGeometry().top(),
                          window.frameGeometry().right() - window.geometry().right(),
                          window.frameGeometry().bottom() - window.geometry().bottom());
    const int right = available.right() - frame.right() - kGap, left = frame.left() - available.left() - kGap;
    const int room = std::max(right, left) - border.left() - border.right();
    QPoint at = frame.topLeft();
    if (room >= usable) {
        window.resize(std::min(width, room), window.height());
        const int outer = window.width() + border.left() + border.right();
        at.setX(right >= left ? frame.right() + 1 + kGap : frame.left() - kGap - outer);
    }
    // The side windows open beside the calculator, each one down and to
    // the right of any already standing there: three at one spot hid all
    // but the last.
    constexpr int kCascade = 32, kSameSpot = 16;
    bool moved = true;
    while (moved) {
        moved = false;
        for (const QWidget* other : beside.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == &window || !other->isWindow() || !other->isVisible()) continue;
            if ((other->frameGeometry().topLeft() - at).manhattanLength() < kSameSpot) {
                at += QPoint(kCascade, kCascade);
                moved = true;
            }
        }
    }
    window.move(at);
    window.show();
    PlaceOnScreen(window);
    window.raise();
    window.activateWindow();
}

}  // namespace tarvik
