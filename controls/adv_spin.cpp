#include "controls/adv_spin.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOption>

#include "platform/application.h"
#include "platform/canvas.h"
#include "resources/glyphs.h"

namespace tarvik {

namespace {
constexpr int kFirstDelayMs = 400;
constexpr int kRepeatMs = 100;
// A single border with the 3-D look leaves a client area 2 pixels in on each side.
constexpr int kClientInset = 2;
}  // namespace

// ---------------------------------------------------------------- the arrow

TAdvTimerSpeedButton::TAdvTimerSpeedButton(QWidget* parent) : TSpeedButton(parent) {
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
}

TArrowLook TAdvTimerSpeedButton::Look() const {
    if (isDown()) return TArrowLook::Pressed;
    if (mouseInside_) return TArrowLook::Hot;
    return TArrowLook::Normal;
}

void TAdvTimerSpeedButton::InvalidatePair() {
    if (QWidget* pair = parentWidget()) pair->update();
}

void TAdvTimerSpeedButton::MouseDown(Qt::MouseButton button, const QPoint& pos) {
    TSpeedButton::MouseDown(button, pos);
    // Any button starts the timer; only the left one shows the arrow pressed,
    // so a tick after another button's press clicks nothing.
    if (AllowRepeat) {
        if (!repeatTimer_) {
            repeatTimer_ = std::make_unique<TTimer>();
            repeatTimer_->OnTimer = [this] { RepeatTick(); };
        }
        repeatTimer_->SetInterval(kFirstDelayMs);
        repeatTimer_->SetEnabled(true);
    }
    InvalidatePair();
}

void TAdvTimerSpeedButton::RepeatTick() {
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

void TAdvTimerSpeedButton::MouseUp(Qt::MouseButton button, const QPoint& pos) {
    // The timer stops even when the release's click fails, so no tick runs on.
    struct StopTimer {
        TAdvTimerSpeedButton* self;
        ~StopTimer() {
            if (self->repeatTimer_) self->repeatTimer_->SetEnabled(false);
            self->InvalidatePair();
        }
    } stop{this};
    TSpeedButton::MouseUp(button, pos);
}

void TAdvTimerSpeedButton::enterEvent(QEnterEvent* e) {
    mouseInside_ = true;
    update();
    TSpeedButton::enterEvent(e);
}

void TAdvTimerSpeedButton::leaveEvent(QEvent* e) {
    mouseInside_ = false;
    update();
    TSpeedButton::leaveEvent(e);
}

void TAdvTimerSpeedButton::paintEvent(QPaintEvent*) {
    GuardedDeferred([this] {
        QPainter painter(this);
        const TArrowLook look = Look();
        if (IsXPOrLater && VisualStylesActive()) {
            // The style stands in for the visual-styles library's "spin" parts.
            QStyleOptionButton option;
            option.initFrom(this);
            option.rect = rect();
            option.state = QStyle::State_Enabled | QStyle::State_Raised;
            if (look == TArrowLook::Pressed) option.state = QStyle::State_Enabled | QStyle::State_Sunken;
            if (look == TArrowLook::Hot) option.state |= QStyle::State_MouseOver;
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
            style()->drawPrimitive(pe[int(ArrowDirection)], &arrow, &painter, this);
            return;
        }
        TCanvas canvas(painter);
        const bool pressed = look == TArrowLook::Pressed;
        const QRect face = canvas.DrawButtonFrame(rect(), pressed, SpinFlat);
        if (ArrowDirection == TArrowDirection::adUp || ArrowDirection == TArrowDirection::adDown) {
            if (Glyph.isNull()) return;
            // Centred, one pixel right and down while pressed.
            const int shift = pressed ? 1 : 0;
            const int x = (width() - Glyph.width()) / 2 + shift;
            const int y = (height() - Glyph.height()) / 2 + shift;
            canvas.DrawTransparent(x, y, Glyph, clOlive);
            return;
        }
        // Left and right: a scroll-bar style arrow on the frame.
        const QPoint c = face.center() + (pressed ? QPoint(1, 1) : QPoint());
        const int d = ArrowDirection == TArrowDirection::adLeft ? -1 : 1;
        canvas.SetPenColor(clBlack);
        canvas.SetBrushColor(clBlack);
        canvas.Polygon({QPoint(c.x() + 2 * d, c.y()), QPoint(c.x() - d, c.y() - 3),
                        QPoint(c.x() - d, c.y() + 3)});
    });
}

// ---------------------------------------------------------------- the pair

TAdvSpinButton::TAdvSpinButton(QWidget* parent) : TWinControl(parent) {
    SetTabStop(false);
    // The pair never takes the focus by a click: a press on an arrow leaves
    // the focus where it is or hands it to the edit (ArrowMouseDown).
    setFocusPolicy(Qt::NoFocus);
    up_ = new TAdvTimerSpeedButton(this);
    down_ = new TAdvTimerSpeedButton(this);
    for (TAdvTimerSpeedButton* arrow : {up_, down_}) {
        arrow->AllowRepeat = true;
        arrow->OnClick = [this](QObject* s) { ArrowClick(s); };
        arrow->OnMouseDown = [this](QObject* s, Qt::MouseButton b) { ArrowMouseDown(s, b); };
        arrow->show();
    }
    up_->Glyph = LoadGlyph("AdvSpinUp");
    down_->Glyph = LoadGlyph("AdvSpinDown");
    up_->ArrowDirection = TArrowDirection::adUp;
    down_->ArrowDirection = TArrowDirection::adDown;
    // What a screen reader announces: the glyphs carry no text.
    up_->setAccessibleName("Increase");
    down_->setAccessibleName("Decrease");
    focused_ = up_;
    SetBounds(0, 0, kVerticalPairWidth, kPairStartHeight);
}

void TAdvSpinButton::SetFocusedArrow(TAdvTimerSpeedButton* arrow) {
    if (focused_ == arrow) return;
    const bool had = focused_->ShowFocus;
    focused_->ShowFocus = false;
    focused_->update();
    focused_ = arrow;
    focused_->ShowFocus = had;
    focused_->update();
}

int TAdvSpinButton::ArrangeArrows(int width, int height) {
    const ArrowLayout layout = ArrangeArrowRects(width, height, direction_);
    up_->setGeometry(layout.up);
    down_->setGeometry(layout.down);
    return layout.width;
}

void TAdvSpinButton::SetBounds(int left, int top, int width, int height) {
    arranging_ = true;
    const int w = ArrangeArrows(width, height);
    setGeometry(left, top, w, height);
    arranging_ = false;
}

void TAdvSpinButton::resizeEvent(QResizeEvent* e) {
    TWinControl::resizeEvent(e);
    if (arranging_) return;
    const int w = ArrangeArrows(width(), height());
    if (w != width()) SetBounds(x(), y(), w, height());
}

void TAdvSpinButton::SetDirection(TSpinDirection d) {
    if (d == direction_) return;
    direction_ = d;
    if (d == TSpinDirection::spVertical) {
        up_->ArrowDirection = TArrowDirection::adUp;
        down_->ArrowDirection = TArrowDirection::adDown;
        SetBounds(x(), y(), kVerticalPairWidth, height());
    } else {
        up_->ArrowDirection = TArrowDirection::adRight;
        down_->ArrowDirection = TArrowDirection::adLeft;
        SetBounds(x(), y(), kHorizontalPairWidth, height());
    }
    update();
}

void TAdvSpinButton::ArrowClick(QObject* sender) {
    if (sender == up_) {
        if (OnUpClick) OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

void TAdvSpinButton::ArrowMouseDown(QObject* sender, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    if (TabStop() && CanFocus()) SetFocusedArrow(static_cast<TAdvTimerSpeedButton*>(sender));
    QWidget* target = focusControl_;
    const bool targetTakesFocus = target && (target->focusPolicy() & Qt::TabFocus) &&
                                  target->isVisible() && target->isEnabled();
    if (targetTakesFocus && !target->hasFocus())
        target->setFocus(Qt::OtherFocusReason);
    else if (!targetTakesFocus && TabStop() && !hasFocus() && CanFocus())
        setFocus(Qt::OtherFocusReason);
    // Qt hands the focus to the edit before the press arrives here,
    // as if the edit itself had been clicked; the edit learns otherwise now.
    if (auto* edit = dynamic_cast<TAdvSpinEdit*>(target)) edit->PressOnArrows();
}

void TAdvSpinButton::keyPressEvent(QKeyEvent* e) {
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

void TAdvSpinButton::focusInEvent(QFocusEvent* e) {
    focused_->ShowFocus = true;
    focused_->update();
    TWinControl::focusInEvent(e);
}

void TAdvSpinButton::focusOutEvent(QFocusEvent* e) {
    focused_->ShowFocus = false;
    focused_->update();
    TWinControl::focusOutEvent(e);
}

// ---------------------------------------------------------------- the edit

TAdvSpinEdit::TAdvSpinEdit(QWidget* parent) : TCustomMaskEdit(parent) {
    spinButton_ = new TAdvSpinButton(this);
    spinButton_->SetBounds(0, 0, kVerticalPairWidth, kPairInEditHeight);
    spinButton_->show();
    spinButton_->SetFocusControl(this);
    // Through virtual dispatch, so that subclasses receive the arrow clicks.
    spinButton_->OnUpClick = [this](QObject* s) { StepUp(s); };
    spinButton_->OnDownClick = [this](QObject* s) { StepDown(s); };
    {
        const QSignalBlocker block(this);
        setText("0");
    }
    lastText_ = "0";
    // User edits (typing, Backspace, Delete, paste, cut, undo) arrive here;
    // program writes go through SetText with the signal blocked.
    connect(this, &QLineEdit::textChanged, this, [this] { Guarded([this] { TextChanged(); }); });
}

void TAdvSpinEdit::TextChanged() {
    if (text() == lastText_) return;
    lastText_ = text();
    if (OnChange) OnChange(this);
}

void TAdvSpinEdit::SetText(const QString& t) {
    if (t == text()) return;
    {
        const QSignalBlocker block(this);
        setText(t);
    }
    lastText_ = t;
    if (OnChange) OnChange(this);
}

std::int32_t TAdvSpinEdit::Value() const {
    return ParseSpinInteger(text()).value_or(minValue_);
}

std::int32_t TAdvSpinEdit::ClampValue(std::int64_t v) const {
    return ClampSpinValue(v, minValue_, maxValue_, loading_);
}

void TAdvSpinEdit::SetValue(std::int32_t v) {
    SetText(QString::number(ClampValue(v)));
    if (!editorEnabled_) selectAll();
}

void TAdvSpinEdit::EndLoad() {
    loading_ = false;
    SetValue(Value());  // applies the limits to the loaded value
    const QRect client = ClientRect();
    ApplyEditRect(SpinTextRect(client.width(), client.height(), spinButton_->width(),
                               BorderStyle(), true));
    setGeometry(geometry());
}

void TAdvSpinEdit::SetEditorEnabled(bool on) {
    editorEnabled_ = on;
    setContextMenuPolicy(on ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

TSpinDirection TAdvSpinEdit::Direction() const { return spinButton_->Direction(); }

void TAdvSpinEdit::SetDirection(TSpinDirection d) {
    if (d == spinButton_->Direction()) return;
    spinButton_->SetDirection(d);
    // Widen by one pixel and back: runs the layout again.
    resize(width() + 1, height());
    resize(width() - 1, height());
}

bool TAdvSpinEdit::AcceptsChar(QChar& key) {
    return SpinAcceptsChar(key, CurrentFormatSettings(), editorEnabled_);
}

void TAdvSpinEdit::Step(std::int32_t delta, bool checkReadOnly) {
    const int selStart = SelStart(), selLength = SelLength();
    const QString before = text();
    if (checkReadOnly && isReadOnly()) {
        Beep();
        return;
    }
    SetValue(ClampValue(std::int64_t(Value()) + delta));
    if (text() != before) setModified(true);
    SetSelection(selStart, selLength);
}

void TAdvSpinEdit::StepUp(QObject*) { Step(increment_, true); }
void TAdvSpinEdit::StepDown(QObject*) { Step(-increment_, true); }

void TAdvSpinEdit::KeyDown(int& key, Qt::KeyboardModifiers shift, QKeyEvent* event) {
    const int selStart = SelStart(), selLength = SelLength();
    const QString before = text();
    bool special = true;
    switch (key) {
        case Qt::Key_Up:
            StepUp(this);
            break;
        case Qt::Key_Down:
            StepDown(this);
            break;
        case Qt::Key_PageUp:
            SetValue(ClampValue(std::int64_t(Value()) + incrementPage_));
            break;
        case Qt::Key_PageDown:
            SetValue(ClampValue(std::int64_t(Value()) - incrementPage_));
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (returnIsTab_) {
                key = Qt::Key_Tab;
                QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
            }
            break;
        case Qt::Key_Delete:
            if (!editorEnabled_) key = 0;
            break;
        default:
            special = false;
    }
    if (special) {
        SetSelection(selStart, selLength);
        if (text() != before) setModified(true);
    }
    if (key == 0) return;
    TCustomMaskEdit::KeyDown(key, shift, event);
    // The edit is one line: the vertical and page keys move no caret, so
    // the restored selection stays.
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown)
        key = 0;
}

void TAdvSpinEdit::KeyPress(QChar& key) {
    if (key == QChar('\r')) {
        // Return takes its own road: the handler sees it, nothing is inserted.
        if (OnKeyPress) OnKeyPress(this, key);
        key = QChar(0);
        return;
    }
    if (!AcceptsChar(key)) {
        key = QChar(0);
        Beep();
        return;
    }
    TCustomMaskEdit::KeyPress(key);
}

void TAdvSpinEdit::DoEnter(QFocusEvent* event) {
    // A mouse focus may still turn out to come from a press on the arrows.
    enteredByMouse_ = event->reason() == Qt::MouseFocusReason;
    if (autoSelect_ && (!enteredByMouse_ || !editorEnabled_)) selectAll();
    TCustomMaskEdit::DoEnter(event);
}

void TAdvSpinEdit::PressOnArrows() {
    if (enteredByMouse_ && autoSelect_) selectAll();
    enteredByMouse_ = false;
}

void TAdvSpinEdit::mousePressEvent(QMouseEvent* e) {
    enteredByMouse_ = false;
    TCustomMaskEdit::mousePressEvent(e);
}

void TAdvSpinEdit::DoExit(QFocusEvent* event) {
    TCustomMaskEdit::DoExit(event);
    if (spinType_ != TAdvSpinType::sptNormal) return;
    const std::int32_t v = Value();
    if (ClampValue(v) != v) SetValue(v);
}

void TAdvSpinEdit::DoPaste() {
    if (editorEnabled_ && !isReadOnly()) paste();
}

void TAdvSpinEdit::DoCut() {
    if (editorEnabled_ && !isReadOnly()) cut();
}

// A notch of a common wheel is 120 eighths of a degree; touchpads send
// smaller deltas, which add up to whole notches.
void TAdvSpinEdit::wheelEvent(QWheelEvent* e) {
    constexpr int kNotch = 120;
    Guarded([&] {
        wheelRemainder_ += e->angleDelta().y();
        while (wheelRemainder_ >= kNotch) {
            wheelRemainder_ -= kNotch;
            StepUp(this);
        }
        while (wheelRemainder_ <= -kNotch) {
            wheelRemainder_ += kNotch;
            StepDown(this);
        }
    });
    e->accept();
}

void TAdvSpinEdit::enterEvent(QEnterEvent* e) {
    if (autoFocus_ && !hasFocus()) setFocus(Qt::OtherFocusReason);
    TCustomMaskEdit::enterEvent(e);
}

QRect TAdvSpinEdit::ClientRect() const {
    return QRect(kClientInset, kClientInset, width() - 2 * kClientInset, height() - 2 * kClientInset);
}

int TAdvSpinEdit::MinEditHeight() const {
    return SpinMinEditHeight(QFontMetrics(font()).height(), QFontMetrics(QApplication::font()).height(),
                             BorderStyle());
}

void TAdvSpinEdit::PlaceSpinButton() {
    const QRect place = SpinButtonPlacement(width(), height(), spinButton_->width(), BorderStyle(),
                                            true, true);
    // In client coordinates; the client area starts inside the border.
    spinButton_->SetBounds(place.x() + kClientInset, place.y() + kClientInset, place.width(),
                           place.height());
}

void TAdvSpinEdit::ApplyEditRect(const QRect& r) {
    editRect_ = r;
    // The text keeps clear of the arrows: a right margin up to the rectangle.
    const QRect client = ClientRect();
    setTextMargins(r.left(), 0, client.width() - (r.right() + 1), 0);
}

void TAdvSpinEdit::UpdateEditRect() {
    const QRect client = ClientRect();
    ApplyEditRect(SpinTextRect(client.width(), client.height(), spinButton_->width(), BorderStyle(),
                               false));
}

void TAdvSpinEdit::resizeEvent(QResizeEvent* e) {
    TCustomMaskEdit::resizeEvent(e);
    Guarded([this] {
        const int minHeight = MinEditHeight();
        if (height() < minHeight) {
            resize(width(), minHeight);  // resizes again; nothing else this pass
            return;
        }
        PlaceSpinButton();
        UpdateEditRect();
    });
}

}  // namespace tarvik
