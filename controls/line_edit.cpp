#include "controls/line_edit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QFocusEvent>
#include <algorithm>

#include "platform/application.h"

namespace tarvik {

LineEdit::LineEdit(QWidget* parent) : MarkedLineEdit(parent) {}

int LineEdit::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int LineEdit::SelLength() const { return int(selectedText().size()); }

void LineEdit::SetSelection(int start, int length) {
    const int n = int(text().size());
    start = std::clamp(start, 0, n);
    length = std::clamp(length, 0, n - start);
    if (length > 0)
        setSelection(start, length);
    else
        setCursorPosition(start);
}

void LineEdit::KeyDown(int& key, Qt::KeyboardModifiers shift, QKeyEvent*) { emit keyDown(key, shift); }

void LineEdit::KeyPress(QChar& key) { emit characterTyped(key); }

void LineEdit::KeyUp(int& key, Qt::KeyboardModifiers shift) { emit keyUp(key, shift); }

void LineEdit::DoEnter(QFocusEvent*) { emit entered(); }

void LineEdit::DoExit(QFocusEvent* event) { emit exited(event->reason()); }

void LineEdit::PasteFrom(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString text = QGuiApplication::clipboard()->text(mode).trimmed();
    if (text.isEmpty() && !hasSelectedText()) return;
    insert(text);
}

void LineEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        Guarded([&] { PasteFrom(QClipboard::Selection); });
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The standard editing menu, built here rather than by
// createStandardContextMenu(): its Paste calls QLineEdit::paste() directly,
// which neither trims nor raises our signals. The texts are QLineEdit's
// own, so Qt's translations name them as in every other field.
std::unique_ptr<QMenu> LineEdit::ContextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    auto add = [&](const QString& text, QKeySequence::StandardKey key, bool enabled, auto action) {
        QAction* a = menu->addAction(text + '\t' + QKeySequence(key).toString(QKeySequence::NativeText));
        a->setEnabled(enabled);
        QObject::connect(a, &QAction::triggered, this, [this, action] { Guarded([&] { action(); }); });
    };
    add(QLineEdit::tr("&Undo"), QKeySequence::Undo, editable && isUndoAvailable(), [this] { undo(); });
    add(QLineEdit::tr("&Redo"), QKeySequence::Redo, editable && isRedoAvailable(), [this] { redo(); });
    menu->addSeparator();
    add(QLineEdit::tr("Cu&t"), QKeySequence::Cut, editable && selected, [this] { DoCut(); });
    add(QLineEdit::tr("&Copy"), QKeySequence::Copy, selected, [this] { copy(); });
    add(QLineEdit::tr("&Paste"), QKeySequence::Paste, editable && !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { DoPaste(); });
    QAction* remove = menu->addAction(QLineEdit::tr("Delete"));
    remove->setEnabled(editable && selected);
    QObject::connect(remove, &QAction::triggered, this, [this] { Guarded([this] { del(); }); });
    menu->addSeparator();
    add(QLineEdit::tr("Select All"), QKeySequence::SelectAll, !text().isEmpty() && selectedText() != text(),
        [this] { selectAll(); });
    emit contextMenuAboutToShow(menu.get());
    return menu;
}

void LineEdit::contextMenuEvent(QContextMenuEvent* event) {
    Guarded([&] { ContextMenu()->exec(event->globalPos()); });
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
    Guarded([&] { HandleKey(event); });
}

void LineEdit::HandleKey(QKeyEvent* event) {
    int key = event->key();
    KeyDown(key, event->modifiers(), event);
    if (key == 0) return;  // cancelled by a keyDown slot (or a subclass)

    QString text = event->text();
    // Ctrl with a letter types the control character (Ctrl+V is 22), as the
    // Windows keyboard layer does; Qt reports the plain letter.
    if ((event->modifiers() & Qt::ControlModifier) && text.size() == 1) {
        const char16_t u = text[0].toLower().unicode();
        if (u >= 'a' && u <= 'z') text = QString(QChar(u - 'a' + 1));
    }
    // Ctrl+Y redoes everywhere, as on Windows and in most Linux programs;
    // Qt's own Redo here is Ctrl+Shift+Z only.
    if (key == Qt::Key_Y && event->modifiers() == Qt::ControlModifier && !event->matches(QKeySequence::Redo)) {
        if (text.size() == 1) {
            QChar ch = text[0];
            KeyPress(ch);
            if (ch.isNull()) return;
        }
        if (!isReadOnly()) redo();
        return;
    }
    // Paste and cut go through KeyPress so that controls may refuse them:
    // their control characters reach characterTyped first, as typed ones do.
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

void LineEdit::keyReleaseEvent(QKeyEvent* event) {
    Guarded([&] {
        int key = event->key();
        KeyUp(key, event->modifiers());
    });
    QLineEdit::keyReleaseEvent(event);
}

void LineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    Guarded([&] { DoEnter(event); });
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Guarded([&] { DoExit(event); });
}

}  // namespace tarvik
