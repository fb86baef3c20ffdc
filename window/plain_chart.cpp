#include "window/plain_chart.h"

#include "platform/colors.h"

namespace tarvik {

namespace {
constexpr int kLabelRoom = 100;
}  // namespace

void ConfigurePlain(Chart& chart) {
    ChartModel& m = chart.Model();
    m.MarginLeft = 5;
    m.MarginTop = 6;
    m.MarginRight = 4;
    m.MarginBottom = 5;
    m.Gradient.Visible = false;
    m.Color = kWhite;
    m.BackWall.BrushColor = kWhite;
    m.BackWall.BrushClear = false;
    for (ChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
        axis->Grid.Visible = false;
        axis->Ticks.Color = Rgb{64, 64, 64};
        axis->LabelsSeparation = kLabelRoom;
        axis->MinorTickCount = 1;
    }
    chart.RightAxis().Visible = false;
    chart.TopAxis().Visible = false;
}

}  // namespace tarvik
