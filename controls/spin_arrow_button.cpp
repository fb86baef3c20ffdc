#include "controls/spin_arrow_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "controls/spin_arrows.h"
#include "platform/application.h"
#include "platform/canvas.h"

namespace tarvik {

namespace {
constexpr int kFirstDelayMs = 400;
constexpr int kRepeatMs = 100;
}  // namespace

SpinArrowButton::SpinArrowButton(QWidget* parent) : FlatButton(parent) {
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
}

ArrowLook SpinArrowButton::Look() const {
    if (isDown()) return ArrowLook::Pressed;
    if (mouseInside_) return ArrowLook::Hot;
    return ArrowLook::Normal;
}

void SpinArrowButton::InvalidatePair() {
    if (QWidget* pair = parentWidget()) pair->update();
}

void SpinArrowButton::MouseDown(Qt::MouseButton button, const QPoint& pos) {
    FlatButton::MouseDown(button, pos);
    // Any button starts the timer; only the left one shows the arrow pressed,
    // so a tick after another button's press clicks nothing.
    if (AllowRepeat) {
        if (!repeatTimer_) {
            repeatTimer_ = std::make_unique<Timer>();
            repeatTimer_->OnTimer = [this] { RepeatTick(); };
        }
        repeatTimer_->SetInterval(kFirstDelayMs);
        repeatTimer_->SetEnabled(true);
    }
    InvalidatePair();
}

void SpinArrowButton::RepeatTick() {
    repeatTimer_->SetInterval(kRepeatMs);
    if (isDown() && Held()) {
        try {
            Click();
        } catch (...) {
            repeatTimer_->SetEnabled(false);
            throw;
        }
    }
}

void SpinArrowButton::MouseUp(Qt::MouseButton button, const QPoint& pos) {
    // The timer stops even when the release's click fails, so no tick runs on.
    struct StopTimer {
        SpinArrowButton* self;
        ~StopTimer() {
            if (self->repeatTimer_) self->repeatTimer_->SetEnabled(false);
            self->InvalidatePair();
        }
    } stop{this};
    FlatButton::MouseUp(button, pos);
}

void SpinArrowButton::enterEvent(QEnterEvent* e) {
    mouseInside_ = true;
    update();
    FlatButton::enterEvent(e);
}

void SpinArrowButton::leaveEvent(QEvent* e) {
    mouseInside_ = false;
    update();
    FlatButton::leaveEvent(e);
}

void SpinArrowButton::paintEvent(QPaintEvent*) {
    GuardedDeferred([this] {
        QPainter painter(this);
        const ArrowLook look = Look();
        if (IsXPOrLater && VisualStylesActive()) {
            // The style stands in for the visual-styles library's "spin" parts.
            QStyleOptionButton option;
            option.initFrom(this);
            option.rect = rect();
            option.state = QStyle::State_Enabled | QStyle::State_Raised;
            if (look == ArrowLook::Pressed) option.state = QStyle::State_Enabled | QStyle::State_Sunken;
            if (look == ArrowLook::Hot) option.state |= QStyle::State_MouseOver;
            else option.state &= ~QStyle::State_MouseOver;
            style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
            QStyleOption arrow;
            arrow.initFrom(this);
            arrow.rect = rect().adjusted(3, 2, -3, -2);
            arrow.state = option.state;
            arrow.palette.setColor(QPalette::ButtonText, Qt::black);
            arrow.palette.setColor(QPalette::WindowText, Qt::black);
            const QStyle::PrimitiveElement pe[] = {QStyle::PE_IndicatorArrowLeft,
                                                   QStyle::PE_IndicatorArrowRight,
                                                   QStyle::PE_IndicatorArrowUp,
                                                   QStyle::PE_IndicatorArrowDown};
            style()->drawPrimitive(pe[int(Direction)], &arrow, &painter, this);
            return;
        }
        Canvas canvas(painter);
        const bool pressed = look == ArrowLook::Pressed;
        const QRect face = canvas.DrawButtonFrame(rect(), pressed, SpinFlat);
        if (Direction == ArrowDirection::Up || Direction == ArrowDirection::Down) {
            if (Glyph.isNull()) return;
            // Centred, one pixel right and down while pressed.
            const int shift = pressed ? 1 : 0;
            const int x = (width() - Glyph.width()) / 2 + shift;
            const int y = (height() - Glyph.height()) / 2 + shift;
            canvas.DrawTransparent(x, y, Glyph, kOlive);
            return;
        }
        // Left and right: a scroll-bar style arrow on the frame.
        const QPoint c = face.center() + (pressed ? QPoint(1, 1) : QPoint());
        const int d = Direction == ArrowDirection::Left ? -1 : 1;
        canvas.SetPenColor(kBlack);
        canvas.SetBrushColor(kBlack);
        canvas.Polygon({QPoint(c.x() + 2 * d, c.y()), QPoint(c.x() - d, c.y() - 3),
                        QPoint(c.x() - d, c.y() + 3)});
    });
}

}  // namespace tarvik
