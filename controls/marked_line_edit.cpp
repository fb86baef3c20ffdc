#include "controls/marked_line_edit.h"

#include <QPainter>

namespace tarvik {

void MarkedLineEdit::SetMarked(bool marked) {
    if (marked == marked_) return;
    marked_ = marked;
    update();
}

void MarkedLineEdit::SetMarkColor(const QColor& color) {
    markColor_ = color;
    if (marked_) update();
}

void MarkedLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!marked_) return;
    constexpr int kWidth = 2;
    const QRect r = rect();
    QPainter painter(this);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), kWidth), markColor_);
    painter.fillRect(QRect(r.left(), r.bottom() - kWidth + 1, r.width(), kWidth), markColor_);
    painter.fillRect(QRect(r.left(), r.top() + kWidth, kWidth, r.height() - 2 * kWidth), markColor_);
    painter.fillRect(QRect(r.right() - kWidth + 1, r.top() + kWidth, kWidth, r.height() - 2 * kWidth), markColor_);
}

}  // namespace tarvik
