#pragma once
// One arrow of the spin edit: a flat button that draws its arrow (through
// the style or the classic glyph) and repeats its click while held: the
// first repeat after 400 ms, then every 100 ms.
#include <QImage>
#include <memory>

#include "platform/controls_base.h"
#include "platform/timer.h"

namespace tarvik {

enum class ArrowDirection { Left = 0, Right = 1, Up = 2, Down = 3 };

// The look an arrow is drawn in (the visual-styles states).
enum class ArrowLook { Normal = 1, Hot = 2, Pressed = 3 };

class SpinArrowButton : public FlatButton {
public:
    explicit SpinArrowButton(QWidget* parent = nullptr);

    Timer* RepeatTimer() const { return repeatTimer_.get(); }
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
    void MouseDown(Qt::MouseButton button, const QPoint& pos) override;
    void MouseUp(Qt::MouseButton button, const QPoint& pos) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void InvalidatePair();
    std::unique_ptr<Timer> repeatTimer_;
    bool mouseInside_ = false;
};

}  // namespace tarvik
