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
    // A script taller than the design's font (Chinese needs 19 pixels where
    // the design gives 16) grows the label evenly up and down, so that its
    // text stays centred on the field beside it.
    const int h = std::max(design_.height(), sizeHint().height());
    setGeometry(left, design_.top() - (h - design_.height()) / 2, w, h);
}

}  // namespace tarvik
