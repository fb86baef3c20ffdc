#include "platform/controls_base.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "platform/application.h"

namespace tarvik {

TWinControl::TWinControl(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

void TWinControl::SetTabStop(bool on) {
    tabStop_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::CanFocus() const { return isVisible() && isEnabled(); }

TPanel::TPanel(QWidget* parent) : TWinControl(parent) {
    SetTabStop(false);
    setFocusPolicy(Qt::NoFocus);
}

TCustomMaskEdit::TCustomMaskEdit(QWidget* parent) : QLineEdit(parent) {}

int TCustomMaskEdit::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int TCustomMaskEdit::SelLength() const { return int(selectedText().size()); }

void TCustomMaskEdit::SetSelection(int start, int length) {
    const int n = int(text().size());
    start = std::clamp(start, 0, n);
    length = std::clamp(length, 0, n - start);
    if (length > 0)
        setSelection(start, length);
    else
        setCursorPosition(start);
}

void TCustomMaskEdit::KeyDown(int& key, Qt::KeyboardModifiers shift, QKeyEvent*) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TCustomMaskEdit::KeyPress(QChar& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TCustomMaskEdit::KeyUp(int& key, Qt::KeyboardModifiers shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TCustomMaskEdit::DoEnter(QFocusEvent*) {
    if (OnEnter) OnEnter(this);
}

void TCustomMaskEdit::DoExit(QFocusEvent*) {
    if (OnExit) OnExit(this);
}

std::unique_ptr<QMenu> TCustomMaskEdit::ContextMenu() {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (OnContextPopup) OnContextPopup(this, *menu);
    return menu;
}

void TCustomMaskEdit::contextMenuEvent(QContextMenuEvent* event) {
    Guarded([&] { ContextMenu()->exec(event->globalPos()); });
}

void TCustomMaskEdit::keyPressEvent(QKeyEvent* event) {
    Guarded([&] { HandleKey(event); });
}

void TCustomMaskEdit::HandleKey(QKeyEvent* event) {
    int key = event->key();
    KeyDown(key, event->modifiers(), event);
    if (key == 0) return;  // cancelled by the key-down hook

    QString text = event->text();
    // Ctrl with a letter types the control character (Ctrl+V is 22), as the
    // Windows keyboard layer does; Qt reports the plain letter.
    if ((event->modifiers() & Qt::ControlModifier) && text.size() == 1) {
        const char16_t u = text[0].toLower().unicode();
        if (u >= 'a' && u <= 'z') text = QString(QChar(u - 'a' + 1));
    }
    // Paste and cut go through our hooks so that controls may refuse them;
    // their control characters pass the key-press hook first, as typed ones do.
    const bool pasting = event->matches(QKeySequence::Paste);
    if (pasting || event->matches(QKeySequence::Cut)) {
        if (text.size() == 1) {
            QChar ch = text[0];
            KeyPress(ch);
            if (ch.isNull()) return;
        }
        if (pasting)
            DoPaste();
        else
            DoCut();
        return;
    }

    if (text.size() == 1 && key != Qt::Key_Delete) {
        const QChar original = text[0];
        QChar ch = original;
        KeyPress(ch);
        if (ch.isNull()) return;
        if (ch == QChar('\r') && original != QChar('\r')) return;  // refused: nothing inserted
        if (ch != original) {
            if (!isReadOnly() && ch.unicode() >= 32) insert(QString(ch));
            return;
        }
        if (ch == QChar('\r')) {
            // A single-line edit inserts nothing for Return; the event goes on
            // to the parent (default buttons), as a Windows edit control passes it on.
            event->ignore();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TCustomMaskEdit::keyReleaseEvent(QKeyEvent* event) {
    Guarded([&] {
        int key = event->key();
        KeyUp(key, event->modifiers());
    });
    QLineEdit::keyReleaseEvent(event);
}

void TCustomMaskEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    Guarded([&] { DoEnter(event); });
}

void TCustomMaskEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    exitReason_ = event->reason();
    Guarded([&] { DoExit(event); });
}

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TSpeedButton::Click() {
    if (OnClick) OnClick(this);
}

void TSpeedButton::mousePressEvent(QMouseEvent* e) {
    Guarded([&] { MouseDown(e->button(), e->position().toPoint()); });
    e->accept();
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* e) {
    // While held, the button shows pressed only with the pointer over it.
    if (held_) setDown(rect().contains(e->position().toPoint()));
    e->accept();
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* e) {
    Guarded([&] { MouseUp(e->button(), e->position().toPoint()); });
    e->accept();
}

void TSpeedButton::MouseDown(Qt::MouseButton button, const QPoint&) {
    if (OnMouseDown) OnMouseDown(this, button);
    if (button == Qt::LeftButton) {
        held_ = true;
        setDown(true);
    }
}

void TSpeedButton::MouseUp(Qt::MouseButton button, const QPoint& pos) {
    if (button != Qt::LeftButton || !held_) return;
    held_ = false;
    const bool inside = isDown() && rect().contains(pos);
    setDown(false);
    if (inside) Click();
}

}  // namespace tarvik
