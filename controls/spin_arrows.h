#pragma once
// The spin edit's arrow pair: two arrow buttons stacked (or side by side),
// placed inside the edit's right edge. An arrow's click steps the edit it
// belongs to (its focus control) through SpinEdit's virtual StepUp and
// StepDown, so that subclasses receive the clicks; a failing step reaches
// the arrow, which stops repeating.
#include <QPointer>
#include <QWidget>

#include "controls/spin_arrow_button.h"
#include "controls/spin_rules.h"

namespace tarvik {

class SpinArrows : public QWidget {
public:
    explicit SpinArrows(QWidget* parent = nullptr);

    SpinArrowButton* UpArrow() const { return up_; }
    SpinArrowButton* DownArrow() const { return down_; }
    SpinArrowButton* FocusedArrow() const { return focused_; }
    void SetFocusedArrow(SpinArrowButton* arrow);

    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control) { focusControl_ = control; }

    SpinDirection Direction() const { return direction_; }
    void SetDirection(SpinDirection d);

    // Places the arrows for a proposed size; returns the adjusted width.
    int ArrangeArrows(int width, int height);
    // Sets the bounds through the layout (the width may be widened).
    void SetBounds(int left, int top, int width, int height);

    // From the arrows: a click, and a press before its down state.
    void ArrowClick(SpinArrowButton* arrow);
    void ArrowMouseDown(SpinArrowButton* arrow, Qt::MouseButton button);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    SpinArrowButton* up_;
    SpinArrowButton* down_;
    SpinArrowButton* focused_;
    QPointer<QWidget> focusControl_;
    SpinDirection direction_ = SpinDirection::Vertical;
    bool arranging_ = false;
};

}  // namespace tarvik
