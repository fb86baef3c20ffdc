#pragma once
// One arrow of the spin edit: a button without a window of its own that
// draws its arrow (through the style or the classic glyph) and repeats its
// click while held: the first repeat after 400 ms, then every 100 ms.
//
// Down state and click handling are ours, not QAbstractButton's: any mouse
// button starts the repeat timer but only the left one presses the arrow, a
// failing step stops the timer, and the step runs inside our guard. A click
// made by the program or an assistive technology (QAbstractButton::click,
// the accessible Press action) steps the same way.
#include <QAbstractButton>
#include <QImage>
#include <QTimer>

namespace tarvik {

enum class ArrowDirection { Left = 0, Right = 1, Up = 2, Down = 3 };

// The look an arrow is drawn in (the visual-styles states).
enum class ArrowLook { Normal = 1, Hot = 2, Pressed = 3 };

class SpinArrowButton : public QAbstractButton {
public:
    explicit SpinArrowButton(QWidget* parent = nullptr);

    // Steps once through the arrow pair; exceptions propagate to the caller.
    void Click();
    // The pointer button is held after a press on the button.
    bool Held() const { return held_; }

    // Tests drive the ticks: RepeatTick() is what the timer's timeout runs.
    const QTimer& RepeatTimer() const { return repeatTimer_; }
    // Kept as the arrow pair's focus state; the arrows paint no focus mark.
    bool ShowFocus = false;
    bool AllowRepeat = false;
    bool IsXPOrLater = true;
    ArrowDirection Direction = ArrowDirection::Up;
    bool MouseInside() const { return mouseInside_; }
    QImage Glyph;
    bool SpinFlat = false;

    ArrowLook Look() const;
    // One tick of the repeat timer (400 ms first, then every 100 ms).
    void RepeatTick();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void MouseDown(Qt::MouseButton button);
    void MouseUp(Qt::MouseButton button, const QPoint& pos);
    void InvalidatePair();
    QTimer repeatTimer_;
    bool mouseInside_ = false;
    bool held_ = false;
};

}  // namespace tarvik
