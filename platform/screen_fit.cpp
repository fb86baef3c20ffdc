#include "platform/screen_fit.h"

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

void PlaceOnScreen(QWidget& window) {
    const QRect inner = window.geometry(), outer = window.frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    if (frame.isNull()) {
        // Not mapped yet: a typical decoration.
        constexpr int kBorder = 4;
        const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
        frame = QMargins(kBorder, title + kBorder, kBorder, kBorder);
    }
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect fitted = FitOnScreen(window.geometry(), frame, screen->availableGeometry(), window.minimumSize());
    if (fitted != window.geometry()) window.setGeometry(fitted);
}

}  // namespace tarvik
