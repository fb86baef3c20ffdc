#pragma once
// TShader: a panel painted with a gradient of flat bands, nothing else (no
// caption, no bevel). Setters store the value and ask for a repaint.
#include <cstdint>

#include "platform/colors.h"
#include "platform/controls_base.h"

namespace tarvik {

class TShader : public TPanel {
public:
    explicit TShader(QWidget* parent = nullptr);

    TColor FromColor() const { return fromColor_; }
    void SetFromColor(TColor c);
    TColor ToColor() const { return toColor_; }
    void SetToColor(TColor c);
    std::uint16_t Steps() const { return steps_; }
    void SetSteps(std::uint16_t s);
    bool Direction() const { return direction_; }
    void SetDirection(bool d);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor fromColor_ = clBlue;
    TColor toColor_ = clBlack;
    std::uint16_t steps_ = 20;
    bool direction_ = false;
};

}  // namespace tarvik
