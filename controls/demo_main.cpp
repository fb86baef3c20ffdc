// A small window with the gradient panel and one spin edit on it, to look at
// the controls in both painting paths (TARVIK_CLASSIC_LOOK=1 for the classic).
#include <QLabel>

#include "controls/adv_spin.h"
#include "controls/shader.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    tarvik::TApplication app(argc, argv);
    app.SetTitle("Tarvik controls");
    tarvik::TShader shader;
    shader.resize(260, 120);
    shader.setWindowTitle(tarvik::VisualStylesActive() ? "styles path" : "classic path");
    shader.SetFromColor(tarvik::clAqua);
    shader.SetToColor(tarvik::clTeal);
    shader.SetSteps(100);
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    shader.setFont(font);
    tarvik::TAdvSpinEdit spin(&shader);
    spin.setGeometry(100, 20, 45, 26);
    spin.SetMinValue(1);
    spin.SetMaxValue(300);
    spin.SetValue(1);
    tarvik::TAdvSpinEdit wide(&shader);
    wide.setGeometry(100, 64, 90, 26);
    wide.SetValue(42);
    shader.show();
    return app.exec();
}
