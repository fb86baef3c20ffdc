#include "controls/gradient_panel.h"

#include <QPainter>

#include "controls/gradient_bands.h"
#include "platform/application.h"
#include "platform/canvas.h"

namespace tarvik {

GradientPanel::GradientPanel(QWidget* parent) : Panel(parent) {
    // Every pixel is painted by the bands; nothing of the parent shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::SetFromColor(ColorRef c) {
    fromColor_ = c;
    update();
}
void GradientPanel::SetToColor(ColorRef c) {
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
        Canvas canvas(painter);
        for (const PanelBand& band :
             ComputePanelBands(width(), height(), fromColor_, toColor_, steps_, direction_)) {
            canvas.SetPenColor(band.color);
            canvas.SetBrushColor(band.color);
            canvas.Rectangle(band.left, band.top, band.right, band.bottom);
        }
    });
}

}  // namespace tarvik
