#pragma once
// The one-line edit of the window's fields. Its key handling runs inside
// Guarded() (no exception unwinds through a Qt frame) and raises signals a
// window binds with ConnectGuarded(), so that the slots run guarded too.
#include <QClipboard>
#include <QWidget>
#include <memory>

#include "controls/marked_line_edit.h"

class QMenu;

namespace tarvik {

// A key press goes: keyDown (which may cancel it by setting the key to 0),
// then for a character characterTyped (which may replace it, or drop it with
// the null character), then the insertion; keyUp comes with the release.
class LineEdit : public MarkedLineEdit {
    Q_OBJECT
public:
    explicit LineEdit(QWidget* parent = nullptr);

    // The right-click menu: the standard editing entries, then whatever the
    // slots of contextMenuAboutToShow add.
    std::unique_ptr<QMenu> ContextMenu();

    // Caret position, 0-based: the start of the selection when text is selected.
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    // Repaints at once, not at the next turn of the event loop.
    void RepaintNow() { repaint(); }
signals:
    void keyDown(int& key, Qt::KeyboardModifiers modifiers);
    void characterTyped(QChar& character);
    void keyUp(int key, Qt::KeyboardModifiers modifiers);
    void entered();
    // `reason` tells a move to another control from the window losing the
    // activation or a popup menu opening.
    void exited(Qt::FocusReason reason);
    void contextMenuAboutToShow(QMenu* menu);

protected:
    // The steps of the key pipeline, called inside the guard; the defaults
    // raise the signals.
    virtual void KeyDown(int& key, Qt::KeyboardModifiers shift, QKeyEvent* event);
    virtual void KeyPress(QChar& key);
    virtual void KeyUp(int& key, Qt::KeyboardModifiers shift);
    virtual void DoEnter(QFocusEvent* event);
    virtual void DoExit(QFocusEvent* event);
    // Paste and cut as the keyboard asks for them; the default does them.
    virtual void DoPaste() { PasteFrom(QClipboard::Clipboard); }
    virtual void DoCut() { cut(); }
    // Every paste (keys, menu, middle button) goes here: the clipboard's
    // text without the blanks and line ends around it, as a spreadsheet
    // cell copies " 23.5\n". Replaces the selection, like Qt's own paste.
    void PasteFrom(QClipboard::Mode mode);

    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void HandleKey(QKeyEvent* event);
};

}  // namespace tarvik
