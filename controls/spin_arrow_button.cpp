#include "controls/spin_arrow_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "controls/spin_arrows.h"
#include "platform/application.h"
#include "platform/colors.h"
#include "platform/pixel_shapes.h"

namespace tarvik {

namespace {
constexpr int kFirstDelayMs = 400;
constexpr int kRepeatMs = 100;

// The classic raised button frame (sunken while pressed): two bevels of one
// pixel each on a light face. Returns the face inside the bevels.
QRect DrawClassicFrame(QPainter& painter, const QRect& r, bool pressed, bool flat) {
    const QColor face(0xF0, 0xF0, 0xF0), light(Qt::white), shadow(0xA0, 0xA0, 0xA0), dark(0x69, 0x69, 0x69);
    painter.save();
    painter.fillRect(r, face);
    if (!flat) {
        auto bevel = [&](const QRect& q, const QColor& topLeft, const QColor& bottomRight) {
            painter.setPen(topLeft);
            painter.drawLine(q.topLeft(), q.topRight());
            painter.drawLine(q.topLeft(), q.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(q.bottomLeft(), q.bottomRight());
            painter.drawLine(q.topRight(), q.bottomRight());
        };
        bevel(r, pressed ? dark : light, pressed ? light : dark);
        bevel(r.adjusted(1, 1, -1, -1), pressed ? shadow : face, pressed ? face : shadow);
    }
    painter.restore();
    return r.adjusted(2, 2, -2, -2);
}
}  // namespace

SpinArrowButton::SpinArrowButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    repeatTimer_.setTimerType(Qt::PreciseTimer);
    // A fault in a tick is reported after the tick: a message box's own
    // event loop would tick again on the half-done state.
    connect(&repeatTimer_, &QTimer::timeout, this, [this] { GuardedDeferred([this] { RepeatTick(); }); });
    // Mouse clicks never reach QAbstractButton (the handlers below are
    // ours), so `clicked` only comes from click(): the program or an
    // assistive technology pressing the button.
    connect(this, &QAbstractButton::clicked, this, [this] { Guarded([this] { Click(); }); });
}

void SpinArrowButton::Click() {
    if (auto* pair = dynamic_cast<SpinArrows*>(parentWidget())) pair->ArrowClick(this);
}

ArrowLook SpinArrowButton::Look() const {
    if (isDown()) return ArrowLook::Pressed;
    if (mouseInside_) return ArrowLook::Hot;
    return ArrowLook::Normal;
}

void SpinArrowButton::InvalidatePair() {
    if (QWidget* pair = parentWidget()) pair->update();
}

void SpinArrowButton::mousePressEvent(QMouseEvent* e) {
    Guarded([&] { MouseDown(e->button()); });
    e->accept();
}

void SpinArrowButton::mouseMoveEvent(QMouseEvent* e) {
    // While held, the arrow shows pressed only with the pointer over it.
    if (held_) setDown(rect().contains(e->position().toPoint()));
    e->accept();
}

void SpinArrowButton::mouseReleaseEvent(QMouseEvent* e) {
    Guarded([&] { MouseUp(e->button(), e->position().toPoint()); });
    e->accept();
}

void SpinArrowButton::MouseDown(Qt::MouseButton button) {
    if (auto* pair = dynamic_cast<SpinArrows*>(parentWidget())) pair->ArrowMouseDown(this, button);
    if (button == Qt::LeftButton) {
        held_ = true;
        setDown(true);
    }
    // Any button starts the timer; only the left one shows the arrow pressed,
    // so a tick after another button's press clicks nothing.
    if (AllowRepeat) repeatTimer_.start(kFirstDelayMs);
    InvalidatePair();
}

void SpinArrowButton::RepeatTick() {
    repeatTimer_.setInterval(kRepeatMs);
    if (isDown() && held_) {
        try {
            Click();
        } catch (...) {
            repeatTimer_.stop();
            throw;
        }
    }
}

void SpinArrowButton::MouseUp(Qt::MouseButton button, const QPoint& pos) {
    // The timer stops even when the release's click fails, so no tick runs on.
    struct StopTimer {
        SpinArrowButton* self;
        ~StopTimer() {
            self->repeatTimer_.stop();
            self->InvalidatePair();
        }
    } stop{this};
    if (button != Qt::LeftButton || !held_) return;
    held_ = false;
    const bool inside = isDown() && rect().contains(pos);
    setDown(false);
    if (inside) Click();
}

void SpinArrowButton::enterEvent(QEnterEvent* e) {
    mouseInside_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void SpinArrowButton::leaveEvent(QEvent* e) {
    mouseInside_ = false;
    update();
    QAbstractButton::leaveEvent(e);
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
        const bool pressed = look == ArrowLook::Pressed;
        const QRect face = DrawClassicFrame(painter, rect(), pressed, SpinFlat);
        if (Direction == ArrowDirection::Up || Direction == ArrowDirection::Down) {
            if (Glyph.isNull()) return;
            // Centred, one pixel right and down while pressed.
            const int shift = pressed ? 1 : 0;
            const int x = (width() - Glyph.width()) / 2 + shift;
            const int y = (height() - Glyph.height()) / 2 + shift;
            painter.drawImage(x, y, WithoutColor(Glyph, ToQColor(kOlive)));
            return;
        }
        // Left and right: a scroll-bar style arrow on the frame.
        const QPoint c = face.center() + (pressed ? QPoint(1, 1) : QPoint());
        const int d = Direction == ArrowDirection::Left ? -1 : 1;
        DrawPixelPolygon(painter, QPolygon({QPoint(c.x() + 2 * d, c.y()), QPoint(c.x() - d, c.y() - 3), QPoint(c.x() - d, c.y() + 3)}),
                         PixelPen(Qt::black), QBrush(Qt::black));
    });
}

}  // namespace tarvik
