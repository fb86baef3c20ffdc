#include "controls/spin_edit.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "controls/spin_arrows.h"
#include "controls/spin_edit_accessible.h"
#include "platform/application.h"

namespace tarvik {

namespace {
// A single border with the 3-D look leaves a client area 2 pixels in on each side.
constexpr int kClientInset = 2;
}  // namespace

SpinEdit::SpinEdit(QWidget* parent) : LineEdit(parent) {
    InstallSpinEditAccessibility();
    spinButton_ = new SpinArrows(this);
    spinButton_->SetBounds(0, 0, kVerticalPairWidth, kPairInEditHeight);
    spinButton_->show();
    spinButton_->SetFocusControl(this);
    {
        const QSignalBlocker block(this);
        setText("0");
    }
    lastText_ = "0";
    // User edits (typing, Backspace, Delete, paste, cut, undo) arrive here;
    // program writes go through SetText with the signal blocked.
    connect(this, &QLineEdit::textChanged, this, [this] { Guarded([this] { TextChanged(); }); });
}

void SpinEdit::TextChanged() {
    if (text() == lastText_) return;
    lastText_ = text();
    AnnounceValue();
    emit changed();
}

void SpinEdit::SetText(const QString& t) {
    if (t == text()) return;
    {
        const QSignalBlocker block(this);
        setText(t);
    }
    lastText_ = t;
    AnnounceValue();
    emit changed();
}

// A screen reader hears the new value, whatever changed it.
void SpinEdit::AnnounceValue() {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(this, Value());
    QAccessible::updateAccessibility(&event);
}

std::int32_t SpinEdit::Value() const {
    return ParseSpinInteger(text()).value_or(minValue_);
}

std::int32_t SpinEdit::ClampValue(std::int64_t v) const {
    return ClampSpinValue(v, minValue_, maxValue_, loading_);
}

void SpinEdit::SetValue(std::int32_t v) {
    SetText(QString::number(ClampValue(v)));
    if (!editorEnabled_) selectAll();
}

void SpinEdit::EndLoad() {
    loading_ = false;
    SetValue(Value());  // applies the limits to the loaded value
    const QRect client = ClientRect();
    ApplyEditRect(SpinTextRect(client.width(), client.height(), spinButton_->width(),
                               BorderStyle(), true));
    setGeometry(geometry());
}

void SpinEdit::SetEditorEnabled(bool on) {
    editorEnabled_ = on;
    setContextMenuPolicy(on ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

SpinDirection SpinEdit::Direction() const { return spinButton_->Direction(); }

void SpinEdit::SetDirection(SpinDirection d) {
    if (d == spinButton_->Direction()) return;
    spinButton_->SetDirection(d);
    // Widen by one pixel and back: runs the layout again.
    resize(width() + 1, height());
    resize(width() - 1, height());
}

bool SpinEdit::AcceptsChar(QChar& key) {
    return SpinAcceptsChar(key, CurrentFormatSettings(), editorEnabled_);
}

void SpinEdit::Step(std::int32_t delta, bool checkReadOnly) {
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

void SpinEdit::StepUp(QObject*) { Step(increment_, true); }
void SpinEdit::StepDown(QObject*) { Step(-increment_, true); }

void SpinEdit::KeyDown(int& key, Qt::KeyboardModifiers shift, QKeyEvent* event) {
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
    LineEdit::KeyDown(key, shift, event);
    // The edit is one line: the vertical and page keys move no caret, so
    // the restored selection stays.
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown)
        key = 0;
}

void SpinEdit::KeyPress(QChar& key) {
    if (key == QChar('\r')) {
        // Return takes its own road: the handler sees it, nothing is inserted.
        emit characterTyped(key);
        key = QChar(0);
        return;
    }
    if (!AcceptsChar(key)) {
        key = QChar(0);
        Beep();
        return;
    }
    LineEdit::KeyPress(key);
}

void SpinEdit::DoEnter(QFocusEvent* event) {
    // A mouse focus may still turn out to come from a press on the arrows.
    enteredByMouse_ = event->reason() == Qt::MouseFocusReason;
    if (autoSelect_ && (!enteredByMouse_ || !editorEnabled_)) selectAll();
    LineEdit::DoEnter(event);
}

void SpinEdit::PressOnArrows() {
    if (enteredByMouse_ && autoSelect_) selectAll();
    enteredByMouse_ = false;
}

void SpinEdit::mousePressEvent(QMouseEvent* e) {
    enteredByMouse_ = false;
    LineEdit::mousePressEvent(e);
}

void SpinEdit::DoExit(QFocusEvent* event) {
    LineEdit::DoExit(event);
    if (spinType_ != SpinValueType::Integer) return;
    const std::int32_t v = Value();
    if (ClampValue(v) != v) SetValue(v);
}

void SpinEdit::DoPaste() {
    if (editorEnabled_) PasteFrom(QClipboard::Clipboard);
}

void SpinEdit::DoCut() {
    if (editorEnabled_ && !isReadOnly()) cut();
}

// A notch of a common wheel is 120 eighths of a degree; touchpads send
// smaller deltas, which add up to whole notches.
void SpinEdit::wheelEvent(QWheelEvent* e) {
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

void SpinEdit::enterEvent(QEnterEvent* e) {
    if (autoFocus_ && !hasFocus()) setFocus(Qt::OtherFocusReason);
    LineEdit::enterEvent(e);
}

QRect SpinEdit::ClientRect() const {
    return QRect(kClientInset, kClientInset, width() - 2 * kClientInset, height() - 2 * kClientInset);
}

int SpinEdit::MinEditHeight() const {
    return SpinMinEditHeight(QFontMetrics(font()).height(), QFontMetrics(QApplication::font()).height(),
                             BorderStyle());
}

void SpinEdit::PlaceSpinButton() {
    const QRect place = SpinButtonPlacement(width(), height(), spinButton_->width(), BorderStyle(),
                                            true, true);
    // In client coordinates; the client area starts inside the border.
    spinButton_->SetBounds(place.x() + kClientInset, place.y() + kClientInset, place.width(),
                           place.height());
}

void SpinEdit::ApplyEditRect(const QRect& r) {
    editRect_ = r;
    // The text keeps clear of the arrows: a right margin up to the rectangle.
    const QRect client = ClientRect();
    setTextMargins(r.left(), 0, client.width() - (r.right() + 1), 0);
}

void SpinEdit::UpdateEditRect() {
    const QRect client = ClientRect();
    ApplyEditRect(SpinTextRect(client.width(), client.height(), spinButton_->width(), BorderStyle(),
                               false));
}

void SpinEdit::resizeEvent(QResizeEvent* e) {
    LineEdit::resizeEvent(e);
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
