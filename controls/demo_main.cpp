// A small window with the gradient panel and one spin edit on it, to look at
// the controls in both painting paths (TARVIK_CLASSIC_LOOK=1 for the classic).
#include <QLabel>

#include "controls/spin_edit.h"
#include "controls/gradient_panel.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    tarvik::Application app(argc, argv);
    app.SetTitle("Tarvik controls");
    tarvik::GradientPanel panel;
    panel.resize(260, 120);
    panel.setWindowTitle(tarvik::VisualStylesActive() ? "styles path" : "classic path");
    panel.SetFromColor(tarvik::ToQColor(tarvik::kAqua));
    panel.SetToColor(tarvik::ToQColor(tarvik::kTeal));
    panel.SetSteps(100);
    QFont font("DejaVu Sans");
    font.setPixelSize(13);
    panel.setFont(font);
    tarvik::SpinEdit spin(&panel);
    spin.setGeometry(100, 20, 45, 26);
    spin.SetMinValue(1);
    spin.SetMaxValue(300);
    spin.SetValue(1);
    tarvik::SpinEdit wide(&panel);
    wide.setGeometry(100, 64, 90, 26);
    wide.SetValue(42);
    panel.show();
    return app.exec();
}
