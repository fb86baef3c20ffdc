#include "platform/focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace tarvik {

void DrawFocusFrame(QWidget& widget) {
    QPainter painter(&widget);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = widget.rect().adjusted(0, 0, -1, -1);
    option.backgroundColor = widget.palette().color(widget.backgroundRole());
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

}  // namespace tarvik
