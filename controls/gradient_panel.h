#pragma once
// GradientPanel: a panel painted with a gradient of flat bands, nothing else (no
// caption, no bevel). Setters store the value and ask for a repaint.
#include <cstdint>

#include "platform/colors.h"
#include <QWidget>

namespace tarvik {

class GradientPanel : public QWidget {
public:
    explicit GradientPanel(QWidget* parent = nullptr);

    QColor FromColor() const { return fromColor_; }
    void SetFromColor(QColor c);
    QColor ToColor() const { return toColor_; }
    void SetToColor(QColor c);
    std::uint16_t Steps() const { return steps_; }
    void SetSteps(std::uint16_t s);
    bool Direction() const { return direction_; }
    void SetDirection(bool d);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fromColor_ = ToQColor(kBlue);
    QColor toColor_ = ToQColor(kBlack);
    std::uint16_t steps_ = 20;
    bool direction_ = false;
};

}  // namespace tarvik
