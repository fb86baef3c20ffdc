#include "controls/gradient_panel.h"

#include <QPainter>

#include "controls/gradient_bands.h"
#include "platform/application.h"

namespace tarvik {

GradientPanel::GradientPanel(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted by the bands; nothing of the parent shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::SetFromColor(QColor c) {
    fromColor_ = c;
    update();
}
void GradientPanel::SetToColor(QColor c) {
    toColor_ = c;
    update();
}
void GradientPanel::SetSteps(std::uint16_t s) {
    steps_ = s;
    update();
}
void GradientPanel::SetDirection(bool d) {
    direction_ = d;
    update();
}

void GradientPanel::paintEvent(QPaintEvent*) {
    GuardedDeferred([this] {
        if (steps_ == 0) steps_ = 1;  // kept afterwards
        QPainter painter(this);
        // Each band's outline and inside are of one colour: a plain fill of
        // [left, right) x [top, bottom); an empty band paints nothing.
        for (const PanelBand& band :
             ComputePanelBands(width(), height(), fromColor_, toColor_, steps_, direction_)) {
            if (band.right > band.left && band.bottom > band.top)
                painter.fillRect(QRect(QPoint(band.left, band.top), QPoint(band.right - 1, band.bottom - 1)),
                                 band.color);
        }
    });
}

}  // namespace tarvik
