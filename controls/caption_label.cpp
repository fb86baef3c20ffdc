#include "controls/caption_label.h"

#include <algorithm>

#include "platform/focus_frame.h"

namespace tarvik {

CaptionLabel::CaptionLabel(const QString& caption, const QRect& designRect, bool growLeft, QWidget* parent)
    : QLabel(parent), design_(designRect), growLeft_(growLeft) {
    setAutoFillBackground(false);  // transparent: its own colour is never painted
    SetCaption(caption);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) DrawFocusFrame(*this);
}

void CaptionLabel::SetCaption(const QString& caption) {
    setText(caption);
    const int w = std::max(design_.width(), fontMetrics().horizontalAdvance(caption) + 2);
    const int left = growLeft_ ? design_.right() + 1 - w : design_.left();
    setGeometry(left, design_.top(), w, design_.height());
}

}  // namespace tarvik
