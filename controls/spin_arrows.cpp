#include "controls/spin_arrows.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "controls/spin_edit.h"
#include "platform/application.h"
#include "resources/glyphs.h"

namespace tarvik {

SpinArrows::SpinArrows(QWidget* parent) : QWidget(parent) {
    // The pair never takes the focus: a press on an arrow leaves the focus
    // where it is or hands it to the edit (ArrowMouseDown).
    setFocusPolicy(Qt::NoFocus);
    up_ = new SpinArrowButton(this);
    down_ = new SpinArrowButton(this);
    for (SpinArrowButton* arrow : {up_, down_}) {
        arrow->AllowRepeat = true;
        arrow->show();
    }
    up_->Glyph = LoadGlyph("SpinUp");
    down_->Glyph = LoadGlyph("SpinDown");
    up_->Direction = ArrowDirection::Up;
    down_->Direction = ArrowDirection::Down;
    // What a screen reader announces: the glyphs carry no text.
    up_->setAccessibleName(QCoreApplication::translate("SpinArrows", "Increase"));
    down_->setAccessibleName(QCoreApplication::translate("SpinArrows", "Decrease"));
    focused_ = up_;
    SetBounds(0, 0, kVerticalPairWidth, kPairStartHeight);
}

void SpinArrows::SetFocusedArrow(SpinArrowButton* arrow) {
    if (focused_ == arrow) return;
    const bool had = focused_->ShowFocus;
    focused_->ShowFocus = false;
    focused_->update();
    focused_ = arrow;
    focused_->ShowFocus = had;
    focused_->update();
}

int SpinArrows::ArrangeArrows(int width, int height) {
    const ArrowLayout layout = ArrangeArrowRects(width, height, direction_);
    up_->setGeometry(layout.up);
    down_->setGeometry(layout.down);
    return layout.width;
}

void SpinArrows::SetBounds(int left, int top, int width, int height) {
    arranging_ = true;
    const int w = ArrangeArrows(width, height);
    setGeometry(left, top, w, height);
    arranging_ = false;
}

void SpinArrows::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (arranging_) return;
    const int w = ArrangeArrows(width(), height());
    if (w != width()) SetBounds(x(), y(), w, height());
}

void SpinArrows::SetDirection(SpinDirection d) {
    if (d == direction_) return;
    direction_ = d;
    if (d == SpinDirection::Vertical) {
        up_->Direction = ArrowDirection::Up;
        down_->Direction = ArrowDirection::Down;
        SetBounds(x(), y(), kVerticalPairWidth, height());
    } else {
        up_->Direction = ArrowDirection::Right;
        down_->Direction = ArrowDirection::Left;
        SetBounds(x(), y(), kHorizontalPairWidth, height());
    }
    update();
}

void SpinArrows::ArrowClick(SpinArrowButton* arrow) {
    auto* edit = dynamic_cast<SpinEdit*>(focusControl_.data());
    if (!edit) return;
    if (arrow == up_)
        edit->StepUp(this);
    else
        edit->StepDown(this);
}

void SpinArrows::ArrowMouseDown(SpinArrowButton*, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    QWidget* target = focusControl_;
    const bool targetTakesFocus = target && (target->focusPolicy() & Qt::TabFocus) &&
                                  target->isVisible() && target->isEnabled();
    if (targetTakesFocus && !target->hasFocus()) target->setFocus(Qt::OtherFocusReason);
    // Qt hands the focus to the edit before the press arrives here,
    // as if the edit itself had been clicked; the edit learns otherwise now.
    if (auto* edit = dynamic_cast<SpinEdit*>(target)) edit->PressOnArrows();
}

void SpinArrows::keyPressEvent(QKeyEvent* e) {
    Guarded([&] {
        switch (e->key()) {
            case Qt::Key_Space:
                focused_->Click();
                break;
            case Qt::Key_Up:
                SetFocusedArrow(up_);
                up_->Click();
                break;
            case Qt::Key_Down:
                SetFocusedArrow(down_);
                down_->Click();
                break;
            default:
                return;
        }
    });
    e->accept();
}

void SpinArrows::focusInEvent(QFocusEvent* e) {
    focused_->ShowFocus = true;
    focused_->update();
    QWidget::focusInEvent(e);
}

void SpinArrows::focusOutEvent(QFocusEvent* e) {
    focused_->ShowFocus = false;
    focused_->update();
    QWidget::focusOutEvent(e);
}

}  // namespace tarvik
