#include "controls/shader.h"

#include <QPainter>

#include "controls/shader_bands.h"
#include "platform/application.h"
#include "platform/canvas.h"

namespace tarvik {

TShader::TShader(QWidget* parent) : TPanel(parent) {
    // Every pixel is painted by the bands; nothing of the parent shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShader::SetFromColor(TColor c) {
    fromColor_ = c;
    update();
}
void TShader::SetToColor(TColor c) {
    toColor_ = c;
    update();
}
void TShader::SetSteps(std::uint16_t s) {
    steps_ = s;
    update();
}
void TShader::SetDirection(bool d) {
    direction_ = d;
    update();
}

void TShader::paintEvent(QPaintEvent*) {
    GuardedDeferred([this] {
        if (steps_ == 0) steps_ = 1;  // kept afterwards
        QPainter painter(this);
        TCanvas canvas(painter);
        for (const ShaderBand& band :
             ComputeShaderBands(width(), height(), fromColor_, toColor_, steps_, direction_)) {
            canvas.SetPenColor(band.color);
            canvas.SetBrushColor(band.color);
            canvas.Rectangle(band.left, band.top, band.right, band.bottom);
        }
    });
}

}  // namespace tarvik
